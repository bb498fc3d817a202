import QtQuick
import Zelvane

// A short confirmation floating over the bottom of the panel.
Rectangle {
    id: toast

    required property string text

    implicitWidth: Math.min(label.implicitWidth + 28, parent ? parent.width - 40 : 400)
    implicitHeight: label.implicitHeight + 14
    radius: height / 2
    color: PanelStyle.dark ? Qt.rgba(1, 1, 1, 0.92) : Qt.rgba(0.11, 0.11, 0.12, 0.92)
    visible: text.length > 0
    objectName: "panelToast"
    Accessible.role: Accessible.AlertMessage
    Accessible.name: text

    Text {
        id: label
        anchors.fill: parent
        anchors.leftMargin: 14
        anchors.rightMargin: 14
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideMiddle
        text: toast.text
        color: PanelStyle.dark ? "#1C1C1F" : "#F2F2F5"
        font.pixelSize: PanelStyle.bodySize
        font.weight: Font.Medium
    }
}
