import QtQuick
import QtQuick.Controls.Basic
import Zelvane

// An on/off switch in the panel's colours.
Switch {
    id: control

    required property string accessibleName
    property color tint: "#34C759"

    padding: 0
    implicitWidth: 34
    implicitHeight: 20
    Accessible.name: accessibleName
    Accessible.description: accessibleName
    // Left to Qt, these actions would set `checked` without `toggled`: nothing would be stored.
    Accessible.onPressAction: flip()
    Accessible.onToggleAction: flip()

    function flip() {
        toggle()
        toggled()
    }

    indicator: Rectangle {
        x: 0
        y: 0
        implicitWidth: 34
        implicitHeight: 20
        radius: height / 2
        color: control.checked ? control.tint : PanelStyle.pressed
        border.width: control.visualFocus ? 1.5 : 0
        border.color: PanelStyle.secondaryText
        Behavior on color { ColorAnimation { duration: 120 } }
        Rectangle {
            width: 16
            height: 16
            radius: 8
            y: 2
            x: control.checked ? parent.width - width - 2 : 2
            color: "white"
            Behavior on x { NumberAnimation { duration: 120 } }
        }
    }
    contentItem: null
}
