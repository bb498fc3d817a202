// DesktopState: the panel's own records in the settings file, typed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PanelSize.h"
#include "Recent.h"
#include "SettingsStore.h"

namespace zelvane {

/// The global shortcuts the panel offers, in the order the settings list them.
enum class HotKeyChoice { altSuperU, ctrlAltU, altSpace, none };

/// The name a choice is stored under, and back; none for a name that is no choice.
std::string_view storedName(HotKeyChoice choice);
std::optional<HotKeyChoice> hotKeyStoredAs(std::string_view name);

/// Where the panel's top-left corner was left, in screen points.
struct PanelPlace {
    double x = 0;
    double y = 0;
    bool operator==(const PanelPlace&) const = default;
};

/// Reads decode tolerantly (a missing or unreadable value gives the default); every write goes
/// through the store's one locked, atomic write path and returns what happened.
class DesktopState {
  public:
    explicit DesktopState(SettingsStore& store) : store_(store) {}

    PanelSize panelSize() const;
    [[nodiscard]] StoreResult setPanelSize(PanelSize size);
    std::optional<PanelPlace> panelPlace() const;
    [[nodiscard]] StoreResult setPanelPlace(std::optional<PanelPlace> place);
    HotKeyChoice hotKey() const;
    [[nodiscard]] StoreResult setHotKey(HotKeyChoice choice);
    bool showsInTaskbar() const;
    [[nodiscard]] StoreResult setShowsInTaskbar(bool shows);
    bool showsLastResult() const;
    [[nodiscard]] StoreResult setShowsLastResult(bool shows);
    bool copiesUnit() const;
    [[nodiscard]] StoreResult setCopiesUnit(bool copies);
    std::vector<Recent> recents() const;
    [[nodiscard]] StoreResult setRecents(const std::vector<Recent>& recents);
    std::optional<std::string> lastCopied() const;
    [[nodiscard]] StoreResult setLastCopied(const std::optional<std::string>& text);
    bool hasLaunched() const;
    [[nodiscard]] StoreResult setHasLaunched();

  private:
    SettingsStore& store_;
};

} // namespace zelvane
