import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// Every setting of the panel, grouped: the desktop, language and display, currency, about.
Flickable {
    id: page

    required property PanelLayout layout

    readonly property var prefs: AppState.preferences
    readonly property var languages: ["zh-Hans", "zh-Hant", "en", "es", "de", "fr", "ja", "ko",
                                      "pt-BR", "it", "th", "ms", "id"]
    readonly property var regions: ["mainlandChina", "unitedStates", "unitedKingdom", "taiwan",
                                    "hongKong", "japan", "korea", "germany", "france", "spain",
                                    "mexico", "italy", "brazil", "thailand", "malaysia",
                                    "indonesia"]
    // The size presets in the settings' declaration order.
    readonly property var presets: [{ value: 0, name: "small", size: Qt.size(364, 382) },
                                    { value: 1, name: "medium", size: Qt.size(560, 420) },
                                    { value: 2, name: "large", size: Qt.size(760, 560) }]

    signal back()

    objectName: "settingsPage"
    clip: true
    contentHeight: column.implicitHeight
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar {}

    function choicesOf(values, labelOf) {
        return values.map(value => ({ value: value, label: labelOf(value) }))
    }

    RatesStatus { id: rates }

    ColumnLayout {
        id: column
        width: page.width - 6
        spacing: 12

        SettingsGroup {
            title: qsTrId("mac.section.mac")
            SettingsRow {
                title: qsTrId("mac.size.title"); symbol: "arrow.up.left.and.arrow.down.right"; tileColor: 0x13B5A6
                SegmentedChoice {
                    objectName: "sizeChoice"
                    accessibleName: qsTrId("mac.size.title")
                    choices: page.presets.map(p => ({ value: p.value, label: qsTrId("mac.size." + p.name) }))
                    current: { void MacSettings.panelSize; return MacSettings.currentPreset() }
                    onChosen: value => MacSettings.panelSize = page.presets.find(p => p.value === value).size
                }
            }
            SettingsRow {
                title: qsTrId("mac.hotkey.title"); symbol: "command"; tileColor: 0x5B6CF0
                ChoiceBox {
                    objectName: "hotKeyChoice"
                    accessibleName: qsTrId("mac.hotkey.title")
                    // The choices in the settings' declaration order.
                    choices: [{ value: 0, label: "Alt+Super+U" }, { value: 1, label: "Ctrl+Alt+U" },
                              { value: 2, label: "Alt+Space" }, { value: 3, label: qsTrId("mac.hotkey.none") }]
                    current: MacSettings.hotKey
                    onChosen: value => {
                        MacSettings.hotKey = value
                        PanelController.applyHotKey()
                    }
                }
            }
            Text {
                objectName: "hotKeyCommandHelp"
                text: qsTrId("mac.hotKey.bindHint")
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
            SettingsRow {
                title: qsTrId("mac.login"); symbol: "power"; tileColor: 0x34A853
                MacSwitch {
                    objectName: "loginSwitch"
                    accessibleName: qsTrId("mac.login")
                    checked: MacSettings.opensAtLogin
                    onToggled: MacSettings.setOpenAtLogin(checked)
                }
            }
            SettingsRow {
                title: qsTrId("mac.dock"); symbol: "dock.rectangle"; tileColor: 0xF2762E
                MacSwitch {
                    objectName: "dockSwitch"
                    accessibleName: qsTrId("mac.dock")
                    checked: MacSettings.showsInDock
                    onToggled: {
                        MacSettings.showsInDock = checked
                        PanelController.applyDockPolicy()
                    }
                }
            }
            SettingsRow {
                title: qsTrId("mac.menubar.title"); symbol: "menubar.rectangle"; tileColor: 0x6B6B70
                SegmentedChoice {
                    objectName: "menubarChoice"
                    accessibleName: qsTrId("mac.menubar.title")
                    choices: [{ value: false, label: qsTrId("mac.menubar.icon") },
                              { value: true, label: qsTrId("mac.menubar.last") }]
                    current: MacSettings.showsLastResult
                    onChosen: value => {
                        MacSettings.showsLastResult = value
                        PanelController.updateStatusItem()
                    }
                }
            }
            SettingsRow {
                title: qsTrId("mac.copy.title"); symbol: "doc.on.doc"; tileColor: 0x1E9BD7; last: true
                SegmentedChoice {
                    objectName: "copyChoice"
                    accessibleName: qsTrId("mac.copy.title")
                    choices: [{ value: true, label: qsTrId("mac.copy.withUnit") },
                              { value: false, label: qsTrId("mac.copy.value") }]
                    current: MacSettings.copiesUnit
                    onChosen: value => MacSettings.copiesUnit = value
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
                             .concat(page.choicesOf(page.languages, code => AppState.languageDisplayName(code)))
                    current: page.prefs.languageCode || ""
                    onChosen: value => {
                        AppState.setPreference("languageCode", value.length > 0 ? value : undefined)
                        PanelController.updateStatusItem()
                    }
                }
            }
            SettingsRow {
                title: qsTrId("settings.region"); symbol: "globe"; tileColor: 0x2F7FEA
                ChoiceBox {
                    objectName: "regionChoice"
                    accessibleName: qsTrId("settings.region")
                    choices: page.choicesOf(page.regions, region => qsTrId("region." + region))
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
                    onChosen: value => {
                        AppState.setPreference("appearance", value)
                        PanelController.applyAppearance()
                    }
                }
            }
        }

        SettingsGroup {
            title: qsTrId("settings.section.currency")
            SettingsRow {
                title: qsTrId("settings.autoRates"); symbol: "arrow.clockwise"; tileColor: 0x12A874
                MacSwitch {
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
                        : rates.failed ? qsTrId("mac.rates.failed") : qsTrId("currency.update")
                    enabled: !rates.loading
                    font.pixelSize: PanelStyle.captionSize + 0.5
                    Accessible.name: qsTrId("currency.update")
                    Accessible.description: rates.text
                    onClicked: AppState.refreshRates()
                }
            }
        }

        SettingsGroup {
            title: qsTrId("settings.section.about")
            SettingsRow {
                title: qsTrId("settings.version"); tileColor: 0x6B6B70
                Text {
                    objectName: "versionText"
                    text: Qt.application.version
                    color: PanelStyle.secondaryText
                    font.pixelSize: PanelStyle.bodySize
                }
            }
            SettingsRow {
                title: qsTrId("mac.quit"); symbol: "power"; tileColor: 0xE5383B; last: true
                Button {
                    objectName: "quitButton"
                    text: qsTrId("mac.quit")
                    font.pixelSize: PanelStyle.captionSize + 0.5
                    Accessible.name: text
                    Accessible.description: text
                    onClicked: Qt.quit()
                }
            }
        }
    }
}
