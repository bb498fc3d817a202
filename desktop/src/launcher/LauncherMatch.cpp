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
            .number = number,
            .sourceText = number + " " + shown.fromUnit->symbol,
            .resultText = row.text + " " + row.unit->symbol,
            .unitName = row.unit->name.resolve(languages)};
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
                                              quick->toUnitId, context);
    if (!shown.fromUnit)
        return {};
    if (shown.targetIndex)
        return {matchOf(shown, shown.row(*shown.targetIndex), quick->number, languages)};
    std::vector<LauncherMatch> matches;
    const std::size_t count = std::min(shown.rowCount(), maxOffered);
    for (std::size_t index = 0; index < count; ++index)
        matches.push_back(matchOf(shown, shown.row(index), quick->number, languages));
    return matches;
}

std::optional<LauncherMatch> LauncherMatch::fromId(std::string_view id,
                                                   const ravodozu::ConversionContext& context,
                                                   const std::vector<std::string>& languages) {
    const auto parts = ravodozu::parseBoundedJson(id);
    if (!parts.is_array() || parts.size() != 4 ||
        !std::ranges::all_of(parts, [](const auto& part) { return part.is_string(); }))
        return std::nullopt;
    const auto number = parts[3].get<std::string>();
    const auto shown =
        ShownConversion::build(parts[0].get<std::string>(), parts[1].get<std::string>(), number,
                               parts[2].get<std::string>(), context);
    if (!shown.fromUnit || !shown.targetIndex || !isPossibleValue(number, shown, context))
        return std::nullopt;
    return matchOf(shown, shown.row(*shown.targetIndex), number, languages);
}

std::string LauncherMatch::id() const {
    return nlohmann::json::array({categoryId, fromUnitId, toUnitId, number})
        .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace zelvane
