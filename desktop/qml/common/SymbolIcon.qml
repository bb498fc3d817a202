import QtQuick
import Zelvane

// A named symbol from the shipped icon set, tinted like text.
Image {
    required property string symbol
    property real size: 14
    property color color: PanelStyle.text

    source: symbol.length > 0 ? Theme.iconSource(symbol, color) : ""
    sourceSize: Qt.size(size * 2, size * 2)
    width: size
    height: size
    fillMode: Image.PreserveAspectFit
    smooth: true
}
