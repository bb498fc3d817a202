import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// The value being converted: the source unit's flag, the field, its unit, and below it either
// what a typed phrase was read as or the formula to the first result.
PanelGlass {
    id: card

    required property PanelLayout layout
    required property InputFlow flow
    required property var theme

    readonly property alias field: field
    readonly property string formula: flow.fromUnitId.length > 0 && flow.unitIds.length > 0
        ? PanelText.formulaLine(flow.categoryId, flow.fromUnitId, flow.unitIds[0], 6, 3, false)
        : ""

    signal explain()
    // The Menu key or Shift+F10 on the field: the selected row's menu.
    signal rowMenuRequested()

    strong: true
    implicitHeight: column.implicitHeight + 16

    function takeFocus() {
        field.forceActiveFocus()
    }
    // On every opening the old value is selected, so typing a new one replaces it.
    function takeFocusReplacing() {
        field.forceActiveFocus()
        field.selectAll()
    }

    function convertOnCtrl(event) {
        event.accepted = (event.modifiers & Qt.ControlModifier) !== 0
        if (event.accepted)
            flow.convertFromSelection()
    }

    // Keeps the field in step with the draft or the model without overwriting what the user is
    // typing: "4 " stays "4 " although the model holds "4".
    function syncField() {
        if (!flow.fieldShows(field.text))
            field.text = flow.fieldText
    }
    Connections {
        target: card.flow
        function onShownChanged() { card.syncField() }
    }
    Component.onCompleted: field.text = flow.fieldText

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 8
        anchors.leftMargin: 10
        spacing: 4

        RowLayout {
            spacing: 6
            Layout.fillWidth: true

            UnitFlag {
                visible: card.flow.fromUnitId.length > 0
                dark: PanelStyle.dark
                categoryId: card.flow.categoryId
                unitId: card.flow.fromUnitId
                size: card.layout.wide ? 20 : 17
            }
            TextField {
                id: field
                objectName: "inputField"
                Layout.fillWidth: true
                placeholderText: qsTrId("converter.value")
                font.pixelSize: card.layout.inputFontSize + 6
                font.weight: Font.DemiBold
                color: PanelStyle.text
                placeholderTextColor: PanelStyle.faintText
                selectByMouse: true
                selectionColor: Qt.rgba(card.theme.start.r, card.theme.start.g, card.theme.start.b, 0.35)
                padding: 2
                background: null
                Accessible.name: qsTrId("converter.value")
                Accessible.description: qsTrId("panel.hint.full")

                onTextEdited: {
                    card.flow.textEdited(text)
                    card.syncField()
                }
                onAccepted: card.flow.commit()
                // With Alt the selected pinned row moves instead of the selection.
                Keys.onDownPressed: event => event.accepted = event.modifiers & Qt.AltModifier
                    ? card.flow.moveSelectedRow(1) : card.flow.moveSelection(1)
                Keys.onUpPressed: event => event.accepted = event.modifiers & Qt.AltModifier
                    ? card.flow.moveSelectedRow(-1) : card.flow.moveSelection(-1)
                // Ctrl+Return converts from the selected row; a plain Return is the field's.
                Keys.onReturnPressed: event => card.convertOnCtrl(event)
                Keys.onEnterPressed: event => card.convertOnCtrl(event)
                Keys.onPressed: event => {
                    const menuKey = event.key === Qt.Key_Menu
                        || (event.key === Qt.Key_F10 && event.modifiers & Qt.ShiftModifier)
                    event.accepted = menuKey && card.flow.selection >= 0
                    if (event.accepted)
                        card.rowMenuRequested()
                }
            }
            RoundIconButton {
                objectName: "clearButton"
                // Keeps its place while the field is empty, so the row never reflows.
                opacity: field.text.length > 0 ? 1 : 0
                enabled: field.text.length > 0
                symbol: "xmark.circle.fill"
                label: qsTrId("converter.clear")
                tint: PanelStyle.faintText
                diameter: 22
                focusPolicy: Qt.NoFocus
                onClicked: {
                    card.flow.clear()
                    field.text = ""
                    field.forceActiveFocus()
                }
            }
            UnitButton {
                objectName: "unitButton"
                symbolText: card.flow.fromUnitId.length > 0 ? card.flow.fromUnitSymbol : "—"
                tint: card.theme.deep
                onClicked: picker.open()
                Keys.onReturnPressed: picker.open()
                Keys.onEnterPressed: picker.open()

                UnitPicker {
                    id: picker
                    y: parent.height + 4
                    x: parent.width - width
                    flow: card.flow
                }
            }
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.minimumHeight: 20
            spacing: 6

            Text {
                objectName: "hintLine"
                visible: card.flow.showsHint
                text: card.flow.hintText
                color: card.flow.isPreview ? card.theme.deep : PanelStyle.secondaryText
                font.pixelSize: PanelStyle.captionSize + 0.5
                elide: Text.ElideRight
                Layout.fillWidth: true
                // Read out by a screen reader on request: Qt 6.4 has no way to announce a change.
                Accessible.role: Accessible.StatusBar
                Accessible.name: card.flow.keyHint.length > 0 ? text + " · " + card.flow.keyHint
                                                              : text
            }
            Text {
                objectName: "keyHint"
                visible: card.flow.showsHint && text.length > 0
                text: card.flow.keyHint
                color: PanelStyle.faintText
                font.pixelSize: PanelStyle.captionSize
            }
            ExplainButton {
                objectName: "explainButton"
                visible: !card.flow.showsHint && card.formula.length > 0
                text: card.formula
                tint: card.theme.deep
                Layout.fillWidth: true
                Layout.maximumWidth: implicitWidth
                onClicked: card.explain()
            }
            Item { Layout.fillWidth: true; visible: !card.flow.showsHint }
        }
    }
}
