import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// A shared custom conversion or extra unit before it is added: its names, units and formulas,
// the unit references nothing here answers to and what the clean-up changed; or why it cannot
// be imported. Nothing is stored until Add.
ColumnLayout {
    id: page

    required property PanelLayout layout

    readonly property bool ready: CustomImport.ready
    readonly property var theme: PanelStyle.categoryTheme(AppState.converter.categoryId)

    signal back()

    function cancel() {
        CustomImport.clear()
        page.back()
    }

    spacing: layout.spacing
    objectName: "importPage"
    Component.onCompleted: Qt.callLater(() => (page.ready ? addButton : cancelButton).forceActiveFocus())

    component ChoiceButton: AbstractButton {
        id: button
        property bool primary: false
        hoverEnabled: true
        focusPolicy: Qt.StrongFocus
        implicitHeight: 30
        implicitWidth: Math.max(88, label.implicitWidth + 28)
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.onPressAction: clicked()
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()
        background: Rectangle {
            radius: 8
            color: button.primary ? (button.down || button.hovered ? Qt.darker(page.theme.deep, 1.12)
                                                                   : page.theme.deep)
                 : button.down ? PanelStyle.pressed : button.hovered ? PanelStyle.hover : PanelStyle.card
            border.width: button.visualFocus ? 2 : 1
            border.color: button.visualFocus ? PanelStyle.text : PanelStyle.cardBorder
        }
        contentItem: Text {
            id: label
            text: button.text
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: button.primary ? "white" : PanelStyle.text
            font.pixelSize: PanelStyle.bodySize
            font.weight: Font.DemiBold
        }
    }

    PageHeader {
        Layout.fillWidth: true
        title: qsTrId("import.title")
        onBack: page.cancel()
    }
    PanelGlass {
        Layout.fillWidth: true
        Layout.fillHeight: true
        Flickable {
            id: scroller
            anchors.fill: parent
            anchors.margins: 12
            clip: true
            contentHeight: body.implicitHeight
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            ColumnLayout {
                id: body
                width: scroller.width
                spacing: 12
                PageLine {
                    objectName: "importError"
                    Layout.fillWidth: true
                    visible: !page.ready
                    text: CustomImport.error
                    color: PanelStyle.danger
                    Accessible.role: Accessible.AlertMessage
                }
                PageSection {
                    visible: page.ready
                    title: CustomImport.isConversion ? qsTrId("import.conversion")
                                                     : qsTrId("import.extra").arg(CustomImport.categoryName)
                    PageLine {
                        objectName: "importName"
                        text: CustomImport.name
                        font.weight: Font.DemiBold
                    }
                    PageLine {
                        text: qsTrId("import.counts").arg(CustomImport.unitCount).arg(CustomImport.parameterCount)
                        color: PanelStyle.secondaryText
                        font.pixelSize: PanelStyle.bodySize
                    }
                }
                PageSection {
                    visible: page.ready && CustomImport.lines.length > 0
                    title: qsTrId("import.units")
                    Repeater {
                        model: CustomImport.lines
                        PageLine {
                            required property string modelData
                            text: modelData
                            font.weight: Font.Medium
                        }
                    }
                }
                PageSection {
                    visible: page.ready && CustomImport.unknown.length > 0
                    title: qsTrId("import.unknown")
                    Repeater {
                        model: CustomImport.unknown
                        PageLine {
                            required property string modelData
                            text: modelData
                            color: PanelStyle.danger
                        }
                    }
                }
                PageSection {
                    visible: page.ready && CustomImport.changes.length > 0
                    title: qsTrId("import.changes")
                    Repeater {
                        model: CustomImport.changes
                        PageLine {
                            required property string modelData
                            text: modelData
                            color: PanelStyle.secondaryText
                            font.pixelSize: PanelStyle.bodySize
                        }
                    }
                }
            }
        }
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 8
        Item { Layout.fillWidth: true }
        ChoiceButton {
            id: cancelButton
            objectName: "importCancelButton"
            text: qsTrId("import.cancel")
            onClicked: page.cancel()
        }
        ChoiceButton {
            id: addButton
            objectName: "importAddButton"
            visible: page.ready
            primary: true
            text: qsTrId("import.add")
            onClicked: if (CustomImport.accept()) page.back()
        }
    }
}
