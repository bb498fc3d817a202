import QtQuick
import QtQuick.Shapes

// The soft coloured light behind a category's content: the theme's gradient fading out from
// the centre of an `extent` × `extent` square.
Shape {
    id: glow

    // A map from `Theme.categoryTheme`.
    required property var theme
    required property real extent
    property real strength: 0.55

    function faded(colour, alpha) {
        return Qt.rgba(colour.r, colour.g, colour.b, alpha);
    }

    width: extent
    height: extent
    Accessible.ignored: true

    ShapePath {
        strokeWidth: -1
        strokeColor: "transparent"
        fillGradient: RadialGradient {
            centerX: glow.extent / 2
            centerY: glow.extent / 2
            centerRadius: glow.extent / 2
            focalX: centerX
            focalY: centerY

            GradientStop { position: 0; color: glow.faded(glow.theme.start, glow.strength) }
            GradientStop { position: 0.55; color: glow.faded(glow.theme.end, glow.strength * 0.45) }
            GradientStop { position: 1; color: glow.faded(glow.theme.end, 0) }
        }
        startX: 0
        startY: 0
        PathLine { x: glow.extent; y: 0 }
        PathLine { x: glow.extent; y: glow.extent }
        PathLine { x: 0; y: glow.extent }
        PathLine { x: 0; y: 0 }
    }
}
