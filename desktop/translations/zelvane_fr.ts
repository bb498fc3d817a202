<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name></name>
    <message id="panel.appName">
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message id="app.tagline">
        <source>Quick unit converter</source>
        <translation>Convertisseur d’unités express</translation>
    </message>
    <message id="panel.menu.open">
        <source>Open Zelvane</source>
        <translation>Ouvrir Zelvane</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>Conversions récentes</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>Copier ce résultat</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>Dernière copie : %1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>Réinitialiser la position du panneau</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>Quitter Zelvane</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>%1 copié</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>Impossible d’enregistrer : %1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>Position du panneau réinitialisée</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>Taille du panneau réinitialisée</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>Panneau épinglé : il reste ouvert</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>Panneau détaché</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>Vous pouvez avoir jusqu’à %1 catégories favorites</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>%1 est déjà utilisé par un autre programme</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>Actif : %1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>Inactif : %1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>Pour utiliser un autre raccourci, ajoutez-en un dans les paramètres clavier de votre bureau avec la commande : zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>Configurer dans les paramètres du bureau</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>Afficher ou masquer le panneau de Zelvane</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>Toutes les catégories</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>Garder le panneau ouvert</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message id="panel.window.minimize">
        <source>Minimize</source>
        <translation>Réduire</translation>
    </message>
    <message id="panel.window.maximize">
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message id="panel.move.help">
        <source>Drag to move · double-click to reset the position</source>
        <translation>Glisser pour déplacer · double-clic pour réinitialiser la position</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>Glisser pour redimensionner · double-clic pour réinitialiser la taille</translation>
    </message>
    <message id="panel.size.min">
        <source>Minimum size</source>
        <translation>Taille minimale</translation>
    </message>
    <message id="panel.size.max">
        <source>Maximum size</source>
        <translation>Taille maximale</translation>
    </message>
    <message id="panel.size.reset">
        <source>Double-click a corner to reset</source>
        <translation>Double-cliquer sur un coin pour réinitialiser</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>Unité d’entrée</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>Voir le mode de calcul</translation>
    </message>
    <message id="panel.parse.found">
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message id="panel.parse.target">
        <source>→ %1</source>
        <translation>→ %1</translation>
    </message>
    <message id="panel.parse.confirm">
        <source>Press Enter to apply</source>
        <translation>Entrée pour appliquer</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>Entrée pour copier</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>Unité non reconnue</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>Diminuer</translation>
    </message>
    <message id="converter.increment">
        <source>Increase</source>
        <translation>Augmenter</translation>
    </message>
    <message id="converter.step.title">
        <source>Step size</source>
        <translation>Incrément</translation>
    </message>
    <message id="converter.step.auto">
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message id="converter.step.custom">
        <source>Custom step</source>
        <translation>Incrément personnalisé</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>OK</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>Mis à jour : %1</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>Aucun taux de change pour l’instant</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>Mise à jour des taux…</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>Impossible de mettre à jour les taux</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>Mettre à jour les taux</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>Afficher toutes les unités</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>Afficher moins d’unités</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>Épingler</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>Détacher</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>Masquer l’unité</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>Chercher une unité</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>Afficher à nouveau</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>Masquée</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1, actuelle</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1, masquée</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>Glissez ou appuyez sur Alt+↑ / Alt+↓ pour réordonner</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>Clic pour copier · Ctrl+clic pour convertir depuis cette unité</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>Copier avec l’unité</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>Copier la valeur seule</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>Convertir depuis cette unité</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>Récents</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>Cliquer pour rouvrir</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>Les résultats copiés s’affichent ici</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>Entrée : copier · ↑↓ : choisir · Ctrl+K : catégories · Ctrl+, : paramètres</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>Entrée : copier · Ctrl+K : catégories</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>Entrée : copier</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>Choisir une catégorie · Échap : revenir</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>Modifications enregistrées immédiatement · Échap : revenir</translation>
    </message>
    <message id="panel.hint.back">
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message id="panel.back">
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message id="sidebar.search">
        <source>Search categories and units</source>
        <translation>Rechercher catégories et unités</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message id="group.everyday">
        <source>Everyday</source>
        <translation>Vie quotidienne</translation>
    </message>
    <message id="group.science">
        <source>Science</source>
        <translation>Sciences</translation>
    </message>
    <message id="group.electric">
        <source>Electricity &amp; magnetism</source>
        <translation>Électricité et magnétisme</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>Rayonnements</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>Personnalisées</translation>
    </message>
    <message id="group.packs">
        <source>Packs</source>
        <translation>Packs</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>Les catégories favorites apparaissent dans la barre du haut</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>Mode de calcul</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>Formules</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>Par rapport à %1</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>Unité de base</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>Ces unités ne diffèrent que d’un facteur constant : il suffit de multiplier.</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>Ces échelles n’ont pas le même zéro : la conversion ajoute un décalage en plus de la multiplication.</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>Ces unités sont inverses l’une de l’autre : quand une valeur augmente, l’autre diminue.</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>Les devises utilisent les derniers taux de change téléchargés, qui peuvent différer de ceux de votre banque.</translation>
    </message>
    <message id="panel.section.desktop">
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message id="panel.size.title">
        <source>Panel size</source>
        <translation>Taille du panneau</translation>
    </message>
    <message id="panel.size.small">
        <source>Small</source>
        <translation>Petit</translation>
    </message>
    <message id="panel.size.medium">
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message id="panel.size.large">
        <source>Large</source>
        <translation>Grand</translation>
    </message>
    <message id="panel.hotkey.title">
        <source>Global shortcut</source>
        <translation>Raccourci global</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>Afficher dans la barre des tâches</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>Icône de la zone de notification</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>Icône seule</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>Icône et dernier résultat</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>Copie</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>Valeur et unité</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>Valeur seule</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>Langue et région</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>Région</translation>
    </message>
    <message id="region.mainlandChina">
        <source>Mainland China</source>
        <translation>Chine continentale</translation>
    </message>
    <message id="region.unitedStates">
        <source>United States</source>
        <translation>États-Unis</translation>
    </message>
    <message id="region.unitedKingdom">
        <source>United Kingdom</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message id="region.taiwan">
        <source>Taiwan</source>
        <translation>Taïwan</translation>
    </message>
    <message id="region.hongKong">
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message id="region.japan">
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
    <message id="region.korea">
        <source>South Korea</source>
        <translation>Corée du Sud</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>France</translation>
    </message>
    <message id="region.spain">
        <source>Spain</source>
        <translation>Espagne</translation>
    </message>
    <message id="region.mexico">
        <source>Mexico</source>
        <translation>Mexique</translation>
    </message>
    <message id="region.italy">
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>Brésil</translation>
    </message>
    <message id="region.thailand">
        <source>Thailand</source>
        <translation>Thaïlande</translation>
    </message>
    <message id="region.malaysia">
        <source>Malaysia</source>
        <translation>Malaisie</translation>
    </message>
    <message id="region.indonesia">
        <source>Indonesia</source>
        <translation>Indonésie</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>Chiffres significatifs</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1 chiffres</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>Taux de change</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>Mettre à jour les taux automatiquement</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message id="custom.title">
        <source>My units</source>
        <translation>Mes unités</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>Vos propres conversions et unités</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>Nouvelle conversion</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>Nouvelle unité dans une catégorie</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>Ajoute une unité à une catégorie intégrée, devises comprises</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>Modèles et packs</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>Importer depuis le presse-papiers</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>Aucune conversion ni unité personnelle pour l'instant. Créez-en une ou adoptez un modèle.</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>Unités : %1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>Unité dans %1</translation>
    </message>
    <message id="custom.edit">
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message id="custom.duplicate">
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message id="custom.duplicated">
        <source>Duplicated</source>
        <translation>Dupliqué</translation>
    </message>
    <message id="custom.copyName">
        <source>%1 (copy)</source>
        <translation>%1 (copie)</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>Copie un lien zelvane: qu'un autre Zelvane peut importer</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>Copier en texte</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>Copie l'élément en JSON lisible</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>Lien de partage copié</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>Texte de partage copié</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>Supprimer %1 ?</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>Supprimé</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message id="custom.restored">
        <source>Restored</source>
        <translation>Restauré</translation>
    </message>
    <message id="custom.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="custom.editConversion">
        <source>Edit conversion</source>
        <translation>Modifier la conversion</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>Modifier l'unité</translation>
    </message>
    <message id="custom.name">
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message id="custom.glyph">
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message id="custom.decimals">
        <source>Decimal places</source>
        <translation>Décimales</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>Comme dans les réglages</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>Définie par rapport à</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>L'unité intégrée que x représente dans la règle</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>Unité %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>Unité de référence</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>Nom de l'unité</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>Ajouter une unité</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>Retirer l'unité %1</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>Rapport</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>Formule</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>Une de ces unités vaut autant d'unités de référence</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>Formule en x (x est la valeur de référence)</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>Formule inverse (facultative)</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>Laissée vide, elle est calculée</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ ajouter</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− soustraire</translation>
    </message>
    <message id="custom.op.mul">
        <source>× multiply</source>
        <translation>× multiplier</translation>
    </message>
    <message id="custom.op.div">
        <source>÷ divide</source>
        <translation>÷ diviser</translation>
    </message>
    <message id="custom.op.pow">
        <source>^ power</source>
        <translation>^ puissance</translation>
    </message>
    <message id="custom.op.divInto">
        <source>n ÷ value</source>
        <translation>n ÷ valeur</translation>
    </message>
    <message id="custom.op.convert">
        <source>convert</source>
        <translation>convertir</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× rapport d'unités</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ rapport d'unités</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>fonction</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>Étape %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>Nombre ou paramètre</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>p. ex. 1,8 ou k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>Décimales (round)</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>De l'unité</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>Vers l'unité</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>Nom de la fonction</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>Ajouter une étape</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>Retirer l'étape %1</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>Paramètres</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>Ajouter un paramètre</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>Un nombre nommé que les règles utilisent par son nom</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>Nom du paramètre</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>Valeur par défaut</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>Retirer le paramètre %1</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>« %1 » ne peut pas nommer un paramètre : une lettre d'abord, lettres, chiffres et _, 20 au plus, ni nom de fonction, ni x, e ou pi.</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>Le nom de paramètre « %1 » est utilisé deux fois.</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>La valeur de « %1 » n'est pas un nombre.</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>Enregistré</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>unité de référence</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>identique à l'unité de référence</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>se convertit exactement dans les deux sens</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>se reconvertit par recherche, vérifié</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>votre formule inverse est correcte</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>reconversion impossible : écrivez une formule inverse</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>votre formule inverse ne correspond pas à la formule</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>au caractère %1 : %2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>nom inconnu %1 : utilisez x ou un paramètre</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>aucune unité %1</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>le rapport doit être un nombre différent de 0</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>la formule est vide</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>rien à lire</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>un caractère inattendu</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>cela n'a pas sa place ici</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>il manque une parenthèse fermante</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>aucune fonction %1</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1 attend un autre nombre de valeurs</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>une unité s'écrit catégorie.unité, par ex. length.ft</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>un nombre ou un nom est attendu ici</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>Chaque nom doit contenir du texte.</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>Une conversion demande de 2 à 12 unités.</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>10 paramètres au plus, chacun avec un nom valide distinct.</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>Chaque unité sauf celle de référence doit avoir une règle.</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>Une chaîne compte 30 étapes au plus.</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>Une formule compte 400 caractères au plus.</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>Adopter</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>L'ajoute à vos unités dans votre langue</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>%1 ajouté à vos unités</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>Packs d'extension</translation>
    </message>
    <message id="custom.pack.use">
        <source>Use %1</source>
        <translation>Utiliser %1</translation>
    </message>
    <message id="custom.pack.variant">
        <source>Variant of %1 (%2)</source>
        <translation>Variante de %1 (%2)</translation>
    </message>
    <message id="import.title">
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message id="import.conversion">
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>Unité supplémentaire dans %1</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>Unités : %1 · Paramètres : %2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>Unités et formules</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>Références d’unités inconnues</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>Modifié à l’importation</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>« %1 » ajouté</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>Le presse-papiers ne contient aucune conversion ni unité partagée</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>Cet élément partagé dépasse une limite (%1) et ne peut pas être importé.</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>Ce n’est pas une conversion ou une unité personnalisée partagée.</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>Cet élément partagé dépasse 64 Ko et ne peut pas être importé.</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>Cet élément partagé a été créé par une version plus récente de Zelvane. Mettez Zelvane à jour pour l’importer.</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>« %1 » raccourci en « %2 »</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>La règle de l’unité de référence « %1 » a été retirée</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>Les décimales %1, hors limites, ont été abandonnées</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>La mention de sa provenance a été retirée</translation>
    </message>
</context>
</TS>
