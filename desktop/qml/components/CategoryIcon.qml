import QtQuick
import Zelvane

// A category's icon in its theme's accent: the custom glyph as bold text when there is one,
// else the theme's symbol.
Item {
    id: categoryIcon

    required property string categoryId
    required property real size
    property bool dark: false
    // Custom category id → glyph of the user's custom conversions.
    property var customGlyphs: ({})

    readonly property var theme: Theme.categoryTheme(categoryId, dark, customGlyphs)
    readonly property bool showsGlyph: theme.glyph !== undefined

    implicitWidth: size
    implicitHeight: size

    Text {
        objectName: "glyph"
        anchors.centerIn: parent
        visible: categoryIcon.showsGlyph
        text: categoryIcon.theme.glyph ?? ""
        font.bold: true
        font.pixelSize: 0.8 * categoryIcon.size
        color: categoryIcon.theme.deep
    }

    Image {
        objectName: "symbol"
        anchors.fill: parent
        visible: !categoryIcon.showsGlyph
        source: visible ? Theme.iconSource(categoryIcon.theme.symbol, categoryIcon.theme.deep) : ""
        sourceSize: Qt.size(Math.ceil(categoryIcon.size), Math.ceil(categoryIcon.size))
        fillMode: Image.PreserveAspectFit
    }
}
