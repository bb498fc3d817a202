import QtQuick
import Zelvane

// The Taiwan flag, drawn from our own image since no emoji stands for it everywhere.
Image {
    id: flag

    required property real size

    height: 0.74 * size
    width: 1.5 * height
    source: Theme.iconSource("FlagTW")
    sourceSize.height: Math.ceil(height)
    fillMode: Image.PreserveAspectFit
    smooth: true
    Accessible.ignored: true
}
