import QtQuick
import QtQuick.Layouts
import Zelvane

// One stored conversion or extra unit on the My units page: its name, each unit's state in
// plain words, and what can be done with it. Removing asks once more in place.
PanelGlass {
    id: card

    required property string itemId
    required property bool isExtra
    required property string name
    required property string glyph
    required property string summary
    required property var unitStates
    required property bool hasProblem

    property bool confirming: false

    signal edit()
    signal duplicate()
    signal share(bool asLink)
    signal remove()

    implicitHeight: column.implicitHeight + 16
    Accessible.role: Accessible.ListItem
    Accessible.name: name + ", " + summary
    Accessible.description: unitStates.join("; ")

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 8
        spacing: 4

        RowLayout {
            spacing: 6
            Text {
                visible: card.glyph.length > 0
                text: card.glyph
                color: PanelStyle.text
                font.pixelSize: PanelStyle.bodySize + 2
            }
            Text {
                text: card.name
                color: PanelStyle.text
                font.pixelSize: PanelStyle.bodySize + 1
                font.weight: Font.DemiBold
                elide: Text.ElideRight
                Layout.fillWidth: true
            }
            Text {
                text: card.summary
                color: PanelStyle.secondaryText
                font.pixelSize: PanelStyle.captionSize
            }
        }
        Repeater {
            model: card.unitStates
            Text {
                required property string modelData
                text: modelData
                color: card.hasProblem ? "#D9534F" : PanelStyle.secondaryText
                font.pixelSize: PanelStyle.captionSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
            }
        }
        Flow {
            Layout.fillWidth: true
            spacing: 4
            visible: !card.confirming
            ActionButton {
                objectName: "edit_" + card.itemId
                text: qsTrId("custom.edit")
                subject: card.name
                onClicked: card.edit()
            }
            ActionButton {
                objectName: "duplicate_" + card.itemId
                text: qsTrId("custom.duplicate")
                subject: card.name
                onClicked: card.duplicate()
            }
            ActionButton {
                objectName: "shareLink_" + card.itemId
                text: qsTrId("custom.share.link")
                subject: card.name
                help: qsTrId("custom.share.linkHelp")
                onClicked: card.share(true)
            }
            ActionButton {
                objectName: "shareText_" + card.itemId
                text: qsTrId("custom.share.text")
                subject: card.name
                help: qsTrId("custom.share.textHelp")
                onClicked: card.share(false)
            }
            ActionButton {
                objectName: "remove_" + card.itemId
                text: qsTrId("custom.remove")
                subject: card.name
                destructive: true
                onClicked: {
                    card.confirming = true
                    Qt.callLater(() => keep.forceActiveFocus(Qt.TabFocusReason))
                }
            }
        }
        RowLayout {
            visible: card.confirming
            spacing: 4
            Text {
                text: qsTrId("custom.remove.confirm").arg(card.name)
                color: PanelStyle.text
                font.pixelSize: PanelStyle.captionSize
                wrapMode: Text.Wrap
                Layout.fillWidth: true
                Accessible.role: Accessible.StaticText
                Accessible.name: text
            }
            ActionButton {
                id: keep
                objectName: "keep_" + card.itemId
                text: qsTrId("custom.cancel")
                onClicked: card.confirming = false
            }
            ActionButton {
                objectName: "confirmRemove_" + card.itemId
                text: qsTrId("custom.remove")
                subject: card.name
                destructive: true
                onClicked: card.remove()
            }
        }
    }
}
