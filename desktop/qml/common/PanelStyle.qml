pragma Singleton
import QtQuick
import Zelvane

// The panel's colours, type scale and radii for the current appearance. Every view takes its
// look from here so that light, dark and the opaque fallback stay consistent.
QtObject {
    readonly property bool dark: PanelController.dark
    // Without a compositor the window cannot be translucent: the card is drawn opaque and square.
    readonly property bool glass: PanelController.composited

    readonly property color surface: dark ? "#0D0E12" : "#F5F3EE"
    readonly property color panelFill: glass ? Qt.rgba(surface.r, surface.g, surface.b, dark ? 0.90 : 0.92)
                                                : surface
    readonly property color panelBorder: Qt.rgba(1, 1, 1, dark ? 0.12 : 0.70)
    readonly property color card: dark ? Qt.rgba(1, 1, 1, 0.06) : Qt.rgba(1, 1, 1, 0.72)
    readonly property color cardStrong: dark ? Qt.rgba(1, 1, 1, 0.10) : Qt.rgba(1, 1, 1, 0.92)
    readonly property color cardBorder: dark ? Qt.rgba(1, 1, 1, 0.08) : Qt.rgba(0, 0, 0, 0.06)
    readonly property color separator: dark ? Qt.rgba(1, 1, 1, 0.08) : Qt.rgba(0, 0, 0, 0.07)
    readonly property color hover: dark ? Qt.rgba(1, 1, 1, 0.07) : Qt.rgba(0, 0, 0, 0.045)
    readonly property color pressed: dark ? Qt.rgba(1, 1, 1, 0.12) : Qt.rgba(0, 0, 0, 0.08)
    readonly property color text: dark ? "#F2F2F5" : "#1C1C1F"
    readonly property color secondaryText: dark ? Qt.rgba(1, 1, 1, 0.62) : Qt.rgba(0, 0, 0, 0.56)
    readonly property color faintText: dark ? Qt.rgba(1, 1, 1, 0.36) : Qt.rgba(0, 0, 0, 0.30)
    readonly property color shadow: Qt.rgba(0, 0, 0, dark ? 0.5 : 0.18)
    readonly property color danger: "#FF5F57"

    readonly property int panelRadius: glass ? 20 : 0
    readonly property int cardRadius: 14
    readonly property int chipRadius: 9

    readonly property real captionSize: 10.5
    readonly property real bodySize: 12
    readonly property real titleSize: 13.5

    // A category's gradient, accent and symbol in the current appearance.
    function categoryTheme(categoryId) {
        return Theme.categoryTheme(categoryId, dark)
    }

    // A 24-bit RGB number, as the settings rows carry their colours.
    function rgb(value) {
        return Qt.rgba(((value >> 16) & 0xFF) / 255, ((value >> 8) & 0xFF) / 255,
                       (value & 0xFF) / 255, 1)
    }
}
