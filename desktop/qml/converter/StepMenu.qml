import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// The step choices: automatic, the presets, or a typed step that must read as a positive number.
Popup {
    id: stepMenu

    required property var theme
    property string customText: ""

    readonly property var model: AppState.converter
    readonly property var current: { void AppState.preferences; void model.categoryId; return model.stepText() }
    readonly property bool customAccepted: PanelText.acceptsStep(customText)

    objectName: "stepMenu"
    padding: 6
    width: 200
    focus: true

    function choose(text) {
        model.setStepText(text)
        close()
    }
    onOpened: customText = ""

    background: Rectangle {
        radius: 12
        color: PanelStyle.dark ? "#1E1F24" : "#FFFFFF"
        border.width: 1
        border.color: PanelStyle.cardBorder
    }

    // A menu entry for screen readers, though the pop-up is no Menu: it holds a text field.
    component Choice: MenuItem {
        id: choice
        required property string title
        property bool marked: false
        width: parent ? parent.width : 0
        height: 26
        padding: 0
        Accessible.name: title
        Accessible.onPressAction: clicked()
        Accessible.checked: marked
        background: HoverRowStyle { hovered: choice.hovered || choice.visualFocus }
        contentItem: RowLayout {
            Item { implicitWidth: 4 }
            SymbolIcon { symbol: "checkmark"; size: 10; opacity: choice.marked ? 1 : 0 }
            Text {
                text: choice.title
                color: PanelStyle.text
                font.pixelSize: PanelStyle.bodySize
                Layout.fillWidth: true
            }
        }
    }

    contentItem: Column {
        spacing: 1
        // The pop-up's own item takes no name from QML: its content carries the menu's.
        Accessible.role: Accessible.PopupMenu
        Accessible.name: qsTrId("converter.step.title")
        Choice {
            objectName: "stepAuto"
            title: qsTrId("converter.step.auto")
            marked: !stepMenu.current
            onClicked: stepMenu.choose(undefined)
        }
        Rectangle { width: parent.width; height: 1; color: PanelStyle.separator }
        Repeater {
            model: PanelText.stepPresets()
            Choice {
                required property string modelData
                objectName: "stepPreset_" + modelData
                title: modelData
                marked: stepMenu.current === modelData
                onClicked: stepMenu.choose(modelData)
            }
        }
        Rectangle { width: parent.width; height: 1; color: PanelStyle.separator }
        RowLayout {
            width: parent.width
            spacing: 4
            TextField {
                id: custom
                objectName: "stepCustomField"
                Layout.fillWidth: true
                placeholderText: qsTrId("converter.step.custom")
                text: stepMenu.customText
                font.pixelSize: PanelStyle.bodySize
                color: PanelStyle.text
                placeholderTextColor: PanelStyle.faintText
                Accessible.name: qsTrId("converter.step.custom")
                Accessible.description: qsTrId("converter.step.custom")
                background: Rectangle {
                    radius: 6
                    color: PanelStyle.hover
                    border.width: custom.activeFocus ? 1 : 0
                    border.color: stepMenu.theme.deep
                }
                onTextEdited: stepMenu.customText = text
                onAccepted: if (stepMenu.customAccepted) stepMenu.choose(stepMenu.customText)
            }
            Button {
                objectName: "stepCustomDone"
                text: qsTrId("common.done")
                enabled: stepMenu.customAccepted
                font.pixelSize: PanelStyle.bodySize
                Accessible.name: text
                Accessible.onPressAction: clicked()
                Accessible.description: qsTrId("converter.step.custom")
                onClicked: stepMenu.choose(stepMenu.customText)
            }
        }
    }
}
