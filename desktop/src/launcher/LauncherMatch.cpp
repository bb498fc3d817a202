#include "LauncherMatch.h"

#include <algorithm>

#include <nlohmann/json.hpp>

#include "QuickInput.h"
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
    const auto parts = nlohmann::json::parse(id, nullptr, false);
    if (!parts.is_array() || parts.size() != 4 ||
        !std::ranges::all_of(parts, [](const auto& part) { return part.is_string(); }))
        return std::nullopt;
    const auto number = parts[3].get<std::string>();
    const auto shown =
        ShownConversion::build(parts[0].get<std::string>(), parts[1].get<std::string>(), number,
                               parts[2].get<std::string>(), context);
    if (!shown.fromUnit || !shown.targetIndex)
        return std::nullopt;
    return matchOf(shown, shown.row(*shown.targetIndex), number, languages);
}

std::string LauncherMatch::id() const {
    return nlohmann::json::array({categoryId, fromUnitId, toUnitId, number})
        .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace zelvane
