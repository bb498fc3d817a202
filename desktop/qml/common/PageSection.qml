import QtQuick
import QtQuick.Layouts
import Zelvane

// A titled group of lines on a page of text: a small upper-case heading over its content.
// Columns rather than layouts, so that lines that wrap push what follows down at once.
Column {
    id: section

    required property string title
    default property alias body: content.data

    spacing: 4
    Layout.fillWidth: true

    Text {
        text: section.title
        color: PanelStyle.secondaryText
        font.pixelSize: PanelStyle.captionSize
        font.weight: Font.DemiBold
        font.capitalization: Font.AllUppercase
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
    Column { id: content; spacing: 3; width: section.width }
}
