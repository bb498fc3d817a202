import QtQuick
import QtQuick.Controls.Basic
import Zelvane

// Chips of the starred categories other than the open one; a chip switches to its category.
// Only whole chips are shown: those that do not fit stay on the categories page.
Item {
    id: bar

    required property string currentCategoryId

    readonly property var ids: {
        void AppState.preferences
        return AppState.effectiveStarredCategories().filter(id => id !== currentCategoryId)
    }
    // How many chips fit side by side, read from their natural widths.
    readonly property int fitting: {
        let used = 0
        for (let index = 0; index < chips.count; ++index) {
            const chip = chips.itemAt(index)
            used += (chip ? chip.implicitWidth : 0) + (index > 0 ? row.spacing : 0)
            if (used > width)
                return index
        }
        return chips.count
    }

    // The chip at a point of the scene, by where the chips stand without a drag.
    function chipAt(point) {
        const x = row.mapFromItem(null, point.x, point.y).x
        for (let index = 0; index < fitting; ++index) {
            const chip = chips.itemAt(index)
            if (x < chip.x + chip.width)
                return index
        }
        return fitting - 1
    }
    // Moves the chip within the starred list, where the open category keeps its place; a chip
    // that had the keyboard keeps it.
    function move(offset, destination) {
        const starred = AppState.effectiveStarredCategories()
        const moved = ids[offset]
        const before = destination < ids.length ? starred.indexOf(ids[destination])
                                                : starred.indexOf(ids[ids.length - 1]) + 1
        const hadFocus = chips.itemAt(offset).activeFocus
        AppState.moveStarred([starred.indexOf(moved)], before)
        const chip = chips.itemAt(ids.indexOf(moved))
        if (hadFocus && chip)
            chip.forceActiveFocus(Qt.TabFocusReason)
    }

    objectName: "starredBar"
    implicitHeight: 26
    Accessible.role: Accessible.List
    Accessible.name: qsTrId("drawer.allCategories")

    Row {
        id: row
        spacing: 5
        Repeater {
            id: chips
            model: bar.ids
            CategoryChip {
                id: chip
                required property string modelData
                required property int index
                objectName: "starredChip_" + modelData
                visible: index < bar.fitting
                categoryId: modelData
                name: AppState.categoryDisplayName(modelData)
                z: chipDrag.active ? 1 : 0
                transform: Translate { x: chipDrag.active ? chipDrag.activeTranslation.x : 0 }
                Accessible.description: qsTrId("panel.move.hint")
                Keys.onPressed: event => chipDrag.keyPressed(event)
                onClicked: AppState.converter.switchCategory(modelData)

                DragBackdrop { visible: chipDrag.active; radius: PanelStyle.chipRadius }
                ReorderHandler {
                    id: chipDrag
                    yAxis.enabled: false
                    index: chip.index
                    count: bar.fitting
                    placeAt: point => bar.chipAt(point)
                    onMoveRequested: (offset, destination) => bar.move(offset, destination)
                }
            }
        }
    }
}
