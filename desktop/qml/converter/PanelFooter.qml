import QtQuick
import Zelvane

// The application's name and tag line, and a keyboard hint for the page. The hint keeps its
// full length as long as it fits; the tag line takes what is left between them.
Item {
    id: footer

    required property PanelLayout layout
    required property string page

    readonly property real gap: 6

    implicitHeight: name.implicitHeight

    Text {
        id: name
        anchors.left: parent.left
        anchors.verticalCenter: parent.verticalCenter
        text: qsTrId("panel.appName")
        color: PanelStyle.secondaryText
        font.pixelSize: PanelStyle.captionSize
        font.weight: Font.DemiBold
    }
    Text {
        objectName: "footerTagline"
        anchors.left: name.right
        anchors.leftMargin: footer.gap
        anchors.verticalCenter: parent.verticalCenter
        width: Math.max(0, Math.min(implicitWidth, hint.x - x - 2 * footer.gap))
        visible: footer.layout.wide && width >= 10
        text: "· " + qsTrId("app.tagline")
        color: PanelStyle.faintText
        font.pixelSize: PanelStyle.captionSize
        elide: Text.ElideRight
    }
    Text {
        id: hint
        objectName: "footerHint"
        readonly property string key: footer.layout.footerHintKey(footer.page)
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        width: Math.max(0, Math.min(implicitWidth, footer.width - name.width - footer.gap))
        text: qsTrId(key)
        color: PanelStyle.faintText
        font.pixelSize: PanelStyle.captionSize
        horizontalAlignment: Text.AlignRight
        elide: Text.ElideLeft
    }
}
