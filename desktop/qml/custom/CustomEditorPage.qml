import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// Making or changing one conversion or extra unit. Every edit is compiled at once; the state of
// each unit shows under it, and Save stays off, with the reason beside it, until all compile.
ColumnLayout {
    id: page

    required property PanelLayout layout
    required property CustomEditor editor

    signal back()
    signal saved(string categoryId)

    spacing: layout.spacing

    function save() {
        const problem = editor.save()
        PanelController.showToast(problem.length > 0 ? problem : qsTrId("custom.saved"))
        if (problem.length === 0)
            page.saved(editor.savedCategoryId())
    }

    PageHeader {
        Layout.fillWidth: true
        title: editor.isExtra ? (editor.isNew ? qsTrId("custom.newExtra") : qsTrId("custom.editExtra"))
                              : (editor.isNew ? qsTrId("custom.newConversion") : qsTrId("custom.editConversion"))
        onBack: page.back()
    }
    Flickable {
        id: scroller
        objectName: "editorScroller"
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        contentHeight: column.implicitHeight
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        ColumnLayout {
            id: column
            width: scroller.width - 8
            spacing: 8

            RowLayout {
                visible: !page.editor.isExtra
                spacing: 6
                EditorField {
                    objectName: "conversionName"
                    label: qsTrId("custom.name")
                    text: page.editor.name
                    onEdited: text => page.editor.name = text
                }
                EditorField {
                    objectName: "conversionGlyph"
                    label: qsTrId("custom.glyph")
                    text: page.editor.glyph
                    Layout.preferredWidth: 60
                    Layout.fillWidth: false
                    onEdited: text => page.editor.glyph = text
                }
            }
            SettingsRow {
                visible: !page.editor.isExtra
                title: qsTrId("custom.decimals"); symbol: "number"; tileColor: 0x13B5A6
                last: true
                ChoiceBox {
                    objectName: "decimalsChoice"
                    accessibleName: qsTrId("custom.decimals")
                    choices: [{ value: -1, label: qsTrId("custom.decimals.auto") }]
                             .concat([0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10].map(n => ({ value: n, label: String(n) })))
                    current: page.editor.decimals
                    onChosen: value => page.editor.decimals = value
                }
            }
            SettingsRow {
                visible: page.editor.isExtra
                title: qsTrId("custom.extra.category"); symbol: "square.dashed"; tileColor: 0x5B6CF0
                ChoiceBox {
                    objectName: "extraCategoryChoice"
                    accessibleName: qsTrId("custom.extra.category")
                    choices: { void page.editor.isExtra; return page.editor.categoryChoices() }
                    current: page.editor.categoryId
                    onChosen: value => page.editor.categoryId = value
                }
            }
            SettingsRow {
                visible: page.editor.isExtra
                title: qsTrId("custom.extra.reference"); symbol: "ruler"; tileColor: 0xF2762E
                help: qsTrId("custom.extra.referenceHelp")
                last: true
                ChoiceBox {
                    objectName: "extraReferenceChoice"
                    accessibleName: qsTrId("custom.extra.reference")
                    choices: { void page.editor.categoryId; return page.editor.referenceChoices() }
                    current: page.editor.referenceUnitId
                    onChosen: value => page.editor.referenceUnitId = value
                }
            }

            Text {
                text: qsTrId("custom.units")
                color: PanelStyle.secondaryText
                font.pixelSize: PanelStyle.captionSize
                font.weight: Font.DemiBold
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }
            Repeater {
                model: page.editor.units
                EditorUnitCard {
                    units: page.editor.units
                    removable: !page.editor.isExtra && page.editor.units.count > 1
                }
            }
            ActionButton {
                objectName: "addUnitButton"
                visible: !page.editor.isExtra
                text: qsTrId("custom.unit.add")
                onClicked: page.editor.units.add()
            }

            Text {
                text: qsTrId("custom.parameters")
                color: PanelStyle.secondaryText
                font.pixelSize: PanelStyle.captionSize
                font.weight: Font.DemiBold
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }
            Repeater {
                model: page.editor.parameters
                EditorParameterRow { parameters: page.editor.parameters }
            }
            ActionButton {
                objectName: "addParameterButton"
                text: qsTrId("custom.parameter.add")
                help: qsTrId("custom.parameter.help")
                onClicked: page.editor.parameters.add()
            }
        }
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 6
        Text {
            objectName: "saveProblem"
            text: page.editor.saveProblem
            color: "#D9534F"
            font.pixelSize: PanelStyle.captionSize
            wrapMode: Text.Wrap
            maximumLineCount: 3
            elide: Text.ElideRight
            Layout.fillWidth: true
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        ActionButton {
            objectName: "saveButton"
            text: qsTrId("custom.save")
            enabled: page.editor.saveProblem.length === 0
            help: page.editor.saveProblem
            onClicked: page.save()
        }
    }
}
