import QtQuick

// Sizes that follow the panel: at 520 px and wider the input and rows grow.
QtObject {
    required property real width
    required property real height

    readonly property bool wide: width >= 520
    readonly property real inputFontSize: wide ? 14 : 12.5
    readonly property real rowHeight: wide ? 26 : 22
    readonly property real valueFontSize: wide ? 13 : 12
    readonly property real margin: wide ? 14 : 10
    readonly property real spacing: wide ? 10 : 7
    readonly property int categoryColumns: width >= 700 ? 5 : width >= 520 ? 4 : 3

    // The footer's hint for a page, chosen by width on the converter page.
    function footerHintKey(page) {
        switch (page) {
        case "categories": return "panel.hint.categories"
        case "settings": return "panel.hint.settings"
        case "formula": case "units": case "editor": case "templates": case "import":
            return "panel.hint.back"
        }
        return width >= 600 ? "panel.hint.full" : width >= 520 ? "panel.hint.medium" : "panel.hint.short"
    }
}
