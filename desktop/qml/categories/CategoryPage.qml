import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// Every visible category, by group or by search, with stars for the bar on the converter page.
ColumnLayout {
    id: page

    required property PanelLayout layout
    property string group: "favorites"
    property string search: ""

    readonly property var model: AppState.converter
    readonly property var sections: { void AppState.preferences; return model.categorySections() }
    readonly property var starred: { void AppState.preferences; return AppState.effectiveStarredCategories() }
    readonly property var shownIds: search.trim().length > 0 ? model.searchCategories(search)
        : group === "favorites" ? model.favoriteChips().map(chip => chip.id)
        : (sections.find(section => section.id === group) || { items: [] }).items.map(item => item.id)

    signal pick(string categoryId)

    spacing: layout.spacing
    Component.onCompleted: searchField.forceActiveFocus()

    function star(categoryId) {
        if (!AppState.toggleStar(categoryId))
            PanelController.showToast(qsTrId("star.limit").arg(AppState.starLimit))
    }

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
        onTextEdited: page.search = text
        Keys.onReturnPressed: if (page.shownIds.length > 0) page.pick(page.shownIds[0])
        SymbolIcon {
            anchors.verticalCenter: parent.verticalCenter
            x: 10
            symbol: "magnifyingglass"
            size: 13
            color: PanelStyle.secondaryText
        }
    }
    // The groups wrap onto a second line rather than hide behind the panel's edge.
    Flow {
        id: tabs
        objectName: "categoryGroups"
        visible: page.search.trim().length === 0
        Layout.fillWidth: true
        spacing: 4
        Repeater {
            model: ["favorites"].concat(page.sections.map(section => section.id))
            AbstractButton {
                id: tab
                required property string modelData
                readonly property bool current: page.group === modelData
                objectName: "group_" + modelData
                hoverEnabled: true
                focusPolicy: Qt.TabFocus
                implicitHeight: 24
                implicitWidth: Math.min(tabLabel.implicitWidth + 18, tabs.width)
                text: qsTrId("group." + modelData)
                Accessible.role: Accessible.PageTab
                Accessible.name: text
                Accessible.description: text
                Accessible.checked: current
                onClicked: page.group = modelData
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
        model: page.shownIds
        ScrollBar.vertical: ScrollBar {}
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("drawer.allCategories")
        delegate: Item {
            required property string modelData
            width: grid.cellWidth
            height: grid.cellHeight
            CategoryCell {
                objectName: "categoryCell_" + modelData
                anchors.fill: parent
                anchors.margins: 3
                categoryId: parent.modelData
                name: AppState.categoryDisplayName(parent.modelData)
                selected: AppState.converter.categoryId === parent.modelData
                starred: page.starred.indexOf(parent.modelData) >= 0
                onClicked: page.pick(parent.modelData)
                onStar: page.star(parent.modelData)
            }
        }
    }
}
