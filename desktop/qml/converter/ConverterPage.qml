import QtQuick
import QtQuick.Layouts
import Zelvane

// The converter: the input, steps or rates, and the results.
ColumnLayout {
    id: page

    required property PanelLayout layout
    required property InputFlow flow

    readonly property var theme: PanelStyle.categoryTheme(flow.categoryId)
    readonly property alias input: input

    signal explain()

    spacing: layout.spacing

    InputCard {
        id: input
        Layout.fillWidth: true
        layout: page.layout
        flow: page.flow
        theme: page.theme
        onExplain: page.explain()
        onRowMenuRequested: results.openSelectedMenu()
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 8
        StepButtons { theme: page.theme }
        RatesLine {
            visible: page.flow.categoryId === "currency"
            theme: page.theme
            Layout.fillWidth: true
        }
        Item { Layout.fillWidth: true; visible: page.flow.categoryId !== "currency" }
    }
    ResultsCard {
        id: results
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumHeight: 3 * (page.layout.rowHeight + 6)
        layout: page.layout
        flow: page.flow
        theme: page.theme
        onOpenRecent: index => PanelController.openRecent(index)
    }
}
