// PanelSize: the panel's size in screen points, its three presets and the bounds they set.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace zelvane {

struct PanelSize {
    double width = 560;
    double height = 420;
    bool operator==(const PanelSize&) const = default;

    double area() const { return width * height; }
};

/// Small, medium and large, in that order; the smallest and largest also bound a stored size.
inline constexpr std::array<PanelSize, 3> panelPresets{PanelSize{364, 382}, PanelSize{560, 420},
                                                       PanelSize{760, 560}};

/// A stored width and height: clamped to the presets' bounds, or the medium size when either
/// is not above zero (or not a number).
PanelSize storedPanelSize(double width, double height);
/// The index of the preset of exactly that size.
std::optional<std::size_t> panelPresetIndex(PanelSize size);
/// The next larger preset (direction ≥ 1) or smaller one (direction ≤ 0) by area; none at the
/// end of the range.
std::optional<std::size_t> steppedPanelPreset(PanelSize size, int direction);

} // namespace zelvane
