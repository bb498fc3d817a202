import QtQuick
import QtQuick.Layouts
import Zelvane

// The head of a page other than the converter: a back button, what the page puts beside it (an
// icon, the categories page its search field), and the page's title when it has one.
RowLayout {
    id: header

    property string title: ""
    default property alias content: leading.data

    signal back()

    spacing: 6

    RoundIconButton {
        objectName: "backButton"
        symbol: "chevron.left"
        label: qsTrId("panel.back")
        onClicked: header.back()
    }
    RowLayout {
        id: leading
        visible: children.length > 0
        spacing: header.spacing
        Layout.fillWidth: header.title.length === 0
    }
    Text {
        visible: header.title.length > 0
        text: header.title
        color: PanelStyle.text
        font.pixelSize: PanelStyle.titleSize + 1
        font.weight: Font.DemiBold
        elide: Text.ElideRight
        Layout.fillWidth: true
        Accessible.role: Accessible.Heading
        Accessible.name: text
    }
}
