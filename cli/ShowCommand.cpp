// show: what the panel lists for a category, from its start or from a given unit and value.
#include <iostream>

#include "CategoryNames.h"
#include "Command.h"
#include "DisplayLanguage.h"
#include "ShownRows.h"
#include "StoredState.h"

namespace zelvane::cli {
namespace {

using nlohmann::json;

int show(Arguments& arguments, const Session& session);

const Command showCommand{"show", "CATEGORY [--from UNIT] [--value TEXT] [--all] [--json]",
                          "the rows the panel lists for a category: pinned units, then the others",
                          show};
const bool registered = registerCommand(showCommand);

json rowsJson(const std::vector<ShownConversion::Row>& rows) {
    json list = json::array();
    for (const auto& row : rows)
        list.push_back(rowJson(row));
    return list;
}

int show(Arguments& arguments, const Session& session) {
    auto fromOption = arguments.value("--from");
    auto valueOption = arguments.value("--value");
    bool all = arguments.flag("--all");
    bool asJson = arguments.flag("--json");
    auto words = arguments.finish(1, 1);
    if (!words)
        return usage(showCommand, arguments.problem());
    const auto& categoryId = words->front();

    const auto shared = sessionContext(session);
    const auto& context = *shared;
    auto category = context.category(categoryId);
    if (!category)
        return failWith("unknown category: " + categoryId);
    auto start = userState().categoryStart(categoryId, context);
    auto fromUnitId = fromOption.value_or(start.fromUnitId);
    auto input = valueOption.value_or(start.input);
    if (!category->unit(fromUnitId))
        return failWith("unknown unit: " + fromUnitId + " in " + categoryId);

    auto shown = ShownConversion::build(categoryId, fromUnitId, input, std::nullopt, context);
    const auto& preferences = context.preferences();
    if (!(all || preferences.showsOtherUnits))
        shown.others.clear();

    if (asJson) {
        printJson({{"categoryId", categoryId},
                   {"fromUnitId", fromUnitId},
                   {"input", input},
                   {"pinned", rowsJson(shown.pinned)},
                   {"others", rowsJson(shown.others)}});
        return success;
    }
    const auto languages = languageList(preferences);
    std::cout << categoryDisplayName(categoryId, context, languages) << ": " << input << " "
              << shown.fromUnit->symbol << "\n";
    for (std::size_t index = 0; index < shown.rowCount(); ++index)
        printRow(shown.row(index), false, languages);
    return success;
}

} // namespace
} // namespace zelvane::cli
