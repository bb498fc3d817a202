import QtQuick
import Zelvane

// The frosted card behind every group of controls; `strong` is the more opaque variant for the
// card that holds the input.
Rectangle {
    property real cornerRadius: PanelStyle.cardRadius
    property bool strong: false

    radius: cornerRadius
    color: strong ? PanelStyle.cardStrong : PanelStyle.card
    border.width: 1
    border.color: PanelStyle.cardBorder
}
