import QtQuick
import QtQuick.Layouts
import Zelvane

// One named number the rules may use, with why it cannot be used when it cannot.
ColumnLayout {
    id: row

    required property var parameters
    required property int index
    required property string name
    required property string value
    required property string note
    required property string problem

    spacing: 2
    Layout.fillWidth: true

    RowLayout {
        spacing: 4
        EditorField {
            objectName: "parameterName_" + row.index
            label: qsTrId("custom.parameter.name")
            text: row.name
            onEdited: text => row.parameters.setName(row.index, text)
        }
        EditorField {
            objectName: "parameterValue_" + row.index
            label: qsTrId("custom.parameter.value")
            text: row.value
            onEdited: text => row.parameters.setValue(row.index, text)
        }
        EditorField {
            label: qsTrId("custom.parameter.note")
            text: row.note
            onEdited: text => row.parameters.setNote(row.index, text)
        }
        RoundIconButton {
            symbol: "xmark"
            label: qsTrId("custom.parameter.remove").arg(row.name)
            Layout.alignment: Qt.AlignBottom
            onClicked: row.parameters.remove(row.index)
        }
    }
    Text {
        visible: row.problem.length > 0
        text: row.problem
        color: "#D9534F"
        font.pixelSize: PanelStyle.captionSize
        wrapMode: Text.Wrap
        Layout.fillWidth: true
    }
}
