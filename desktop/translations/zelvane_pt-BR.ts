<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Abrir o Zelvane</translation>
    </message>
    <message id="panel.menu.recents">
        <source>Recent conversions</source>
        <translation>Conversões recentes</translation>
    </message>
    <message id="panel.menu.copyHint">
        <source>Copy this result</source>
        <translation>Copiar este resultado</translation>
    </message>
    <message id="panel.menu.lastCopied">
        <source>Last copied: %1</source>
        <translation>Última cópia: %1</translation>
    </message>
    <message id="panel.menu.resetPosition">
        <source>Reset panel position</source>
        <translation>Redefinir posição do painel</translation>
    </message>
    <message id="panel.menu.settings">
        <source>Settings…</source>
        <translation>Configurações…</translation>
    </message>
    <message id="panel.quit">
        <source>Quit Zelvane</source>
        <translation>Sair do Zelvane</translation>
    </message>
    <message id="panel.copied">
        <source>Copied %1</source>
        <translation>%1 copiado</translation>
    </message>
    <message id="panel.unsaved">
        <source>Could not save: %1</source>
        <translation>Não foi possível salvar: %1</translation>
    </message>
    <message id="panel.move.reset">
        <source>Panel position reset</source>
        <translation>Posição do painel redefinida</translation>
    </message>
    <message id="panel.size.resetDone">
        <source>Panel size reset</source>
        <translation>Tamanho do painel redefinido</translation>
    </message>
    <message id="panel.pinned">
        <source>Panel pinned: it stays open</source>
        <translation>Painel fixado: permanecerá aberto</translation>
    </message>
    <message id="panel.unpinned">
        <source>Panel unpinned</source>
        <translation>Painel desafixado</translation>
    </message>
    <message id="star.limit">
        <source>You can have up to %1 favorite categories</source>
        <translation>Você pode ter até %1 categorias favoritas</translation>
    </message>
    <message id="panel.hotKey.taken">
        <source>%1 is already used by another program</source>
        <translation>%1 já está sendo usado por outro programa</translation>
    </message>
    <message id="panel.hotKey.working">
        <source>Working: %1</source>
        <translation>Ativo: %1</translation>
    </message>
    <message id="panel.hotKey.notWorking">
        <source>Not working: %1</source>
        <translation>Não está funcionando: %1</translation>
    </message>
    <message id="panel.hotKey.bindHint">
        <source>To use another shortcut, add one in your desktop's keyboard settings that runs the command: zelvane --toggle</source>
        <translation>Para usar outro atalho, crie um nas configurações de teclado do seu ambiente de trabalho com o comando: zelvane --toggle</translation>
    </message>
    <message id="panel.hotKey.setUp">
        <source>Set up in desktop settings</source>
        <translation>Configurar nas configurações da área de trabalho</translation>
    </message>
    <message id="panel.hotKey.portalDescription">
        <source>Show or hide the Zelvane panel</source>
        <translation>Mostrar ou ocultar o painel do Zelvane</translation>
    </message>
    <message id="drawer.allCategories">
        <source>All categories</source>
        <translation>Todas as categorias</translation>
    </message>
    <message id="panel.pin">
        <source>Keep panel open</source>
        <translation>Manter o painel aberto</translation>
    </message>
    <message id="settings.title">
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message id="panel.window.close">
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Arraste para mover · clique duas vezes para redefinir a posição</translation>
    </message>
    <message id="panel.size.help">
        <source>Drag to resize · double-click to reset the size</source>
        <translation>Arraste para redimensionar · clique duas vezes para redefinir o tamanho</translation>
    </message>
    <message id="panel.size.min">
        <source>Minimum size</source>
        <translation>Tamanho mínimo</translation>
    </message>
    <message id="panel.size.max">
        <source>Maximum size</source>
        <translation>Tamanho máximo</translation>
    </message>
    <message id="panel.size.reset">
        <source>Double-click a corner to reset</source>
        <translation>Clique duas vezes em um canto para redefinir</translation>
    </message>
    <message id="converter.value">
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message id="converter.clear">
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message id="converter.inputUnit">
        <source>Input unit</source>
        <translation>Unidade de entrada</translation>
    </message>
    <message id="explain.hint">
        <source>How this is calculated</source>
        <translation>Como é calculado</translation>
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
        <translation>Pressione Enter para aplicar</translation>
    </message>
    <message id="panel.parse.copy">
        <source>Press Enter to copy</source>
        <translation>Pressione Enter para copiar</translation>
    </message>
    <message id="panel.parse.miss">
        <source>Unit not recognized</source>
        <translation>Unidade não reconhecida</translation>
    </message>
    <message id="converter.decrement">
        <source>Decrease</source>
        <translation>Diminuir</translation>
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
        <translation>Concluído</translation>
    </message>
    <message id="currency.lastUpdated">
        <source>Updated %1</source>
        <translation>Atualizado: %1</translation>
    </message>
    <message id="currency.noRates.title">
        <source>No exchange rates yet</source>
        <translation>Ainda não há taxas de câmbio</translation>
    </message>
    <message id="currency.updating">
        <source>Updating rates…</source>
        <translation>Atualizando as taxas…</translation>
    </message>
    <message id="panel.rates.failed">
        <source>Couldn't update rates</source>
        <translation>Não foi possível atualizar as taxas</translation>
    </message>
    <message id="currency.update">
        <source>Update rates</source>
        <translation>Atualizar taxas</translation>
    </message>
    <message id="converter.showOthers">
        <source>Show all units</source>
        <translation>Mostrar todas as unidades</translation>
    </message>
    <message id="converter.hideOthers">
        <source>Show fewer units</source>
        <translation>Mostrar menos unidades</translation>
    </message>
    <message id="picker.pin">
        <source>Pin</source>
        <translation>Fixar</translation>
    </message>
    <message id="picker.unpin">
        <source>Unpin</source>
        <translation>Desafixar</translation>
    </message>
    <message id="picker.hide">
        <source>Hide unit</source>
        <translation>Ocultar unidade</translation>
    </message>
    <message id="picker.filter">
        <source>Find a unit</source>
        <translation>Buscar unidade</translation>
    </message>
    <message id="picker.showAgain">
        <source>Show again</source>
        <translation>Mostrar de novo</translation>
    </message>
    <message id="picker.hiddenTag">
        <source>Hidden</source>
        <translation>Oculta</translation>
    </message>
    <message id="picker.a11y.current">
        <source>%1, current</source>
        <translation>%1, atual</translation>
    </message>
    <message id="picker.a11y.hidden">
        <source>%1, hidden</source>
        <translation>%1, oculta</translation>
    </message>
    <message id="panel.move.hint">
        <source>Drag or press Alt+↑ / Alt+↓ to reorder</source>
        <translation>Arraste ou pressione Alt+↑ / Alt+↓ para reordenar</translation>
    </message>
    <message id="panel.customTag">
        <source>Custom</source>
        <translation>Personalizada</translation>
    </message>
    <message id="panel.row.help">
        <source>Click to copy · Ctrl-click to convert from this unit</source>
        <translation>Clique para copiar · Ctrl+clique para converter a partir desta unidade</translation>
    </message>
    <message id="converter.copyWithUnit">
        <source>Copy with unit</source>
        <translation>Copiar com a unidade</translation>
    </message>
    <message id="converter.copyValue">
        <source>Copy value only</source>
        <translation>Copiar só o valor</translation>
    </message>
    <message id="converter.rowHint">
        <source>Convert from this unit</source>
        <translation>Converter a partir desta unidade</translation>
    </message>
    <message id="panel.recent.title">
        <source>Recent</source>
        <translation>Recentes</translation>
    </message>
    <message id="panel.recent.hint">
        <source>Click to open again</source>
        <translation>Clique para abrir de novo</translation>
    </message>
    <message id="panel.recent.empty">
        <source>Copied results appear here</source>
        <translation>Os resultados copiados aparecem aqui</translation>
    </message>
    <message id="panel.hint.full">
        <source>Enter: copy · ↑↓: choose · Ctrl+K: categories · Ctrl+,: settings</source>
        <translation>Enter: copiar · ↑↓: escolher · Ctrl+K: categorias · Ctrl+,: configurações</translation>
    </message>
    <message id="panel.hint.medium">
        <source>Enter: copy · Ctrl+K: categories</source>
        <translation>Enter: copiar · Ctrl+K: categorias</translation>
    </message>
    <message id="panel.hint.short">
        <source>Enter: copy</source>
        <translation>Enter: copiar</translation>
    </message>
    <message id="panel.hint.categories">
        <source>Pick a category · Esc: back</source>
        <translation>Escolha uma categoria · Esc: voltar</translation>
    </message>
    <message id="panel.hint.settings">
        <source>Changes are saved at once · Esc: back</source>
        <translation>As alterações são salvas na hora · Esc: voltar</translation>
    </message>
    <message id="panel.hint.back">
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message id="panel.back">
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message id="sidebar.search">
        <source>Search categories and units</source>
        <translation>Buscar categorias e unidades</translation>
    </message>
    <message id="group.favorites">
        <source>Favorites</source>
        <translation>Favoritas</translation>
    </message>
    <message id="group.everyday">
        <source>Everyday</source>
        <translation>Dia a dia</translation>
    </message>
    <message id="group.science">
        <source>Science</source>
        <translation>Ciências</translation>
    </message>
    <message id="group.electric">
        <source>Electricity &amp; magnetism</source>
        <translation>Eletricidade e magnetismo</translation>
    </message>
    <message id="group.radiation">
        <source>Radiation</source>
        <translation>Radiação</translation>
    </message>
    <message id="group.custom">
        <source>Custom</source>
        <translation>Personalizadas</translation>
    </message>
    <message id="group.packs">
        <source>Packs</source>
        <translation>Pacotes</translation>
    </message>
    <message id="panel.star">
        <source>Add to favorites</source>
        <translation>Marcar como favorita</translation>
    </message>
    <message id="panel.unstar">
        <source>Remove from favorites</source>
        <translation>Remover das favoritas</translation>
    </message>
    <message id="panel.star.hint">
        <source>Favorite categories appear in the top bar</source>
        <translation>As categorias favoritas aparecem na barra superior</translation>
    </message>
    <message id="explain.title">
        <source>How it's calculated</source>
        <translation>Como é calculado</translation>
    </message>
    <message id="explain.definition">
        <source>Definition</source>
        <translation>Definição</translation>
    </message>
    <message id="explain.formulas">
        <source>Formulas</source>
        <translation>Fórmulas</translation>
    </message>
    <message id="explain.relativeTo">
        <source>Relative to %1</source>
        <translation>Em relação a %1</translation>
    </message>
    <message id="explain.base">
        <source>Base unit</source>
        <translation>Unidade base</translation>
    </message>
    <message id="explain.example">
        <source>Example</source>
        <translation>Exemplo</translation>
    </message>
    <message id="explain.notes">
        <source>Notes</source>
        <translation>Observações</translation>
    </message>
    <message id="explain.note.ratio">
        <source>These units differ only by a fixed factor: multiply to convert.</source>
        <translation>Estas unidades diferem só por um fator fixo: basta multiplicar.</translation>
    </message>
    <message id="explain.note.shifted">
        <source>These scales have different zero points, so converting adds an offset as well as multiplying.</source>
        <translation>Estas escalas têm zeros diferentes, então além de multiplicar é preciso somar um deslocamento.</translation>
    </message>
    <message id="explain.note.inverse">
        <source>These units are reciprocal: as one value grows, the other shrinks.</source>
        <translation>Estas unidades são inversas: quando um valor aumenta, o outro diminui.</translation>
    </message>
    <message id="explain.note.currency">
        <source>Currency results use the latest downloaded exchange rates and may differ from your bank's.</source>
        <translation>As moedas usam as últimas taxas de câmbio baixadas e podem ser diferentes das do seu banco.</translation>
    </message>
    <message id="panel.section.desktop">
        <source>Desktop</source>
        <translation>Área de trabalho</translation>
    </message>
    <message id="panel.size.title">
        <source>Panel size</source>
        <translation>Tamanho do painel</translation>
    </message>
    <message id="panel.size.small">
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message id="panel.size.medium">
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message id="panel.size.large">
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message id="panel.hotkey.title">
        <source>Global shortcut</source>
        <translation>Atalho global</translation>
    </message>
    <message id="panel.hotkey.none">
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message id="panel.login">
        <source>Open at login</source>
        <translation>Abrir ao iniciar a sessão</translation>
    </message>
    <message id="panel.taskbar">
        <source>Show in taskbar</source>
        <translation>Mostrar na barra de tarefas</translation>
    </message>
    <message id="panel.tray.title">
        <source>Tray icon</source>
        <translation>Ícone na bandeja</translation>
    </message>
    <message id="panel.tray.icon">
        <source>Icon only</source>
        <translation>Só o ícone</translation>
    </message>
    <message id="panel.tray.last">
        <source>Icon and last result</source>
        <translation>Ícone e último resultado</translation>
    </message>
    <message id="panel.copy.title">
        <source>Copying</source>
        <translation>Ao copiar</translation>
    </message>
    <message id="panel.copy.withUnit">
        <source>Value and unit</source>
        <translation>Valor e unidade</translation>
    </message>
    <message id="panel.copy.value">
        <source>Value only</source>
        <translation>Só o valor</translation>
    </message>
    <message id="settings.section.language">
        <source>Language &amp; region</source>
        <translation>Idioma e região</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="language.system">
        <source>System default</source>
        <translation>Padrão do sistema</translation>
    </message>
    <message id="settings.region">
        <source>Region</source>
        <translation>Região</translation>
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
        <translation>Taiwan</translation>
    </message>
    <message id="region.hongKong">
        <source>Hong Kong</source>
        <translation>Hong Kong</translation>
    </message>
    <message id="region.japan">
        <source>Japan</source>
        <translation>Japão</translation>
    </message>
    <message id="region.korea">
        <source>South Korea</source>
        <translation>Coreia do Sul</translation>
    </message>
    <message id="region.germany">
        <source>Germany</source>
        <translation>Alemanha</translation>
    </message>
    <message id="region.france">
        <source>France</source>
        <translation>França</translation>
    </message>
    <message id="region.spain">
        <source>Spain</source>
        <translation>Espanha</translation>
    </message>
    <message id="region.mexico">
        <source>Mexico</source>
        <translation>México</translation>
    </message>
    <message id="region.italy">
        <source>Italy</source>
        <translation>Itália</translation>
    </message>
    <message id="region.brazil">
        <source>Brazil</source>
        <translation>Brasil</translation>
    </message>
    <message id="region.thailand">
        <source>Thailand</source>
        <translation>Tailândia</translation>
    </message>
    <message id="region.malaysia">
        <source>Malaysia</source>
        <translation>Malásia</translation>
    </message>
    <message id="region.indonesia">
        <source>Indonesia</source>
        <translation>Indonésia</translation>
    </message>
    <message id="settings.digits">
        <source>Significant digits</source>
        <translation>Algarismos significativos</translation>
    </message>
    <message id="settings.digitsValue">
        <source>%1 digits</source>
        <translation>%1 algarismos</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message id="appearance.system">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="appearance.light">
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message id="appearance.dark">
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message id="settings.section.currency">
        <source>Exchange rates</source>
        <translation>Câmbio</translation>
    </message>
    <message id="settings.autoRates">
        <source>Update rates automatically</source>
        <translation>Atualizar as taxas automaticamente</translation>
    </message>
    <message id="settings.section.about">
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message id="settings.version">
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message id="custom.title">
        <source>My units</source>
        <translation>Minhas unidades</translation>
    </message>
    <message id="custom.open">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="custom.openHelp">
        <source>Your own conversions and units</source>
        <translation>Suas próprias conversões e unidades</translation>
    </message>
    <message id="custom.newConversion">
        <source>New conversion</source>
        <translation>Nova conversão</translation>
    </message>
    <message id="custom.newExtra">
        <source>New unit in a category</source>
        <translation>Nova unidade em uma categoria</translation>
    </message>
    <message id="custom.newExtraHelp">
        <source>Adds one unit to a built-in category, currency included</source>
        <translation>Adiciona uma unidade a uma categoria integrada, inclusive moedas</translation>
    </message>
    <message id="custom.templates">
        <source>Templates and packs</source>
        <translation>Modelos e pacotes</translation>
    </message>
    <message id="custom.importClipboard">
        <source>Import from clipboard</source>
        <translation>Importar da área de transferência</translation>
    </message>
    <message id="custom.empty">
        <source>You have no conversions or units of your own yet. Make one, or adopt a template.</source>
        <translation>Você ainda não tem conversões ou unidades próprias. Crie uma ou adote um modelo.</translation>
    </message>
    <message id="custom.unitCount">
        <source>Units: %1</source>
        <translation>Unidades: %1</translation>
    </message>
    <message id="custom.extraIn">
        <source>Unit in %1</source>
        <translation>Unidade em %1</translation>
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
        <translation>%1 (cópia)</translation>
    </message>
    <message id="custom.share.link">
        <source>Copy link</source>
        <translation>Copiar link</translation>
    </message>
    <message id="custom.share.linkHelp">
        <source>Copies a zelvane: link that another Zelvane can import</source>
        <translation>Copia um link zelvane: que outro Zelvane pode importar</translation>
    </message>
    <message id="custom.share.text">
        <source>Copy as text</source>
        <translation>Copiar como texto</translation>
    </message>
    <message id="custom.share.textHelp">
        <source>Copies the item as readable JSON</source>
        <translation>Copia o item como JSON legível</translation>
    </message>
    <message id="custom.share.linkCopied">
        <source>Share link copied</source>
        <translation>Link de compartilhamento copiado</translation>
    </message>
    <message id="custom.share.textCopied">
        <source>Share text copied</source>
        <translation>Texto de compartilhamento copiado</translation>
    </message>
    <message id="custom.remove">
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message id="custom.remove.confirm">
        <source>Delete %1?</source>
        <translation>Excluir %1?</translation>
    </message>
    <message id="custom.removed">
        <source>Deleted</source>
        <translation>Excluído</translation>
    </message>
    <message id="custom.undo">
        <source>Undo</source>
        <translation>Desfazer</translation>
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
        <translation>Editar conversão</translation>
    </message>
    <message id="custom.editExtra">
        <source>Edit unit</source>
        <translation>Editar unidade</translation>
    </message>
    <message id="custom.name">
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message id="custom.glyph">
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message id="custom.decimals">
        <source>Decimal places</source>
        <translation>Casas decimais</translation>
    </message>
    <message id="custom.decimals.auto">
        <source>As in settings</source>
        <translation>Como nos ajustes</translation>
    </message>
    <message id="custom.extra.category">
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message id="custom.extra.reference">
        <source>Defined against</source>
        <translation>Definida em relação a</translation>
    </message>
    <message id="custom.extra.referenceHelp">
        <source>The built-in unit x stands for in the rule</source>
        <translation>A unidade integrada que x representa na regra</translation>
    </message>
    <message id="custom.units">
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message id="custom.unit">
        <source>Unit %1</source>
        <translation>Unidade %1</translation>
    </message>
    <message id="custom.unit.baseName">
        <source>Reference unit</source>
        <translation>Unidade de referência</translation>
    </message>
    <message id="custom.unit.name">
        <source>Unit name</source>
        <translation>Nome da unidade</translation>
    </message>
    <message id="custom.unit.symbol">
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message id="custom.unit.add">
        <source>Add unit</source>
        <translation>Adicionar unidade</translation>
    </message>
    <message id="custom.unit.remove">
        <source>Remove unit %1</source>
        <translation>Remover a unidade %1</translation>
    </message>
    <message id="custom.rule">
        <source>Rule</source>
        <translation>Regra</translation>
    </message>
    <message id="custom.rule.ratio">
        <source>Ratio</source>
        <translation>Proporção</translation>
    </message>
    <message id="custom.rule.steps">
        <source>Steps</source>
        <translation>Passos</translation>
    </message>
    <message id="custom.rule.formula">
        <source>Formula</source>
        <translation>Fórmula</translation>
    </message>
    <message id="custom.rule.ratioLabel">
        <source>One of this unit is this many reference units</source>
        <translation>Uma desta unidade equivale a tantas unidades de referência</translation>
    </message>
    <message id="custom.rule.forward">
        <source>Formula in x (x is the reference value)</source>
        <translation>Fórmula em x (x é o valor de referência)</translation>
    </message>
    <message id="custom.rule.inverse">
        <source>Inverse formula (optional)</source>
        <translation>Fórmula inversa (opcional)</translation>
    </message>
    <message id="custom.rule.inverseHint">
        <source>Left empty, it is worked out</source>
        <translation>Se vazia, é calculada</translation>
    </message>
    <message id="custom.op.add">
        <source>+ add</source>
        <translation>+ somar</translation>
    </message>
    <message id="custom.op.sub">
        <source>− subtract</source>
        <translation>− subtrair</translation>
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
        <translation>^ potência</translation>
    </message>
    <message id="custom.op.divInto">
        <source>n ÷ value</source>
        <translation>n ÷ valor</translation>
    </message>
    <message id="custom.op.convert">
        <source>convert</source>
        <translation>converter</translation>
    </message>
    <message id="custom.op.ratioMul">
        <source>× unit ratio</source>
        <translation>× razão de unidades</translation>
    </message>
    <message id="custom.op.ratioDiv">
        <source>÷ unit ratio</source>
        <translation>÷ razão de unidades</translation>
    </message>
    <message id="custom.op.fn">
        <source>function</source>
        <translation>função</translation>
    </message>
    <message id="custom.step.op">
        <source>Step %1</source>
        <translation>Passo %1</translation>
    </message>
    <message id="custom.step.operand">
        <source>Number or parameter</source>
        <translation>Número ou parâmetro</translation>
    </message>
    <message id="custom.step.operandHint">
        <source>e.g. 1.8 or k</source>
        <translation>ex.: 1,8 ou k</translation>
    </message>
    <message id="custom.step.digits">
        <source>Decimal places (round)</source>
        <translation>Casas decimais (round)</translation>
    </message>
    <message id="custom.step.from">
        <source>From unit</source>
        <translation>Da unidade</translation>
    </message>
    <message id="custom.step.to">
        <source>To unit</source>
        <translation>Para a unidade</translation>
    </message>
    <message id="custom.step.function">
        <source>Function name</source>
        <translation>Nome da função</translation>
    </message>
    <message id="custom.step.add">
        <source>Add step</source>
        <translation>Adicionar passo</translation>
    </message>
    <message id="custom.step.remove">
        <source>Remove step %1</source>
        <translation>Remover o passo %1</translation>
    </message>
    <message id="custom.parameters">
        <source>Parameters</source>
        <translation>Parâmetros</translation>
    </message>
    <message id="custom.parameter.add">
        <source>Add parameter</source>
        <translation>Adicionar parâmetro</translation>
    </message>
    <message id="custom.parameter.help">
        <source>A named number the rules can use by its name</source>
        <translation>Um número com nome que as regras usam pelo nome</translation>
    </message>
    <message id="custom.parameter.name">
        <source>Parameter name</source>
        <translation>Nome do parâmetro</translation>
    </message>
    <message id="custom.parameter.value">
        <source>Default value</source>
        <translation>Valor padrão</translation>
    </message>
    <message id="custom.parameter.note">
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message id="custom.parameter.remove">
        <source>Remove parameter %1</source>
        <translation>Remover o parâmetro %1</translation>
    </message>
    <message id="custom.parameter.badName">
        <source>“%1” cannot name a parameter: start with a letter, use letters, digits and _, at most 20, and no function name, x, e or pi.</source>
        <translation>“%1” não serve como nome de parâmetro: comece com letra, use letras, dígitos e _, no máximo 20, sem nomes de funções, x, e ou pi.</translation>
    </message>
    <message id="custom.parameter.repeated">
        <source>The parameter name “%1” is used twice.</source>
        <translation>O nome de parâmetro “%1” é usado duas vezes.</translation>
    </message>
    <message id="custom.parameter.badValue">
        <source>The value of “%1” is not a number.</source>
        <translation>O valor de “%1” não é um número.</translation>
    </message>
    <message id="custom.save">
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message id="custom.saved">
        <source>Saved</source>
        <translation>Salvo</translation>
    </message>
    <message id="custom.status.base">
        <source>reference unit</source>
        <translation>unidade de referência</translation>
    </message>
    <message id="custom.status.sameAsBase">
        <source>same as the reference unit</source>
        <translation>igual à unidade de referência</translation>
    </message>
    <message id="custom.status.exactLine">
        <source>converts both ways exactly</source>
        <translation>converte nos dois sentidos com exatidão</translation>
    </message>
    <message id="custom.status.searched">
        <source>converts back by searching, checked</source>
        <translation>volta por busca, verificado</translation>
    </message>
    <message id="custom.status.written">
        <source>your inverse formula checks out</source>
        <translation>sua fórmula inversa confere</translation>
    </message>
    <message id="custom.status.needsFormula">
        <source>cannot convert back: write an inverse formula</source>
        <translation>não converte de volta: escreva uma fórmula inversa</translation>
    </message>
    <message id="custom.status.mismatch">
        <source>your inverse formula does not match the formula</source>
        <translation>sua fórmula inversa não corresponde à fórmula</translation>
    </message>
    <message id="custom.error.expression">
        <source>at character %1: %2</source>
        <translation>no caractere %1: %2</translation>
    </message>
    <message id="custom.error.unknownName">
        <source>unknown name %1: use x or a parameter</source>
        <translation>nome desconhecido %1: use x ou um parâmetro</translation>
    </message>
    <message id="custom.error.unknownUnit">
        <source>no unit %1</source>
        <translation>nenhuma unidade %1</translation>
    </message>
    <message id="custom.error.invalidNumber">
        <source>the ratio must be a number other than 0</source>
        <translation>a proporção deve ser um número diferente de 0</translation>
    </message>
    <message id="custom.error.emptyFormula">
        <source>the formula is empty</source>
        <translation>a fórmula está vazia</translation>
    </message>
    <message id="custom.parse.empty">
        <source>nothing to read</source>
        <translation>nada a ler</translation>
    </message>
    <message id="custom.parse.unexpectedCharacter">
        <source>a character that does not belong</source>
        <translation>um caractere inesperado</translation>
    </message>
    <message id="custom.parse.unexpectedToken">
        <source>this does not fit here</source>
        <translation>isto não cabe aqui</translation>
    </message>
    <message id="custom.parse.missingClosingParenthesis">
        <source>a closing parenthesis is missing</source>
        <translation>falta um parêntese de fechamento</translation>
    </message>
    <message id="custom.parse.unknownFunction">
        <source>no function %1</source>
        <translation>nenhuma função %1</translation>
    </message>
    <message id="custom.parse.wrongArgumentCount">
        <source>%1 takes a different number of values</source>
        <translation>%1 espera outra quantidade de valores</translation>
    </message>
    <message id="custom.parse.badUnitReference">
        <source>a unit is written category.unit, such as length.ft</source>
        <translation>uma unidade se escreve categoria.unidade, como length.ft</translation>
    </message>
    <message id="custom.parse.expectedNumberOrName">
        <source>a number or name is expected here</source>
        <translation>espera-se aqui um número ou nome</translation>
    </message>
    <message id="custom.problem.compile">
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message id="custom.problem.name">
        <source>Every name needs some text.</source>
        <translation>Todo nome precisa de texto.</translation>
    </message>
    <message id="custom.problem.units">
        <source>A conversion needs 2 to 12 units.</source>
        <translation>Uma conversão precisa de 2 a 12 unidades.</translation>
    </message>
    <message id="custom.problem.parameters">
        <source>At most 10 parameters, each with its own valid name.</source>
        <translation>No máximo 10 parâmetros, cada um com nome válido próprio.</translation>
    </message>
    <message id="custom.problem.rule">
        <source>Every unit but the reference unit needs a rule.</source>
        <translation>Toda unidade, exceto a de referência, precisa de uma regra.</translation>
    </message>
    <message id="custom.problem.steps">
        <source>A chain may have at most 30 steps.</source>
        <translation>Uma cadeia pode ter no máximo 30 passos.</translation>
    </message>
    <message id="custom.problem.formula">
        <source>A formula may have at most 400 characters.</source>
        <translation>Uma fórmula pode ter no máximo 400 caracteres.</translation>
    </message>
    <message id="custom.template.adopt">
        <source>Adopt</source>
        <translation>Adotar</translation>
    </message>
    <message id="custom.template.adoptHelp">
        <source>Adds it to your units in your language</source>
        <translation>Adiciona às suas unidades no seu idioma</translation>
    </message>
    <message id="custom.template.adopted">
        <source>%1 added to your units</source>
        <translation>%1 adicionado às suas unidades</translation>
    </message>
    <message id="custom.packs">
        <source>Extension packs</source>
        <translation>Pacotes de extensão</translation>
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
        <translation>Conversão</translation>
    </message>
    <message id="import.extra">
        <source>Extra unit in %1</source>
        <translation>Unidade extra em %1</translation>
    </message>
    <message id="import.counts">
        <source>Units: %1 · Parameters: %2</source>
        <translation>Unidades: %1 · Parâmetros: %2</translation>
    </message>
    <message id="import.units">
        <source>Units and formulas</source>
        <translation>Unidades e fórmulas</translation>
    </message>
    <message id="import.unknown">
        <source>Unknown unit references</source>
        <translation>Referências a unidades desconhecidas</translation>
    </message>
    <message id="import.changes">
        <source>Changed on import</source>
        <translation>Alterado na importação</translation>
    </message>
    <message id="import.add">
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message id="import.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="import.added">
        <source>Added “%1”</source>
        <translation>“%1” adicionado</translation>
    </message>
    <message id="import.nothing">
        <source>The clipboard holds no shared conversion or unit</source>
        <translation>A área de transferência não contém nenhuma conversão ou unidade compartilhada</translation>
    </message>
    <message id="import.error.invalid">
        <source>This shared item breaks a limit (%1) and cannot be imported.</source>
        <translation>Este item compartilhado ultrapassa um limite (%1) e não pode ser importado.</translation>
    </message>
    <message id="import.error.notAConversion">
        <source>This is not a shared custom conversion or unit.</source>
        <translation>Isto não é uma conversão ou unidade personalizada compartilhada.</translation>
    </message>
    <message id="import.error.tooLarge">
        <source>This shared item is larger than 64 KB and cannot be imported.</source>
        <translation>Este item compartilhado tem mais de 64 KB e não pode ser importado.</translation>
    </message>
    <message id="import.error.newerVersion">
        <source>This shared item was made by a newer version of Zelvane. Update Zelvane to import it.</source>
        <translation>Este item compartilhado foi feito por uma versão mais recente do Zelvane. Atualize o Zelvane para importá-lo.</translation>
    </message>
    <message id="import.change.cut">
        <source>“%1” shortened to “%2”</source>
        <translation>“%1” encurtado para “%2”</translation>
    </message>
    <message id="import.change.rule">
        <source>The rule of the reference unit “%1” was removed</source>
        <translation>A regra da unidade de referência “%1” foi removida</translation>
    </message>
    <message id="import.change.decimals">
        <source>Decimals %1 out of range were dropped</source>
        <translation>As casas decimais %1, fora do intervalo, foram descartadas</translation>
    </message>
    <message id="import.change.source">
        <source>The note on where it came from was removed</source>
        <translation>A nota sobre a origem foi removida</translation>
    </message>
</context>
</TS>
