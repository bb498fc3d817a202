import QtQuick
import Zelvane

// Under an item while it is dragged over its neighbours, so that they do not show through it;
// below the item's own background.
Rectangle {
    anchors.fill: parent
    z: -2
    radius: 8
    color: PanelStyle.surface
    border.width: 1
    border.color: PanelStyle.cardBorder
}
