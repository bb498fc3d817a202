import QtQuick
import Zelvane

// The panel's shortcuts; Ctrl plays the part of the Command key.
Item {
    id: shortcuts

    signal cancelPressed()
    signal togglePage(string page)

    Shortcut {
        objectName: "shortcutEscape"
        sequences: [StandardKey.Cancel]
        context: Qt.WindowShortcut
        onActivated: shortcuts.cancelPressed()
    }
    Shortcut {
        objectName: "shortcutCategories"
        sequence: "Ctrl+K"
        context: Qt.WindowShortcut
        onActivated: shortcuts.togglePage("categories")
    }
    Shortcut {
        objectName: "shortcutSettings"
        sequence: "Ctrl+,"
        context: Qt.WindowShortcut
        onActivated: shortcuts.togglePage("settings")
    }
    Shortcut {
        objectName: "shortcutLarger"
        sequences: ["Ctrl+=", "Ctrl++"]
        context: Qt.WindowShortcut
        onActivated: DesktopSettings.stepPanelSize(1)
    }
    Shortcut {
        objectName: "shortcutSmaller"
        sequence: "Ctrl+-"
        context: Qt.WindowShortcut
        onActivated: DesktopSettings.stepPanelSize(-1)
    }
    Shortcut {
        objectName: "shortcutQuit"
        sequence: "Ctrl+Q"
        context: Qt.WindowShortcut
        onActivated: Qt.quit()
    }
}
