import QtQuick
import QtQuick.Layouts
import Zelvane

// The header over every page: the current category with the starred ones beside it, pin and
// settings. The chip and the gear open their pages, or return from them to the converter.
RowLayout {
    id: bar

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
        symbol: DesktopSettings.isPinned ? "pin.fill" : "pin"
        label: qsTrId("panel.pin")
        selected: DesktopSettings.isPinned
        tint: DesktopSettings.isPinned ? PanelStyle.categoryTheme(bar.categoryId).deep : PanelStyle.text
        onClicked: {
            DesktopSettings.isPinned = !DesktopSettings.isPinned
            PanelController.showToast(qsTrId(DesktopSettings.isPinned ? "panel.pinned" : "panel.unpinned"))
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
