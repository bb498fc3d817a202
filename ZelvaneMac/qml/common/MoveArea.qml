import QtQuick
import Zelvane

// The strip along the top of the panel that moves it; a double click forgets the position.
DragArea {
    objectName: "moveArea"
    cursorShape: pressed ? Qt.ClosedHandCursor : Qt.ArrowCursor
    Accessible.role: Accessible.Grip
    Accessible.name: qsTrId("mac.move.help")
    Accessible.description: qsTrId("mac.move.help")

    onDown: (screenPoint, clickCount) => {
        if (clickCount === 2)
            PanelController.resetPosition()
        else
            PanelController.beginMove(screenPoint)
    }
    onDrag: screenPoint => PanelController.moveDrag(screenPoint)
    onUp: PanelController.endMove()
}
