import QtQuick
import Zelvane

// One wrapped line of text in a PageSection, read out as it is shown.
Text {
    width: parent ? parent.width : implicitWidth
    color: PanelStyle.text
    font.pixelSize: PanelStyle.bodySize + 1
    wrapMode: Text.Wrap
    Accessible.role: Accessible.StaticText
    Accessible.name: text
}
