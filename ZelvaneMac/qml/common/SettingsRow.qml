import QtQuick
import QtQuick.Layouts
import Zelvane

// One settings line: a coloured symbol tile, the title, and the control on the right.
Item {
    id: row

    property string symbol: ""
    property int tileColor: 0x6B6B70
    required property string title
    property string help: ""
    property bool last: false
    default property alias trailing: slot.data

    Layout.fillWidth: true
    implicitHeight: Math.max(38, slot.childrenRect.height + 12)
    Accessible.role: Accessible.Grouping
    Accessible.name: title
    Accessible.description: help

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        spacing: 10
        Rectangle {
            implicitWidth: 24
            implicitHeight: 24
            radius: 7
            color: PanelStyle.rgb(row.tileColor)
            opacity: row.symbol.length > 0 ? 1 : 0.85
            SymbolIcon {
                anchors.centerIn: parent
                symbol: row.symbol
                size: 14
                color: "white"
                visible: row.symbol.length > 0
            }
        }
        Text {
            text: row.title
            color: PanelStyle.text
            font.pixelSize: PanelStyle.bodySize
            elide: Text.ElideRight
            Layout.fillWidth: true
            Layout.minimumWidth: 60
        }
        Item {
            id: slot
            implicitWidth: childrenRect.width
            implicitHeight: childrenRect.height
            Layout.alignment: Qt.AlignVCenter | Qt.AlignRight
            Layout.maximumWidth: row.width * 0.62
        }
    }
    Rectangle {
        visible: !row.last
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.leftMargin: 44
        anchors.right: parent.right
        height: 1
        color: PanelStyle.separator
    }
}
