import QtQuick
import Zelvane

// The background of a list row: a soft highlight on hover, the accent when picked.
Rectangle {
    required property bool hovered
    property bool picked: false
    property color accent: PanelStyle.text

    radius: 8
    color: picked ? Qt.rgba(accent.r, accent.g, accent.b, PanelStyle.dark ? 0.22 : 0.14)
         : hovered ? PanelStyle.hover : "transparent"
    border.width: picked ? 1 : 0
    border.color: Qt.rgba(accent.r, accent.g, accent.b, 0.45)
    Behavior on color { ColorAnimation { duration: 100 } }
}
