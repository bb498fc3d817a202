import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// The converted values: pinned rows, then (when wanted) the others, then the recent conversions.
PanelGlass {
    id: card

    required property PanelLayout layout
    required property var shown
    required property var theme
    required property var picked
    required property bool isPreview

    readonly property bool showsOthers: AppState.preferences.showsOtherUnits !== false
    readonly property var visibleRows: shown.pinned.concat(showsOthers ? shown.others : [])
    // What a delegate past the end shows in the moment between the rows shrinking and the
    // list taking it away.
    readonly property var noRow: ({ unit: { id: "", name: "", symbol: "" }, text: "",
                                     isPinned: false, magnitude: "" })

    signal tap(var row, bool asSource)
    signal openRecent(int index)

    onPickedChanged: if (picked !== undefined && picked < visibleRows.length)
                         list.positionViewAtIndex(picked, ListView.Contain)

    component OthersToggle: AbstractButton {
        id: toggle
        objectName: "othersToggle"
        hoverEnabled: true
        focusPolicy: Qt.TabFocus
        implicitHeight: 24
        implicitWidth: toggleRow.implicitWidth + 14
        text: qsTrId(card.showsOthers ? "converter.hideOthers" : "converter.showOthers")
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.description: text
        onClicked: AppState.converter.setShowsOtherUnits(!card.showsOthers)
        background: Rectangle { radius: 7; color: toggle.hovered ? PanelStyle.hover : "transparent" }
        contentItem: RowLayout {
            id: toggleRow
            spacing: 4
            Text {
                text: toggle.text
                color: PanelStyle.secondaryText
                font.pixelSize: PanelStyle.captionSize
                font.weight: Font.Medium
            }
            SymbolIcon {
                symbol: card.showsOthers ? "chevron.up" : "chevron.down"
                size: 8
                color: PanelStyle.secondaryText
            }
        }
    }

    ListView {
        id: list
        objectName: "resultsList"
        anchors.fill: parent
        anchors.margins: 4
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        // A count, not the rows: a keystroke that keeps the same units then updates the rows
        // in place instead of rebuilding every delegate.
        model: card.visibleRows.length
        currentIndex: card.picked === undefined ? -1 : card.picked
        highlightFollowsCurrentItem: false
        keyNavigationEnabled: false
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("panel.row.help")
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

        delegate: Column {
            id: entry
            required property int index
            width: ListView.view.width

            Item {
                visible: entry.index === card.shown.pinned.length && entry.index > 0
                width: parent.width
                height: visible ? 26 : 0
                Rectangle {
                    anchors.verticalCenter: parent.verticalCenter
                    anchors.left: parent.left
                    anchors.right: hideToggle.left
                    anchors.margins: 8
                    height: 1
                    color: PanelStyle.separator
                }
                OthersToggle { id: hideToggle; anchors.right: parent.right; anchors.verticalCenter: parent.verticalCenter }
            }
            ResultRow {
                objectName: "resultRow_" + entry.index
                width: parent.width
                row: card.visibleRows[entry.index] ?? card.noRow
                shown: card.shown
                theme: card.theme
                layout: card.layout
                isPicked: card.picked === entry.index
                isPreview: card.isPreview
                onTap: (row, asSource) => card.tap(row, asSource)
            }
        }
        footer: Column {
            width: ListView.view.width
            topPadding: 4
            // Keeps the last recent clear of the card's rounded bottom edge.
            bottomPadding: 6
            spacing: 6
            Item {
                visible: card.shown.others.length > 0 && (!card.showsOthers || card.shown.pinned.length === 0)
                width: parent.width
                height: visible ? 26 : 0
                OthersToggle { anchors.horizontalCenter: parent.horizontalCenter }
            }
            RecentCard {
                width: parent.width
                onOpen: index => card.openRecent(index)
            }
        }
    }
}
