import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Window
import Zelvane

// One converted value: flag, unit, value, and a pin that keeps the unit at the top. Click
// copies it, Ctrl-click makes it the source, the context menu offers both copies.
Item {
    id: item

    required property string categoryId
    required property string unitId
    required property string unitName
    required property string unitSymbol
    required property string valueText
    required property bool isPinned
    required property bool isMixed
    required property string magnitude
    required property var theme
    required property PanelLayout layout
    required property bool isPicked
    required property bool isPreview

    readonly property bool hovering: pointer.hovered
    readonly property bool isCustom: unitId.startsWith("custom.")
    // A mixed amount ("5 ft 2.992 in") carries its units in its text.
    readonly property string textWithUnit: isMixed ? valueText : valueText + " " + unitSymbol

    signal tap(bool asSource)

    // The menu from the keyboard (the Menu key, Shift+F10): under the row, its first entry
    // current, and the keys back where they were once it closes.
    function openMenu() {
        const previous = Window.activeFocusItem
        const menu = rowMenu.createObject(item)
        menu.closed.connect(() => previous && previous.forceActiveFocus())
        menu.popup(item, 8, item.height)
        menu.currentIndex = 0
    }

    implicitHeight: layout.rowHeight + 6
    Accessible.role: Accessible.Button
    Accessible.name: textWithUnit + " — " + unitName
    Accessible.description: isPinned && !isPreview
        ? qsTrId("panel.row.help") + " · " + qsTrId("panel.move.hint") : qsTrId("panel.row.help")
    Accessible.onPressAction: tap(false)

    ToolTip.visible: hovering && !pin.hovered
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
        id: leftTap
        acceptedButtons: Qt.LeftButton
        // The event point handed to onTapped carries no modifiers; the handler's point does.
        onTapped: item.tap((leftTap.point.modifiers & Qt.ControlModifier) !== 0)
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
            categoryId: item.categoryId
            dark: PanelStyle.dark
            unitId: item.unitId
            size: item.layout.wide ? 16 : 14
        }
        Text {
            text: item.unitName
            color: PanelStyle.text
            font.pixelSize: PanelStyle.bodySize
            elide: Text.ElideRight
            Layout.fillWidth: true
            Layout.minimumWidth: 40
            Layout.preferredWidth: implicitWidth
        }
        Text {
            text: item.unitSymbol
            color: PanelStyle.faintText
            font.pixelSize: PanelStyle.captionSize
            visible: item.unitSymbol !== item.unitName
            Layout.maximumWidth: 70
            elide: Text.ElideRight
        }
        CustomTag { visible: item.isCustom }
        Text {
            objectName: "rowValue"
            text: item.valueText
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
            visible: item.magnitude.length > 0
            text: item.magnitude
            tint: item.theme.deep
        }
        RoundIconButton {
            id: pin
            objectName: "rowPin_" + item.unitId
            symbol: item.isPinned ? "pin.fill" : "pin"
            label: qsTrId(item.isPinned ? "picker.unpin" : "picker.pin")
            tint: item.isPinned ? item.theme.deep : PanelStyle.faintText
            diameter: item.layout.rowHeight
            enabled: !item.isPreview
            focusPolicy: Qt.NoFocus
            onClicked: AppState.converter.togglePinned(item.unitId)
        }
    }

    // Named and pressed explicitly: Qt 6.4 leaves a menu entry made on demand without a name.
    component Entry: MenuItem {
        Accessible.name: text
        Accessible.onPressAction: clicked()
    }

    // Made on demand: a menu in every row would cost each keystroke that rebuilds the rows
    // a dozen objects per row.
    Component {
        id: rowMenu
        Menu {
            objectName: "rowMenu"
            // As wide as its longest entry: a fixed width cuts longer languages' texts.
            width: {
                let widest = 0
                for (let index = 0; index < count; ++index)
                    widest = Math.max(widest, itemAt(index).implicitWidth)
                return Math.max(implicitWidth, widest + leftPadding + rightPadding)
            }
            onClosed: destroy()
            Entry {
                objectName: "rowCopyWithUnit"
                text: qsTrId("converter.copyWithUnit")
                onTriggered: PanelText.writeClipboard(item.textWithUnit)
            }
            Entry {
                objectName: "rowCopyValue"
                text: qsTrId("converter.copyValue")
                onTriggered: PanelText.writeClipboard(item.valueText)
            }
            Entry {
                objectName: "rowMakeSource"
                text: qsTrId("converter.rowHint")
                onTriggered: item.tap(true)
            }
            MenuSeparator { visible: !item.isPreview; height: visible ? implicitHeight : 0 }
            Entry {
                objectName: "rowTogglePin"
                visible: !item.isPreview
                height: visible ? implicitHeight : 0
                text: qsTrId(item.isPinned ? "picker.unpin" : "picker.pin")
                onTriggered: AppState.converter.togglePinned(item.unitId)
            }
            Entry {
                objectName: "rowHide"
                visible: !item.isPreview
                height: visible ? implicitHeight : 0
                text: qsTrId("picker.hide")
                onTriggered: AppState.converter.toggleHidden(item.unitId)
            }
        }
    }
}
