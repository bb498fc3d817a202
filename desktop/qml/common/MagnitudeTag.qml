import QtQuick
import Zelvane

// A row's Chinese magnitude word (万, 億 …) as a small tinted tag.
Rectangle {
    required property string text
    required property color tint

    implicitWidth: label.implicitWidth + 8
    implicitHeight: label.implicitHeight + 2
    radius: 4
    color: Qt.rgba(tint.r, tint.g, tint.b, 0.15)
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    Text {
        id: label
        anchors.centerIn: parent
        text: parent.text
        color: parent.tint
        font.pixelSize: PanelStyle.captionSize
        font.weight: Font.DemiBold
    }
}
