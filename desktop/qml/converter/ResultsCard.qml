import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Window
import Zelvane

// The converted values: pinned rows, then (when wanted) the others, then the recent conversions.
PanelGlass {
    id: card

    required property PanelLayout layout
    required property InputFlow flow
    required property var theme

    readonly property ShownRows rows: flow.rows
    readonly property bool showsOthers: rows.showsOthers
    // The toggle also ends the rows when there is no separator to carry it, or when the rows
    // outgrow the card: the list keeps only the rows near the view, so the separator's toggle
    // may not exist when Tab comes by, and Tab goes to this one.
    readonly property bool endToggle: rows.othersCount > 0
        && (!showsOthers || rows.pinnedCount === 0
            || rows.count * (layout.rowHeight + 6) + 26 > list.height)

    signal openRecent(int index)

    function openSelectedMenu() {
        const entry = list.itemAtIndex(flow.selection)
        if (entry)
            entry.row.openMenu()
    }

    // The drawn row at a point of the scene, -1 where there is none.
    function rowAt(point) {
        const inList = list.contentItem.mapFromItem(null, point.x, point.y)
        return list.indexAt(inList.x, inList.y)
    }

    Connections {
        target: card.flow
        function onSelectionChanged() {
            if (card.flow.selection >= 0)
                list.positionViewAtIndex(card.flow.selection, ListView.Contain)
        }
    }
    // Tab may reach a control the list has scrolled away (a toggle, a recent entry).
    Connections {
        target: card.Window.window
        function onActiveFocusItemChanged() { card.reveal(card.Window.activeFocusItem) }
    }
    function reveal(item) {
        let inList = false
        for (let up = item; up && !inList; up = up.parent)
            inList = up === list.contentItem
        if (!inList)
            return
        const top = item.mapToItem(list.contentItem, 0, 0).y
        if (top < list.contentY)
            list.contentY = top
        else if (top + item.height > list.contentY + list.height)
            list.contentY = top + item.height - list.height
    }

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
        Accessible.onPressAction: clicked()
        Accessible.description: text
        onClicked: AppState.converter.setShowsOtherUnits(!card.showsOthers)
        background: Rectangle {
            radius: 7
            color: toggle.hovered ? PanelStyle.hover : "transparent"
            border.width: toggle.visualFocus ? 1.5 : 0
            border.color: card.theme.deep
        }
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
        // Rows that stay are changed in place: a keystroke rebuilds no delegate. A phrase passes
        // through categories of few rows («5 k» reads as kelvin on the way to «5 kg»), so the
        // rows it drops wait in the pool for the next category instead of being made again.
        model: card.rows
        reuseItems: true
        currentIndex: card.flow.selection
        highlightFollowsCurrentItem: false
        keyNavigationEnabled: false
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("panel.row.help")
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

        delegate: Column {
            id: entry
            required property int index
            required property string unitId
            required property string unitName
            required property string unitSymbol
            required property string valueText
            required property bool isPinned
            required property string magnitude
            required property bool isMixed
            readonly property ResultRow row: resultRow
            // A pooled row is only culled from drawing; hidden, it leaves the accessibility tree.
            property bool pooled: false
            visible: !pooled
            ListView.onPooled: pooled = true
            ListView.onReused: pooled = false
            width: ListView.view.width
            z: rowDrag.active ? 1 : 0
            transform: Translate { y: rowDrag.active ? rowDrag.activeTranslation.y : 0 }

            // Pinned rows are dragged among themselves into the user's pinned order.
            ReorderHandler {
                id: rowDrag
                enabled: entry.isPinned && !card.flow.isPreview
                xAxis.enabled: false
                index: entry.index
                count: card.rows.pinnedCount
                placeAt: point => card.rowAt(point)
                onMoveRequested: (offset, destination) => card.flow.movePinnedRow(offset, destination)
            }

            Item {
                visible: entry.index === card.rows.pinnedCount && entry.index > 0
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
                OthersToggle {
                    id: hideToggle
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    focusPolicy: card.endToggle ? Qt.NoFocus : Qt.TabFocus
                }
            }
            ResultRow {
                id: resultRow
                objectName: "resultRow_" + entry.index
                width: parent.width
                categoryId: card.flow.categoryId
                unitId: entry.unitId
                unitName: entry.unitName
                unitSymbol: entry.unitSymbol
                valueText: entry.valueText
                isPinned: entry.isPinned
                magnitude: entry.magnitude
                isMixed: entry.isMixed
                theme: card.theme
                layout: card.layout
                isPicked: card.flow.selection === entry.index
                isPreview: card.flow.isPreview
                onTap: asSource => card.flow.tap(entry.index, asSource)
                DragBackdrop { visible: rowDrag.active }
            }
        }
        footer: Column {
            width: ListView.view.width
            topPadding: 4
            // Keeps the last recent clear of the card's rounded bottom edge.
            bottomPadding: 6
            spacing: 6
            Item {
                visible: card.endToggle
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
