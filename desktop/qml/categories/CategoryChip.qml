import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// A pill naming a category with its icon; the current category's chip carries a chevron.
AbstractButton {
    id: chip

    required property string categoryId
    required property string name
    property bool current: false
    property string help: ""

    readonly property var theme: PanelStyle.categoryTheme(categoryId)

    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    implicitHeight: 26
    implicitWidth: content.implicitWidth + 16
    Accessible.role: Accessible.Button
    Accessible.name: name
    Accessible.onPressAction: clicked()
    Accessible.description: help.length > 0 ? help : name
    ToolTip.visible: hovered && help.length > 0
    ToolTip.delay: 700
    ToolTip.text: help

    background: Rectangle {
        radius: PanelStyle.chipRadius
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: Qt.rgba(chip.theme.start.r, chip.theme.start.g, chip.theme.start.b, chip.current ? 0.26 : chip.hovered ? 0.16 : 0.09) }
            GradientStop { position: 1; color: Qt.rgba(chip.theme.end.r, chip.theme.end.g, chip.theme.end.b, chip.current ? 0.20 : chip.hovered ? 0.12 : 0.06) }
        }
        border.width: chip.visualFocus ? 1.5 : 1
        border.color: Qt.rgba(chip.theme.start.r, chip.theme.start.g, chip.theme.start.b, chip.current ? 0.45 : 0.18)
    }
    contentItem: RowLayout {
        id: content
        spacing: 5
        CategoryIcon {
            categoryId: chip.categoryId
            dark: PanelStyle.dark
            customGlyphs: AppState.customGlyphs
            size: 14
        }
        Text {
            text: chip.name
            color: PanelStyle.text
            font.pixelSize: PanelStyle.bodySize
            font.weight: chip.current ? Font.DemiBold : Font.Medium
            elide: Text.ElideRight
            Layout.maximumWidth: 130
        }
        SymbolIcon {
            visible: chip.current
            symbol: "chevron.right"
            size: 9
            color: PanelStyle.secondaryText
        }
    }
}
