import QtQuick
import QtQuick.Controls.Basic
import Zelvane

// A compact text button of the custom units pages: Tab reaches it, Space, Enter and the
// accessibility press action do what a click does. A row repeats the same buttons, so a screen
// reader hears which item a button acts on (`subject`), as a sighted user sees it beside it.
Button {
    id: button

    property string help: ""
    property string subject: ""
    property bool destructive: false

    font.pixelSize: PanelStyle.captionSize + 0.5
    hoverEnabled: true
    Accessible.role: Accessible.Button
    Accessible.name: subject.length > 0 ? text + ": " + subject : text
    Accessible.description: help
    Accessible.onPressAction: if (enabled) clicked()
    Keys.onReturnPressed: if (enabled) clicked()
    Keys.onEnterPressed: if (enabled) clicked()
    ToolTip.visible: hovered && help.length > 0
    ToolTip.delay: 700
    ToolTip.text: help

    contentItem: Text {
        text: button.text
        font: button.font
        color: button.destructive ? "#E5383B" : PanelStyle.text
        opacity: button.enabled ? 1 : 0.4
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    background: Rectangle {
        implicitHeight: 24
        radius: 7
        color: button.down ? PanelStyle.pressed : button.hovered ? PanelStyle.hover : "transparent"
        border.width: button.visualFocus ? 1.5 : 1
        border.color: button.visualFocus ? PanelStyle.text : PanelStyle.separator
    }
}
