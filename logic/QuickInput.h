// QuickInput: a typed phrase such as «5 km to mi» or «10 ℃ 转 ℉» read into a number, a source
// unit and an optional target unit, with the category found by itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "RavoDozu/ConversionContext.h"

namespace zelvane {

struct QuickInput {
    std::string number; ///< As typed, every "," removed ("1,250.5" → "1250.5"); may start with "-".
    std::string categoryId;              ///< Where the source unit was found.
    std::string fromUnitId;              ///< The source unit.
    std::optional<std::string> toUnitId; ///< None when no target was given or none matched.

    /// Reads a phrase. The source unit is searched in the current category, then the favourite
    /// and then the visible categories, each unit in its category's order (hidden units too), and
    /// the first unit the source text names wins. The target is only searched in that same
    /// category and must differ from the source unit. None when the text is not a number followed
    /// by a unit text, or no category has a unit of that name.
    static std::optional<QuickInput> parse(std::string_view text,
                                           std::string_view currentCategoryId,
                                           const ravodozu::ConversionContext& context);

    bool operator==(const QuickInput&) const = default;
};

} // namespace zelvane
