#include "DesktopState.h"

#include <algorithm>
#include <array>
#include <utility>

#include "SettingsKeys.h"

namespace zelvane {

namespace {

// The first releases named the shortcuts as another platform's keyboard does; settings files
// and documented `defaults write` commands still hold those names, so they stay the stored ones.
constexpr std::array<std::pair<HotKeyChoice, std::string_view>, 4> hotKeyNames{{
    {HotKeyChoice::altSuperU, "optionCommandU"},
    {HotKeyChoice::ctrlAltU, "controlOptionU"},
    {HotKeyChoice::altSpace, "optionSpace"},
    {HotKeyChoice::none, "none"},
}};

std::optional<SettingValue> optionalText(const std::optional<std::string>& text) {
    return text ? std::optional<SettingValue>(*text) : std::nullopt;
}

} // namespace

std::string_view storedName(HotKeyChoice choice) {
    return std::ranges::find(hotKeyNames, choice, &std::pair<HotKeyChoice, std::string_view>::first)
        ->second;
}

std::optional<HotKeyChoice> hotKeyStoredAs(std::string_view name) {
    auto found =
        std::ranges::find(hotKeyNames, name, &std::pair<HotKeyChoice, std::string_view>::second);
    return found == hotKeyNames.end() ? std::nullopt : std::optional(found->first);
}

PanelSize DesktopState::panelSize() const {
    return storedPanelSize(store_.number(keys::panelWidth).value_or(0),
                           store_.number(keys::panelHeight).value_or(0));
}

StoreResult DesktopState::setPanelSize(PanelSize size) {
    return store_.apply({{std::string(keys::panelWidth), size.width},
                         {std::string(keys::panelHeight), size.height}});
}

std::optional<PanelPlace> DesktopState::panelPlace() const {
    auto x = store_.number(keys::panelX);
    auto y = store_.number(keys::panelY);
    return x && y ? std::optional(PanelPlace{*x, *y}) : std::nullopt;
}

StoreResult DesktopState::setPanelPlace(std::optional<PanelPlace> place) {
    auto coordinate = [&](double PanelPlace::*axis) {
        return place ? std::optional<SettingValue>((*place).*axis) : std::nullopt;
    };
    return store_.apply({{std::string(keys::panelX), coordinate(&PanelPlace::x)},
                         {std::string(keys::panelY), coordinate(&PanelPlace::y)}});
}

HotKeyChoice DesktopState::hotKey() const {
    auto name = store_.text(keys::hotKey);
    return name ? hotKeyStoredAs(*name).value_or(HotKeyChoice::altSuperU) : HotKeyChoice::altSuperU;
}

StoreResult DesktopState::setHotKey(HotKeyChoice choice) {
    return store_.set(keys::hotKey, std::string(storedName(choice)));
}

bool DesktopState::showsInTaskbar() const {
    return store_.boolean(keys::showsInTaskbar).value_or(true);
}

StoreResult DesktopState::setShowsInTaskbar(bool shows) {
    return store_.set(keys::showsInTaskbar, shows);
}

bool DesktopState::showsLastResult() const {
    return store_.boolean(keys::showsLastResult).value_or(false);
}

StoreResult DesktopState::setShowsLastResult(bool shows) {
    return store_.set(keys::showsLastResult, shows);
}

bool DesktopState::copiesUnit() const {
    return store_.boolean(keys::copiesUnit).value_or(true);
}

StoreResult DesktopState::setCopiesUnit(bool copies) {
    return store_.set(keys::copiesUnit, copies);
}

std::vector<Recent> DesktopState::recents() const {
    auto data = store_.data(keys::recents);
    return data ? decodeRecents(*data).valueOr(std::vector<Recent>()) : std::vector<Recent>();
}

StoreResult DesktopState::setRecents(const std::vector<Recent>& recents) {
    return store_.set(keys::recents, SettingData{encodeRecents(recents)});
}

std::optional<std::string> DesktopState::lastCopied() const {
    return store_.text(keys::lastCopied);
}

StoreResult DesktopState::setLastCopied(const std::optional<std::string>& text) {
    return store_.apply({{std::string(keys::lastCopied), optionalText(text)}});
}

bool DesktopState::hasLaunched() const {
    return store_.boolean(keys::hasLaunched).value_or(false);
}

StoreResult DesktopState::setHasLaunched() {
    return store_.set(keys::hasLaunched, true);
}

} // namespace zelvane
