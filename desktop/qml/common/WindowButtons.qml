import QtQuick
import QtQuick.Window
import Zelvane

// The window's buttons on one side of the title, in the desktop's order: round flat buttons
// with the usual glyphs in the panel's colours.
Row {
    id: group

    // "close", "minimize" and "maximize", as DesktopDecoration lists them for this side.
    required property var buttons

    spacing: 2

    function describe(name) {
        switch (name) {
        case "close":
            return {
                objectName: "windowClose",
                symbol: "xmark",
                label: qsTrId("panel.window.close")
            }
        case "minimize":
            return {
                objectName: "windowMinimize",
                symbol: "minus",
                label: qsTrId("panel.window.minimize")
            }
        }
        return {
            objectName: "windowMaximize",
            symbol: "square",
            label: qsTrId("panel.window.maximize")
        }
    }
    function press(name) {
        if (name === "close")
            PanelController.hide()
        else if (name === "minimize")
            group.Window.window.showMinimized()
        else
            PanelPlacement.toggleMaximize()
    }

    Repeater {
        model: group.buttons
        RoundIconButton {
            id: button
            required property string modelData
            readonly property var look: group.describe(modelData)
            objectName: look.objectName
            symbol: look.symbol
            label: look.label
            diameter: 20
            tint: modelData === "close" && hovered ? PanelStyle.danger : PanelStyle.secondaryText
            onClicked: group.press(modelData)
        }
    }
}
