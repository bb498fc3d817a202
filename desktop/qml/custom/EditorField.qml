import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// One labelled text field of the editor. `errorAt` underlines the character where the text
// stopped making sense, in place.
ColumnLayout {
    id: field

    required property string label
    property string text: ""
    property string placeholder: ""
    property int errorAt: -1
    property alias input: input

    signal edited(string text)

    spacing: 2
    Layout.fillWidth: true

    Text {
        text: field.label
        color: PanelStyle.secondaryText
        font.pixelSize: PanelStyle.captionSize
    }
    TextField {
        id: input
        objectName: field.objectName.length > 0 ? field.objectName + "Input" : ""
        Layout.fillWidth: true
        text: field.text
        placeholderText: field.placeholder
        placeholderTextColor: PanelStyle.faintText
        color: PanelStyle.text
        font.pixelSize: PanelStyle.bodySize
        selectByMouse: true
        Accessible.name: field.label
        Accessible.description: field.placeholder
        background: Rectangle {
            radius: 7
            color: PanelStyle.hover
            border.width: input.activeFocus ? 1.5 : 0
            border.color: PanelStyle.secondaryText
        }
        onTextEdited: field.edited(text)

        Rectangle {
            readonly property rect at: input.positionToRectangle(
                                           Math.min(field.errorAt, input.length))
            visible: field.errorAt >= 0
            x: input.leftPadding + at.x - 1
            y: input.height - 5
            width: Math.max(6, input.positionToRectangle(field.errorAt + 1).x - at.x + 2)
            height: 2
            color: "#E5383B"
        }
    }
}
