import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// The formula from the source unit to the first result; opens the formula page.
AbstractButton {
    id: button

    required property color tint

    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    implicitHeight: 20
    implicitWidth: row.implicitWidth + 10
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: clicked()
    Accessible.description: qsTrId("explain.hint")
    ToolTip.visible: hovered
    ToolTip.delay: 700
    ToolTip.text: qsTrId("explain.hint")

    background: Rectangle {
        radius: 6
        color: button.hovered ? PanelStyle.hover : "transparent"
        border.width: button.visualFocus ? 1.5 : 0
        border.color: button.tint
    }
    contentItem: RowLayout {
        id: row
        spacing: 4
        SymbolIcon {
            symbol: "info.circle"
            size: 11
            color: button.tint
        }
        Text {
            text: button.text
            color: PanelStyle.secondaryText
            font.pixelSize: PanelStyle.captionSize + 0.5
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
    }
}
