<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name></name>
    <message id="panel.appName">
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message id="app.tagline">
        <source>Quick unit converter</source>
        <translation>Einheiten schnell umrechnen</translation>
    </message>
    <message id="panel.menu.open">
        <source>Open Zelvane</source>
        <translation>Zelvane öffnen</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>Letzte Umrechnungen</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>Dieses Ergebnis kopieren</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>Zuletzt kopiert: %1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>Panelposition zurücksetzen</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>Zelvane beenden</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>%1 kopiert</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>Speichern nicht möglich: %1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>Panelposition zurückgesetzt</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>Panelgröße zurückgesetzt</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>Panel angeheftet: Es bleibt geöffnet</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>Panel nicht mehr angeheftet</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>Es sind höchstens %1 Favoriten möglich</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>%1 wird bereits von einem anderen Programm verwendet</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>Aktiv: %1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>Nicht aktiv: %1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>Für ein anderes Tastenkürzel in den Tastatureinstellungen der Arbeitsumgebung ein eigenes Kürzel mit diesem Befehl anlegen: zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>In den Systemeinstellungen einrichten</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>Zelvane-Panel ein- oder ausblenden</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>Alle Kategorien</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>Panel geöffnet lassen</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="panel.window.minimize">
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message id="panel.window.maximize">
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message id="panel.move.help">
        <source>Drag to move · double-click to reset the position</source>
        <translation>Ziehen: Verschieben · Doppelklick: Position zurücksetzen</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>Ziehen: Größe ändern · Doppelklick: Größe zurücksetzen</translation>
    </message>
    <message id="panel.size.min">
        <source>Minimum size</source>
        <translation>Minimale Größe</translation>
    </message>
    <message id="panel.size.max">
        <source>Maximum size</source>
        <translation>Maximale Größe</translation>
    </message>
    <message id="panel.size.reset">
        <source>Double-click a corner to reset</source>
        <translation>Doppelklick auf eine Ecke: Zurücksetzen</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>Eingabeeinheit</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>So wird gerechnet</translation>
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
        <translation>Eingabetaste: Übernehmen</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>Eingabetaste: Kopieren</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>Einheit nicht erkannt</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
    <message id="converter.increment">
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
    <message id="converter.step.title">
        <source>Step size</source>
        <translation>Schrittweite</translation>
    </message>
    <message id="converter.step.auto">
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message id="converter.step.custom">
        <source>Custom step</source>
        <translation>Eigene Schrittweite</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>Aktualisiert: %1</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>Noch keine Wechselkurse</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>Wechselkurse werden aktualisiert …</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>Wechselkurse konnten nicht aktualisiert werden</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>Wechselkurse aktualisieren</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>Alle Einheiten anzeigen</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>Weniger Einheiten anzeigen</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>Anheften</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>Lösen</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>Einheit ausblenden</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>Einheit suchen</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>Wieder anzeigen</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>Ausgeblendet</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1, aktuell</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1, ausgeblendet</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>Zum Umsortieren ziehen oder Alt+↑ / Alt+↓ drücken</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>Klick: Kopieren · Strg+Klick: Von dieser Einheit aus umrechnen</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>Mit Einheit kopieren</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>Nur Wert kopieren</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>Von dieser Einheit aus umrechnen</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>Zuletzt verwendet</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>Klicken, um erneut zu öffnen</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>Kopierte Ergebnisse erscheinen hier</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>Eingabetaste: Kopieren · ↑↓: Auswählen · Ctrl+K: Kategorien · Ctrl+,: Einstellungen</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>Eingabetaste: Kopieren · Ctrl+K: Kategorien</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>Eingabetaste: Kopieren</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>Kategorie wählen · Esc: Zurück</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>Änderungen werden sofort gespeichert · Esc: Zurück</translation>
    </message>
    <message id="panel.hint.back">
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message id="panel.back">
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message id="sidebar.search">
        <source>Search categories and units</source>
        <translation>Kategorien und Einheiten suchen</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message id="group.everyday">
        <source>Everyday</source>
        <translation>Alltag</translation>
    </message>
    <message id="group.science">
        <source>Science</source>
        <translation>Wissenschaft</translation>
    </message>
    <message id="group.electric">
        <source>Electricity &amp; magnetism</source>
        <translation>Elektrizität &amp; Magnetismus</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>Strahlung</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message id="group.packs">
        <source>Packs</source>
        <translation>Pakete</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>Zu Favoriten hinzufügen</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>Aus Favoriten entfernen</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>Favoriten erscheinen in der oberen Leiste</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>So wird gerechnet</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>Definition</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>Formeln</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>Bezogen auf %1</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>Basiseinheit</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>Diese Einheiten unterscheiden sich nur um einen festen Faktor: Zum Umrechnen wird multipliziert.</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>Diese Skalen haben verschiedene Nullpunkte: Beim Umrechnen kommt zur Multiplikation ein Versatz hinzu.</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>Diese Einheiten sind zueinander reziprok: Wächst der eine Wert, sinkt der andere.</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>Währungen werden mit den zuletzt geladenen Wechselkursen umgerechnet; die Kurse der Bank können abweichen.</translation>
    </message>
    <message id="panel.section.desktop">
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message id="panel.size.title">
        <source>Panel size</source>
        <translation>Panelgröße</translation>
    </message>
    <message id="panel.size.small">
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message id="panel.size.medium">
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message id="panel.size.large">
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message id="panel.hotkey.title">
        <source>Global shortcut</source>
        <translation>Globales Tastenkürzel</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>Bei der Anmeldung öffnen</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>In der Taskleiste anzeigen</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>Symbol im Systembereich</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>Nur Symbol</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>Symbol und letztes Ergebnis</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>Kopieren</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>Wert und Einheit</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>Nur Wert</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>Sprache &amp; Region</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>Systemsprache</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message id="region.mainlandChina">
        <source>Mainland China</source>
        <translation>Festlandchina</translation>
    </message>
    <message id="region.unitedStates">
        <source>United States</source>
        <translation>Vereinigte Staaten</translation>
    </message>
    <message id="region.unitedKingdom">
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message id="region.taiwan">
        <source>Taiwan</source>
        <translation>Taiwan</translation>
    </message>
    <message id="region.hongKong">
        <source>Hong Kong</source>
        <translation>Hongkong</translation>
    </message>
    <message id="region.japan">
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message id="region.korea">
        <source>South Korea</source>
        <translation>Südkorea</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message id="region.spain">
        <source>Spain</source>
        <translation>Spanien</translation>
    </message>
    <message id="region.mexico">
        <source>Mexico</source>
        <translation>Mexiko</translation>
    </message>
    <message id="region.italy">
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>Brasilien</translation>
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
        <translation>Indonesien</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>Signifikante Stellen</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1 Stellen</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>Wechselkurse</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>Wechselkurse automatisch aktualisieren</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>Über Zelvane</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message id="custom.title">
        <source>My units</source>
        <translation>Meine Einheiten</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>Eigene Umrechnungen und Einheiten</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>Neue Umrechnung</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>Neue Einheit in einer Kategorie</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>Fügt einer eingebauten Kategorie eine Einheit hinzu, auch Währungen</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>Vorlagen und Pakete</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>Aus Zwischenablage importieren</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>Noch keine eigenen Umrechnungen oder Einheiten. Erstelle eine oder übernimm eine Vorlage.</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>Einheiten: %1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>Einheit in %1</translation>
    </message>
    <message id="custom.edit">
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message id="custom.duplicate">
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message id="custom.duplicated">
        <source>Duplicated</source>
        <translation>Dupliziert</translation>
    </message>
    <message id="custom.copyName">
        <source>%1 (copy)</source>
        <translation>%1 (Kopie)</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>Kopiert einen zelvane:-Link, den ein anderes Zelvane importieren kann</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>Als Text kopieren</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>Kopiert den Eintrag als lesbares JSON</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>Link zum Teilen kopiert</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>Text zum Teilen kopiert</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>%1 löschen?</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message id="custom.restored">
        <source>Restored</source>
        <translation>Wiederhergestellt</translation>
    </message>
    <message id="custom.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="custom.editConversion">
        <source>Edit conversion</source>
        <translation>Umrechnung bearbeiten</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>Einheit bearbeiten</translation>
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
        <translation>Nachkommastellen</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>Wie eingestellt</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>Bezogen auf</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>Die eingebaute Einheit, für die x in der Regel steht</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>Einheit %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>Bezugseinheit</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>Name der Einheit</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>Einheit hinzufügen</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>Einheit %1 entfernen</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>Regel</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>Verhältnis</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>Eine dieser Einheiten entspricht so vielen Bezugseinheiten</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>Formel in x (x ist der Bezugswert)</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>Umkehrformel (optional)</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>Leer gelassen, wird sie ermittelt</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ addieren</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− subtrahieren</translation>
    </message>
    <message id="custom.op.mul">
        <source>× multiply</source>
        <translation>× multiplizieren</translation>
    </message>
    <message id="custom.op.div">
        <source>÷ divide</source>
        <translation>÷ dividieren</translation>
    </message>
    <message id="custom.op.pow">
        <source>^ power</source>
        <translation>^ potenzieren</translation>
    </message>
    <message id="custom.op.divInto">
        <source>n ÷ value</source>
        <translation>n ÷ Wert</translation>
    </message>
    <message id="custom.op.convert">
        <source>convert</source>
        <translation>umrechnen</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× Einheitenverhältnis</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ Einheitenverhältnis</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>Funktion</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>Zahl oder Parameter</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>z. B. 1,8 oder k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>Nachkommastellen (round)</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>Von Einheit</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>Nach Einheit</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>Funktionsname</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>Schritt hinzufügen</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>Schritt %1 entfernen</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>Parameter</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>Parameter hinzufügen</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>Eine benannte Zahl, die die Regeln über ihren Namen nutzen</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>Parametername</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>Standardwert</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>Parameter %1 entfernen</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>„%1“ taugt nicht als Parametername: mit Buchstaben beginnen, nur Buchstaben, Ziffern und _, höchstens 20, kein Funktionsname, x, e oder pi.</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>Der Parametername „%1“ kommt zweimal vor.</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>Der Wert von „%1“ ist keine Zahl.</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>Gesichert</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>Bezugseinheit</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>gleich der Bezugseinheit</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>rechnet exakt in beide Richtungen</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>rechnet per Suche zurück, geprüft</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>deine Umkehrformel stimmt</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>kann nicht zurückrechnen: Umkehrformel angeben</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>deine Umkehrformel passt nicht zur Formel</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>bei Zeichen %1: %2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>unbekannter Name %1: x oder einen Parameter verwenden</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>keine Einheit %1</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>das Verhältnis muss eine Zahl ungleich 0 sein</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>die Formel ist leer</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>nichts zu lesen</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>ein Zeichen, das nicht passt</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>das passt hier nicht</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>eine schließende Klammer fehlt</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>keine Funktion %1</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1 erwartet eine andere Anzahl Werte</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>eine Einheit schreibt man Kategorie.Einheit, etwa length.ft</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>hier wird eine Zahl oder ein Name erwartet</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>Jeder Name braucht Text.</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>Eine Umrechnung braucht 2 bis 12 Einheiten.</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>Höchstens 10 Parameter, jeder mit eigenem gültigem Namen.</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>Jede Einheit außer der Bezugseinheit braucht eine Regel.</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>Eine Kette darf höchstens 30 Schritte haben.</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>Eine Formel darf höchstens 400 Zeichen haben.</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>Übernehmen</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>Fügt sie in deiner Sprache zu deinen Einheiten hinzu</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>%1 zu deinen Einheiten hinzugefügt</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>Erweiterungspakete</translation>
    </message>
    <message id="custom.pack.use">
        <source>Use %1</source>
        <translation>%1 verwenden</translation>
    </message>
    <message id="custom.pack.variant">
        <source>Variant of %1 (%2)</source>
        <translation>Variante für %1 (%2)</translation>
    </message>
    <message id="import.title">
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message id="import.conversion">
        <source>Conversion</source>
        <translation>Umrechnung</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>Zusätzliche Einheit in %1</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>Einheiten: %1 · Parameter: %2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>Einheiten und Formeln</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>Unbekannte Einheitenverweise</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>Beim Import geändert</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>„%1“ hinzugefügt</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>Die Zwischenablage enthält keine geteilte Umrechnung oder Einheit</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>Dieses geteilte Element überschreitet eine Grenze (%1) und kann nicht importiert werden.</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>Das ist keine geteilte eigene Umrechnung oder Einheit.</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>Dieses geteilte Element ist größer als 64 KB und kann nicht importiert werden.</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>Dieses geteilte Element stammt aus einer neueren Version von Zelvane. Aktualisiere Zelvane, um es zu importieren.</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>„%1“ gekürzt auf „%2“</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>Die Regel der Bezugseinheit „%1“ wurde entfernt</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>Nachkommastellen %1 außerhalb des Bereichs wurden verworfen</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>Der Hinweis auf die Herkunft wurde entfernt</translation>
    </message>
</context>
</TS>
