import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// Two or three mutually exclusive options side by side; `choices` are { value, label } pairs.
// Where the place it sits in is narrower than the labels (long translations in a small panel),
// every segment shrinks by the same factor and its label is elided.
Row {
    id: segments

    required property var choices
    required property var current
    required property string accessibleName
    property real widthLimit: parent && parent.Layout ? parent.Layout.maximumWidth : Infinity

    readonly property real naturalWidth: {
        let total = spacing * Math.max(0, repeater.count - 1)
        for (let index = 0; index < repeater.count; ++index)
            total += repeater.itemAt(index) ? repeater.itemAt(index).implicitWidth : 0
        return total
    }
    readonly property real fit: naturalWidth > widthLimit ? widthLimit / naturalWidth : 1

    signal chosen(var value)

    spacing: 2
    Accessible.role: Accessible.Grouping
    Accessible.name: accessibleName

    Repeater {
        id: repeater
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
            width: implicitWidth * segments.fit
            Accessible.role: Accessible.RadioButton
            Accessible.name: modelData.label
            Accessible.onPressAction: clicked()
            Accessible.onToggleAction: clicked()
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
