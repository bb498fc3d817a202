<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name></name>
    <message id="panel.appName">
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message id="app.tagline">
        <source>Quick unit converter</source>
        <translation>快速單位換算</translation>
    </message>
    <message id="panel.menu.open">
        <source>Open Zelvane</source>
        <translation>開啟 Zelvane</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>最近的換算</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>複製此結果</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>上次複製：%1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>重設面板位置</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>設定…</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>結束 Zelvane</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>已複製 %1</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>無法儲存：%1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>已重設面板位置</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>已重設面板大小</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>已釘選面板，不會自動隱藏</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>已取消釘選面板</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>最多可將 %1 個類別加入我的最愛</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>%1 已被其他程式使用</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>已啟用：%1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>未生效：%1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>若要使用其他快速鍵，請在桌面環境的鍵盤設定中新增自訂快速鍵，指令為：zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>在桌面設定中設定</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>顯示或隱藏 Zelvane 面板</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>所有類別</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>保持面板開啟</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>關閉</translation>
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
        <translation>拖移以移動 · 按兩下重設位置</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>拖移以調整大小 · 按兩下重設大小</translation>
    </message>
    <message id="panel.size.min">
        <source>Minimum size</source>
        <translation>最小尺寸</translation>
    </message>
    <message id="panel.size.max">
        <source>Maximum size</source>
        <translation>最大尺寸</translation>
    </message>
    <message id="panel.size.reset">
        <source>Double-click a corner to reset</source>
        <translation>在角落按兩下即可重設</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>數值</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>輸入單位</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>查看計算方式</translation>
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
        <translation>按 Enter 套用</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>按 Enter 複製</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>無法辨識單位</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>減少</translation>
    </message>
    <message id="converter.increment">
        <source>Increase</source>
        <translation>增加</translation>
    </message>
    <message id="converter.step.title">
        <source>Step size</source>
        <translation>增減量</translation>
    </message>
    <message id="converter.step.auto">
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message id="converter.step.custom">
        <source>Custom step</source>
        <translation>自訂增減量</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>更新於 %1</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>尚無匯率</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>正在更新匯率…</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>無法更新匯率</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>更新匯率</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>顯示所有單位</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>收合其他單位</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>釘選</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>取消釘選</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>隱藏單位</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>搜尋單位</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>重新顯示</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>已隱藏</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1，目前單位</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1，已隱藏</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>拖曳或按 Alt+↑ / Alt+↓ 調整順序</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>按一下複製 · Ctrl+按一下改以此單位輸入</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>複製（含單位）</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>僅複製數值</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>改以此單位輸入</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>最近項目</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>按一下重新開啟</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>複製的結果會顯示在這裡</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>Enter：複製 · ↑↓：選擇 · Ctrl+K：類別 · Ctrl+,：設定</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>Enter：複製 · Ctrl+K：類別</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>Enter：複製</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>選擇類別 · Esc：返回</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>變更會立即儲存 · Esc：返回</translation>
    </message>
    <message id="panel.hint.back">
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message id="panel.back">
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message id="sidebar.search">
        <source>Search categories and units</source>
        <translation>搜尋類別或單位</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>我的最愛</translation>
    </message>
    <message id="group.everyday">
        <source>Everyday</source>
        <translation>日常</translation>
    </message>
    <message id="group.science">
        <source>Science</source>
        <translation>科學</translation>
    </message>
    <message id="group.electric">
        <source>Electricity &amp; magnetism</source>
        <translation>電與磁</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>輻射</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
    <message id="group.packs">
        <source>Packs</source>
        <translation>擴充包</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>加入我的最愛</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>從我的最愛移除</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>我的最愛中的類別會顯示在頂列</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>計算方式</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>定義</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>公式</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>相對於 %1</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>基準單位</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>範例</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>說明</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>這些單位之間只差一個固定倍數，相乘即可換算。</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>這些溫標的零點不同，換算時除了相乘還要加上偏移量。</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>這些單位互為倒數：一個數值變大，另一個就變小。</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>貨幣換算使用最近下載的匯率，可能與銀行匯率不同。</translation>
    </message>
    <message id="panel.section.desktop">
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message id="panel.size.title">
        <source>Panel size</source>
        <translation>面板大小</translation>
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
        <translation>全域快速鍵</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>無</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>登入時開啟</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>在工作列中顯示</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>系統匣圖示</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>僅圖示</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>圖示和上次結果</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>複製內容</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>數值和單位</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>僅數值</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>語言與地區</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>依照系統</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>地區</translation>
    </message>
    <message id="region.mainlandChina">
        <source>Mainland China</source>
        <translation>中國大陸</translation>
    </message>
    <message id="region.unitedStates">
        <source>United States</source>
        <translation>美國</translation>
    </message>
    <message id="region.unitedKingdom">
        <source>United Kingdom</source>
        <translation>英國</translation>
    </message>
    <message id="region.taiwan">
        <source>Taiwan</source>
        <translation>台灣</translation>
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
        <translation>南韓</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>德國</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>法國</translation>
    </message>
    <message id="region.spain">
        <source>Spain</source>
        <translation>西班牙</translation>
    </message>
    <message id="region.mexico">
        <source>Mexico</source>
        <translation>墨西哥</translation>
    </message>
    <message id="region.italy">
        <source>Italy</source>
        <translation>義大利</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>巴西</translation>
    </message>
    <message id="region.thailand">
        <source>Thailand</source>
        <translation>泰國</translation>
    </message>
    <message id="region.malaysia">
        <source>Malaysia</source>
        <translation>馬來西亞</translation>
    </message>
    <message id="region.indonesia">
        <source>Indonesia</source>
        <translation>印尼</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>有效位數</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1 位</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>外觀</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>依照系統</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>淺色</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>匯率</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>自動更新匯率</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message id="custom.title">
        <source>My units</source>
        <translation>我的單位</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>打開</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>你自己的換算和單位</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>新增換算</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>在類別中新增單位</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>向內建類別（包括貨幣）新增一個單位</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>範本和擴充包</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>從剪貼簿匯入</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>還沒有自己的換算或單位。新增一個，或採用範本。</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>單位：%1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>%1 中的單位</translation>
    </message>
    <message id="custom.edit">
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message id="custom.duplicate">
        <source>Duplicate</source>
        <translation>複製</translation>
    </message>
    <message id="custom.duplicated">
        <source>Duplicated</source>
        <translation>已複製</translation>
    </message>
    <message id="custom.copyName">
        <source>%1 (copy)</source>
        <translation>%1（副本）</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>拷貝連結</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>拷貝可在其他 Zelvane 中匯入的 zelvane: 連結</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>拷貝為文字</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>以可讀的 JSON 拷貝該項</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>已拷貝分享連結</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>已拷貝分享文字</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>刪除 %1？</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>已刪除</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message id="custom.restored">
        <source>Restored</source>
        <translation>已還原</translation>
    </message>
    <message id="custom.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="custom.editConversion">
        <source>Edit conversion</source>
        <translation>編輯換算</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>編輯單位</translation>
    </message>
    <message id="custom.name">
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message id="custom.glyph">
        <source>Symbol</source>
        <translation>符號</translation>
    </message>
    <message id="custom.decimals">
        <source>Decimal places</source>
        <translation>小數位數</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>依照設定</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>類別</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>參照單位</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>規則中 x 所代表的內建單位</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>單位</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>單位 %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>基準單位</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>單位名稱</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>符號</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>新增單位</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>移除單位 %1</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>規則</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>比例</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>步驟</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>公式</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>該單位 1 個等於多少基準單位</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>關於 x 的公式（x 為基準值）</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>反向公式（選填）</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>留空則自動求出</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ 加</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− 減</translation>
    </message>
    <message id="custom.op.mul">
        <source>× multiply</source>
        <translation>× 乘</translation>
    </message>
    <message id="custom.op.div">
        <source>÷ divide</source>
        <translation>÷ 除</translation>
    </message>
    <message id="custom.op.pow">
        <source>^ power</source>
        <translation>^ 乘方</translation>
    </message>
    <message id="custom.op.divInto">
        <source>n ÷ value</source>
        <translation>n ÷ 值</translation>
    </message>
    <message id="custom.op.convert">
        <source>convert</source>
        <translation>換算</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× 單位比</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ 單位比</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>函數</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>步驟 %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>數字或參數</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>例如 1.8 或 k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>小數位數（round）</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>來源單位</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>目標單位</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>函數名稱</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>新增步驟</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>移除步驟 %1</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>參數</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>新增參數</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>規則可按名稱使用的具名數字</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>參數名稱</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>預設值</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>備註</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>移除參數 %1</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>「%1」不能作參數名稱：須以字母開頭，只用字母、數字和 _，最多 20 個，且不能是函數名稱、x、e 或 pi。</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>參數名稱「%1」重複使用。</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>「%1」的值不是數字。</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>已儲存</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>基準單位</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>與基準單位相同</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>雙向精確換算</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>反向換算透過搜尋求得，已驗證</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>你寫的反向公式無誤</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>無法反向換算：請填寫反向公式</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>反向公式與公式不符</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>第 %1 個字元：%2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>未知名稱 %1：請使用 x 或參數</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>沒有單位 %1</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>比例必須是非 0 的數字</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>公式為空</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>沒有可讀取的內容</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>無法識別的字元</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>此處不應出現該內容</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>缺少右括號</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>沒有函數 %1</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1 的參數個數不對</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>單位寫作 類別.單位，例如 length.ft</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>此處應為數字或名稱</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>每個名稱都需要填寫。</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>換算需要 2 至 12 個單位。</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>最多 10 個參數，且各有不同的有效名稱。</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>除基準單位外，每個單位都需要規則。</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>步驟最多 30 個。</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>公式最多 400 個字元。</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>採用</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>以你的語言新增到我的單位</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>已將 %1 新增到我的單位</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>擴充包</translation>
    </message>
    <message id="custom.pack.use">
        <source>Use %1</source>
        <translation>使用 %1</translation>
    </message>
    <message id="custom.pack.variant">
        <source>Variant of %1 (%2)</source>
        <translation>%1的標準（%2）</translation>
    </message>
    <message id="import.title">
        <source>Import</source>
        <translation>匯入</translation>
    </message>
    <message id="import.conversion">
        <source>Conversion</source>
        <translation>換算</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>%1 中的附加單位</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>單位：%1 · 參數：%2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>單位與公式</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>未知的單位參照</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>匯入時的變更</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>加入</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>已加入「%1」</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>剪貼簿中沒有分享的換算或單位</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>此分享項目超出限制（%1），無法匯入。</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>這不是分享的自訂換算或單位。</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>此分享項目大於 64 KB，無法匯入。</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>此分享項目由較新版本的 Zelvane 建立。請更新 Zelvane 後再匯入。</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>「%1」已縮短為「%2」</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>已移除基準單位「%1」的規則</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>已捨棄超出範圍的小數位數 %1</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>已移除來源說明</translation>
    </message>
</context>
</TS>
