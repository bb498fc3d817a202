import QtQuick
import QtQuick.Layouts
import Zelvane

// One step of a chain: its operation, and the number, parameter, units or function it uses.
RowLayout {
    id: row

    required property var units
    required property int unitRow
    required property int index
    required property var modelData

    property string op: modelData.op
    readonly property bool usesUnits: op === "convert" || op === "ratioMul" || op === "ratioDiv"

    function set(field, value) {
        units.setStep(unitRow, index, field, value)
    }

    spacing: 4
    Layout.fillWidth: true

    ChoiceBox {
        objectName: "stepOp_" + row.unitRow + "_" + row.index
        accessibleName: qsTrId("custom.step.op").arg(row.index + 1)
        // One width for every step, so their fields line up; wide enough for most operations.
        implicitWidth: 160
        choices: row.units.stepOps().map(op => ({ value: op, label: qsTrId("custom.op." + op) }))
        current: row.op
        onChosen: value => { row.op = value; row.set("op", value) }
    }
    EditorField {
        objectName: "stepOperand_" + row.unitRow + "_" + row.index
        visible: !row.usesUnits
        label: row.op === "fn" ? qsTrId("custom.step.digits") : qsTrId("custom.step.operand")
        text: row.modelData.operand
        placeholder: qsTrId("custom.step.operandHint")
        onEdited: text => row.set("operand", text)
    }
    EditorField {
        visible: row.usesUnits
        label: qsTrId("custom.step.from")
        text: row.modelData.from
        placeholder: "length.ft"
        onEdited: text => row.set("from", text)
    }
    EditorField {
        visible: row.usesUnits
        label: qsTrId("custom.step.to")
        text: row.modelData.to
        placeholder: "length.m"
        onEdited: text => row.set("to", text)
    }
    EditorField {
        visible: row.op === "fn"
        label: qsTrId("custom.step.function")
        text: row.modelData.fn
        placeholder: "round"
        onEdited: text => row.set("fn", text)
    }
    RoundIconButton {
        symbol: "xmark"
        label: qsTrId("custom.step.remove").arg(row.index + 1)
        Layout.alignment: Qt.AlignBottom
        onClicked: row.units.removeStep(row.unitRow, row.index)
    }
}
