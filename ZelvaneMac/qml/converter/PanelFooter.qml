import QtQuick
import QtQuick.Layouts
import Zelvane

// The application's name and tag line, and a keyboard hint for the page.
RowLayout {
    id: footer

    required property PanelLayout layout
    required property string page

    spacing: 6

    Text {
        text: qsTrId("mac.appName")
        color: PanelStyle.secondaryText
        font.pixelSize: PanelStyle.captionSize
        font.weight: Font.DemiBold
    }
    Text {
        visible: footer.layout.wide
        text: "· " + qsTrId("app.tagline")
        color: PanelStyle.faintText
        font.pixelSize: PanelStyle.captionSize
        elide: Text.ElideRight
        Layout.maximumWidth: implicitWidth
        Layout.fillWidth: true
        Layout.minimumWidth: 10
    }
    Text {
        objectName: "footerHint"
        readonly property string key: footer.layout.footerHintKey(footer.page)
        text: qsTrId(key)
        color: PanelStyle.faintText
        font.pixelSize: PanelStyle.captionSize
        horizontalAlignment: Text.AlignRight
        elide: Text.ElideLeft
        Layout.fillWidth: true
        Layout.minimumWidth: 40
    }
}
