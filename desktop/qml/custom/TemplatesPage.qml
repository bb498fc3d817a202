import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// Ready-made conversions to adopt with one click, grouped by tag, and the extension packs with
// their switches and the variant each of their categories is read in.
ColumnLayout {
    id: page

    required property PanelLayout layout

    signal back()

    spacing: layout.spacing

    TemplatesModel { id: templates }
    PacksModel { id: packs }

    PageHeader {
        Layout.fillWidth: true
        title: qsTrId("custom.templates")
        onBack: page.back()
    }
    ListView {
        id: list
        objectName: "templateList"
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        spacing: 4
        boundsBehavior: Flickable.StopAtBounds
        model: templates
        ScrollBar.vertical: ScrollBar {}
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("custom.templates")
        section.property: "tagName"
        section.delegate: Text {
            required property string section
            text: section
            color: PanelStyle.secondaryText
            font.pixelSize: PanelStyle.captionSize
            font.weight: Font.DemiBold
            font.capitalization: Font.AllUppercase
            topPadding: 8
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }
        delegate: PanelGlass {
            id: entry
            required property string templateId
            required property string glyph
            required property string title
            required property string summary
            required property int unitCount
            width: list.width - 6
            implicitHeight: entryRow.implicitHeight + 12
            Accessible.role: Accessible.ListItem
            Accessible.name: title
            Accessible.description: summary
            RowLayout {
                id: entryRow
                anchors.fill: parent
                anchors.margins: 6
                spacing: 8
                Text {
                    text: entry.glyph
                    font.pixelSize: PanelStyle.titleSize + 2
                    color: PanelStyle.text
                }
                ColumnLayout {
                    spacing: 1
                    Layout.fillWidth: true
                    Text {
                        text: entry.title
                        color: PanelStyle.text
                        font.pixelSize: PanelStyle.bodySize
                        font.weight: Font.DemiBold
                        elide: Text.ElideRight
                        Layout.fillWidth: true
                    }
                    Text {
                        text: entry.summary + " · " + qsTrId("custom.unitCount").arg(entry.unitCount)
                        color: PanelStyle.secondaryText
                        font.pixelSize: PanelStyle.captionSize
                        wrapMode: Text.Wrap
                        Layout.fillWidth: true
                    }
                }
                ActionButton {
                    objectName: "adopt_" + entry.templateId
                    text: qsTrId("custom.template.adopt")
                    subject: entry.title
                    help: qsTrId("custom.template.adoptHelp")
                    onClicked: {
                        const problem = templates.adopt(entry.templateId)
                        PanelController.showToast(problem.length > 0 ? problem
                                                  : qsTrId("custom.template.adopted").arg(entry.title))
                    }
                }
            }
        }
        footer: ColumnLayout {
            width: list.width - 6
            spacing: 4
            Text {
                text: qsTrId("custom.packs")
                color: PanelStyle.secondaryText
                font.pixelSize: PanelStyle.captionSize
                font.weight: Font.DemiBold
                font.capitalization: Font.AllUppercase
                topPadding: 12
                Accessible.role: Accessible.Heading
                Accessible.name: text
            }
            Repeater {
                model: packs
                PanelGlass {
                    id: pack
                    required property string packId
                    required property string glyph
                    required property string name
                    required property string summary
                    required property string disclaimer
                    required property var categories
                    required property bool enabled
                    Layout.fillWidth: true
                    implicitHeight: packColumn.implicitHeight + 12
                    ColumnLayout {
                        id: packColumn
                        anchors.fill: parent
                        anchors.margins: 6
                        spacing: 2
                        RowLayout {
                            Text {
                                text: pack.glyph + "  " + pack.name
                                color: PanelStyle.text
                                font.pixelSize: PanelStyle.bodySize
                                font.weight: Font.DemiBold
                                elide: Text.ElideRight
                                Layout.fillWidth: true
                            }
                            ToggleSwitch {
                                objectName: "pack_" + pack.packId
                                accessibleName: qsTrId("custom.pack.use").arg(pack.name)
                                checked: pack.enabled
                                onToggled: packs.setEnabled(pack.packId, checked)
                            }
                        }
                        Text {
                            text: pack.summary
                            color: PanelStyle.secondaryText
                            font.pixelSize: PanelStyle.captionSize
                            wrapMode: Text.Wrap
                            Layout.fillWidth: true
                        }
                        // Each category read in the period or standard chosen for it.
                        Repeater {
                            model: pack.categories
                            RowLayout {
                                id: category
                                required property var modelData
                                spacing: 8
                                Layout.fillWidth: true
                                Text {
                                    text: category.modelData.name
                                    color: PanelStyle.text
                                    font.pixelSize: PanelStyle.captionSize
                                    Layout.preferredWidth: 72
                                    elide: Text.ElideRight
                                }
                                ChoiceBox {
                                    objectName: "variant_" + category.modelData.categoryId
                                    accessibleName: qsTrId("custom.pack.variant")
                                                        .arg(category.modelData.name).arg(pack.name)
                                    choices: category.modelData.variants
                                    current: category.modelData.variant
                                    Layout.fillWidth: true
                                    onChosen: value => packs.chooseVariant(category.modelData.categoryId, value)
                                }
                            }
                        }
                        Text {
                            text: pack.disclaimer
                            color: PanelStyle.secondaryText
                            font.pixelSize: PanelStyle.captionSize
                            wrapMode: Text.Wrap
                            Layout.fillWidth: true
                        }
                    }
                }
            }
        }
    }
}
