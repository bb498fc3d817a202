import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// Every setting of the panel, grouped: the desktop, language and display, currency, about.
ColumnLayout {
    id: page

    required property PanelLayout layout
    // Where an earlier page of this visit was scrolled to: a page built anew for another
    // language scrolls back there once its content is tall enough again.
    property real initialScroll: 0

    readonly property var prefs: AppState.preferences

    signal back()
    signal scrolled(real contentY)
    signal openCustom()

    spacing: layout.spacing

    function choicesOf(values, labelOf) {
        return values.map(value => ({ value: value, label: labelOf(value) }))
    }

    RatesStatus { id: rates }

    PageHeader {
        Layout.fillWidth: true
        title: qsTrId("settings.title")
        onBack: page.back()
    }
    Flickable {
        id: scroller
        objectName: "settingsPage"
        Layout.fillWidth: true
        Layout.fillHeight: true
        clip: true
        contentHeight: column.implicitHeight
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {}

        property real pendingScroll: page.initialScroll
        onContentHeightChanged: {
            if (pendingScroll >= 0 && contentHeight - height >= pendingScroll) {
                contentY = pendingScroll
                pendingScroll = -1
            }
        }
        onMovementStarted: pendingScroll = -1
        onContentYChanged: if (pendingScroll < 0) page.scrolled(contentY)

        ColumnLayout {
            id: column
            width: scroller.width - 6
            spacing: 12

            SettingsGroup {
                title: qsTrId("panel.section.desktop")
                SettingsRow {
                    title: qsTrId("panel.size.title"); symbol: "arrow.up.left.and.arrow.down.right"; tileColor: 0x13B5A6
                    SegmentedChoice {
                        objectName: "sizeChoice"
                        accessibleName: qsTrId("panel.size.title")
                        choices: DesktopSettings.sizePresets.map(p => ({ value: p.value, label: qsTrId("panel.size." + p.name) }))
                        current: { void DesktopSettings.panelSize; return DesktopSettings.currentPreset() }
                        onChosen: value => DesktopSettings.panelSize = DesktopSettings.sizePresets[value].size
                    }
                }
                SettingsRow {
                    title: qsTrId("panel.hotkey.title"); symbol: "command"; tileColor: 0x5B6CF0
                    ChoiceBox {
                        objectName: "hotKeyChoice"
                        accessibleName: qsTrId("panel.hotkey.title")
                        choices: DesktopSettings.hotKeyChoices.map(
                                     c => ({ value: c.value, label: c.keys || qsTrId("panel.hotkey.none") }))
                        current: DesktopSettings.hotKey
                        onChosen: value => DesktopSettings.hotKey = value
                    }
                }
                Text {
                    objectName: "hotKeyCommandHelp"
                    // The shortcut's real state first: the keys that work, or why they do not.
                    text: (GlobalShortcut.active ? qsTrId("panel.hotKey.working").arg(GlobalShortcut.keys) + "\n"
                           : GlobalShortcut.problem !== "" ? qsTrId("panel.hotKey.notWorking").arg(GlobalShortcut.problem) + "\n"
                           : "") + qsTrId("panel.hotKey.bindHint")
                    color: PanelStyle.secondaryText
                    font.pixelSize: PanelStyle.captionSize
                    wrapMode: Text.Wrap
                    Layout.fillWidth: true
                    Layout.leftMargin: 44
                    Layout.rightMargin: 10
                    Layout.bottomMargin: 6
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                }
                Button {
                    objectName: "setUpShortcutButton"
                    // Where no portal binds the keys, the desktop's own shortcut settings can.
                    visible: GlobalShortcut.canSetUpInDesktop
                    text: qsTrId("panel.hotKey.setUp")
                    font.pixelSize: PanelStyle.captionSize + 0.5
                    Layout.leftMargin: 44
                    Layout.bottomMargin: 6
                    Accessible.name: text
                    Accessible.onPressAction: clicked()
                    onClicked: GlobalShortcut.setUpInDesktop()
                }
                SettingsRow {
                    title: qsTrId("panel.login"); symbol: "power"; tileColor: 0x34A853
                    ToggleSwitch {
                        objectName: "loginSwitch"
                        accessibleName: qsTrId("panel.login")
                        checked: DesktopSettings.opensAtLogin
                        onToggled: DesktopSettings.setOpenAtLogin(checked)
                    }
                }
                SettingsRow {
                    title: qsTrId("panel.taskbar"); symbol: "taskbar.rectangle"; tileColor: 0xF2762E
                    ToggleSwitch {
                        objectName: "taskbarSwitch"
                        accessibleName: qsTrId("panel.taskbar")
                        checked: DesktopSettings.showsInTaskbar
                        onToggled: DesktopSettings.showsInTaskbar = checked
                    }
                }
                SettingsRow {
                    title: qsTrId("panel.tray.title"); symbol: "tray.rectangle"; tileColor: 0x6B6B70
                    SegmentedChoice {
                        objectName: "trayChoice"
                        accessibleName: qsTrId("panel.tray.title")
                        choices: [{ value: false, label: qsTrId("panel.tray.icon") },
                                  { value: true, label: qsTrId("panel.tray.last") }]
                        current: DesktopSettings.showsLastResult
                        onChosen: value => DesktopSettings.showsLastResult = value
                    }
                }
                SettingsRow {
                    title: qsTrId("panel.copy.title"); symbol: "doc.on.doc"; tileColor: 0x1E9BD7; last: true
                    SegmentedChoice {
                        objectName: "copyChoice"
                        accessibleName: qsTrId("panel.copy.title")
                        choices: [{ value: true, label: qsTrId("panel.copy.withUnit") },
                                  { value: false, label: qsTrId("panel.copy.value") }]
                        current: DesktopSettings.copiesUnit
                        onChosen: value => DesktopSettings.copiesUnit = value
                    }
                }
            }

            SettingsGroup {
                title: qsTrId("settings.section.language")
                SettingsRow {
                    title: qsTrId("settings.language"); symbol: "character.bubble"; tileColor: 0xE5383B
                    ChoiceBox {
                        objectName: "languageChoice"
                        accessibleName: qsTrId("settings.language")
                        choices: [{ value: "", label: qsTrId("language.system") }, { divider: true, label: "" }]
                                 .concat(page.choicesOf(AppState.interfaceLanguages, code => AppState.languageDisplayName(code)))
                        current: page.prefs.languageCode || ""
                        onChosen: value => AppState.setPreference("languageCode", value.length > 0 ? value : undefined)
                    }
                }
                SettingsRow {
                    title: qsTrId("settings.region"); symbol: "globe"; tileColor: 0x2F7FEA
                    ChoiceBox {
                        objectName: "regionChoice"
                        accessibleName: qsTrId("settings.region")
                        choices: page.choicesOf(AppState.regionIds, region => qsTrId("region." + region))
                        current: page.prefs.region
                        onChosen: value => AppState.setPreference("region", value)
                    }
                }
                SettingsRow {
                    title: qsTrId("settings.digits"); symbol: "number"; tileColor: 0x13B5A6
                    ChoiceBox {
                        objectName: "digitsChoice"
                        accessibleName: qsTrId("settings.digits")
                        choices: page.choicesOf([3, 4, 5, 6, 7, 8], n => qsTrId("settings.digitsValue").arg(n))
                        current: page.prefs.significantDigits
                        onChosen: value => AppState.setPreference("significantDigits", value)
                    }
                }
                SettingsRow {
                    title: qsTrId("settings.appearance"); symbol: "circle.lefthalf.filled"; tileColor: 0x636366; last: true
                    SegmentedChoice {
                        objectName: "appearanceChoice"
                        accessibleName: qsTrId("settings.appearance")
                        choices: page.choicesOf(["system", "light", "dark"], v => qsTrId("appearance." + v))
                        current: page.prefs.appearance
                        onChosen: value => AppState.setPreference("appearance", value)
                    }
                }
            }

            SettingsGroup {
                title: qsTrId("settings.section.currency")
                SettingsRow {
                    title: qsTrId("settings.autoRates"); symbol: "arrow.clockwise"; tileColor: 0x12A874
                    ToggleSwitch {
                        objectName: "autoRatesSwitch"
                        accessibleName: qsTrId("settings.autoRates")
                        checked: page.prefs.autoUpdateRates === true
                        onToggled: AppState.setPreference("autoUpdateRates", checked)
                    }
                }
                SettingsRow {
                    title: qsTrId("currency.update"); symbol: "dollarsign.circle"; tileColor: 0x0B7A52; last: true
                    help: rates.text
                    Button {
                        objectName: "updateRatesButton"
                        text: rates.loading ? qsTrId("currency.updating")
                            : rates.failed ? qsTrId("panel.rates.failed") : qsTrId("currency.update")
                        enabled: !rates.loading
                        font.pixelSize: PanelStyle.captionSize + 0.5
                        Accessible.name: qsTrId("currency.update")
                        Accessible.onPressAction: clicked()
                        Accessible.description: rates.text
                        onClicked: AppState.refreshRates()
                    }
                }
            }

            SettingsGroup {
                title: qsTrId("custom.title")
                SettingsRow {
                    title: qsTrId("custom.openHelp"); symbol: "wand.and.stars"; tileColor: 0x8E5CF7; last: true
                    Button {
                        objectName: "openCustomButton"
                        text: qsTrId("custom.open")
                        font.pixelSize: PanelStyle.captionSize + 0.5
                        Accessible.name: qsTrId("custom.title")
                        Accessible.onPressAction: clicked()
                        Accessible.description: qsTrId("custom.openHelp")
                        onClicked: page.openCustom()
                    }
                }
            }

            SettingsGroup {
                title: qsTrId("settings.section.about")
                SettingsRow {
                    title: qsTrId("settings.version"); tileColor: 0x6B6B70
                    Text {
                        objectName: "versionText"
                        text: AppState.version
                        color: PanelStyle.secondaryText
                        font.pixelSize: PanelStyle.bodySize
                    }
                }
                SettingsRow {
                    title: qsTrId("panel.quit"); symbol: "power"; tileColor: 0xE5383B; last: true
                    Button {
                        objectName: "quitButton"
                        text: qsTrId("panel.quit")
                        font.pixelSize: PanelStyle.captionSize + 0.5
                        Accessible.name: text
                        Accessible.onPressAction: clicked()
                        Accessible.description: text
                        onClicked: Qt.quit()
                    }
                }
            }
        }
    }
}
