import QtQuick
import Zelvane

// The panel's size in large digits while it is being resized, with what a release would mean.
Rectangle {
    id: badge

    required property size size

    readonly property int shownWidth: Math.trunc(size.width)
    readonly property int shownHeight: Math.trunc(size.height)
    readonly property string captionKey: shownWidth === 364 && shownHeight === 382 ? "panel.size.min"
                                       : shownWidth === 760 && shownHeight === 560 ? "panel.size.max"
                                       : "panel.size.reset"

    objectName: "sizeBadge"
    implicitWidth: column.implicitWidth + 36
    implicitHeight: column.implicitHeight + 24
    radius: 16
    color: PanelStyle.dark ? Qt.rgba(0, 0, 0, 0.72) : Qt.rgba(1, 1, 1, 0.9)
    border.width: 1
    border.color: PanelStyle.cardBorder
    Accessible.role: Accessible.StaticText
    Accessible.name: dimensions.text

    Column {
        id: column
        anchors.centerIn: parent
        spacing: 4
        Text {
            id: dimensions
            anchors.horizontalCenter: parent.horizontalCenter
            text: badge.shownWidth + " × " + badge.shownHeight
            color: PanelStyle.text
            font.pixelSize: 30
            font.weight: Font.DemiBold
        }
        Text {
            objectName: "sizeBadgeCaption"
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTrId(badge.captionKey)
            color: PanelStyle.secondaryText
            font.pixelSize: PanelStyle.captionSize
        }
    }
}
