// convert, explain: the panel's main job without the panel — reading a phrase and listing the
// converted rows, and the formula between two units.
#include <iomanip>
#include <iostream>

#include "CategoryNames.h"
#include "Command.h"
#include "DisplayLanguage.h"
#include "FormulaText.h"
#include "PhrasePatterns.h"
#include "QuickInput.h"
#include "RavoDozu/ConversionContext.h"
#include "RavoDozu/NumberText.h"
#include "ShownConversion.h"
#include "ShownRows.h"
#include "StoredState.h"

namespace zelvane::cli {
namespace {

using nlohmann::json;
using ravodozu::ConversionContext;
using ravodozu::UnitDefinition;

int convert(Arguments& arguments, const Session& session);
int explain(Arguments& arguments, const Session& session);

const Command convertCommand{
    "convert", "PHRASE [--category ID] [--all] [--explain] [--json]",
    "reads «5 km to mi», «5 ft 3 in in cm», «160 cm to ft in» or a plain number in the display "
    "locale and lists the converted values",
    convert};
const Command explainCommand{"explain", "CATEGORY FROM TO [--value V]",
                             "the formula from one unit to another, with a worked example",
                             explain};
const bool registered = registerCommand(convertCommand) && registerCommand(explainCommand);

// A phrase as the panel reads it; a plain number goes into the current category.
std::optional<QuickInput> readPhrase(const std::string& phrase,
                                     const std::string& currentCategoryId,
                                     const ConversionContext& context) {
    if (auto quick = QuickInput::parse(phrase, currentCategoryId, context))
        return quick;
    bool blank = phrase.find_first_not_of(" \t\n") == std::string::npos;
    if (!blank && isPlainNumber(phrase) && context.category(currentCategoryId))
        return QuickInput{phrase,
                          currentCategoryId,
                          userState().categoryStart(currentCategoryId, context).fromUnitId,
                          std::nullopt,
                          {}};
    return std::nullopt;
}

json mixedJson(const MixedAmount& mixed) {
    json parts = json::array();
    for (const auto& part : mixed.parts)
        parts.push_back({{"unitId", part.unitId},
                         {"symbol", part.symbol},
                         {"value", part.value},
                         {"text", part.text}});
    return {{"text", mixed.text}, {"parts", std::move(parts)}};
}

// The rows to list, in the order shown: target, pinned, then the others when wanted.
std::vector<std::size_t> listedRows(const ShownConversion& shown, bool withOthers) {
    std::vector<std::size_t> rows;
    if (shown.targetIndex)
        rows.push_back(*shown.targetIndex);
    for (std::size_t index = 0; index < shown.rowCount(); ++index) {
        if (index == shown.targetIndex)
            continue;
        if (index >= shown.pinned.size() && !withOthers)
            break;
        rows.push_back(index);
    }
    return rows;
}

int convert(Arguments& arguments, const Session& session) {
    auto categoryOption = arguments.value("--category");
    bool all = arguments.flag("--all");
    bool withExplanation = arguments.flag("--explain");
    bool asJson = arguments.flag("--json");
    auto words = arguments.finish(1, 1);
    if (!words)
        return usage(convertCommand, arguments.problem());
    const auto& phrase = words->front();

    const auto shared = sessionContext(session);
    const auto& context = *shared;
    const auto& preferences = context.preferences();
    if (categoryOption && !context.category(*categoryOption))
        return failWith("unknown category: " + *categoryOption);
    auto current = categoryOption ? *categoryOption : userState().currentCategory(context);

    auto reading = readPhrase(phrase, current, context);
    if (!reading)
        return failWith("could not read " + phrase + " as a conversion");
    auto shown = ShownConversion::build(reading->categoryId, reading->fromUnitId, reading->number,
                                        reading->targetUnitIds(), context);
    if (!shown.fromUnit)
        return failWith("could not read " + phrase + " as a conversion");

    const bool withOthers = all || preferences.showsOtherUnits;
    const auto rows = listedRows(shown, withOthers);
    const auto languages = languageList(preferences);
    const auto locale = displayLocale(preferences);

    // The formula explains the target, else the first row listed.
    std::optional<std::string> formula;
    std::optional<std::string> example;
    if (withExplanation && !rows.empty()) {
        const auto& unit = *shown.row(rows.front()).unit;
        formula = formulaLine(*shown.fromUnit, unit, precisePage, locale);
        example = exampleLine(*shown.fromUnit, unit, shown.value, locale);
    }

    if (asJson) {
        json result{{"number", reading->number},
                    {"categoryId", shown.categoryId},
                    {"fromUnitId", shown.fromUnit->id}};
        if (reading->toUnitId)
            result["toUnitId"] = *reading->toUnitId;
        result["value"] = shown.value;
        // Rows in list order (pinned, then others), so that targetIndex points into them.
        json list = json::array();
        std::optional<std::size_t> targetIndex;
        for (std::size_t index = 0; index < shown.rowCount(); ++index) {
            if (std::ranges::find(rows, index) == rows.end())
                continue;
            if (index == shown.targetIndex)
                targetIndex = list.size();
            list.push_back(rowJson(shown.row(index)));
        }
        if (targetIndex)
            result["targetIndex"] = *targetIndex;
        result["rows"] = std::move(list);
        if (shown.mixed)
            result["mixed"] = mixedJson(*shown.mixed);
        if (formula)
            result["formula"] = *formula;
        if (example)
            result["example"] = *example;
        printJson(result);
        return success;
    }

    std::cout << categoryDisplayName(shown.categoryId, context, languages) << ": "
              << reading->number << " " << shown.fromUnit->symbol;
    if (shown.mixed)
        for (const auto& part : shown.mixed->parts)
            std::cout << (&part == &shown.mixed->parts.front() ? " → " : " ") << part.symbol;
    else if (shown.targetIndex)
        std::cout << " → " << shown.row(*shown.targetIndex).unit->symbol;
    std::cout << "\n";
    for (auto index : rows) {
        if (index == shown.targetIndex && shown.mixed)
            std::cout << "→ " << shown.mixed->text << "\n";
        else
            printRow(shown.row(index), index == shown.targetIndex, languages);
    }
    if (formula)
        std::cout << "formula: " << *formula << "\n";
    if (example)
        std::cout << "example: " << *example << "\n";
    return success;
}

int explain(Arguments& arguments, const Session& session) {
    auto valueText = arguments.value("--value");
    auto words = arguments.finish(3, 3);
    if (!words)
        return usage(explainCommand, arguments.problem());
    auto value = valueText ? ravodozu::readNumber(*valueText) : 1.0;
    if (!value)
        return usage(explainCommand, "not a number: " + *valueText);
    const auto& categoryId = (*words)[0];

    const auto shared = sessionContext(session);
    const auto& context = *shared;
    auto category = context.category(categoryId);
    if (!category)
        return failWith("unknown category: " + categoryId);
    const UnitDefinition* from = category->unit((*words)[1]);
    const UnitDefinition* to = category->unit((*words)[2]);
    if (!from)
        return failWith("unknown unit in " + categoryId + ": " + (*words)[1]);
    if (!to)
        return failWith("unknown unit in " + categoryId + ": " + (*words)[2]);

    const auto locale = displayLocale(context.preferences());
    auto formula = formulaLine(*from, *to, precisePage, locale);
    auto example = exampleLine(*from, *to, *value, locale);
    if (!formula || !example)
        return failWith("no formula from " + from->id + " to " + to->id + " in " + categoryId);
    std::cout << *formula << "\n" << *example << "\n";
    return success;
}

} // namespace
} // namespace zelvane::cli
