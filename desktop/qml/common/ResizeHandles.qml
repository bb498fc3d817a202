import QtQuick
import Zelvane

// Grips along the left, right and bottom edges and at the two bottom corners. A double click on
// a bottom corner restores the medium size.
Item {
    id: handles

    readonly property real thickness: 6
    readonly property real corner: 16
    // The controller's edges, in its declaration order.
    readonly property var edges: ({ left: 0, right: 1, bottom: 2, bottomLeft: 3, bottomRight: 4 })

    component EdgeGrip: DragArea {
        required property int edge
        property bool resetsOnDoubleClick: false

        Accessible.role: Accessible.Grip
        Accessible.name: qsTrId("panel.size.help")
        Accessible.description: qsTrId("panel.size.help")

        onDown: (screenPoint, clickCount) => {
            if (clickCount === 2 && resetsOnDoubleClick) {
                DesktopSettings.panelSize = Qt.size(560, 420)
                PanelController.showToast(qsTrId("panel.size.resetDone"))
            } else {
                PanelPlacement.beginResize(edge, screenPoint)
            }
        }
        onDrag: screenPoint => PanelPlacement.resizeDrag(screenPoint)
        onUp: PanelPlacement.endResize()
    }

    EdgeGrip {
        objectName: "resizeLeft"
        edge: handles.edges.left
        cursorShape: Qt.SizeHorCursor
        anchors { left: parent.left; top: parent.top; bottom: parent.bottom; bottomMargin: handles.corner }
        width: handles.thickness
    }
    EdgeGrip {
        objectName: "resizeRight"
        edge: handles.edges.right
        cursorShape: Qt.SizeHorCursor
        anchors { right: parent.right; top: parent.top; bottom: parent.bottom; bottomMargin: handles.corner }
        width: handles.thickness
    }
    EdgeGrip {
        objectName: "resizeBottom"
        edge: handles.edges.bottom
        cursorShape: Qt.SizeVerCursor
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom
                  leftMargin: handles.corner; rightMargin: handles.corner }
        height: handles.thickness
    }
    EdgeGrip {
        objectName: "resizeBottomLeft"
        edge: handles.edges.bottomLeft
        resetsOnDoubleClick: true
        cursorShape: Qt.SizeBDiagCursor
        anchors { left: parent.left; bottom: parent.bottom }
        width: handles.corner
        height: handles.corner
        CornerMark { anchors.fill: parent; mirrored: true }
    }
    EdgeGrip {
        objectName: "resizeBottomRight"
        edge: handles.edges.bottomRight
        resetsOnDoubleClick: true
        cursorShape: Qt.SizeFDiagCursor
        anchors { right: parent.right; bottom: parent.bottom }
        width: handles.corner
        height: handles.corner
        CornerMark { anchors.fill: parent }
    }

    component CornerMark: Item {
        property bool mirrored: false
        opacity: parent.containsMouse ? 0.8 : 0.3
        SymbolIcon {
            anchors.centerIn: parent
            symbol: "line.diagonal"
            size: 10
            color: PanelStyle.secondaryText
            transform: Scale { xScale: mirrored ? 1 : -1; origin.x: 5 }
        }
    }
}
