#include "QuickInput.h"

#include <algorithm>
#include <vector>

#include "PhrasePatterns.h"
#include "UnitText.h"

namespace zelvane {

namespace {

// The first unit of `category` whose keys match `key` (and whose id is not `skipId`), by position.
std::optional<std::size_t> firstMatch(const ravodozu::CategoryRef& category, std::string_view key,
                                      std::string_view skipId = {}) {
    auto& keys = detail::categoryKeys(category->id);
    keys.follow(category);
    for (std::size_t position = 0; position < category->units.size(); ++position) {
        if (!skipId.empty() && category->units[position].id == skipId)
            continue;
        if (keys.at(*category, position).matches(key))
            return position;
    }
    return std::nullopt;
}

} // namespace

std::optional<QuickInput> QuickInput::parse(std::string_view text,
                                            std::string_view currentCategoryId,
                                            const ravodozu::ConversionContext& context) {
    auto parts = splitPhrase(text);
    if (!parts)
        return std::nullopt;
    const auto sourceKey = normalizedUnitText(parts->source);
    if (sourceKey.empty())
        return std::nullopt;

    std::optional<QuickInput> result;
    std::vector<std::string_view> tried;
    // The first candidate category that has a unit of that name; true once one is found.
    auto tryCategory = [&](std::string_view id) {
        if (std::ranges::find(tried, id) != tried.end())
            return false;
        tried.push_back(id);
        auto category = context.category(id);
        if (!category)
            return false;
        auto source = firstMatch(category, sourceKey);
        if (!source)
            return false;

        const auto& fromUnit = category->units[*source];
        result = QuickInput{std::move(parts->number), category->id, fromUnit.id, std::nullopt};
        if (parts->target) {
            // The source unit's id is never its own target: «5 km to km» has none.
            auto targetKey = normalizedUnitText(*parts->target);
            if (auto target = firstMatch(category, targetKey, fromUnit.id))
                result->toUnitId = category->units[*target].id;
        }
        return true;
    };

    // The lists are only worked out when the current category does not have the unit.
    if (tryCategory(currentCategoryId))
        return result;
    const auto& preferences = context.preferences();
    for (const auto& list :
         {preferences.effectiveFavoriteCategories(), preferences.visibleCategoryIds()})
        for (const auto& id : list)
            if (tryCategory(id))
                return result;
    return std::nullopt;
}

} // namespace zelvane
