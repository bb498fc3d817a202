import QtQuick
import QtQuick.Layouts
import Zelvane

// One unit of the draft: its name and symbol, and — unless it is the reference unit — its rule
// as a ratio, a chain of steps or a formula, with what compiling it gave right under it.
PanelGlass {
    id: card

    required property var units
    required property int index
    required property string name
    required property string symbol
    required property bool isBase
    required property string ruleKind
    required property string ratio
    required property string forward
    required property string inverse
    required property var steps
    required property string stepsText
    required property string state
    required property bool failed
    required property bool doubtful
    required property int errorAt
    property bool removable: true

    implicitHeight: column.implicitHeight + 16
    Layout.fillWidth: true
    Accessible.role: Accessible.Grouping
    Accessible.name: qsTrId("custom.unit").arg(index + 1)

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 8
        spacing: 6

        RowLayout {
            spacing: 6
            EditorField {
                objectName: "unitName_" + card.index
                label: card.isBase ? qsTrId("custom.unit.baseName") : qsTrId("custom.unit.name")
                text: card.name
                onEdited: text => card.units.setName(card.index, text)
            }
            EditorField {
                objectName: "unitSymbol_" + card.index
                label: qsTrId("custom.unit.symbol")
                text: card.symbol
                Layout.preferredWidth: 70
                Layout.fillWidth: false
                onEdited: text => card.units.setSymbol(card.index, text)
            }
            RoundIconButton {
                visible: card.removable
                symbol: "xmark"
                label: qsTrId("custom.unit.remove").arg(card.index + 1)
                Layout.alignment: Qt.AlignBottom
                onClicked: card.units.remove(card.index)
            }
        }
        SegmentedChoice {
            objectName: "ruleKind_" + card.index
            visible: !card.isBase
            accessibleName: qsTrId("custom.rule")
            choices: [{ value: "ratio", label: qsTrId("custom.rule.ratio") },
                      { value: "steps", label: qsTrId("custom.rule.steps") },
                      { value: "formula", label: qsTrId("custom.rule.formula") }]
            current: card.ruleKind
            onChosen: value => card.units.setRuleKind(card.index, value)
        }
        EditorField {
            objectName: "ratio_" + card.index
            visible: card.ruleKind === "ratio"
            label: qsTrId("custom.rule.ratioLabel")
            text: card.ratio
            onEdited: text => card.units.setRatio(card.index, text)
        }
        EditorField {
            objectName: "forward_" + card.index
            visible: card.ruleKind === "formula"
            label: qsTrId("custom.rule.forward")
            placeholder: "x * 1.8 + 32"
            text: card.forward
            errorAt: card.failed && card.errorAt >= 0 && card.ruleKind === "formula" ? card.errorAt : -1
            onEdited: text => card.units.setForward(card.index, text)
        }
        EditorField {
            objectName: "inverse_" + card.index
            visible: card.ruleKind === "formula"
            label: qsTrId("custom.rule.inverse")
            placeholder: qsTrId("custom.rule.inverseHint")
            text: card.inverse
            onEdited: text => card.units.setInverse(card.index, text)
        }
        Repeater {
            model: card.ruleKind === "steps" ? card.steps : []
            EditorStepRow {
                units: card.units
                unitRow: card.index
            }
        }
        RowLayout {
            visible: card.ruleKind === "steps"
            ActionButton {
                objectName: "addStep_" + card.index
                text: qsTrId("custom.step.add")
                onClicked: card.units.addStep(card.index)
            }
            Text {
                objectName: "stepsText_" + card.index
                text: card.stepsText
                color: PanelStyle.secondaryText
                font.pixelSize: PanelStyle.captionSize
                font.family: "monospace"
                elide: Text.ElideRight
                Layout.fillWidth: true
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
        }
        Text {
            objectName: "unitState_" + card.index
            text: card.state
            visible: text.length > 0
            color: card.failed || card.doubtful ? "#D9534F" : PanelStyle.secondaryText
            font.pixelSize: PanelStyle.captionSize
            wrapMode: Text.Wrap
            Layout.fillWidth: true
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
    }
}
