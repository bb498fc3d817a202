import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// Every visible category, by group or by search, with stars for the bar on the converter page.
ColumnLayout {
    id: page

    required property PanelLayout layout

    signal pick(string categoryId)
    signal back()
    signal openCustom()

    CategoryGrid { id: cells }

    spacing: layout.spacing
    Component.onCompleted: searchField.forceActiveFocus()

    // Only the favourites have an order of the user's: their cells move, found ones do not.
    readonly property bool reorders: cells.group === "favorites" && cells.search.trim().length === 0

    function cellAt(point) {
        const inGrid = grid.contentItem.mapFromItem(null, point.x, point.y)
        return grid.indexAt(inGrid.x, inGrid.y)
    }
    // A cell that had the keyboard keeps it in its new place.
    function moveFavorite(offset, destination) {
        const hadFocus = grid.itemAtIndex(offset).cell.activeFocus
        AppState.moveFavorites([offset], destination)
        const moved = grid.itemAtIndex(destination > offset ? destination - 1 : destination)
        if (hadFocus && moved)
            moved.cell.forceActiveFocus(Qt.TabFocusReason)
    }

    function star(categoryId) {
        if (!AppState.toggleStar(categoryId))
            PanelController.showToast(qsTrId("star.limit").arg(AppState.starLimit))
    }

    PageHeader {
        Layout.fillWidth: true
        onBack: page.back()
        TextField {
            id: searchField
            objectName: "categorySearch"
            Layout.fillWidth: true
            placeholderText: qsTrId("sidebar.search")
            leftPadding: 30
            font.pixelSize: PanelStyle.bodySize + 1
            color: PanelStyle.text
            placeholderTextColor: PanelStyle.faintText
            Accessible.name: qsTrId("sidebar.search")
            Accessible.description: qsTrId("panel.hint.categories")
            background: PanelGlass { strong: true; cornerRadius: 10 }
            onTextEdited: cells.search = text
            Keys.onReturnPressed: if (cells.count > 0) page.pick(cells.categoryAt(0))
            SymbolIcon {
                anchors.verticalCenter: parent.verticalCenter
                x: 10
                symbol: "magnifyingglass"
                size: 13
                color: PanelStyle.secondaryText
            }
        }
        RoundIconButton {
            objectName: "customUnitsButton"
            symbol: "wand.and.stars"
            label: qsTrId("custom.title")
            help: qsTrId("custom.openHelp")
            onClicked: page.openCustom()
        }
    }
    // The groups wrap onto a second line rather than hide behind the panel's edge.
    Flow {
        id: tabs
        objectName: "categoryGroups"
        visible: cells.search.trim().length === 0
        Layout.fillWidth: true
        spacing: 4
        Repeater {
            model: cells.groups
            AbstractButton {
                id: tab
                required property string modelData
                readonly property bool current: cells.group === modelData
                objectName: "group_" + modelData
                hoverEnabled: true
                focusPolicy: Qt.TabFocus
                implicitHeight: 24
                implicitWidth: Math.min(tabLabel.implicitWidth + 18, tabs.width)
                text: qsTrId("group." + modelData)
                Accessible.role: Accessible.PageTab
                Accessible.name: text
                Accessible.onPressAction: clicked()
                Accessible.description: text
                Accessible.checked: current
                onClicked: cells.group = modelData
                background: Rectangle {
                    radius: 12
                    color: tab.current ? PanelStyle.text : tab.hovered ? PanelStyle.hover : "transparent"
                    border.width: tab.visualFocus ? 1.5 : 0
                    border.color: PanelStyle.secondaryText
                }
                contentItem: Text {
                    id: tabLabel
                    text: tab.text
                    color: tab.current ? PanelStyle.surface : PanelStyle.secondaryText
                    font.pixelSize: PanelStyle.captionSize + 0.5
                    font.weight: Font.DemiBold
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                }
            }
        }
    }
    GridView {
        id: grid
        objectName: "categoryGrid"
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        cellWidth: Math.floor(width / page.layout.categoryColumns)
        cellHeight: 70
        model: cells
        ScrollBar.vertical: ScrollBar {}
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("drawer.allCategories")
        delegate: Item {
            id: place
            required property int index
            required property string categoryId
            required property string name
            required property bool isStarred
            readonly property alias cell: cell
            width: grid.cellWidth
            height: grid.cellHeight
            z: cellDrag.active ? 1 : 0
            CategoryCell {
                id: cell
                objectName: "categoryCell_" + place.categoryId
                anchors.fill: parent
                anchors.margins: 3
                categoryId: place.categoryId
                name: place.name
                selected: AppState.converter.categoryId === place.categoryId
                starred: place.isStarred
                transform: Translate {
                    x: cellDrag.active ? cellDrag.activeTranslation.x : 0
                    y: cellDrag.active ? cellDrag.activeTranslation.y : 0
                }
                Accessible.description: page.reorders
                    ? qsTrId("panel.star.hint") + " · " + qsTrId("panel.move.hint")
                    : qsTrId("panel.star.hint")
                Keys.onPressed: event => cellDrag.keyPressed(event)
                onClicked: page.pick(place.categoryId)
                onStar: page.star(place.categoryId)

                DragBackdrop { visible: cellDrag.active; radius: 12 }
                ReorderHandler {
                    id: cellDrag
                    enabled: page.reorders
                    index: place.index
                    count: grid.count
                    placeAt: point => page.cellAt(point)
                    onMoveRequested: (offset, destination) => page.moveFavorite(offset, destination)
                }
            }
        }
    }
}
