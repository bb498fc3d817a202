// templates, adopt, packs, pack: the ready-made conversions and unit systems in the bundle.
#include <iomanip>
#include <iostream>

#include "Command.h"
#include "RavoDozu/CustomTemplateLibrary.h"
#include "RavoDozu/ExtensionPack.h"
#include "StoredState.h"

namespace zelvane::cli {
namespace {

using namespace ravodozu;
using nlohmann::json;

int listTemplates(Arguments& arguments, const Session& session);
int adoptTemplate(Arguments& arguments, const Session& session);
int listPacks(Arguments& arguments, const Session& session);
int showPackCategory(Arguments& arguments, const Session& session);

const Command templatesCommand{"templates", "[--json]", "the ready-made conversions, by tag",
                               listTemplates};
const Command adoptCommand{"adopt", "TEMPLATE_ID",
                           "adds a template to the custom library, in your language",
                           adoptTemplate};
const Command packsCommand{"packs", "[--json]",
                           "the extension packs with their categories and variants", listPacks};
const Command packCommand{"pack", "PACK CATEGORY [VARIANT] [--json]",
                          "the category a pack makes with one variant (default: the first)",
                          showPackCategory};
const bool registered = registerCommand(templatesCommand) && registerCommand(adoptCommand) &&
                        registerCommand(packsCommand) && registerCommand(packCommand);

template <class T> std::optional<T> loaded(Result<T, CatalogError> result) {
    if (result)
        return std::move(result).value();
    std::cerr << "The bundled data is missing or damaged (" << result.error().describe() << ")\n";
    return std::nullopt;
}

int listTemplates(Arguments& arguments, const Session& session) {
    bool asJson = arguments.flag("--json");
    if (!arguments.finish(0, 0))
        return usage(templatesCommand, arguments.problem());
    auto library = loaded(loadTemplates());
    if (!library)
        return failure;
    const auto& languages = session.languages;
    if (asJson) {
        json list = json::array();
        for (const auto& item : library->templates)
            list.push_back({{"id", item.id},
                            {"glyph", item.glyph},
                            {"tag", item.tag},
                            {"title", item.title.resolve(languages)},
                            {"summary", item.summary.resolve(languages)},
                            {"unitCount", previewUnitCount(item)}});
        printJson(list);
        return success;
    }
    for (const auto& [tag, name] : library->tags) {
        std::cout << name.resolve(languages) << "\n";
        for (const auto& item : templatesWithTag(*library, tag))
            std::cout << "  " << std::left << std::setw(14) << item.id << " " << item.glyph << " "
                      << item.title.resolve(languages) << " (" << previewUnitCount(item)
                      << " units): " << item.summary.resolve(languages) << "\n";
    }
    return success;
}

int adoptTemplate(Arguments& arguments, const Session& session) {
    auto words = arguments.finish(1, 1);
    if (!words)
        return usage(adoptCommand, arguments.problem());
    auto library = loaded(loadTemplates());
    if (!library)
        return failure;
    const auto* item = templateWithId(*library, words->front());
    if (!item)
        return failWith("There is no template with the id " + words->front() + ".");
    auto conversion = instantiate(*item, session.languages);
    if (auto added = userState().addCustomItem(CustomShare::Payload{conversion}); !added)
        return failWith(added.error());
    std::cout << "Adopted " << conversion.name << " as custom." << conversion.id << "\n";
    return success;
}

int listPacks(Arguments& arguments, const Session& session) {
    bool asJson = arguments.flag("--json");
    if (!arguments.finish(0, 0))
        return usage(packsCommand, arguments.problem());
    auto packs = loaded(loadPacks());
    if (!packs)
        return failure;
    const auto& languages = session.languages;
    if (asJson) {
        json list = json::array();
        for (const auto& pack : *packs) {
            json categories = json::array();
            for (const auto& category : pack.categories) {
                json variants = json::array();
                for (const auto& variant : category.variants)
                    variants.push_back({{"id", variant.id},
                                        {"name", variant.name.resolve(languages)},
                                        {"period", variant.period.resolve(languages)}});
                categories.push_back({{"id", category.id},
                                      {"name", category.name.resolve(languages)},
                                      {"dimension", category.dimension},
                                      {"variants", variants}});
            }
            list.push_back({{"id", pack.id},
                            {"glyph", pack.glyph},
                            {"name", pack.name.resolve(languages)},
                            {"summary", pack.summary.resolve(languages)},
                            {"categories", categories}});
        }
        printJson(list);
        return success;
    }
    for (const auto& pack : *packs) {
        std::cout << pack.id << " " << pack.glyph << " " << pack.name.resolve(languages) << ": "
                  << pack.summary.resolve(languages) << "\n";
        for (const auto& category : pack.categories) {
            std::cout << "  " << std::left << std::setw(8) << category.id << " "
                      << category.name.resolve(languages) << "; variants:";
            for (const auto& variant : category.variants)
                std::cout << " " << variant.id;
            std::cout << "\n";
        }
    }
    return success;
}

int showPackCategory(Arguments& arguments, const Session& session) {
    bool asJson = arguments.flag("--json");
    auto words = arguments.finish(2, 3);
    if (!words)
        return usage(packCommand, arguments.problem());
    auto packs = loaded(loadPacks());
    if (!packs)
        return failure;
    auto pack = std::ranges::find((*packs), (*words)[0], &ExtensionPack::id);
    if (pack == packs->end())
        return failWith("There is no pack with the id " + (*words)[0] + ".");
    const auto* category = packCategory(*pack, (*words)[1]);
    if (!category)
        return failWith("The pack " + pack->id + " has no category " + (*words)[1] + ".");
    if (category->variants.empty())
        return failWith("The category " + category->id + " has no variants.");
    const auto* variant =
        words->size() == 3 ? packVariant(*category, (*words)[2]) : &category->variants.front();
    if (!variant)
        return failWith("The category " + category->id + " has no variant " + (*words)[2] + ".");

    auto built = unitCategory(*category, *variant, session.catalog());
    const auto& languages = session.languages;
    if (asJson) {
        json units = json::array();
        for (const auto& unit : built.units)
            units.push_back({{"id", unit.id},
                             {"symbol", unit.symbol},
                             {"name", unit.name.resolve(languages)},
                             {"conversion", encodeConversion(unit.conversion)}});
        printJson({{"id", built.id},
                   {"name", built.name.resolve(languages)},
                   {"base", built.base},
                   {"variant",
                    {{"id", variant->id},
                     {"name", variant->name.resolve(languages)},
                     {"period", variant->period.resolve(languages)},
                     {"basis", variant->basis.resolve(languages)}}},
                   {"units", units}});
        return success;
    }
    std::cout << built.name.resolve(languages) << " (" << built.id << ", base " << built.base
              << ")\n"
              << variant->name.resolve(languages) << ", " << variant->period.resolve(languages)
              << ": " << variant->basis.resolve(languages) << "\n";
    for (const auto& unit : built.units)
        std::cout << "  " << std::left << std::setw(16) << unit.id << " " << std::setw(8)
                  << unit.symbol << " " << unit.name.resolve(languages) << "  "
                  << encodeConversion(unit.conversion).dump() << "\n";
    return success;
}

} // namespace
} // namespace zelvane::cli
