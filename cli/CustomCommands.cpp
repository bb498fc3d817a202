// custom list, add, remove: the user's custom conversions and extra units, with how each unit
// compiled.
#include <fstream>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <sstream>

#include "Command.h"
#include "CustomItemFlags.h"
#include "RavoDozu/CustomResolver.h"
#include "StoredState.h"

namespace zelvane::cli {
namespace {

using nlohmann::json;
using ravodozu::CustomError;
using ravodozu::ResolvedCustomLibrary;
namespace share = ravodozu::CustomShare;

int runCustom(Arguments& arguments, const Session& session);

const Command customCommand{
    "custom",
    "list [--json] | remove ID | add (--name NAME [--glyph G] --unit NAME[:SYMBOL] "
    "--unit NAME[:SYMBOL]=RATIO... | --extra CATEGORY.UNIT --unit NAME[:SYMBOL]=RATIO | FILE | -)",
    "the custom conversions and extra units stored by the user, with each unit's inverse status "
    "or compile error; remove deletes one; add creates one from flags (RATIO: how many "
    "reference units one unit is) or from share JSON in a file or standard input",
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

void unitLine(const ResolvedCustomLibrary& resolved, const std::string& id,
              const ravodozu::CustomUnit& unit, const std::string& key, bool isBase) {
    std::cout << "  " << std::left << std::setw(18) << id << " " << std::setw(8) << unit.symbol
              << " " << std::setw(16) << unit.name << " " << stateText(resolved, key, isBase)
              << "\n";
}

void conversionText(const ResolvedCustomLibrary& resolved,
                    const ravodozu::CustomConversion& conversion) {
    std::cout << "custom." << conversion.id << " " << conversion.name << " ("
              << conversion.units.size() << " units)\n";
    for (std::size_t i = 0; i < conversion.units.size(); ++i)
        unitLine(resolved, conversion.units[i].id, conversion.units[i], conversion.units[i].id,
                 i == 0);
}

void extraText(const ResolvedCustomLibrary& resolved, const ravodozu::CustomExtraUnit& extra) {
    auto key = "custom." + extra.id;
    std::cout << "  " << extra.categoryId << " (against " << extra.referenceUnitId << ")\n";
    unitLine(resolved, key, extra.unit, key, false);
}

void listText(const StoredState& state) {
    const auto& resolved = state.context().custom();
    for (const auto& conversion : state.library->conversions)
        conversionText(resolved, conversion);
    if (state.library->extras.empty())
        return;
    std::cout << "extra units\n";
    for (const auto& extra : state.library->extras)
        extraText(resolved, extra);
}

/// The item in a share-format document (JSON or a link) read from a file or standard input.
ravodozu::Result<share::Payload, std::string> documentItem(const std::string& path) {
    std::ostringstream text;
    if (path == "-") {
        text << std::cin.rdbuf();
    } else {
        std::ifstream file(path, std::ios::binary);
        if (!file)
            return ravodozu::fail("cannot read " + path);
        text << file.rdbuf();
    }
    auto item = share::decodeShareText(text.str());
    if (!item)
        return ravodozu::fail(item.error().describe());
    return std::move(item).value();
}

/// The first unit of `item` that does not compile, with why, as the error.
ravodozu::Result<ResolvedCustomLibrary, std::string>
compiled(const share::Payload& item, const Session& session, const StoredState& state) {
    ravodozu::CustomLibrary library;
    if (const auto* conversion = item.conversion())
        library.conversions.push_back(*conversion);
    else
        library.extras.push_back(*item.extra());
    ravodozu::CustomResolver resolver(session.catalog(),
                                      state.rates ? std::optional(*state.rates) : std::nullopt);
    auto resolved = resolver.resolve(library);
    if (resolved.errors.empty())
        return resolved;
    std::string unit = item.extra() ? item.extra()->unit.name : "";
    if (const auto* conversion = item.conversion())
        for (const auto& candidate : conversion->units)
            if (unit.empty() && resolved.errors.contains(candidate.id))
                unit = candidate.name;
    return ravodozu::fail(unit + ": " + resolved.errors.begin()->second.describe());
}

int addCustomCommand(const CustomItemFlags& flags, const std::vector<std::string>& words,
                     const Session& session) {
    if (words.size() == 2 && !flags.empty())
        return usage(customCommand, "add takes flags or a FILE, not both");
    auto item = words.size() == 2 ? documentItem(words[1]) : flags.payload();
    if (!item)
        return failWith("Not added: " + item.error());
    const auto& state = StoredState::load(session);
    auto resolved = compiled(*item, session, state);
    if (!resolved)
        return failWith("Not added, a unit does not compile: " + resolved.error());
    if (auto added = userState().addCustomItem(*item); !added)
        return failWith(added.error());
    std::cout << "Added:\n";
    if (const auto* conversion = item->conversion())
        conversionText(*resolved, *conversion);
    else
        extraText(*resolved, *item->extra());
    return success;
}

int removeCustomCommand(const std::string& id) {
    if (auto removed = userState().removeCustomItem(id); !removed)
        return failWith(removed.error());
    std::cout << "Removed custom." << (id.starts_with("custom.") ? id.substr(7) : id) << "\n";
    return success;
}

int runCustom(Arguments& arguments, const Session& session) {
    bool asJson = arguments.flag("--json");
    auto flags = CustomItemFlags::take(arguments);
    auto words = arguments.finish(1, 2);
    if (!words)
        return usage(customCommand, arguments.problem());
    if (words->front() == "add")
        return asJson ? usage(customCommand, "add takes no --json")
                      : addCustomCommand(flags, *words, session);
    if (!flags.empty())
        return usage(customCommand, "--name, --glyph, --unit and --extra are for add");
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
