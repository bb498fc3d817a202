import QtQuick
import QtQuick.Layouts
import Zelvane

// One settings line: a coloured symbol tile, the title, and the control on the right. When the
// title and the control's natural width do not fit side by side (long translations in a small
// panel), the control moves under the title instead of squeezing both.
Item {
    id: row

    property string symbol: ""
    property int tileColor: 0x6B6B70
    required property string title
    property string help: ""
    property bool last: false
    default property alias trailing: slot.data

    readonly property real margin: 10
    readonly property real tileWidth: 24
    // The width the control asks for before any shrinking of its own.
    readonly property real controlWidth: {
        const control = slot.children.length > 0 ? slot.children[0] : null
        if (!control)
            return 0
        return control.naturalWidth !== undefined ? control.naturalWidth : control.implicitWidth
    }
    readonly property bool stacked: titleText.implicitWidth + controlWidth
                                    > width - 2 * margin - tileWidth - 2 * grid.columnSpacing

    Layout.fillWidth: true
    implicitHeight: Math.max(38, grid.implicitHeight + (stacked ? 14 : 12))
    Accessible.role: Accessible.Grouping
    Accessible.name: title
    Accessible.description: help

    GridLayout {
        id: grid
        anchors.fill: parent
        anchors.leftMargin: row.margin
        anchors.rightMargin: row.margin
        anchors.topMargin: row.stacked ? 7 : 0
        anchors.bottomMargin: row.stacked ? 7 : 0
        columns: 3
        columnSpacing: 10
        rowSpacing: 5
        Rectangle {
            implicitWidth: row.tileWidth
            implicitHeight: 24
            radius: 7
            color: PanelStyle.rgb(row.tileColor)
            opacity: row.symbol.length > 0 ? 1 : 0.85
            Layout.row: 0
            Layout.column: 0
            SymbolIcon {
                anchors.centerIn: parent
                symbol: row.symbol
                size: 14
                color: "white"
                visible: row.symbol.length > 0
            }
        }
        Text {
            id: titleText
            text: row.title
            color: PanelStyle.text
            font.pixelSize: PanelStyle.bodySize
            elide: Text.ElideRight
            Layout.row: 0
            Layout.column: 1
            Layout.columnSpan: row.stacked ? 2 : 1
            Layout.fillWidth: true
            Layout.minimumWidth: 60
        }
        Item {
            id: slot
            implicitWidth: childrenRect.width
            implicitHeight: childrenRect.height
            Layout.row: row.stacked ? 1 : 0
            Layout.column: row.stacked ? 1 : 2
            Layout.columnSpan: row.stacked ? 2 : 1
            Layout.alignment: Qt.AlignVCenter | Qt.AlignRight
            Layout.maximumWidth: row.stacked
                                 ? row.width - 2 * row.margin - row.tileWidth - grid.columnSpacing
                                 : row.width * 0.62
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
