<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name></name>
    <message id="panel.appName">
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message id="app.tagline">
        <source>Quick unit converter</source>
        <translation>Convertitore di unità rapido</translation>
    </message>
    <message id="panel.menu.open">
        <source>Open Zelvane</source>
        <translation>Apri Zelvane</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>Conversioni recenti</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>Copia questo risultato</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>Ultima copia: %1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>Ripristina posizione del pannello</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>Impostazioni…</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>Esci da Zelvane</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>%1 copiato</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>Impossibile salvare: %1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>Posizione del pannello ripristinata</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>Dimensioni del pannello ripristinate</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>Pannello fissato: resterà aperto</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>Pannello non più fissato</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>Puoi avere al massimo %1 categorie preferite</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>%1 è già usato da un altro programma</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>Attivo: %1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>Non attivo: %1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>Per usare un’altra scorciatoia, aggiungine una nelle impostazioni della tastiera del desktop con il comando: zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>Configura nelle impostazioni del desktop</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>Mostra o nascondi il pannello di Zelvane</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>Tutte le categorie</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>Tieni aperto il pannello</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="panel.window.minimize">
        <source>Minimize</source>
        <translation>Riduci a icona</translation>
    </message>
    <message id="panel.window.maximize">
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message id="panel.move.help">
        <source>Drag to move · double-click to reset the position</source>
        <translation>Trascina per spostare · fai doppio clic per ripristinare la posizione</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>Trascina per ridimensionare · fai doppio clic per ripristinare le dimensioni</translation>
    </message>
    <message id="panel.size.min">
        <source>Minimum size</source>
        <translation>Dimensioni minime</translation>
    </message>
    <message id="panel.size.max">
        <source>Maximum size</source>
        <translation>Dimensioni massime</translation>
    </message>
    <message id="panel.size.reset">
        <source>Double-click a corner to reset</source>
        <translation>Fai doppio clic su un angolo per ripristinare</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>Unità di partenza</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>Come si calcola</translation>
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
        <translation>Premi Invio per applicare</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>Premi Invio per copiare</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>Unità non riconosciuta</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>Diminuisci</translation>
    </message>
    <message id="converter.increment">
        <source>Increase</source>
        <translation>Aumenta</translation>
    </message>
    <message id="converter.step.title">
        <source>Step size</source>
        <translation>Incremento</translation>
    </message>
    <message id="converter.step.auto">
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message id="converter.step.custom">
        <source>Custom step</source>
        <translation>Incremento personalizzato</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>Aggiornato: %1</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>Ancora nessun tasso di cambio</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>Aggiornamento dei tassi…</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>Impossibile aggiornare i tassi</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>Aggiorna i tassi</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>Mostra tutte le unità</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>Mostra meno unità</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>Fissa</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>Non fissare più</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>Nascondi unità</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>Cerca un’unità</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>Mostra di nuovo</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>Nascosta</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1, attuale</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1, nascosta</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>Trascina o premi Alt+↑ / Alt+↓ per riordinare</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>Personalizzata</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>Fai clic per copiare · Ctrl+clic per convertire da questa unità</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>Copia con l’unità</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>Copia solo il valore</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>Converti da questa unità</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>Recenti</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>Fai clic per riaprire</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>I risultati copiati compaiono qui</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>Invio: copia · ↑↓: scegli · Ctrl+K: categorie · Ctrl+,: impostazioni</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>Invio: copia · Ctrl+K: categorie</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>Invio: copia</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>Scegli una categoria · Esc: indietro</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>Le modifiche si salvano subito · Esc: indietro</translation>
    </message>
    <message id="panel.hint.back">
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message id="panel.back">
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message id="sidebar.search">
        <source>Search categories and units</source>
        <translation>Cerca categorie e unità</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>Preferite</translation>
    </message>
    <message id="group.everyday">
        <source>Everyday</source>
        <translation>Uso quotidiano</translation>
    </message>
    <message id="group.science">
        <source>Science</source>
        <translation>Scienza</translation>
    </message>
    <message id="group.electric">
        <source>Electricity &amp; magnetism</source>
        <translation>Elettricità e magnetismo</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>Radiazioni</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>Personalizzate</translation>
    </message>
    <message id="group.packs">
        <source>Packs</source>
        <translation>Pacchetti</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>Segna come preferita</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>Togli dalle preferite</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>Le categorie preferite compaiono nella barra in alto</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>Come si calcola</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>Definizione</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>Formule</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>Rispetto a %1</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>Unità di base</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>Esempio</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>Queste unità differiscono solo per un fattore fisso: basta moltiplicare.</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>Queste scale hanno zeri diversi, quindi oltre a moltiplicare si aggiunge uno scostamento.</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>Queste unità sono reciproche: quando un valore cresce, l’altro diminuisce.</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>Le valute usano gli ultimi tassi di cambio scaricati e possono differire da quelli della tua banca.</translation>
    </message>
    <message id="panel.section.desktop">
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message id="panel.size.title">
        <source>Panel size</source>
        <translation>Dimensioni del pannello</translation>
    </message>
    <message id="panel.size.small">
        <source>Small</source>
        <translation>Piccolo</translation>
    </message>
    <message id="panel.size.medium">
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message id="panel.size.large">
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message id="panel.hotkey.title">
        <source>Global shortcut</source>
        <translation>Scorciatoia globale</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>Apri all’accesso</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>Mostra nella barra delle applicazioni</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>Icona nell’area di notifica</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>Solo icona</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>Icona e ultimo risultato</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>Cosa copiare</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>Valore e unità</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>Solo valore</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>Lingua e regione</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>Regione</translation>
    </message>
    <message id="region.mainlandChina">
        <source>Mainland China</source>
        <translation>Cina continentale</translation>
    </message>
    <message id="region.unitedStates">
        <source>United States</source>
        <translation>Stati Uniti</translation>
    </message>
    <message id="region.unitedKingdom">
        <source>United Kingdom</source>
        <translation>Regno Unito</translation>
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
        <translation>Giappone</translation>
    </message>
    <message id="region.korea">
        <source>South Korea</source>
        <translation>Corea del Sud</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>Germania</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message id="region.spain">
        <source>Spain</source>
        <translation>Spagna</translation>
    </message>
    <message id="region.mexico">
        <source>Mexico</source>
        <translation>Messico</translation>
    </message>
    <message id="region.italy">
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>Brasile</translation>
    </message>
    <message id="region.thailand">
        <source>Thailand</source>
        <translation>Thailandia</translation>
    </message>
    <message id="region.malaysia">
        <source>Malaysia</source>
        <translation>Malesia</translation>
    </message>
    <message id="region.indonesia">
        <source>Indonesia</source>
        <translation>Indonesia</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>Cifre significative</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1 cifre</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Aspetto</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>Chiaro</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>Scuro</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>Tassi di cambio</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>Aggiorna i tassi automaticamente</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message id="custom.title">
        <source>My units</source>
        <translation>Le mie unità</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>Le tue conversioni e unità</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>Nuova conversione</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>Nuova unità in una categoria</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>Aggiunge un'unità a una categoria integrata, valute comprese</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>Modelli e pacchetti</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>Importa dagli appunti</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>Non hai ancora conversioni o unità tue. Creane una o adotta un modello.</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>Unità: %1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>Unità in %1</translation>
    </message>
    <message id="custom.edit">
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message id="custom.duplicate">
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message id="custom.duplicated">
        <source>Duplicated</source>
        <translation>Duplicato</translation>
    </message>
    <message id="custom.copyName">
        <source>%1 (copy)</source>
        <translation>%1 (copia)</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>Copia link</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>Copia un link zelvane: che un altro Zelvane può importare</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>Copia come testo</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>Copia l'elemento come JSON leggibile</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>Link di condivisione copiato</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>Testo di condivisione copiato</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>Eliminare %1?</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>Eliminato</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message id="custom.restored">
        <source>Restored</source>
        <translation>Ripristinato</translation>
    </message>
    <message id="custom.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="custom.editConversion">
        <source>Edit conversion</source>
        <translation>Modifica conversione</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>Modifica unità</translation>
    </message>
    <message id="custom.name">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="custom.glyph">
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message id="custom.decimals">
        <source>Decimal places</source>
        <translation>Decimali</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>Come nelle impostazioni</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>Definita rispetto a</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>L'unità integrata che x rappresenta nella regola</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>Unità %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>Unità di riferimento</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>Nome dell'unità</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>Simbolo</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>Aggiungi unità</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>Rimuovi l'unità %1</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>Regola</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>Rapporto</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>Passaggi</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>Formula</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>Una di queste unità vale tante unità di riferimento</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>Formula in x (x è il valore di riferimento)</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>Formula inversa (facoltativa)</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>Se vuota, viene ricavata</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ somma</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− sottrai</translation>
    </message>
    <message id="custom.op.mul">
        <source>× multiply</source>
        <translation>× moltiplica</translation>
    </message>
    <message id="custom.op.div">
        <source>÷ divide</source>
        <translation>÷ dividi</translation>
    </message>
    <message id="custom.op.pow">
        <source>^ power</source>
        <translation>^ potenza</translation>
    </message>
    <message id="custom.op.divInto">
        <source>n ÷ value</source>
        <translation>n ÷ valore</translation>
    </message>
    <message id="custom.op.convert">
        <source>convert</source>
        <translation>converti</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× rapporto di unità</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ rapporto di unità</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>funzione</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>Passaggio %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>Numero o parametro</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>es. 1,8 o k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>Decimali (round)</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>Dall'unità</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>All'unità</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>Nome della funzione</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>Aggiungi passaggio</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>Rimuovi il passaggio %1</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>Parametri</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>Aggiungi parametro</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>Un numero con nome che le regole usano per nome</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>Nome del parametro</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>Valore predefinito</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>Rimuovi il parametro %1</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>«%1» non può essere un nome di parametro: inizia con una lettera, usa lettere, cifre e _, al massimo 20, niente nomi di funzione, x, e o pi.</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>Il nome di parametro «%1» è usato due volte.</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>Il valore di «%1» non è un numero.</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>Salvato</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>unità di riferimento</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>uguale all'unità di riferimento</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>converte esattamente in entrambi i sensi</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>riconverte tramite ricerca, verificato</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>la tua formula inversa è corretta</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>non può riconvertire: scrivi una formula inversa</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>la tua formula inversa non corrisponde alla formula</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>al carattere %1: %2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>nome sconosciuto %1: usa x o un parametro</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>nessuna unità %1</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>il rapporto deve essere un numero diverso da 0</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>la formula è vuota</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>niente da leggere</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>un carattere inatteso</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>questo non va qui</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>manca una parentesi chiusa</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>nessuna funzione %1</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1 richiede un altro numero di valori</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>un'unità si scrive categoria.unità, come length.ft</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>qui serve un numero o un nome</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>Ogni nome deve avere del testo.</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>Una conversione richiede da 2 a 12 unità.</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>Al massimo 10 parametri, ognuno con un nome valido diverso.</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>Ogni unità tranne quella di riferimento richiede una regola.</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>Una catena può avere al massimo 30 passaggi.</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>Una formula può avere al massimo 400 caratteri.</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>Adotta</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>La aggiunge alle tue unità nella tua lingua</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>%1 aggiunto alle tue unità</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>Pacchetti di estensione</translation>
    </message>
    <message id="custom.pack.use">
        <source>Use %1</source>
        <translation>Usa %1</translation>
    </message>
    <message id="custom.pack.variant">
        <source>Variant of %1 (%2)</source>
        <translation>Variante di %1 (%2)</translation>
    </message>
    <message id="import.title">
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message id="import.conversion">
        <source>Conversion</source>
        <translation>Conversione</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>Unità aggiuntiva in %1</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>Unità: %1 · Parametri: %2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>Unità e formule</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>Riferimenti a unità sconosciute</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>Modificato durante l’importazione</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>“%1” aggiunto</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>Gli appunti non contengono alcuna conversione o unità condivisa</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>Questo elemento condiviso supera un limite (%1) e non può essere importato.</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>Questa non è una conversione o un’unità personalizzata condivisa.</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>Questo elemento condiviso supera i 64 KB e non può essere importato.</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>Questo elemento condiviso è stato creato da una versione più recente di Zelvane. Aggiorna Zelvane per importarlo.</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>“%1” accorciato in “%2”</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>La regola dell’unità di riferimento “%1” è stata rimossa</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>I decimali %1, fuori intervallo, sono stati scartati</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>La nota sulla provenienza è stata rimossa</translation>
    </message>
</context>
</TS>
