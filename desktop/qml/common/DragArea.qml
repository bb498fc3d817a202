import QtQuick

// A transparent area that reports a drag in screen coordinates, so the window can move or
// resize under the pointer without the coordinates jumping along with it.
MouseArea {
    id: area

    signal down(point screenPoint, int clickCount)
    signal drag(point screenPoint)
    signal up()

    property bool dragging: false

    acceptedButtons: Qt.LeftButton
    hoverEnabled: true

    function screenPoint(mouse) {
        return area.mapToGlobal(mouse.x, mouse.y)
    }

    onPressed: mouse => {
        dragging = true
        down(screenPoint(mouse), 1)
    }
    // The second press of a double click has already started a drag: end it before reporting
    // the double click, so every down is matched by exactly one up.
    onDoubleClicked: mouse => {
        if (dragging)
            up()
        dragging = true
        down(screenPoint(mouse), 2)
    }
    onPositionChanged: mouse => {
        if (pressed && dragging)
            drag(screenPoint(mouse))
    }
    onReleased: {
        if (dragging)
            up()
        dragging = false
    }
}
