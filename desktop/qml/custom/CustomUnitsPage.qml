import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// The user's own conversions and extra units with how each compiled, and the ways to make,
// change, share and remove them.
ColumnLayout {
    id: page

    required property PanelLayout layout

    signal back()
    signal editItem(string itemId)
    signal newConversion()
    signal newExtra()
    signal openTemplates()

    spacing: layout.spacing

    CustomItemsModel { id: items }
    CustomItemActions { id: actions }

    // Says what happened, or why it did not.
    function report(problem, done) {
        PanelController.showToast(problem.length > 0 ? problem : done)
    }

    PageHeader {
        Layout.fillWidth: true
        title: qsTrId("custom.title")
        onBack: page.back()
    }
    Flow {
        Layout.fillWidth: true
        spacing: 4
        ActionButton {
            objectName: "newConversionButton"
            text: qsTrId("custom.newConversion")
            onClicked: page.newConversion()
        }
        ActionButton {
            objectName: "newExtraButton"
            text: qsTrId("custom.newExtra")
            help: qsTrId("custom.newExtraHelp")
            onClicked: page.newExtra()
        }
        ActionButton {
            objectName: "templatesButton"
            text: qsTrId("custom.templates")
            onClicked: page.openTemplates()
        }
        ActionButton {
            objectName: "importButton"
            text: qsTrId("custom.importClipboard")
            onClicked: PanelController.importFromClipboard()
        }
    }
    RowLayout {
        visible: actions.canUndo
        Layout.fillWidth: true
        Text {
            text: qsTrId("custom.removed")
            color: PanelStyle.secondaryText
            font.pixelSize: PanelStyle.captionSize
            Layout.fillWidth: true
        }
        ActionButton {
            objectName: "undoRemoveButton"
            text: qsTrId("custom.undo")
            onClicked: page.report(actions.undoRemove(), qsTrId("custom.restored"))
        }
    }
    Text {
        objectName: "customEmpty"
        visible: items.count === 0
        text: qsTrId("custom.empty")
        color: PanelStyle.secondaryText
        font.pixelSize: PanelStyle.bodySize
        wrapMode: Text.Wrap
        Layout.fillWidth: true
        Layout.topMargin: 12
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    ListView {
        id: list
        objectName: "customList"
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        spacing: 6
        boundsBehavior: Flickable.StopAtBounds
        model: items
        ScrollBar.vertical: ScrollBar {}
        Accessible.role: Accessible.List
        Accessible.name: qsTrId("custom.title")
        delegate: CustomItemCard {
            objectName: "customItem_" + itemId
            width: list.width - 6
            onEdit: page.editItem(itemId)
            onDuplicate: page.report(actions.duplicate(itemId), qsTrId("custom.duplicated"))
            onShare: asLink => page.report(actions.copyShare(itemId, asLink),
                                           asLink ? qsTrId("custom.share.linkCopied")
                                                  : qsTrId("custom.share.textCopied"))
            onRemove: page.report(actions.remove(itemId), qsTrId("custom.removed"))
        }
    }
}
