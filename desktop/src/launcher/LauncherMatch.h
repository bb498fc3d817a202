// LauncherMatch: a conversion the desktop's launcher offers for a typed query, and the id that
// brings it back when the user chooses it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/ConversionContext.h"
#include "ShownConversion.h"

namespace zelvane {

struct LauncherMatch {
    std::string categoryId;
    std::string fromUnitId;
    std::string toUnitId;
    /// A mixed target's units («to ft in»); `resultText` is then the mixed amount.
    std::vector<std::string> mixedUnitIds;
    std::string number;     ///< As the panel keeps the amount read from the query.
    std::string sourceText; ///< "5 km".
    std::string resultText; ///< "3.11 mi": the converted value and its unit's symbol.
    std::string unitName;   ///< The result unit's name in the display language.
    /// The query named its target, so this is the answer it asked for. The rows offered for a
    /// bare amount («5 km», «5 k» while typing) are only helpers, ranked below other answers.
    /// Only `search` knows it; `fromId` leaves it false.
    bool isExact = false;

    /// How many rows a query without a target unit offers.
    static constexpr std::size_t maxOffered = 5;

    /// Reads `query` as the panel reads a typed phrase. With a target unit that the category
    /// shows, the one match converts into it; without one, the first rows the panel would list.
    /// Empty when the query is no phrase of a number and a known unit.
    static std::vector<LauncherMatch> search(std::string_view query,
                                             std::string_view currentCategoryId,
                                             const ravodozu::ConversionContext& context,
                                             const std::vector<std::string>& languages);

    /// The match an id stands for, converted afresh; none when the id is malformed or its units
    /// are no longer shown.
    static std::optional<LauncherMatch> fromId(std::string_view id,
                                               const ravodozu::ConversionContext& context,
                                               const std::vector<std::string>& languages);

    /// What the conversion aims at: the mixed target's units, else the target unit.
    ShownConversion::Target target() const {
        return mixedUnitIds.empty() ? ShownConversion::Target(toUnitId) : mixedUnitIds;
    }
    /// "5 km → mile": what was read and what it became, for the line under the result.
    std::string summary() const { return sourceText + " → " + unitName; }
    /// A compact JSON array of the category, the units and the number, and the mixed target's
    /// units when there is one: enough to convert again.
    std::string id() const;

    bool operator==(const LauncherMatch&) const = default;
};

} // namespace zelvane
