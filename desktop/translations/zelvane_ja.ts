<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name></name>
    <message id="panel.appName">
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message id="app.tagline">
        <source>Quick unit converter</source>
        <translation>すばやく単位換算</translation>
    </message>
    <message id="panel.menu.open">
        <source>Open Zelvane</source>
        <translation>Zelvane を開く</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>最近の換算</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>この結果をコピー</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>前回のコピー：%1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>パネルの位置をリセット</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>Zelvane を終了</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>%1 をコピーしました</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>保存できませんでした：%1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>パネルの位置をリセットしました</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>パネルのサイズをリセットしました</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>パネルを固定しました（開いたままになります）</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>パネルの固定を解除しました</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>お気に入りにできるカテゴリは %1 個までです</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>%1 はほかのプログラムで使用されています</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>動作中：%1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>動作していません：%1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>別のショートカットを使うには、デスクトップのキーボード設定で次のコマンドを実行するショートカットを追加してください：zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>デスクトップの設定で登録</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>Zelvane のパネルの表示／非表示を切り替え</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>すべてのカテゴリ</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>パネルを開いたままにする</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message id="panel.window.minimize">
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message id="panel.window.maximize">
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message id="panel.move.help">
        <source>Drag to move · double-click to reset the position</source>
        <translation>ドラッグで移動 · ダブルクリックで位置をリセット</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>ドラッグでサイズ変更 · ダブルクリックでサイズをリセット</translation>
    </message>
    <message id="panel.size.min">
        <source>Minimum size</source>
        <translation>最小サイズ</translation>
    </message>
    <message id="panel.size.max">
        <source>Maximum size</source>
        <translation>最大サイズ</translation>
    </message>
    <message id="panel.size.reset">
        <source>Double-click a corner to reset</source>
        <translation>角をダブルクリックでリセット</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>数値</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>入力単位</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>計算方法を見る</translation>
    </message>
    <message id="panel.parse.found">
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="panel.parse.target">
        <source>→ %1</source>
        <translation>→ %1</translation>
    </message>
    <message id="panel.parse.confirm">
        <source>Press Enter to apply</source>
        <translation>Enter で適用</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>Enter でコピー</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>単位を認識できません</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>減らす</translation>
    </message>
    <message id="converter.increment">
        <source>Increase</source>
        <translation>増やす</translation>
    </message>
    <message id="converter.step.title">
        <source>Step size</source>
        <translation>増減幅</translation>
    </message>
    <message id="converter.step.auto">
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message id="converter.step.custom">
        <source>Custom step</source>
        <translation>カスタムの増減幅</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>更新日時：%1</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>為替レートがまだありません</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>為替レートを更新中…</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>為替レートを更新できませんでした</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>為替レートを更新</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>すべての単位を表示</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>表示する単位を減らす</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>固定</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>固定を解除</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>単位を非表示</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>単位を検索</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>再表示</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>非表示</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1、現在の単位</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1、非表示</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>ドラッグまたは Alt+↑ / Alt+↓ で並べ替え</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>クリックでコピー · Ctrl+クリックでこの単位から換算</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>単位付きでコピー</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>数値のみコピー</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>この単位から換算</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>最近</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>クリックでもう一度開く</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>コピーした結果がここに表示されます</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>Enter：コピー · ↑↓：選択 · Ctrl+K：カテゴリ · Ctrl+,：設定</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>Enter：コピー · Ctrl+K：カテゴリ</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>Enter：コピー</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>カテゴリを選択 · Esc：戻る</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>変更はすぐに保存されます · Esc：戻る</translation>
    </message>
    <message id="panel.hint.back">
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message id="panel.back">
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message id="sidebar.search">
        <source>Search categories and units</source>
        <translation>カテゴリや単位を検索</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>お気に入り</translation>
    </message>
    <message id="group.everyday">
        <source>Everyday</source>
        <translation>日常</translation>
    </message>
    <message id="group.science">
        <source>Science</source>
        <translation>科学</translation>
    </message>
    <message id="group.electric">
        <source>Electricity &amp; magnetism</source>
        <translation>電気・磁気</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>放射線</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>カスタム</translation>
    </message>
    <message id="group.packs">
        <source>Packs</source>
        <translation>パック</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>お気に入りに追加</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>お気に入りから削除</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>お気に入りのカテゴリは上部のバーに表示されます</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>計算方法</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>定義</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>換算式</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>%1基準</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>基本単位</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>計算例</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>補足</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>これらの単位は一定の倍率だけが異なるため、掛け算で換算できます。</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>これらの目盛りはゼロ点が異なるため、掛け算に加えてずれの分を足します。</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>これらの単位は逆数の関係にあり、一方が大きくなるともう一方は小さくなります。</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>通貨は最後に取得した為替レートで換算するため、銀行のレートとは異なる場合があります。</translation>
    </message>
    <message id="panel.section.desktop">
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message id="panel.size.title">
        <source>Panel size</source>
        <translation>パネルのサイズ</translation>
    </message>
    <message id="panel.size.small">
        <source>Small</source>
        <translation>小</translation>
    </message>
    <message id="panel.size.medium">
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message id="panel.size.large">
        <source>Large</source>
        <translation>大</translation>
    </message>
    <message id="panel.hotkey.title">
        <source>Global shortcut</source>
        <translation>グローバルショートカット</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>ログイン時に起動</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>タスクバーに表示</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>トレイアイコン</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>アイコンのみ</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>アイコンと前回の結果</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>コピーの内容</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>数値と単位</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>数値のみ</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>言語と地域</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>システムの設定</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>地域</translation>
    </message>
    <message id="region.mainlandChina">
        <source>Mainland China</source>
        <translation>中国本土</translation>
    </message>
    <message id="region.unitedStates">
        <source>United States</source>
        <translation>アメリカ</translation>
    </message>
    <message id="region.unitedKingdom">
        <source>United Kingdom</source>
        <translation>イギリス</translation>
    </message>
    <message id="region.taiwan">
        <source>Taiwan</source>
        <translation>台湾</translation>
    </message>
    <message id="region.hongKong">
        <source>Hong Kong</source>
        <translation>香港</translation>
    </message>
    <message id="region.japan">
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message id="region.korea">
        <source>South Korea</source>
        <translation>韓国</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>ドイツ</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>フランス</translation>
    </message>
    <message id="region.spain">
        <source>Spain</source>
        <translation>スペイン</translation>
    </message>
    <message id="region.mexico">
        <source>Mexico</source>
        <translation>メキシコ</translation>
    </message>
    <message id="region.italy">
        <source>Italy</source>
        <translation>イタリア</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>ブラジル</translation>
    </message>
    <message id="region.thailand">
        <source>Thailand</source>
        <translation>タイ</translation>
    </message>
    <message id="region.malaysia">
        <source>Malaysia</source>
        <translation>マレーシア</translation>
    </message>
    <message id="region.indonesia">
        <source>Indonesia</source>
        <translation>インドネシア</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>有効桁数</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1 桁</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>外観</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>システム</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>ライト</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>ダーク</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>為替レート</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>為替レートを自動更新</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>Zelvane について</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message id="custom.title">
        <source>My units</source>
        <translation>マイ単位</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>自分で作った換算と単位</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>新しい換算</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>カテゴリに単位を追加</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>通貨を含む組み込みカテゴリに単位を1つ追加します</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>テンプレートとパック</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>クリップボードから読み込む</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>自分の換算や単位はまだありません。作成するか、テンプレートを使いましょう。</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>単位: %1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>%1 の単位</translation>
    </message>
    <message id="custom.edit">
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message id="custom.duplicate">
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message id="custom.duplicated">
        <source>Duplicated</source>
        <translation>複製しました</translation>
    </message>
    <message id="custom.copyName">
        <source>%1 (copy)</source>
        <translation>%1（コピー）</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>リンクをコピー</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>別の Zelvane で読み込める zelvane: リンクをコピーします</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>テキストでコピー</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>項目を読みやすい JSON でコピーします</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>共有リンクをコピーしました</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>共有テキストをコピーしました</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>%1 を削除しますか？</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>削除しました</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message id="custom.restored">
        <source>Restored</source>
        <translation>元に戻しました</translation>
    </message>
    <message id="custom.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="custom.editConversion">
        <source>Edit conversion</source>
        <translation>換算を編集</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>単位を編集</translation>
    </message>
    <message id="custom.name">
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message id="custom.glyph">
        <source>Symbol</source>
        <translation>記号</translation>
    </message>
    <message id="custom.decimals">
        <source>Decimal places</source>
        <translation>小数点以下の桁数</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>設定どおり</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>カテゴリ</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>基準の単位</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>規則の x が表す組み込み単位</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>単位</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>単位 %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>基準単位</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>単位名</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>記号</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>単位を追加</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>単位 %1 を削除</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>規則</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>比率</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>手順</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>数式</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>この単位 1 つは基準単位いくつ分か</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>x の数式（x は基準の値）</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>逆の数式（省略可）</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>空欄なら自動で求めます</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ 足す</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− 引く</translation>
    </message>
    <message id="custom.op.mul">
        <source>× multiply</source>
        <translation>× 掛ける</translation>
    </message>
    <message id="custom.op.div">
        <source>÷ divide</source>
        <translation>÷ 割る</translation>
    </message>
    <message id="custom.op.pow">
        <source>^ power</source>
        <translation>^ べき乗</translation>
    </message>
    <message id="custom.op.divInto">
        <source>n ÷ value</source>
        <translation>n ÷ 値</translation>
    </message>
    <message id="custom.op.convert">
        <source>convert</source>
        <translation>換算</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× 単位比</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ 単位比</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>関数</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>手順 %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>数値またはパラメータ</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>例: 1.8 または k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>小数点以下の桁数 (round)</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>変換元の単位</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>変換先の単位</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>関数名</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>手順を追加</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>手順 %1 を削除</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>パラメータ</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>パラメータを追加</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>規則が名前で使える名前付きの数値</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>パラメータ名</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>既定値</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>メモ</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>パラメータ %1 を削除</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>「%1」はパラメータ名に使えません。英字で始め、英数字と _ のみ、20 文字以内で、関数名・x・e・pi は不可です。</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>パラメータ名「%1」が重複しています。</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>「%1」の値が数値ではありません。</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>保存しました</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>基準単位</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>基準単位と同じ</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>双方向に正確に換算</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>逆変換は探索で求め、確認済み</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>入力した逆の数式は正しい</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>逆変換できません: 逆の数式を入力してください</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>逆の数式が数式と一致しません</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>%1 文字目: %2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>不明な名前 %1: x かパラメータを使ってください</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>単位 %1 がありません</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>比率は 0 以外の数値にしてください</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>数式が空です</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>読み取る内容がありません</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>使えない文字です</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>ここには置けません</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>閉じかっこがありません</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>関数 %1 はありません</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1 の引数の数が違います</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>単位は length.ft のように カテゴリ.単位 と書きます</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>ここには数値か名前が必要です</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>すべての名前を入力してください。</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>換算には 2〜12 個の単位が必要です。</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>パラメータは 10 個まで、それぞれ有効で別々の名前にしてください。</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>基準単位以外の単位には規則が必要です。</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>手順は 30 個までです。</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>数式は 400 文字までです。</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>使う</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>あなたの言語でマイ単位に追加します</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>%1 をマイ単位に追加しました</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>拡張パック</translation>
    </message>
    <message id="custom.pack.use">
        <source>Use %1</source>
        <translation>%1 を使う</translation>
    </message>
    <message id="custom.pack.variant">
        <source>Variant of %1 (%2)</source>
        <translation>%1の基準（%2）</translation>
    </message>
    <message id="import.title">
        <source>Import</source>
        <translation>インポート</translation>
    </message>
    <message id="import.conversion">
        <source>Conversion</source>
        <translation>換算</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>%1 の追加単位</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>単位: %1 · パラメーター: %2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>単位と式</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>不明な単位参照</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>インポート時に変更</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>「%1」を追加しました</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>クリップボードに共有された換算や単位がありません</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>この共有項目は制限 (%1) を超えているため、インポートできません。</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>これは共有されたカスタム換算や単位ではありません。</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>この共有項目は 64 KB を超えているため、インポートできません。</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>この共有項目は新しいバージョンの Zelvane で作成されました。インポートするには Zelvane を更新してください。</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>「%1」を「%2」に短縮</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>基準単位「%1」のルールを削除しました</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>範囲外の小数桁数 %1 を破棄しました</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>入手元のメモを削除しました</translation>
    </message>
</context>
</TS>
