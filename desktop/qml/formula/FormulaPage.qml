import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// How the shown conversion is computed: the source unit's definition, formulas to the first
// results, a worked example and a note on the kind of conversion.
ColumnLayout {
    id: page

    required property PanelLayout layout
    required property InputFlow flow

    readonly property string categoryId: flow.categoryId
    readonly property string fromUnitId: flow.fromUnitId
    readonly property var targets: flow.unitIds.filter(id => fromUnitId && id !== fromUnitId).slice(0, 4)
    readonly property var lines: fromUnitId ? targets.map(id => PanelText.formulaLine(
        categoryId, fromUnitId, id, 7, 0, true)).filter(line => !!line) : []
    readonly property string example: fromUnitId && targets.length > 0
        ? PanelText.exampleLine(categoryId, fromUnitId, targets[0], flow.value) || "" : ""
    readonly property var theme: PanelStyle.categoryTheme(categoryId)
    readonly property var base: fromUnitId ? PanelText.baseUnit(categoryId) : null
    readonly property string noteKey: categoryId === "currency" ? "explain.note.currency"
        : "explain.note." + PanelText.formulaKind(categoryId)

    signal back()

    spacing: layout.spacing

    PageHeader {
        Layout.fillWidth: true
        title: qsTrId("explain.title")
        onBack: page.back()
        CategoryIcon {
            categoryId: page.categoryId
            size: 18
            dark: PanelStyle.dark
            customGlyphs: AppState.customGlyphs
        }
    }
    PanelGlass {
        Layout.fillWidth: true
        Layout.fillHeight: true
        Flickable {
            id: scroller
            anchors.fill: parent
            anchors.margins: 12
            clip: true
            contentHeight: body.implicitHeight
            boundsBehavior: Flickable.StopAtBounds
            ScrollBar.vertical: ScrollBar {}
            ColumnLayout {
                id: body
                width: scroller.width
                spacing: 12
                PageSection {
                    title: qsTrId("explain.definition")
                    PageLine {
                        text: page.fromUnitId
                              ? page.flow.fromUnitName + " (" + page.flow.fromUnitSymbol + ") · "
                                + AppState.categoryDisplayName(page.categoryId) : "—"
                        font.weight: Font.DemiBold
                    }
                    PageLine {
                        visible: !!page.base
                        text: page.base ? qsTrId("explain.relativeTo").arg(
                                              page.base.name + " (" + page.base.symbol + ")")
                                          + " · " + qsTrId("explain.base") : ""
                        color: PanelStyle.secondaryText
                        font.pixelSize: PanelStyle.bodySize
                    }
                }
                PageSection {
                    visible: page.lines.length > 0
                    title: qsTrId("explain.formulas")
                    Repeater {
                        model: page.lines
                        PageLine {
                            required property string modelData
                            text: modelData
                            color: page.theme.deep
                            font.weight: Font.Medium
                        }
                    }
                }
                PageSection {
                    visible: page.example.length > 0
                    title: qsTrId("explain.example")
                    PageLine { text: page.example }
                }
                PageSection {
                    title: qsTrId("explain.notes")
                    PageLine {
                        text: qsTrId(page.noteKey)
                        color: PanelStyle.secondaryText
                        font.pixelSize: PanelStyle.bodySize
                    }
                }
            }
        }
    }
}
