<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name></name>
    <message id="panel.appName">
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message id="app.tagline">
        <source>Quick unit converter</source>
        <translation>快捷单位换算</translation>
    </message>
    <message id="panel.menu.open">
        <source>Open Zelvane</source>
        <translation>打开 Zelvane</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>最近换算</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>复制此结果</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>上次复制：%1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>重置面板位置</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>设置…</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>退出 Zelvane</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>已复制 %1</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>无法保存：%1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>面板位置已重置</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>面板大小已重置</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>面板已固定，不会自动隐藏</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>面板已取消固定</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>最多可收藏 %1 个类别</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>%1 已被其他程序占用</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>已启用：%1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>未生效：%1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>如需使用其他快捷键，请在桌面环境的键盘设置中添加自定义快捷键，命令为：zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>在桌面设置中设置</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>显示或隐藏 Zelvane 面板</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>全部类别</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>保持面板打开</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>拖动以移动 · 双击重置位置</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>拖动以调整大小 · 双击重置大小</translation>
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
        <translation>双击角落可重置</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>输入单位</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>查看计算方法</translation>
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
        <translation>按回车应用</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>按回车复制</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>未识别出单位</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>减少</translation>
    </message>
    <message id="converter.increment">
        <source>Increase</source>
        <translation>增加</translation>
    </message>
    <message id="converter.step.title">
        <source>Step size</source>
        <translation>步长</translation>
    </message>
    <message id="converter.step.auto">
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message id="converter.step.custom">
        <source>Custom step</source>
        <translation>自定义步长</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>更新于 %1</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>暂无汇率</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>正在更新汇率…</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>汇率更新失败</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>更新汇率</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>显示全部单位</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>收起其他单位</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>置顶</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>取消置顶</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>隐藏单位</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>搜索单位</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>重新显示</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>已隐藏</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1，当前单位</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1，已隐藏</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>拖动或按 Alt+↑ / Alt+↓ 调整顺序</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>单击复制 · Ctrl+单击以此单位为输入</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>复制（含单位）</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>仅复制数值</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>以此单位为输入</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>最近</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>单击重新打开</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>复制的结果会显示在这里</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>回车：复制 · ↑↓：选择 · Ctrl+K：类别 · Ctrl+,：设置</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>回车：复制 · Ctrl+K：类别</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>回车：复制</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>选择类别 · Esc：返回</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>更改即时保存 · Esc：返回</translation>
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
        <translation>搜索类别或单位</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>收藏</translation>
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
        <translation>电与磁</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>辐射</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message id="group.packs">
        <source>Packs</source>
        <translation>扩展包</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>收藏</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>取消收藏</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>已收藏的类别会显示在顶栏</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>计算方法</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>定义</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>公式</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>相对于 %1</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>基准单位</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>示例</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>说明</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>这些单位之间只差一个固定倍数，相乘即可换算。</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>这些温标的零点不同，换算时除了相乘还要加上偏移量。</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>这些单位互为倒数：一个数值变大，另一个就变小。</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>货币换算使用最近下载的汇率，可能与银行汇率不同。</translation>
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
        <translation>全局快捷键</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>无</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>登录时启动</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>在任务栏中显示</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>托盘图标</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>仅图标</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>图标和上次结果</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>复制内容</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>数值和单位</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>仅数值</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>语言与地区</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>跟随系统</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>地区</translation>
    </message>
    <message id="region.mainlandChina">
        <source>Mainland China</source>
        <translation>中国大陆</translation>
    </message>
    <message id="region.unitedStates">
        <source>United States</source>
        <translation>美国</translation>
    </message>
    <message id="region.unitedKingdom">
        <source>United Kingdom</source>
        <translation>英国</translation>
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
        <translation>韩国</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>德国</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>法国</translation>
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
        <translation>意大利</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>巴西</translation>
    </message>
    <message id="region.thailand">
        <source>Thailand</source>
        <translation>泰国</translation>
    </message>
    <message id="region.malaysia">
        <source>Malaysia</source>
        <translation>马来西亚</translation>
    </message>
    <message id="region.indonesia">
        <source>Indonesia</source>
        <translation>印度尼西亚</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>有效数字</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1 位</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>外观</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>跟随系统</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>浅色</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>深色</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>汇率</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>自动更新汇率</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message id="custom.title">
        <source>My units</source>
        <translation>我的单位</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>你自己的换算和单位</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>新建换算</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>在类别中新建单位</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>向内置类别（包括货币）添加一个单位</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>模板和扩展包</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>从剪贴板导入</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>还没有自己的换算或单位。新建一个，或采用模板。</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>单位：%1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>%1 中的单位</translation>
    </message>
    <message id="custom.edit">
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message id="custom.duplicate">
        <source>Duplicate</source>
        <translation>复制</translation>
    </message>
    <message id="custom.duplicated">
        <source>Duplicated</source>
        <translation>已复制</translation>
    </message>
    <message id="custom.copyName">
        <source>%1 (copy)</source>
        <translation>%1（副本）</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>复制链接</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>复制可在其他 Zelvane 中导入的 zelvane: 链接</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>复制为文本</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>以可读的 JSON 复制该项</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>已复制分享链接</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>已复制分享文本</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>删除 %1？</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>已删除</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message id="custom.restored">
        <source>Restored</source>
        <translation>已恢复</translation>
    </message>
    <message id="custom.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="custom.editConversion">
        <source>Edit conversion</source>
        <translation>编辑换算</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>编辑单位</translation>
    </message>
    <message id="custom.name">
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message id="custom.glyph">
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message id="custom.decimals">
        <source>Decimal places</source>
        <translation>小数位数</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>跟随设置</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>类别</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>参照单位</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>规则中 x 所代表的内置单位</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>单位</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>单位 %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>基准单位</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>单位名称</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>添加单位</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>移除单位 %1</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>规则</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>比例</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>步骤</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>公式</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>该单位 1 个等于多少基准单位</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>关于 x 的公式（x 为基准值）</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>反向公式（可选）</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>留空则自动求出</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ 加</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− 减</translation>
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
        <translation>换算</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× 单位比</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ 单位比</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>函数</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>步骤 %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>数字或参数</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>例如 1.8 或 k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>小数位数（round）</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>源单位</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>目标单位</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>函数名</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>添加步骤</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>移除步骤 %1</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>参数</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>添加参数</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>规则可按名称使用的具名数字</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>参数名</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>默认值</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>移除参数 %1</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>“%1”不能作参数名：须以字母开头，只用字母、数字和 _，最多 20 个，且不能是函数名、x、e 或 pi。</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>参数名“%1”重复使用。</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>“%1”的值不是数字。</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>已保存</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>基准单位</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>与基准单位相同</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>双向精确换算</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>反向换算通过搜索求得，已验证</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>你写的反向公式无误</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>无法反向换算：请填写反向公式</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>反向公式与公式不符</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>第 %1 个字符：%2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>未知名称 %1：请使用 x 或参数</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>没有单位 %1</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>比例必须是非 0 的数字</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>公式为空</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>没有可读取的内容</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>无法识别的字符</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>此处不应出现该内容</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>缺少右括号</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>没有函数 %1</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1 的参数个数不对</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>单位写作 类别.单位，例如 length.ft</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>此处应为数字或名称</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>每个名称都需要填写。</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>换算需要 2 至 12 个单位。</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>最多 10 个参数，且各有不同的有效名称。</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>除基准单位外，每个单位都需要规则。</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>步骤最多 30 个。</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>公式最多 400 个字符。</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>采用</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>以你的语言添加到我的单位</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>已将 %1 添加到我的单位</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>扩展包</translation>
    </message>
    <message id="custom.pack.use">
        <source>Use %1</source>
        <translation>使用 %1</translation>
    </message>
    <message id="custom.pack.variant">
        <source>Variant of %1 (%2)</source>
        <translation>%1的标准（%2）</translation>
    </message>
    <message id="import.title">
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message id="import.conversion">
        <source>Conversion</source>
        <translation>换算</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>%1 中的附加单位</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>单位：%1 · 参数：%2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>单位和公式</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>未知的单位引用</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>导入时的改动</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>已添加“%1”</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>剪贴板中没有共享的换算或单位</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>此共享项超出限制（%1），无法导入。</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>这不是共享的自定义换算或单位。</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>此共享项大于 64 KB，无法导入。</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>此共享项由更新版本的 Zelvane 创建。请更新 Zelvane 后再导入。</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>“%1”已缩短为“%2”</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>已移除基准单位“%1”的规则</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>已舍弃超出范围的小数位数 %1</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>已移除来源说明</translation>
    </message>
</context>
</TS>
