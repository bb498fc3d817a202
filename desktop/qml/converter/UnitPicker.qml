import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// The units of the shown category; picking one makes it the source unit.
Popup {
    id: picker

    required property InputFlow flow

    objectName: "unitPicker"
    width: 240
    height: Math.min(list.contentHeight + 12, 300)
    padding: 6
    focus: true

    function pick(unitId) {
        flow.pickUnit(unitId)
        close()
    }

    // Filled only while open: a closed picker would otherwise rebuild its rows with every
    // keystroke.
    Binding {
        target: picker.flow.units
        property: "active"
        value: picker.visible
    }

    background: Rectangle {
        radius: 12
        color: PanelStyle.dark ? "#1E1F24" : "#FFFFFF"
        border.width: 1
        border.color: PanelStyle.cardBorder
    }
    contentItem: ListView {
        id: list
        clip: true
        model: picker.flow.units
        keyNavigationEnabled: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: ScrollIndicator {}

        delegate: ItemDelegate {
            id: item
            required property string unitId
            required property string unitName
            required property string unitSymbol
            readonly property bool current: unitId === picker.flow.fromUnitId

            objectName: "unitChoice_" + unitId
            width: ListView.view.width
            height: 28
            padding: 0
            highlighted: ListView.isCurrentItem
            Accessible.role: Accessible.MenuItem
            Accessible.name: unitName
            Accessible.description: unitSymbol
            Accessible.checked: current
            background: HoverRowStyle { hovered: item.hovered || item.highlighted }
            contentItem: RowLayout {
                spacing: 8
                Item { implicitWidth: 2 }
                UnitFlag {
                    categoryId: picker.flow.categoryId
                    unitId: item.unitId
                    size: 14
                }
                Text {
                    text: item.unitName
                    color: PanelStyle.text
                    font.pixelSize: PanelStyle.bodySize
                    font.weight: item.current ? Font.DemiBold : Font.Normal
                    elide: Text.ElideRight
                    Layout.fillWidth: true
                }
                Text {
                    text: item.unitSymbol
                    color: PanelStyle.secondaryText
                    font.pixelSize: PanelStyle.captionSize + 0.5
                }
                SymbolIcon {
                    symbol: "checkmark"
                    size: 11
                    opacity: item.current ? 1 : 0
                }
                Item { implicitWidth: 2 }
            }
            onClicked: picker.pick(unitId)
        }
    }
}
