import QtQuick
import QtQuick.Layouts
import Zelvane

// The converter: category bar, the input, steps or rates, and the results.
ColumnLayout {
    id: page

    required property PanelLayout layout
    required property ConverterFlow flow
    required property string panelPage

    readonly property var theme: PanelStyle.categoryTheme(flow.shown.categoryId)
    readonly property alias input: input

    signal switchCategory()
    signal openSettings()
    signal explain()

    spacing: layout.spacing

    TopBar {
        Layout.fillWidth: true
        layout: page.layout
        categoryId: AppState.converter.categoryId
        page: page.panelPage
        onSwitchCategory: page.switchCategory()
        onOpenSettings: page.openSettings()
    }
    InputCard {
        id: input
        Layout.fillWidth: true
        layout: page.layout
        flow: page.flow
        theme: page.theme
        onExplain: page.explain()
    }
    RowLayout {
        Layout.fillWidth: true
        spacing: 8
        StepButtons { theme: page.theme }
        RatesLine {
            visible: page.flow.shown.categoryId === "currency"
            theme: page.theme
            Layout.fillWidth: true
        }
        Item { Layout.fillWidth: true; visible: page.flow.shown.categoryId !== "currency" }
    }
    ResultsCard {
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.minimumHeight: 3 * (page.layout.rowHeight + 6)
        layout: page.layout
        shown: page.flow.shown
        theme: page.theme
        picked: page.flow.selection
        isPreview: page.flow.isPreview
        onTap: (row, asSource) => page.flow.tap(row, asSource)
        onOpenRecent: index => {
            page.flow.reset()
            PanelController.openRecent(index)
        }
    }
}
