import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// The units of the shown category; picking one makes it the source unit.
Popup {
    id: picker

    required property ConverterFlow flow

    readonly property var shown: flow.shown
    readonly property string selectedId: shown.fromUnit ? shown.fromUnit.id : ""

    objectName: "unitPicker"
    width: 240
    height: Math.min(list.contentHeight + 12, 300)
    padding: 6
    focus: true

    function pick(unitId) {
        if (flow.isPreview)
            flow.applyQuick(flow.quick)
        AppState.converter.selectFromUnit(unitId)
        close()
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
        // Filled only while open: a closed picker would otherwise rebuild its rows with every
        // keystroke.
        model: !picker.visible ? [] : picker.flow.rows.filter((row, index, rows) =>
                   rows.findIndex(other => other.unit.id === row.unit.id) === index)
        keyNavigationEnabled: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollIndicator.vertical: ScrollIndicator {}

        delegate: ItemDelegate {
            id: item
            required property var modelData
            required property int index
            readonly property bool current: modelData.unit.id === picker.selectedId

            objectName: "unitChoice_" + modelData.unit.id
            width: ListView.view.width
            height: 28
            padding: 0
            highlighted: ListView.isCurrentItem
            Accessible.role: Accessible.MenuItem
            Accessible.name: modelData.unit.name
            Accessible.description: modelData.unit.symbol
            Accessible.checked: current
            background: HoverRowStyle { hovered: item.hovered || item.highlighted }
            contentItem: RowLayout {
                spacing: 8
                Item { implicitWidth: 2 }
                UnitFlag {
                    categoryId: picker.shown.categoryId
                    unitId: item.modelData.unit.id
                    size: 14
                }
                Text {
                    text: item.modelData.unit.name
                    color: PanelStyle.text
                    font.pixelSize: PanelStyle.bodySize
                    font.weight: item.current ? Font.DemiBold : Font.Normal
                    elide: Text.ElideRight
                    Layout.fillWidth: true
                }
                Text {
                    text: item.modelData.unit.symbol
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
            onClicked: picker.pick(modelData.unit.id)
        }
    }
}
