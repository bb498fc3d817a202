<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name></name>
    <message id="panel.appName">
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message id="app.tagline">
        <source>Quick unit converter</source>
        <translation>Quick unit converter</translation>
    </message>
    <message id="panel.menu.open">
        <source>Open Zelvane</source>
        <translation>Open Zelvane</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>Recent conversions</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>Copy this result</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>Last copied: %1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>Reset panel position</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>Settings…</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>Quit Zelvane</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>Copied %1</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>Could not save: %1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>Panel position reset</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>Panel size reset</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>Panel pinned: it stays open</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>Panel unpinned</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>You can have up to %1 favorite categories</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>%1 is already used by another program</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>Working: %1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>Not working: %1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>Set up in desktop settings</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>Show or hide the Zelvane panel</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>All categories</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>Keep panel open</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="panel.window.minimize">
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message id="panel.window.maximize">
        <source>Maximize</source>
        <translation>Maximize</translation>
    </message>
    <message id="panel.move.help">
        <source>Drag to move · double-click to reset the position</source>
        <translation>Drag to move · double-click to reset the position</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>Drag to resize · double-click to reset the size</translation>
    </message>
    <message id="panel.size.min">
        <source>Minimum size</source>
        <translation>Minimum size</translation>
    </message>
    <message id="panel.size.max">
        <source>Maximum size</source>
        <translation>Maximum size</translation>
    </message>
    <message id="panel.size.reset">
        <source>Double-click a corner to reset</source>
        <translation>Double-click a corner to reset</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>Input unit</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>How this is calculated</translation>
    </message>
    <message id="panel.parse.found">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="panel.parse.target">
        <source>→ %1</source>
        <translation>→ %1</translation>
    </message>
    <message id="panel.parse.confirm">
        <source>Press Enter to apply</source>
        <translation>Press Enter to apply</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>Press Enter to copy</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>Unit not recognized</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>Decrease</translation>
    </message>
    <message id="converter.increment">
        <source>Increase</source>
        <translation>Increase</translation>
    </message>
    <message id="converter.step.title">
        <source>Step size</source>
        <translation>Step size</translation>
    </message>
    <message id="converter.step.auto">
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message id="converter.step.custom">
        <source>Custom step</source>
        <translation>Custom step</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>Updated %1</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>No exchange rates yet</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>Updating rates…</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>Couldn't update rates</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>Update rates</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>Show all units</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>Show fewer units</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>Pin</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>Unpin</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>Hide unit</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>Find a unit</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>Show again</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>Hidden</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1, current</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1, hidden</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>Drag or press Alt+↑ / Alt+↓ to reorder</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>Click to copy · Ctrl-click to convert from this unit</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>Copy with unit</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>Copy value only</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>Convert from this unit</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>Recent</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>Click to open again</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>Copied results appear here</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>Enter: copy · Ctrl+K: categories</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>Enter: copy</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>Pick a category · Esc: back</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>Changes are saved at once · Esc: back</translation>
    </message>
    <message id="panel.hint.back">
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message id="panel.back">
        <source>Back</source>
        <translation>Back</translation>
    </message>
    <message id="sidebar.search">
        <source>Search categories and units</source>
        <translation>Search categories and units</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>Favorites</translation>
    </message>
    <message id="group.everyday">
        <source>Everyday</source>
        <translation>Everyday</translation>
    </message>
    <message id="group.science">
        <source>Science</source>
        <translation>Science</translation>
    </message>
    <message id="group.electric">
        <source>Electricity &amp; magnetism</source>
        <translation>Electricity &amp; magnetism</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>Radiation</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>Custom</translation>
    </message>
    <message id="group.packs">
        <source>Packs</source>
        <translation>Packs</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>Add to favorites</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>Remove from favorites</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>Favorite categories appear in the top bar</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>How it's calculated</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>Definition</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>Formulas</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>Relative to %1</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>Base unit</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>Example</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>These units differ only by a fixed factor: multiply to convert.</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>These scales have different zero points, so converting adds an offset as well as multiplying.</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>These units are reciprocal: as one value grows, the other shrinks.</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>Currency results use the latest downloaded exchange rates and may differ from your bank's.</translation>
    </message>
    <message id="panel.section.desktop">
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message id="panel.size.title">
        <source>Panel size</source>
        <translation>Panel size</translation>
    </message>
    <message id="panel.size.small">
        <source>Small</source>
        <translation>Small</translation>
    </message>
    <message id="panel.size.medium">
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message id="panel.size.large">
        <source>Large</source>
        <translation>Large</translation>
    </message>
    <message id="panel.hotkey.title">
        <source>Global shortcut</source>
        <translation>Global shortcut</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>None</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>Open at login</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>Show in taskbar</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>Tray icon</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>Icon only</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>Icon and last result</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>Copying</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>Value and unit</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>Value only</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>Language &amp; region</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>System default</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message id="region.mainlandChina">
        <source>Mainland China</source>
        <translation>Mainland China</translation>
    </message>
    <message id="region.unitedStates">
        <source>United States</source>
        <translation>United States</translation>
    </message>
    <message id="region.unitedKingdom">
        <source>United Kingdom</source>
        <translation>United Kingdom</translation>
    </message>
    <message id="region.taiwan">
        <source>Taiwan</source>
        <translation>Taiwan</translation>
    </message>
    <message id="region.hongKong">
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message id="region.japan">
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message id="region.korea">
        <source>South Korea</source>
        <translation>South Korea</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>Germany</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>France</translation>
    </message>
    <message id="region.spain">
        <source>Spain</source>
        <translation>Spain</translation>
    </message>
    <message id="region.mexico">
        <source>Mexico</source>
        <translation>Mexico</translation>
    </message>
    <message id="region.italy">
        <source>Italy</source>
        <translation>Italy</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>Brazil</translation>
    </message>
    <message id="region.thailand">
        <source>Thailand</source>
        <translation>Thailand</translation>
    </message>
    <message id="region.malaysia">
        <source>Malaysia</source>
        <translation>Malaysia</translation>
    </message>
    <message id="region.indonesia">
        <source>Indonesia</source>
        <translation>Indonesia</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>Significant digits</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1 digits</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Appearance</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>Exchange rates</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>Update rates automatically</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>About</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message id="custom.title">
        <source>My units</source>
        <translation>My units</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>Your own conversions and units</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>New conversion</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>New unit in a category</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>Adds one unit to a built-in category, currency included</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>Templates and packs</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>Import from clipboard</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>You have no conversions or units of your own yet. Make one, or adopt a template.</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>Units: %1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>Unit in %1</translation>
    </message>
    <message id="custom.edit">
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message id="custom.duplicate">
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message id="custom.duplicated">
        <source>Duplicated</source>
        <translation>Duplicated</translation>
    </message>
    <message id="custom.copyName">
        <source>%1 (copy)</source>
        <translation>%1 (copy)</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>Copy link</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>Copies a zelvane: link that another Zelvane can import</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>Copy as text</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>Copies the item as readable JSON</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>Share link copied</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>Share text copied</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>Delete %1?</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>Deleted</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message id="custom.restored">
        <source>Restored</source>
        <translation>Restored</translation>
    </message>
    <message id="custom.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="custom.editConversion">
        <source>Edit conversion</source>
        <translation>Edit conversion</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>Edit unit</translation>
    </message>
    <message id="custom.name">
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message id="custom.glyph">
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message id="custom.decimals">
        <source>Decimal places</source>
        <translation>Decimal places</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>As in settings</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>Defined against</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>The built-in unit x stands for in the rule</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>Units</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>Unit %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>Reference unit</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>Unit name</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>Add unit</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>Remove unit %1</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>Rule</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>Ratio</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>Steps</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>Formula</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>One of this unit is this many reference units</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>Formula in x (x is the reference value)</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>Inverse formula (optional)</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>Left empty, it is worked out</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ add</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− subtract</translation>
    </message>
    <message id="custom.op.mul">
        <source>× multiply</source>
        <translation>× multiply</translation>
    </message>
    <message id="custom.op.div">
        <source>÷ divide</source>
        <translation>÷ divide</translation>
    </message>
    <message id="custom.op.pow">
        <source>^ power</source>
        <translation>^ power</translation>
    </message>
    <message id="custom.op.divInto">
        <source>n ÷ value</source>
        <translation>n ÷ value</translation>
    </message>
    <message id="custom.op.convert">
        <source>convert</source>
        <translation>convert</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× unit ratio</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ unit ratio</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>function</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>Step %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>Number or parameter</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>e.g. 1.8 or k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>Decimal places (round)</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>From unit</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>To unit</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>Function name</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>Add step</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>Remove step %1</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>Parameters</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>Add parameter</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>A named number the rules can use by its name</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>Parameter name</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>Default value</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>Remove parameter %1</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>The parameter name “%1” is used twice.</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>The value of “%1” is not a number.</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>Saved</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>reference unit</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>same as the reference unit</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>converts both ways exactly</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>converts back by searching, checked</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>your inverse formula checks out</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>cannot convert back: write an inverse formula</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>your inverse formula does not match the formula</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>at character %1: %2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>unknown name %1: use x or a parameter</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>no unit %1</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>the ratio must be a number other than 0</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>the formula is empty</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>nothing to read</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>a character that does not belong</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>this does not fit here</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>a closing parenthesis is missing</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>no function %1</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1 takes a different number of values</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>a unit is written category.unit, such as length.ft</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>a number or name is expected here</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>Every name needs some text.</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>A conversion needs 2 to 12 units.</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>At most 10 parameters, each with its own valid name.</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>Every unit but the reference unit needs a rule.</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>A chain may have at most 30 steps.</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>A formula may have at most 400 characters.</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>Adopt</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>Adds it to your units in your language</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>%1 added to your units</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>Extension packs</translation>
    </message>
    <message id="custom.pack.use">
        <source>Use %1</source>
        <translation>Use %1</translation>
    </message>
    <message id="custom.pack.variant">
        <source>Variant of %1 (%2)</source>
        <translation>Variant of %1 (%2)</translation>
    </message>
    <message id="import.title">
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message id="import.conversion">
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>Extra unit in %1</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>Units: %1 · Parameters: %2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>Units and formulas</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>Unknown unit references</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>Changed on import</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>Added “%1”</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>The clipboard holds no shared conversion or unit</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>This shared item breaks a limit (%1) and cannot be imported.</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>This is not a shared custom conversion or unit.</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>This shared item is larger than 64 KB and cannot be imported.</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>“%1” shortened to “%2”</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>The rule of the reference unit “%1” was removed</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>Decimals %1 out of range were dropped</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>The note on where it came from was removed</translation>
    </message>
</context>
</TS>
