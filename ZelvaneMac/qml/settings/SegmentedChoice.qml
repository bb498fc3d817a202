import QtQuick
import QtQuick.Controls.Basic
import Zelvane

// Two or three mutually exclusive options side by side; `choices` are { value, label } pairs.
Row {
    id: segments

    required property var choices
    required property var current
    required property string accessibleName

    signal chosen(var value)

    spacing: 2
    Accessible.role: Accessible.Grouping
    Accessible.name: accessibleName

    Repeater {
        model: segments.choices
        AbstractButton {
            id: segment
            required property var modelData
            readonly property bool selected: modelData.value === segments.current
            objectName: segments.objectName + "_" + modelData.value
            hoverEnabled: true
            focusPolicy: Qt.TabFocus
            implicitHeight: 24
            implicitWidth: Math.max(44, label.implicitWidth + 16)
            Accessible.role: Accessible.RadioButton
            Accessible.name: modelData.label
            Accessible.description: segments.accessibleName
            Accessible.checked: selected
            onClicked: segments.chosen(modelData.value)
            background: Rectangle {
                radius: 7
                color: segment.selected ? PanelStyle.text : segment.hovered ? PanelStyle.pressed : PanelStyle.hover
                border.width: segment.visualFocus ? 1.5 : 0
                border.color: PanelStyle.secondaryText
            }
            contentItem: Text {
                id: label
                text: segment.modelData.label
                color: segment.selected ? PanelStyle.surface : PanelStyle.text
                font.pixelSize: PanelStyle.captionSize + 0.5
                font.weight: Font.Medium
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                elide: Text.ElideRight
            }
        }
    }
}
