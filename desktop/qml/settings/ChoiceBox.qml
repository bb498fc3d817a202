import QtQuick
import QtQuick.Controls.Basic
import Zelvane

// A compact drop-down for a settings row. `choices` are { value, label } pairs; an entry with
// `divider` set draws a separator and cannot be chosen.
ComboBox {
    id: box

    required property var choices
    required property var current
    required property string accessibleName

    signal chosen(var value)

    model: choices
    textRole: "label"
    currentIndex: choices.findIndex(choice => !choice.divider && choice.value === current)
    implicitWidth: Math.min(Math.max(120, implicitContentWidth + 40), 220)
    implicitHeight: 26
    font.pixelSize: PanelStyle.bodySize
    Accessible.name: accessibleName
    Accessible.onPressAction: popup.open()
    Accessible.description: displayText

    onActivated: index => {
        if (!choices[index].divider)
            chosen(choices[index].value)
    }

    background: Rectangle {
        radius: 7
        color: box.hovered ? PanelStyle.pressed : PanelStyle.hover
        border.width: box.visualFocus ? 1.5 : 0
        border.color: PanelStyle.secondaryText
    }
    // The style's own arrows are drawn in the system palette, unreadable on a dark panel.
    indicator: SymbolIcon {
        x: box.width - width - 8
        y: (box.height - height) / 2
        symbol: "chevron.down"
        size: 11
        color: PanelStyle.secondaryText
    }
    contentItem: Text {
        leftPadding: 10
        text: box.displayText
        color: PanelStyle.text
        font: box.font
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    delegate: ItemDelegate {
        id: option
        required property var modelData
        required property int index
        width: ListView.view ? ListView.view.width : 0
        height: modelData.divider ? 9 : 26
        enabled: !modelData.divider
        highlighted: box.highlightedIndex === index
        Accessible.name: modelData.label || ""
        Accessible.onPressAction: clicked()
        background: Item {
            HoverRowStyle {
                anchors.fill: parent
                visible: !option.modelData.divider
                hovered: option.highlighted || option.hovered
                picked: option.index === box.currentIndex
            }
            Rectangle {
                visible: option.modelData.divider === true
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width
                height: 1
                color: PanelStyle.separator
            }
        }
        contentItem: Text {
            visible: !option.modelData.divider
            leftPadding: 6
            text: option.modelData.label || ""
            color: PanelStyle.text
            font: box.font
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
        }
    }
    popup.background: Rectangle {
        radius: 10
        color: PanelStyle.dark ? "#1E1F24" : "#FFFFFF"
        border.width: 1
        border.color: PanelStyle.cardBorder
    }
}
