#include "LauncherMatch.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include <nlohmann/json.hpp>

#include "QuickInput.h"
#include "RavoDozu/BoundedJson.h"
#include "RavoDozu/NumberText.h"
#include "RavoDozu/ValueFormatter.h"
#include "ShownConversion.h"

namespace zelvane {
namespace {

LauncherMatch matchOf(const ShownConversion& shown, const ShownConversion::Row& row,
                      const std::string& number, const std::vector<std::string>& languages) {
    return {.categoryId = shown.categoryId,
            .fromUnitId = shown.fromUnit->id,
            .toUnitId = row.unit->id,
            .mixedUnitIds = {},
            .number = number,
            .sourceText = number + " " + shown.fromUnit->symbol,
            .resultText = row.text + " " + row.unit->symbol,
            .unitName = row.unit->name.resolve(languages),
            .isExact = false};
}

// The one match of a conversion with a target.
LauncherMatch targetMatch(const ShownConversion& shown, const std::string& number,
                          const std::vector<std::string>& mixedUnitIds,
                          const std::vector<std::string>& languages) {
    auto match = matchOf(shown, shown.row(*shown.targetIndex), number, languages);
    if (shown.mixed) {
        match.mixedUnitIds = mixedUnitIds;
        match.resultText = shown.mixed->text;
    }
    return match;
}

// An id comes from outside: its number must read whole, as a finite value ("0x10" is no 16 and
// no 0), and a scale with an absolute zero cannot go below it.
bool isPossibleValue(const std::string& number, const ShownConversion& shown,
                     const ravodozu::ConversionContext& context) {
    const auto locale = displayLocale(context.preferences(), Environment::current());
    auto read = ravodozu::ValueFormatter(1, locale).parse(number);
    if (!read)
        read = ravodozu::readNumber(number);
    if (!read || !std::isfinite(*read))
        return false;
    const auto category = context.category(shown.categoryId);
    const bool shifted = std::ranges::any_of(category->units, [](const auto& unit) {
        return std::holds_alternative<ravodozu::AffineConversion>(unit.conversion);
    });
    return !shifted || ravodozu::toBase(shown.fromUnit->conversion, shown.value) >= 0;
}

} // namespace

std::vector<LauncherMatch> LauncherMatch::search(std::string_view query,
                                                 std::string_view currentCategoryId,
                                                 const ravodozu::ConversionContext& context,
                                                 const std::vector<std::string>& languages) {
    const auto quick = QuickInput::parse(query, currentCategoryId, context);
    if (!quick)
        return {};
    const auto shown = ShownConversion::build(quick->categoryId, quick->fromUnitId, quick->number,
                                              quick->targetUnitIds(), context);
    if (!shown.fromUnit)
        return {};
    if (shown.targetIndex) {
        auto match = targetMatch(shown, quick->number, quick->mixedUnitIds, languages);
        match.isExact = true;
        return {match};
    }
    std::vector<LauncherMatch> matches;
    const std::size_t count = std::min(shown.rowCount(), maxOffered);
    for (std::size_t index = 0; index < count; ++index)
        matches.push_back(matchOf(shown, shown.row(index), quick->number, languages));
    return matches;
}

std::optional<LauncherMatch> LauncherMatch::fromId(std::string_view id,
                                                   const ravodozu::ConversionContext& context,
                                                   const std::vector<std::string>& languages) {
    auto parts = ravodozu::parseBoundedJson(id);
    std::vector<std::string> mixedUnitIds;
    // A mixed target's units come last, as an array of two or more ids.
    if (parts.is_array() && parts.size() == 5 && parts[4].is_array() && parts[4].size() >= 2 &&
        std::ranges::all_of(parts[4], [](const auto& part) { return part.is_string(); })) {
        mixedUnitIds = parts[4].get<std::vector<std::string>>();
        parts.erase(4);
    }
    if (!parts.is_array() || parts.size() != 4 ||
        !std::ranges::all_of(parts, [](const auto& part) { return part.is_string(); }))
        return std::nullopt;
    const auto number = parts[3].get<std::string>();
    const auto target =
        mixedUnitIds.empty() ? std::vector{parts[2].get<std::string>()} : mixedUnitIds;
    const auto shown = ShownConversion::build(parts[0].get<std::string>(),
                                              parts[1].get<std::string>(), number, target, context);
    if (!shown.fromUnit || !shown.targetIndex || (!mixedUnitIds.empty() && !shown.mixed) ||
        !isPossibleValue(number, shown, context))
        return std::nullopt;
    return targetMatch(shown, number, mixedUnitIds, languages);
}

std::string LauncherMatch::id() const {
    auto parts = nlohmann::json::array({categoryId, fromUnitId, toUnitId, number});
    if (!mixedUnitIds.empty())
        parts.push_back(mixedUnitIds);
    return parts.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace zelvane
