import QtQuick
import QtQuick.Controls.impl
import Zelvane

// A named symbol from the shipped icon set, tinted like text.
IconImage {
    id: icon

    required property string symbol
    property real size: 14

    source: symbol.length > 0 ? Theme.iconSource(symbol) : ""
    sourceSize: Qt.size(size, size)
    width: size
    height: size
    color: PanelStyle.text
    fillMode: Image.PreserveAspectFit
}
