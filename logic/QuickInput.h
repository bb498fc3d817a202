// QuickInput: a typed phrase such as «5 km to mi», «5 ft 3 in in cm» or «10 ℃ 转 ℉» read into a
// number, a source unit and an optional target, with the category found by itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DisplayLanguage.h"
#include "RavoDozu/ConversionContext.h"

namespace zelvane {

struct QuickInput {
    /// The amount in the source unit as the input field keeps it: the display locale's decimal
    /// separator, no grouping ("1,5" in German, "1.5" in English). A compound amount («5 ft 3 in»)
    /// is summed into its first unit.
    std::string number;
    std::string categoryId; ///< Where the source unit was found.
    std::string fromUnitId; ///< The source unit.
    /// None when no target was given or none matched; of a mixed target, its first unit other
    /// than the source unit.
    std::optional<std::string> toUnitId;
    /// The units of a mixed target («to ft in»), two or more in the order written; else empty.
    std::vector<std::string> mixedUnitIds;

    /// Reads a phrase in the display locale and language. The source unit is searched in the
    /// current category, then the favourite and then the visible categories, each unit in its
    /// category's order (hidden units too), and the first unit the source text names wins; only
    /// where no category has such a unit is the source read as a compound amount, the same way.
    /// The target is only searched in that same category: one unit other than the source, else
    /// a mixed target. A word such as "in" splits the phrase only where its left side names the
    /// source and its right side a target. None when the text is not a number followed by a unit
    /// text, or no category has a unit of that name.
    static std::optional<QuickInput> parse(std::string_view text,
                                           std::string_view currentCategoryId,
                                           const ravodozu::ConversionContext& context,
                                           const Environment& environment = Environment::current());

    /// The units the reading aims at: the mixed target's, else the target unit, else none.
    std::vector<std::string> targetUnitIds() const {
        if (!mixedUnitIds.empty() || !toUnitId)
            return mixedUnitIds;
        return {*toUnitId};
    }

    bool operator==(const QuickInput&) const = default;
};

} // namespace zelvane
