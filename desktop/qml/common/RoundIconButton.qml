import QtQuick
import QtQuick.Controls.Basic
import Zelvane

// A small round button showing one symbol; `label` is what screen readers and the tool tip say.
AbstractButton {
    id: button

    required property string symbol
    required property string label
    property string help: ""
    property color tint: PanelStyle.text
    property bool selected: false
    property real diameter: 26

    implicitWidth: diameter
    implicitHeight: diameter
    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    Accessible.role: Accessible.Button
    Accessible.name: label
    Accessible.onPressAction: clicked()
    Accessible.description: help.length > 0 ? help : label

    ToolTip.visible: hovered && ToolTip.text.length > 0
    ToolTip.delay: 700
    ToolTip.text: help.length > 0 ? help : label

    background: Rectangle {
        radius: height / 2
        color: button.selected ? Qt.rgba(button.tint.r, button.tint.g, button.tint.b, 0.18)
             : button.down ? PanelStyle.pressed
             : button.hovered ? PanelStyle.hover : "transparent"
        border.width: button.visualFocus ? 1.5 : 0
        border.color: button.tint
        Behavior on color { ColorAnimation { duration: 120 } }
    }
    contentItem: Item {
        SymbolIcon {
            anchors.centerIn: parent
            symbol: button.symbol
            size: Math.round(button.diameter * 0.5)
            color: button.tint
            opacity: button.enabled ? 1 : 0.35
        }
    }
}
