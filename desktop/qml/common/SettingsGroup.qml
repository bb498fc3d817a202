import QtQuick
import QtQuick.Layouts
import Zelvane

// A titled card of settings rows.
ColumnLayout {
    id: group

    required property string title
    default property alias rows: card.data

    spacing: 6
    Layout.fillWidth: true

    Text {
        text: group.title
        color: PanelStyle.secondaryText
        font.pixelSize: PanelStyle.captionSize
        font.weight: Font.DemiBold
        font.capitalization: Font.AllUppercase
        font.letterSpacing: 0.4
        Layout.leftMargin: 6
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
    PanelGlass {
        Layout.fillWidth: true
        implicitHeight: card.implicitHeight
        ColumnLayout {
            id: card
            anchors.fill: parent
            spacing: 0
        }
    }
}
