import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// The step choices: automatic, the presets, or a typed step that must read as a positive number.
Popup {
    id: menu

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

    component Choice: ItemDelegate {
        id: choice
        required property string title
        property bool marked: false
        width: parent ? parent.width : 0
        height: 26
        padding: 0
        Accessible.role: Accessible.MenuItem
        Accessible.name: title
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
        Choice {
            objectName: "stepAuto"
            title: qsTrId("converter.step.auto")
            marked: !menu.current
            onClicked: menu.choose(undefined)
        }
        Rectangle { width: parent.width; height: 1; color: PanelStyle.separator }
        Repeater {
            model: PanelText.stepPresets()
            Choice {
                required property string modelData
                objectName: "stepPreset_" + modelData
                title: modelData
                marked: menu.current === modelData
                onClicked: menu.choose(modelData)
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
                text: menu.customText
                font.pixelSize: PanelStyle.bodySize
                color: PanelStyle.text
                placeholderTextColor: PanelStyle.faintText
                Accessible.name: qsTrId("converter.step.custom")
                Accessible.description: qsTrId("converter.step.custom")
                background: Rectangle {
                    radius: 6
                    color: PanelStyle.hover
                    border.width: custom.activeFocus ? 1 : 0
                    border.color: menu.theme.deep
                }
                onTextEdited: menu.customText = text
                onAccepted: if (menu.customAccepted) menu.choose(menu.customText)
            }
            Button {
                objectName: "stepCustomDone"
                text: qsTrId("common.done")
                enabled: menu.customAccepted
                font.pixelSize: PanelStyle.bodySize
                Accessible.name: text
                Accessible.description: qsTrId("converter.step.custom")
                onClicked: menu.choose(menu.customText)
            }
        }
    }
}
