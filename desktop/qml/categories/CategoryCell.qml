import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// A category in the grid: its icon on the theme's gradient, its name, and a star.
AbstractButton {
    id: cell

    required property string categoryId
    required property string name
    required property bool selected
    required property bool starred

    readonly property var theme: PanelStyle.categoryTheme(categoryId)
    readonly property bool hovering: hovered

    signal star()

    hoverEnabled: true
    focusPolicy: Qt.TabFocus
    implicitHeight: 64
    Accessible.role: Accessible.Button
    Accessible.name: name
    Accessible.onPressAction: clicked()
    Accessible.description: qsTrId("panel.star.hint")
    Accessible.checked: selected
    // A name too long even for two lines is elided; the whole name shows on hover.
    ToolTip.visible: hovered && nameText.truncated
    ToolTip.delay: 500
    ToolTip.text: name

    background: Rectangle {
        radius: 12
        gradient: Gradient {
            GradientStop { position: 0; color: Qt.rgba(cell.theme.start.r, cell.theme.start.g, cell.theme.start.b, cell.selected ? 0.30 : cell.hovered ? 0.18 : 0.10) }
            GradientStop { position: 1; color: Qt.rgba(cell.theme.end.r, cell.theme.end.g, cell.theme.end.b, cell.selected ? 0.22 : cell.hovered ? 0.12 : 0.05) }
        }
        border.width: cell.selected || cell.visualFocus ? 1.5 : 1
        border.color: cell.selected || cell.visualFocus ? cell.theme.deep : PanelStyle.cardBorder
    }
    contentItem: ColumnLayout {
        spacing: 1
        CategoryIcon {
            categoryId: cell.categoryId
            dark: PanelStyle.dark
            customGlyphs: AppState.customGlyphs
            size: 22
            Layout.alignment: Qt.AlignHCenter
        }
        Text {
            id: nameText
            text: cell.name
            color: PanelStyle.text
            font.pixelSize: PanelStyle.captionSize + 0.5
            font.weight: cell.selected ? Font.DemiBold : Font.Medium
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            // Two lines broken between words; a single long word shrinks rather than splits.
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            lineHeight: 0.9
            fontSizeMode: Text.Fit
            minimumPixelSize: 8
            elide: Text.ElideRight
            Layout.fillWidth: true
            Layout.preferredHeight: 2 * font.pixelSize + 4
            Layout.leftMargin: 4
            Layout.rightMargin: 4
        }
    }
    RoundIconButton {
        objectName: "star_" + cell.categoryId
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 2
        diameter: 20
        symbol: cell.starred ? "star.fill" : "star"
        label: qsTrId(cell.starred ? "panel.unstar" : "panel.star")
        help: qsTrId("panel.star.hint")
        tint: cell.starred ? cell.theme.deep : PanelStyle.faintText
        opacity: cell.starred || cell.hovering || activeFocus ? 1 : 0.5
        onClicked: cell.star()
    }
}
