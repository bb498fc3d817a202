import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// The source unit's symbol with a chevron; opens the unit list.
AbstractButton {
    id: button

    required property string symbolText
    required property color tint

    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    implicitHeight: 28
    implicitWidth: Math.min(row.implicitWidth + 16, 140)
    Accessible.role: Accessible.ButtonMenu
    Accessible.name: qsTrId("converter.inputUnit")
    Accessible.onPressAction: clicked()
    Accessible.description: symbolText

    background: Rectangle {
        radius: 8
        color: Qt.rgba(button.tint.r, button.tint.g, button.tint.b, button.hovered ? 0.18 : 0.10)
        border.width: button.visualFocus ? 1.5 : 0
        border.color: button.tint
    }
    contentItem: RowLayout {
        id: row
        spacing: 4
        Text {
            text: button.symbolText
            color: button.tint
            font.pixelSize: PanelStyle.titleSize
            font.weight: Font.DemiBold
            elide: Text.ElideRight
            Layout.fillWidth: true
            horizontalAlignment: Text.AlignHCenter
        }
        SymbolIcon {
            symbol: "chevron.down"
            size: 9
            color: button.tint
        }
    }
}
