import QtQuick

// Moves its parent, one item of a list, to another place: dragged and let go over another
// item, or one place at a time with Alt and an arrow key (`keyPressed`, for the item's Keys).
// The owner draws the drag by `activeTranslation` and makes the move: the item lands before the
// one that stood at `destination`, as the list editors' moves expect.
DragHandler {
    id: handler

    /// The parent's place, and how many items it can move among.
    required property int index
    required property int count
    /// The place of the item at a point of the scene, -1 where there is none.
    required property var placeAt

    property point lastPoint

    signal moveRequested(int offset, int destination)

    target: null
    // A list that scrolls must not take the drag away once it has started.
    grabPermissions: PointerHandler.CanTakeOverFromAnything

    /// Asks for the move that puts the item at place `to`, kept within the list.
    function moveTo(to) {
        to = Math.max(0, Math.min(to, count - 1))
        if (to !== index)
            moveRequested(index, to > index ? to + 1 : to)
    }
    // Alt+Up and Alt+Left one place earlier, Alt+Down and Alt+Right one place later.
    function keyPressed(event) {
        if (!enabled || !(event.modifiers & Qt.AltModifier))
            return
        const step = event.key === Qt.Key_Up || event.key === Qt.Key_Left ? -1
                   : event.key === Qt.Key_Down || event.key === Qt.Key_Right ? 1 : 0
        if (step === 0)
            return
        event.accepted = true
        if (index + step >= 0 && index + step < count)
            moveTo(index + step)
    }

    onCentroidChanged: if (active) lastPoint = centroid.scenePosition
    onActiveChanged: {
        if (active)
            return
        const to = placeAt(lastPoint)
        if (to >= 0)
            moveTo(to)
    }
}
