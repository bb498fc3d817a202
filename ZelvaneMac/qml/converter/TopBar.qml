import QtQuick
import QtQuick.Layouts
import Zelvane

// The converter's header: the current category with the starred ones beside it, pin and settings.
RowLayout {
    id: bar

    required property PanelLayout layout
    required property string categoryId
    required property string page

    signal switchCategory()
    signal openSettings()

    spacing: 6

    CategoryChip {
        objectName: "categoryChip"
        categoryId: bar.categoryId
        name: AppState.categoryDisplayName(bar.categoryId)
        current: true
        help: qsTrId("drawer.allCategories")
        onClicked: bar.switchCategory()
    }
    StarredBar {
        currentCategoryId: bar.categoryId
        Layout.fillWidth: true
        Layout.preferredHeight: 26
    }
    RoundIconButton {
        objectName: "pinButton"
        symbol: MacSettings.isPinned ? "pin.fill" : "pin"
        label: qsTrId("mac.pin")
        selected: MacSettings.isPinned
        tint: MacSettings.isPinned ? PanelStyle.categoryTheme(bar.categoryId).deep : PanelStyle.text
        onClicked: {
            MacSettings.isPinned = !MacSettings.isPinned
            PanelController.showToast(qsTrId(MacSettings.isPinned ? "mac.pinned" : "mac.unpinned"))
        }
    }
    RoundIconButton {
        objectName: "settingsButton"
        symbol: "gearshape"
        label: qsTrId("settings.title")
        selected: bar.page === "settings"
        onClicked: bar.openSettings()
    }
}
