import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// The panel's content: the window buttons and the top bar over one page at a time inside the
// glass card, with the grips, size badge and toast over every page. The pages live in a
// LanguageScope; the input flow (draft and selection) and the page shown live outside it and
// outlast a change of language.
Item {
    id: panel

    readonly property string page: PanelController.pageName
    readonly property InputFlow flow: AppState.converter.flow
    readonly property var theme: PanelStyle.categoryTheme(flow.categoryId)
    // Where the settings page is scrolled to, kept while it stays open.
    property real settingsScroll: 0

    PanelLayout {
        id: panelLayout
        width: panel.width
        height: panel.height
    }

    function show(name) {
        PanelController.showPage(name)
    }
    // A second press of a page's button or shortcut returns to the converter.
    function togglePage(name) {
        show(page === name ? "converter" : name)
    }
    function escapePressed() {
        if (page !== "converter")
            show("converter")
        else if (!flow.dropDraft())
            PanelController.hide()
    }

    onPageChanged: if (page !== "settings") settingsScroll = 0

    // The draft being edited outlasts the pages, which a change of language builds anew.
    CustomEditor { id: customEditor }
    function editCustom(itemId) {
        if (customEditor.edit(itemId))
            show("editor")
    }

    Rectangle {
        id: background
        anchors.fill: parent
        radius: PanelStyle.panelRadius
        color: PanelStyle.panelFill
        border.width: 1
        border.color: PanelStyle.panelBorder
        clip: true

        PanelGlow {
            x: -extent * 0.38
            y: -extent * 0.62
            theme: panel.theme
            extent: Math.max(panel.width, panel.height) * 1.15
            strength: PanelStyle.dark ? 0.42 : 0.30
        }
    }

    LanguageScope {
        objectName: "languageScope"
        anchors.fill: parent
        content: Item {
            id: content

            function focusInput() {
                if (converterLoader.item)
                    converterLoader.item.input.takeFocus()
            }
            Connections {
                target: PanelController
                function onOpenCountChanged() {
                    if (converterLoader.item)
                        converterLoader.item.input.takeFocusReplacing()
                }
            }
            Connections {
                target: panel
                function onPageChanged() {
                    if (panel.page === "converter")
                        Qt.callLater(content.focusInput)
                }
            }
            Component.onCompleted: if (panel.page === "converter") Qt.callLater(focusInput)

            MoveArea {
                anchors { left: parent.left; right: parent.right; top: parent.top }
                height: 30
            }

            ColumnLayout {
                anchors.fill: parent
                anchors.margins: panelLayout.margin
                anchors.topMargin: 8
                spacing: panelLayout.spacing

                Item {
                    Layout.fillWidth: true
                    Layout.preferredHeight: 20
                    WindowButtons {
                        anchors.left: parent.left
                        anchors.verticalCenter: parent.verticalCenter
                        buttons: DesktopDecoration.leftButtons
                    }
                    Text {
                        anchors.centerIn: parent
                        text: qsTrId("panel.appName")
                        color: PanelStyle.secondaryText
                        font.pixelSize: PanelStyle.captionSize + 0.5
                        font.weight: Font.DemiBold
                        Accessible.role: Accessible.TitleBar
                        Accessible.name: text
                    }
                    WindowButtons {
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        buttons: DesktopDecoration.rightButtons
                    }
                }
                TopBar {
                    Layout.fillWidth: true
                    categoryId: AppState.converter.categoryId
                    page: panel.page
                    onSwitchCategory: panel.togglePage("categories")
                    onOpenSettings: panel.togglePage("settings")
                }

                Loader {
                    id: converterLoader
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    active: true
                    visible: panel.page === "converter"
                    sourceComponent: ConverterPage {
                        layout: panelLayout
                        flow: panel.flow
                        onExplain: panel.show("formula")
                    }
                }
                Loader {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    active: panel.page === "categories"
                    visible: active
                    sourceComponent: CategoryPage {
                        layout: panelLayout
                        onBack: panel.show("converter")
                        onOpenCustom: panel.show("units")
                        onPick: categoryId => {
                            AppState.converter.switchCategory(categoryId)
                            panel.show("converter")
                        }
                    }
                }
                Loader {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    active: panel.page === "settings"
                    visible: active
                    sourceComponent: SettingsPage {
                        layout: panelLayout
                        initialScroll: panel.settingsScroll
                        onBack: panel.show("converter")
                        onScrolled: contentY => panel.settingsScroll = contentY
                        onOpenCustom: panel.show("units")
                    }
                }
                Loader {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    active: panel.page === "units"
                    visible: active
                    sourceComponent: CustomUnitsPage {
                        layout: panelLayout
                        onBack: panel.show("converter")
                        onEditItem: itemId => panel.editCustom(itemId)
                        onNewConversion: {
                            customEditor.startConversion()
                            panel.show("editor")
                        }
                        onNewExtra: {
                            customEditor.startExtra()
                            panel.show("editor")
                        }
                        onOpenTemplates: panel.show("templates")
                    }
                }
                Loader {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    active: panel.page === "editor"
                    visible: active
                    sourceComponent: CustomEditorPage {
                        layout: panelLayout
                        editor: customEditor
                        onBack: panel.show("units")
                        onSaved: panel.show("units")
                    }
                }
                Loader {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    active: panel.page === "templates"
                    visible: active
                    sourceComponent: TemplatesPage {
                        layout: panelLayout
                        onBack: panel.show("units")
                    }
                }
                Loader {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    active: panel.page === "formula"
                    visible: active
                    sourceComponent: FormulaPage {
                        layout: panelLayout
                        flow: panel.flow
                        onBack: panel.show("converter")
                    }
                }
                Loader {
                    Layout.fillWidth: true
                    Layout.fillHeight: true
                    active: panel.page === "import"
                    visible: active
                    sourceComponent: ImportPage {
                        layout: panelLayout
                        onBack: panel.show("converter")
                    }
                }
                PanelFooter {
                    Layout.fillWidth: true
                    layout: panelLayout
                    page: panel.page
                }
            }

            ResizeHandles { anchors.fill: parent }

            KeyboardShortcuts {
                onCancelPressed: panel.escapePressed()
                onTogglePage: name => panel.togglePage(name)
            }

            SizeBadge {
                anchors.centerIn: parent
                visible: PanelPlacement.isResizing
                size: DesktopSettings.panelSize
            }
            PanelToast {
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 34
                text: PanelController.toast || ""
            }
        }
    }
}
