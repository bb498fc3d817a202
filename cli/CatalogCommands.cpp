// categories, units: what the catalog holds, with the user's custom categories and extra units.
#include <iomanip>
#include <iostream>

#include "Command.h"
#include "StoredState.h"

namespace zelvane::cli {
namespace {

using nlohmann::json;

int listCategories(Arguments& arguments, const Session& session);
int listUnits(Arguments& arguments, const Session& session);

const Command categoriesCommand{"categories", "[--json]",
                                "every category with its name and number of units", listCategories};
const Command unitsCommand{"units", "CATEGORY [--json]",
                           "the units of a category, in order, with their conversions", listUnits};
const bool registered = registerCommand(categoriesCommand) && registerCommand(unitsCommand);

int listCategories(Arguments& arguments, const Session& session) {
    bool asJson = arguments.flag("--json");
    if (!arguments.finish(0, 0))
        return usage(categoriesCommand, arguments.problem());
    const auto& state = StoredState::load(session);
    std::vector<ravodozu::CategoryRef> categories;
    for (const auto& id : state.categoryIds())
        if (auto category = state.context().category(id))
            categories.push_back(std::move(category));
    if (asJson) {
        json list = json::array();
        for (const auto& category : categories)
            list.push_back({{"id", category->id},
                            {"name", category->name.resolve(session.languages)},
                            {"unitCount", category->units.size()}});
        printJson(list);
        return success;
    }
    for (const auto& category : categories)
        std::cout << std::left << std::setw(20) << category->id << " "
                  << category->name.resolve(session.languages) << " (" << category->units.size()
                  << " units)\n";
    return success;
}

int listUnits(Arguments& arguments, const Session& session) {
    bool asJson = arguments.flag("--json");
    auto words = arguments.finish(1, 1);
    if (!words)
        return usage(unitsCommand, arguments.problem());
    auto category = StoredState::load(session).context().category(words->front());
    if (!category)
        return failWith("unknown category: " + words->front());

    if (asJson) {
        json units = json::array();
        for (const auto& unit : category->units)
            units.push_back({{"id", unit.id},
                             {"symbol", unit.symbol},
                             {"name", unit.name.resolve(session.languages)},
                             {"names", unit.name.values},
                             {"conversion", ravodozu::encodeConversion(unit.conversion)}});
        printJson({{"id", category->id},
                   {"name", category->name.resolve(session.languages)},
                   {"base", category->base},
                   {"units", units}});
        return success;
    }
    std::cout << category->name.resolve(session.languages) << " (base " << category->base << ")\n";
    for (const auto& unit : category->units)
        std::cout << "  " << std::left << std::setw(14) << unit.id << " " << std::setw(10)
                  << unit.symbol << " " << unit.name.resolve(session.languages) << "  "
                  << ravodozu::encodeConversion(unit.conversion).dump() << "\n";
    return success;
}

} // namespace
} // namespace zelvane::cli
