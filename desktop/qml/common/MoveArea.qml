import QtQuick
import Zelvane

// The strip along the top of the panel that moves it; a double click forgets the position.
DragArea {
    objectName: "moveArea"
    cursorShape: pressed ? Qt.ClosedHandCursor : Qt.ArrowCursor
    Accessible.role: Accessible.Grip
    Accessible.name: qsTrId("panel.move.help")
    Accessible.description: qsTrId("panel.move.help")

    onDown: (screenPoint, clickCount) => {
        if (clickCount === 2)
            PanelPlacement.resetPosition()
        else
            PanelPlacement.beginMove(screenPoint)
    }
    onDrag: screenPoint => PanelPlacement.moveDrag(screenPoint)
    onUp: PanelPlacement.endMove()
}
