import QtQuick
import Zelvane

// The flag beside a unit's name: an emoji flag, the Taiwan image, or for a currency without a
// flag a neutral banknote. Takes no room for a unit without any.
Item {
    id: unitFlag

    required property string categoryId
    required property string unitId
    required property real size
    property bool dark: false

    readonly property string kind: unitFlag.flag.kind
    readonly property var flag: Theme.unitFlag(categoryId, unitId)

    implicitWidth: kind === "none" ? 0 : 1.3 * size
    implicitHeight: kind === "none" ? 0 : size
    Accessible.ignored: true

    Text {
        objectName: "flagEmoji"
        anchors.centerIn: parent
        visible: unitFlag.kind === "emoji"
        text: unitFlag.flag.text ?? ""
        font.family: "Noto Color Emoji"
        font.pixelSize: unitFlag.size
    }

    TaiwanFlag {
        objectName: "taiwanFlag"
        anchors.centerIn: parent
        visible: unitFlag.kind === "taiwan"
        size: unitFlag.size
    }

    // In the secondary text tone of the panel.
    Image {
        objectName: "banknote"
        anchors.centerIn: parent
        visible: unitFlag.kind === "banknote"
        width: 0.7 * unitFlag.size
        height: width
        source: visible ? Theme.iconSource("banknote", unitFlag.dark ? "#aeaeb2" : "#6e6e73") : ""
        sourceSize: Qt.size(Math.ceil(width), Math.ceil(height))
    }
}
