#include "QuickInput.h"

#include <algorithm>
#include <vector>

#include "PhrasePatterns.h"
#include "UnitText.h"

namespace zelvane {

using ravodozu::UnitCategory;

namespace {

// The first unit of `category` whose keys match `key` (and whose id is not `skipId`), by position.
std::optional<std::size_t> firstMatch(const UnitCategory& category, std::string_view key,
                                      std::string_view skipId = {}) {
    auto& keys = detail::categoryKeys(category.id);
    for (std::size_t position = 0; position < category.units.size(); ++position) {
        if (!skipId.empty() && category.units[position].id == skipId)
            continue;
        if (keys.at(category, position).matches(key))
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

    const auto& preferences = context.preferences();
    std::vector<std::string> candidates{std::string(currentCategoryId)};
    std::ranges::copy(preferences.effectiveFavoriteCategories(), std::back_inserter(candidates));
    std::ranges::copy(preferences.visibleCategoryIds(), std::back_inserter(candidates));

    std::vector<std::string_view> tried;
    for (const auto& id : candidates) {
        if (std::ranges::find(tried, id) != tried.end())
            continue;
        tried.push_back(id);
        auto category = context.category(id);
        if (!category)
            continue;
        auto source = firstMatch(*category, sourceKey);
        if (!source)
            continue;

        const auto& fromUnit = category->units[*source];
        QuickInput result{std::move(parts->number), category->id, fromUnit.id, std::nullopt};
        if (parts->target) {
            // The source unit's id is never its own target: «5 km to km» has none.
            auto targetKey = normalizedUnitText(*parts->target);
            if (auto target = firstMatch(*category, targetKey, fromUnit.id))
                result.toUnitId = category->units[*target].id;
        }
        return result;
    }
    return std::nullopt;
}

} // namespace zelvane
