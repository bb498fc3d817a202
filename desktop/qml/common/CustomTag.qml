import QtQuick
import Zelvane

// Marks a unit or category the user defined.
Rectangle {
    implicitWidth: label.implicitWidth + 8
    implicitHeight: label.implicitHeight + 2
    radius: 4
    color: "transparent"
    border.width: 1
    border.color: PanelStyle.faintText
    Accessible.role: Accessible.StaticText
    Accessible.name: label.text

    Text {
        id: label
        anchors.centerIn: parent
        text: qsTrId("panel.customTag")
        color: PanelStyle.secondaryText
        font.pixelSize: PanelStyle.captionSize - 1
        font.weight: Font.Medium
    }
}
