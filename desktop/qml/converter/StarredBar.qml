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
                required property string modelData
                required property int index
                objectName: "starredChip_" + modelData
                visible: index < bar.fitting
                categoryId: modelData
                name: AppState.categoryDisplayName(modelData)
                onClicked: AppState.converter.switchCategory(modelData)
            }
        }
    }
}
