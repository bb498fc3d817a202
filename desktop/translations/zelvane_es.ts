<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name></name>
    <message id="panel.appName">
        <source>Zelvane</source>
        <translation>Zelvane</translation>
    </message>
    <message id="app.tagline">
        <source>Quick unit converter</source>
        <translation>Conversor de unidades rápido</translation>
    </message>
    <message id="panel.menu.open">
        <source>Open Zelvane</source>
        <translation>Abrir Zelvane</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>Conversiones recientes</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>Copiar este resultado</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>Última copia: %1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>Restablecer posición del panel</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>Salir de Zelvane</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>Copiado: %1</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>No se pudo guardar: %1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>Posición del panel restablecida</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>Tamaño del panel restablecido</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>Panel fijado: permanecerá abierto</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>Panel sin fijar</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>Puedes tener hasta %1 categorías favoritas</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>Otro programa ya usa %1</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>Activo: %1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>No funciona: %1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>Para usar otro atajo, añade uno en los ajustes de teclado de tu escritorio que ejecute el comando: zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>Configurar en los ajustes del escritorio</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>Mostrar u ocultar el panel de Zelvane</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>Mantener el panel abierto</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message id="panel.window.minimize">
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message id="panel.window.maximize">
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message id="panel.move.help">
        <source>Drag to move · double-click to reset the position</source>
        <translation>Arrastra para mover · haz doble clic para restablecer la posición</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>Arrastra para cambiar el tamaño · haz doble clic para restablecerlo</translation>
    </message>
    <message id="panel.size.min">
        <source>Minimum size</source>
        <translation>Tamaño mínimo</translation>
    </message>
    <message id="panel.size.max">
        <source>Maximum size</source>
        <translation>Tamaño máximo</translation>
    </message>
    <message id="panel.size.reset">
        <source>Double-click a corner to reset</source>
        <translation>Haz doble clic en una esquina para restablecer</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>Unidad de entrada</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>Cómo se calcula</translation>
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
        <translation>Pulsa Intro para aplicar</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>Pulsa Intro para copiar</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>Unidad no reconocida</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>Disminuir</translation>
    </message>
    <message id="converter.increment">
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message id="converter.step.title">
        <source>Step size</source>
        <translation>Incremento</translation>
    </message>
    <message id="converter.step.auto">
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message id="converter.step.custom">
        <source>Custom step</source>
        <translation>Incremento personalizado</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>Actualizado: %1</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>Aún no hay tipos de cambio</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>Actualizando tipos de cambio…</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>No se pudieron actualizar los tipos de cambio</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>Actualizar tipos de cambio</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>Mostrar todas las unidades</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>Mostrar menos unidades</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>Fijar</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>Dejar de fijar</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>Ocultar unidad</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>Buscar unidad</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>Mostrar de nuevo</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>Oculta</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1, actual</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1, oculta</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>Arrastra o pulsa Alt+↑ / Alt+↓ para reordenar</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>Personalizada</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>Haz clic para copiar · Ctrl+clic para convertir desde esta unidad</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>Copiar con unidad</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>Copiar solo el valor</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>Convertir desde esta unidad</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>Recientes</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>Haz clic para volver a abrir</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>Aquí aparecerán los resultados copiados</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>Intro: copiar · ↑↓: elegir · Ctrl+K: categorías · Ctrl+,: ajustes</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>Intro: copiar · Ctrl+K: categorías</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>Intro: copiar</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>Elige una categoría · Esc: volver</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>Los cambios se guardan al momento · Esc: volver</translation>
    </message>
    <message id="panel.hint.back">
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message id="panel.back">
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message id="sidebar.search">
        <source>Search categories and units</source>
        <translation>Buscar categorías y unidades</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>Favoritas</translation>
    </message>
    <message id="group.everyday">
        <source>Everyday</source>
        <translation>Vida cotidiana</translation>
    </message>
    <message id="group.science">
        <source>Science</source>
        <translation>Ciencia</translation>
    </message>
    <message id="group.electric">
        <source>Electricity &amp; magnetism</source>
        <translation>Electricidad y magnetismo</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>Radiación</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>Personalizadas</translation>
    </message>
    <message id="group.packs">
        <source>Packs</source>
        <translation>Paquetes</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>Marcar como favorita</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>Quitar de favoritas</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>Las categorías favoritas aparecen en la barra superior</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>Cómo se calcula</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>Fórmulas</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>Respecto a %1</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>Unidad base</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>Ejemplo</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>Estas unidades solo se diferencian en un factor fijo: basta con multiplicar.</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>Estas escalas tienen distinto punto cero, así que además de multiplicar hay que sumar un desplazamiento.</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>Estas unidades son recíprocas: cuando un valor crece, el otro disminuye.</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>Las divisas usan los últimos tipos de cambio descargados y pueden diferir de los de tu banco.</translation>
    </message>
    <message id="panel.section.desktop">
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message id="panel.size.title">
        <source>Panel size</source>
        <translation>Tamaño del panel</translation>
    </message>
    <message id="panel.size.small">
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message id="panel.size.medium">
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message id="panel.size.large">
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message id="panel.hotkey.title">
        <source>Global shortcut</source>
        <translation>Atajo global</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>Mostrar en la barra de tareas</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>Icono de la bandeja</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>Solo el icono</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>Icono y último resultado</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>Al copiar</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>Valor y unidad</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>Solo el valor</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>Idioma y región</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>Región</translation>
    </message>
    <message id="region.mainlandChina">
        <source>Mainland China</source>
        <translation>China continental</translation>
    </message>
    <message id="region.unitedStates">
        <source>United States</source>
        <translation>Estados Unidos</translation>
    </message>
    <message id="region.unitedKingdom">
        <source>United Kingdom</source>
        <translation>Reino Unido</translation>
    </message>
    <message id="region.taiwan">
        <source>Taiwan</source>
        <translation>Taiwán</translation>
    </message>
    <message id="region.hongKong">
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message id="region.japan">
        <source>Japan</source>
        <translation>Japón</translation>
    </message>
    <message id="region.korea">
        <source>South Korea</source>
        <translation>Corea del Sur</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>Alemania</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message id="region.spain">
        <source>Spain</source>
        <translation>España</translation>
    </message>
    <message id="region.mexico">
        <source>Mexico</source>
        <translation>México</translation>
    </message>
    <message id="region.italy">
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message id="region.thailand">
        <source>Thailand</source>
        <translation>Tailandia</translation>
    </message>
    <message id="region.malaysia">
        <source>Malaysia</source>
        <translation>Malasia</translation>
    </message>
    <message id="region.indonesia">
        <source>Indonesia</source>
        <translation>Indonesia</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>Cifras significativas</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1 cifras</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>Clara</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>Oscura</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>Tipos de cambio</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>Actualizar tipos de cambio automáticamente</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message id="custom.title">
        <source>My units</source>
        <translation>Mis unidades</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>Tus propias conversiones y unidades</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>Nueva conversión</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>Nueva unidad en una categoría</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>Añade una unidad a una categoría incorporada, divisas incluidas</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>Plantillas y paquetes</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>Importar del portapapeles</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>Aún no tienes conversiones ni unidades propias. Crea una o adopta una plantilla.</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>Unidades: %1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>Unidad en %1</translation>
    </message>
    <message id="custom.edit">
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message id="custom.duplicate">
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message id="custom.duplicated">
        <source>Duplicated</source>
        <translation>Duplicado</translation>
    </message>
    <message id="custom.copyName">
        <source>%1 (copy)</source>
        <translation>%1 (copia)</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>Copia un enlace zelvane: que otro Zelvane puede importar</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>Copiar como texto</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>Copia el elemento como JSON legible</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>Enlace para compartir copiado</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>Texto para compartir copiado</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>¿Eliminar %1?</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>Eliminado</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message id="custom.restored">
        <source>Restored</source>
        <translation>Restaurado</translation>
    </message>
    <message id="custom.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="custom.editConversion">
        <source>Edit conversion</source>
        <translation>Editar conversión</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>Editar unidad</translation>
    </message>
    <message id="custom.name">
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message id="custom.glyph">
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message id="custom.decimals">
        <source>Decimal places</source>
        <translation>Decimales</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>Como en los ajustes</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>Definida respecto a</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>La unidad incorporada que x representa en la regla</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>Unidad %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>Unidad de referencia</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>Nombre de la unidad</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>Añadir unidad</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>Quitar la unidad %1</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>Regla</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>Proporción</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>Una de estas unidades equivale a tantas unidades de referencia</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>Fórmula en x (x es el valor de referencia)</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>Fórmula inversa (opcional)</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>Si se deja vacía, se calcula</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ sumar</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− restar</translation>
    </message>
    <message id="custom.op.mul">
        <source>× multiply</source>
        <translation>× multiplicar</translation>
    </message>
    <message id="custom.op.div">
        <source>÷ divide</source>
        <translation>÷ dividir</translation>
    </message>
    <message id="custom.op.pow">
        <source>^ power</source>
        <translation>^ potencia</translation>
    </message>
    <message id="custom.op.divInto">
        <source>n ÷ value</source>
        <translation>n ÷ valor</translation>
    </message>
    <message id="custom.op.convert">
        <source>convert</source>
        <translation>convertir</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× razón de unidades</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ razón de unidades</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>función</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>Paso %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>Número o parámetro</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>p. ej. 1,8 o k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>Decimales (round)</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>Desde la unidad</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>A la unidad</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>Nombre de la función</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>Añadir paso</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>Quitar el paso %1</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>Parámetros</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>Añadir parámetro</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>Un número con nombre que las reglas usan por su nombre</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>Nombre del parámetro</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>Valor por defecto</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>Quitar el parámetro %1</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>«%1» no sirve como nombre de parámetro: empieza por letra, usa letras, dígitos y _, máximo 20, y no uses nombres de funciones, x, e ni pi.</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>El nombre de parámetro «%1» se usa dos veces.</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>El valor de «%1» no es un número.</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>Guardado</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>unidad de referencia</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>igual a la unidad de referencia</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>convierte en ambos sentidos con exactitud</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>vuelve a convertir por búsqueda, comprobado</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>tu fórmula inversa es correcta</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>no puede volver: escribe una fórmula inversa</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>tu fórmula inversa no coincide con la fórmula</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>en el carácter %1: %2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>nombre desconocido %1: usa x o un parámetro</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>no existe la unidad %1</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>la proporción debe ser un número distinto de 0</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>la fórmula está vacía</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>nada que leer</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>un carácter inesperado</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>esto no encaja aquí</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>falta un paréntesis de cierre</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>no existe la función %1</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1 espera otro número de valores</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>una unidad se escribe categoría.unidad, como length.ft</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>aquí se espera un número o un nombre</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>Cada nombre necesita texto.</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>Una conversión necesita de 2 a 12 unidades.</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>Como máximo 10 parámetros, cada uno con un nombre válido propio.</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>Toda unidad salvo la de referencia necesita una regla.</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>Una cadena puede tener como máximo 30 pasos.</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>Una fórmula puede tener como máximo 400 caracteres.</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>Adoptar</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>La añade a tus unidades en tu idioma</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>%1 añadido a tus unidades</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>Paquetes de extensión</translation>
    </message>
    <message id="custom.pack.use">
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
    <message id="custom.pack.variant">
        <source>Variant of %1 (%2)</source>
        <translation>Variante de %1 (%2)</translation>
    </message>
    <message id="import.title">
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message id="import.conversion">
        <source>Conversion</source>
        <translation>Conversión</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>Unidad adicional en %1</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>Unidades: %1 · Parámetros: %2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>Unidades y fórmulas</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>Referencias a unidades desconocidas</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>Cambiado al importar</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>Se añadió «%1»</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>El portapapeles no contiene ninguna conversión ni unidad compartida</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>Este elemento compartido supera un límite (%1) y no se puede importar.</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>Esto no es una conversión ni una unidad personalizada compartida.</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>Este elemento compartido ocupa más de 64 KB y no se puede importar.</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>Este elemento compartido se creó con una versión más reciente de Zelvane. Actualiza Zelvane para importarlo.</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>«%1» acortado a «%2»</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>Se quitó la regla de la unidad de referencia «%1»</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>Se descartaron los decimales %1, fuera de rango</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>Se quitó la nota sobre su procedencia</translation>
    </message>
</context>
</TS>
