#include "IconAssets.h"

#include <algorithm>
#include <array>

namespace zelvane {

namespace {

// Sorted, for the binary search in `file`.
constexpr auto shippedNames = std::to_array<std::string_view>({
    "FlagTW",
    "TrayIcon",
    "angle",
    "arrow.clockwise",
    "arrow.clockwise.circle",
    "arrow.right.circle",
    "arrow.up.left.and.arrow.down.right",
    "banknote",
    "battery.100.bolt",
    "bolt",
    "bolt.circle",
    "bolt.horizontal",
    "character.bubble",
    "checkmark",
    "chevron.down",
    "chevron.left",
    "chevron.right",
    "chevron.up",
    "circle.lefthalf.filled",
    "clock",
    "command",
    "cube",
    "doc.on.doc",
    "dollarsign.circle",
    "drop",
    "drop.halffull",
    "externaldrive",
    "flame",
    "flask",
    "fuelpump",
    "gauge.with.dots.needle.67percent",
    "gauge.with.needle",
    "gearshape",
    "globe",
    "hare",
    "info.circle",
    "line.diagonal",
    "magnifyingglass",
    "minus",
    "number",
    "pin",
    "pin.fill",
    "plus",
    "power",
    "ruler",
    "scalemass",
    "square",
    "square.dashed",
    "star",
    "star.fill",
    "sun.max",
    "taskbar.rectangle",
    "thermometer.medium",
    "tray.rectangle",
    "ut.capacitor",
    "ut.inductor",
    "ut.magnet.density",
    "ut.magnet.field",
    "ut.magnet.flux",
    "ut.radiation",
    "ut.radiation.absorbed",
    "ut.radiation.person",
    "ut.resistor",
    "wand.and.stars",
    "waveform",
    "wifi",
    "xmark",
    "xmark.circle.fill",
    "zelvane",
});
static_assert(std::ranges::is_sorted(shippedNames));

// Drawn in their own colours.
constexpr auto colouredNames = std::to_array<std::string_view>({"FlagTW", "TrayIcon", "zelvane"});

} // namespace

std::optional<std::string_view> IconAssets::file(std::string_view name) {
    auto found = std::ranges::lower_bound(shippedNames, name);
    if (found == shippedNames.end() || *found != name)
        return std::nullopt;
    return *found;
}

bool IconAssets::isTintable(std::string_view name) {
    return file(name) && std::ranges::find(colouredNames, name) == colouredNames.end();
}

std::span<const std::string_view> IconAssets::names() {
    return shippedNames;
}

} // namespace zelvane
