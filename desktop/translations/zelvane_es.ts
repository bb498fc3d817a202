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
