#include "PanelSize.h"

#include <algorithm>
#include <cmath>

namespace zelvane {

PanelSize storedPanelSize(double width, double height) {
    // Comparisons with NaN are false, so an unreadable number takes the default too.
    if (!(width > 0 && height > 0))
        return panelPresets[1];
    const auto& smallest = panelPresets.front();
    const auto& largest = panelPresets.back();
    return {std::clamp(width, smallest.width, largest.width),
            std::clamp(height, smallest.height, largest.height)};
}

std::optional<std::size_t> panelPresetIndex(PanelSize size) {
    auto found = std::find(panelPresets.begin(), panelPresets.end(), size);
    if (found == panelPresets.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - panelPresets.begin());
}

std::optional<std::size_t> steppedPanelPreset(PanelSize size, int direction) {
    if (direction >= 1) {
        double above = size.area() + 1;
        for (std::size_t index = 0; index < panelPresets.size(); ++index)
            if (panelPresets[index].area() > above)
                return index;
    } else {
        double below = size.area() - 1;
        for (std::size_t index = panelPresets.size(); index-- > 0;)
            if (panelPresets[index].area() < below)
                return index;
    }
    return std::nullopt;
}

} // namespace zelvane
