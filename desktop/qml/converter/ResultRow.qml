import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// One converted value: flag, unit, value, and a star that pins the unit. Click copies it,
// Ctrl-click makes it the source, the context menu offers both copies.
Item {
    id: item

    required property var row
    required property var shown
    required property var theme
    required property PanelLayout layout
    required property bool isPicked
    required property bool isPreview

    readonly property bool hovering: pointer.hovered
    readonly property bool isCustom: row.unit.id.startsWith("custom.")
    // A mixed amount ("5 ft 2.992 in") carries its units in its text.
    readonly property string textWithUnit: row.isMixed ? row.text : row.text + " " + row.unit.symbol

    signal tap(var row, bool asSource)

    implicitHeight: layout.rowHeight + 6
    Accessible.role: Accessible.Button
    Accessible.name: textWithUnit + " — " + row.unit.name
    Accessible.description: qsTrId("panel.row.help")
    Accessible.onPressAction: tap(row, false)

    ToolTip.visible: hovering && !star.hovered
    ToolTip.delay: 1200
    ToolTip.text: qsTrId("panel.row.help")

    HoverRowStyle {
        anchors.fill: parent
        hovered: item.hovering
        picked: item.isPicked
        accent: item.theme.start
    }
    HoverHandler { id: pointer }
    TapHandler {
        acceptedButtons: Qt.LeftButton
        onTapped: (point, button) => item.tap(item.row, (point.modifiers & Qt.ControlModifier) !== 0)
    }
    TapHandler {
        acceptedButtons: Qt.RightButton
        onTapped: rowMenu.createObject(item).popup()
    }

    RowLayout {
        anchors.fill: parent
        anchors.leftMargin: 8
        anchors.rightMargin: 2
        spacing: 6
        opacity: item.isPreview ? 0.88 : 1

        UnitFlag {
            categoryId: item.shown.categoryId
            unitId: item.row.unit.id
            size: item.layout.wide ? 16 : 14
        }
        Text {
            text: item.row.unit.name
            color: PanelStyle.text
            font.pixelSize: PanelStyle.bodySize
            elide: Text.ElideRight
            Layout.fillWidth: true
            Layout.minimumWidth: 40
            Layout.preferredWidth: implicitWidth
        }
        Text {
            text: item.row.unit.symbol
            color: PanelStyle.faintText
            font.pixelSize: PanelStyle.captionSize
            visible: item.row.unit.symbol !== item.row.unit.name
            Layout.maximumWidth: 70
            elide: Text.ElideRight
        }
        CustomTag { visible: item.isCustom }
        Text {
            objectName: "rowValue"
            text: item.row.text
            color: item.isPicked ? item.theme.deep : PanelStyle.text
            font.pixelSize: item.layout.valueFontSize + 1
            font.weight: Font.DemiBold
            horizontalAlignment: Text.AlignRight
            // A value is never elided, which would drop digits: the unit's name gives way
            // first, then the value's font shrinks.
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 8
            Layout.maximumWidth: item.width * 0.62
        }
        MagnitudeTag {
            visible: !!item.row.magnitude
            text: item.row.magnitude || ""
            tint: item.theme.deep
        }
        RoundIconButton {
            id: star
            objectName: "rowStar_" + item.row.unit.id
            symbol: item.row.isPinned ? "star.fill" : "star"
            label: qsTrId(item.row.isPinned ? "picker.unpin" : "picker.pin")
            tint: item.row.isPinned ? item.theme.deep : PanelStyle.faintText
            diameter: item.layout.rowHeight
            enabled: !item.isPreview
            focusPolicy: Qt.NoFocus
            onClicked: AppState.converter.togglePinned(item.row.unit.id)
        }
    }

    // Made on demand: a menu in every row would cost each keystroke that rebuilds the rows
    // a dozen objects per row.
    Component {
        id: rowMenu
        Menu {
            objectName: "rowMenu"
            onClosed: destroy()
            MenuItem {
                objectName: "rowCopyWithUnit"
                text: qsTrId("converter.copyWithUnit")
                onTriggered: PanelText.writeClipboard(item.textWithUnit)
            }
            MenuItem {
                objectName: "rowCopyValue"
                text: qsTrId("converter.copyValue")
                onTriggered: PanelText.writeClipboard(item.row.text)
            }
            MenuItem {
                objectName: "rowMakeSource"
                text: qsTrId("converter.rowHint")
                onTriggered: item.tap(item.row, true)
            }
            MenuSeparator { visible: !item.isPreview; height: visible ? implicitHeight : 0 }
            MenuItem {
                objectName: "rowTogglePin"
                visible: !item.isPreview
                height: visible ? implicitHeight : 0
                text: qsTrId(item.row.isPinned ? "picker.unpin" : "picker.pin")
                onTriggered: AppState.converter.togglePinned(item.row.unit.id)
            }
            MenuItem {
                objectName: "rowHide"
                visible: !item.isPreview
                height: visible ? implicitHeight : 0
                text: qsTrId("picker.hide")
                onTriggered: AppState.converter.toggleHidden(item.row.unit.id)
            }
        }
    }
}
