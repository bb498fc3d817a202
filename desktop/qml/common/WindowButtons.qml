import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Window
import Zelvane

// Close, minimise and maximise; their symbols appear while the pointer is over the group.
Row {
    id: lights

    readonly property bool revealed: hover.hovered || close.activeFocus || minimize.activeFocus
                                     || maximize.activeFocus

    spacing: 8
    HoverHandler { id: hover }

    component Light: AbstractButton {
        id: light
        required property color fill
        required property string symbol
        required property string label

        implicitWidth: 12
        implicitHeight: 12
        focusPolicy: Qt.TabFocus
        Accessible.role: Accessible.Button
        Accessible.name: label
        Accessible.description: label
        ToolTip.visible: hovered
        ToolTip.delay: 900
        ToolTip.text: label
        hoverEnabled: true

        background: Rectangle {
            radius: width / 2
            color: light.fill
            border.width: 0.5
            border.color: Qt.darker(light.fill, 1.25)
        }
        contentItem: Item {
            SymbolIcon {
                anchors.centerIn: parent
                symbol: light.symbol
                size: 8
                color: Qt.rgba(0, 0, 0, 0.6)
                visible: lights.revealed
            }
        }
    }

    Light {
        id: close
        objectName: "windowClose"
        fill: "#FF5F57"
        symbol: "xmark"
        label: qsTrId("panel.window.close")
        onClicked: PanelController.hide()
    }
    Light {
        id: minimize
        objectName: "windowMinimize"
        fill: "#FEBC2E"
        symbol: "minus"
        label: qsTrId("panel.window.minimize")
        onClicked: lights.Window.window.showMinimized()
    }
    Light {
        id: maximize
        objectName: "windowMaximize"
        fill: "#28C840"
        symbol: "arrow.up.left.and.arrow.down.right"
        label: qsTrId("panel.window.maximize")
        onClicked: PanelPlacement.toggleMaximize()
    }
}
