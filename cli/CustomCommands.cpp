// custom list: the user's custom conversions and extra units, with how each unit compiled.
#include <iomanip>
#include <iostream>

#include "Command.h"
#include "StoredState.h"

namespace zelvane::cli {
namespace {

using nlohmann::json;
using ravodozu::CustomError;
using ravodozu::ResolvedCustomLibrary;

int runCustom(Arguments& arguments, const Session& session);

const Command customCommand{"custom", "list [--json] | remove ID",
                            "the custom conversions and extra units stored by the user, with "
                            "each unit's inverse status or compile error; remove deletes one",
                            runCustom};
const bool registered = registerCommand(customCommand);

json errorJson(const CustomError& error) {
    json object{{"case", ravodozu::rawValue(error.kind)}, {"text", error.describe()}};
    if (error.expression) {
        object["code"] = ravodozu::rawValue(error.expression->code);
        object["position"] = error.expression->position;
        if (error.expression->detail)
            object["detail"] = *error.expression->detail;
    } else if (error.kind == CustomError::Kind::unknownName) {
        object["name"] = error.name;
    } else if (error.kind == CustomError::Kind::unknownUnit) {
        object["reference"] = error.name;
    }
    return object;
}

/// What a unit's line says after its names: its status, its error, or its role.
std::string stateText(const ResolvedCustomLibrary& resolved, const std::string& key, bool isBase) {
    if (auto error = resolved.errors.find(key); error != resolved.errors.end())
        return "error: " + error->second.describe();
    if (auto status = resolved.statuses.find(key); status != resolved.statuses.end())
        return std::string(ravodozu::rawValue(status->second));
    return isBase ? "base" : "same as base";
}

void addState(json& object, const ResolvedCustomLibrary& resolved, const std::string& key) {
    if (auto error = resolved.errors.find(key); error != resolved.errors.end())
        object["error"] = errorJson(error->second);
    if (auto status = resolved.statuses.find(key); status != resolved.statuses.end())
        object["status"] = ravodozu::rawValue(status->second);
}

json listJson(const StoredState& state) {
    json conversions = json::array();
    for (const auto& conversion : state.library->conversions) {
        json units = json::array();
        for (std::size_t i = 0; i < conversion.units.size(); ++i) {
            const auto& unit = conversion.units[i];
            json object{
                {"id", unit.id}, {"name", unit.name}, {"symbol", unit.symbol}, {"base", i == 0}};
            addState(object, state.context().custom(), unit.id);
            units.push_back(object);
        }
        conversions.push_back({{"id", "custom." + conversion.id},
                               {"name", conversion.name},
                               {"glyph", conversion.glyph},
                               {"units", units}});
    }
    json extras = json::array();
    for (const auto& extra : state.library->extras) {
        auto key = "custom." + extra.id;
        json object{{"id", key},
                    {"category", extra.categoryId},
                    {"reference", extra.referenceUnitId},
                    {"name", extra.unit.name},
                    {"symbol", extra.unit.symbol}};
        addState(object, state.context().custom(), key);
        extras.push_back(object);
    }
    return {{"conversions", conversions}, {"extras", extras}};
}

void listText(const StoredState& state) {
    const auto& resolved = state.context().custom();
    auto unitLine = [&](const std::string& id, const ravodozu::CustomUnit& unit,
                        const std::string& key, bool isBase) {
        std::cout << "  " << std::left << std::setw(18) << id << " " << std::setw(8) << unit.symbol
                  << " " << std::setw(16) << unit.name << " " << stateText(resolved, key, isBase)
                  << "\n";
    };
    for (const auto& conversion : state.library->conversions) {
        std::cout << "custom." << conversion.id << " " << conversion.name << " ("
                  << conversion.units.size() << " units)\n";
        for (std::size_t i = 0; i < conversion.units.size(); ++i) {
            const auto& unit = conversion.units[i];
            unitLine(unit.id, unit, unit.id, i == 0);
        }
    }
    if (state.library->extras.empty())
        return;
    std::cout << "extra units\n";
    for (const auto& extra : state.library->extras) {
        auto key = "custom." + extra.id;
        std::cout << "  " << extra.categoryId << " (against " << extra.referenceUnitId << ")\n";
        unitLine(key, extra.unit, key, false);
    }
}

int removeCustomCommand(const std::string& id) {
    if (auto removed = userState().removeCustomItem(id); !removed)
        return failWith(removed.error());
    std::cout << "Removed custom." << (id.starts_with("custom.") ? id.substr(7) : id) << "\n";
    return success;
}

int runCustom(Arguments& arguments, const Session& session) {
    bool asJson = arguments.flag("--json");
    auto words = arguments.finish(1, 2);
    if (!words)
        return usage(customCommand, arguments.problem());
    if (words->front() == "remove")
        return words->size() == 2 && !asJson ? removeCustomCommand((*words)[1])
                                             : usage(customCommand, "remove takes one ID");
    if (words->front() != "list" || words->size() != 1)
        return usage(customCommand, "unknown subcommand " + words->front());

    const auto& state = StoredState::load(session);
    if (!state.libraryProblem.empty())
        return failWith("the stored custom library cannot be read: " + state.libraryProblem);
    if (asJson)
        printJson(listJson(state));
    else
        listText(state);
    return success;
}

} // namespace
} // namespace zelvane::cli
