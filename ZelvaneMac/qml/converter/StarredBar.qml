import QtQuick
import QtQuick.Controls.Basic
import Zelvane

// Chips of the starred categories other than the open one; a chip switches to its category.
ListView {
    id: bar

    required property string currentCategoryId

    objectName: "starredBar"
    orientation: ListView.Horizontal
    spacing: 5
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    implicitHeight: 26
    model: AppState.effectiveStarredCategories().filter(id => id !== currentCategoryId)
    Accessible.role: Accessible.List
    Accessible.name: qsTrId("drawer.allCategories")

    delegate: CategoryChip {
        required property string modelData
        objectName: "starredChip_" + modelData
        categoryId: modelData
        name: AppState.categoryDisplayName(modelData)
        onClicked: AppState.converter.switchCategory(modelData)
    }
}
