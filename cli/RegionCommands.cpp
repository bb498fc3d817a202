// regions, presets: the region profiles and where each category starts in a region.
#include <iomanip>
#include <iostream>

#include "Command.h"
#include "RavoDozu/PlatformLocale.h"
#include "RavoDozu/RegionProfile.h"
#include "RavoDozu/UserPreferences.h"

namespace zelvane::cli {
namespace {

using nlohmann::json;
using ravodozu::RegionProfile;

int listRegions(Arguments& arguments, const Session& session);
int listPresets(Arguments& arguments, const Session& session);

const Command regionsCommand{"regions", "[--json]",
                             "every region with its flag, countries and languages; the one "
                             "detected from the locale is marked",
                             listRegions};
const Command presetsCommand{"presets", "REGION [--json]",
                             "each category's starting unit, input and pinned units in a region",
                             listPresets};
const bool registered = registerCommand(regionsCommand) && registerCommand(presetsCommand);

std::string joined(const std::vector<std::string>& words, const char* separator = ", ") {
    std::string text;
    for (const auto& word : words)
        text += (text.empty() ? "" : separator) + word;
    return text;
}

// Detection reads the locale environment, not --lang: it answers where the user is.
RegionProfile detectedRegion() {
    return RegionProfile::detect(ravodozu::PlatformLocale::regionCode(),
                                 ravodozu::PlatformLocale::preferredLanguages());
}

int listRegions(Arguments& arguments, const Session&) {
    bool asJson = arguments.flag("--json");
    if (!arguments.finish(0, 0))
        return usage(regionsCommand, arguments.problem());
    const auto& tables = RegionProfile::Tables::bundled();
    auto detected = detectedRegion();

    json list = json::array();
    for (auto region : RegionProfile::allCases()) {
        const auto* record = tables.region(region);
        auto countries = record ? record->countries : std::vector<std::string>{};
        auto languages = record ? record->languages : std::vector<std::string>{};
        if (asJson) {
            json entry = {{"id", region.rawValue()},
                          {"countries", countries},
                          {"languages", languages},
                          {"detected", region == detected}};
            if (record)
                entry["flag"] = record->flag;
            list.push_back(std::move(entry));
            continue;
        }
        std::cout << (region == detected ? "* " : "  ") << (record ? record->flag : "  ") << " "
                  << std::left << std::setw(15) << region.rawValue() << std::setw(28)
                  << joined(countries) << " " << joined(languages) << "\n";
    }
    if (asJson)
        printJson(list);
    return success;
}

int listPresets(Arguments& arguments, const Session&) {
    bool asJson = arguments.flag("--json");
    auto words = arguments.finish(1, 1);
    if (!words)
        return usage(presetsCommand, arguments.problem());
    auto region = RegionProfile::named(words->front());
    if (!region)
        return failWith("unknown region: " + words->front());

    json presets = json::array();
    for (const auto& categoryId : ravodozu::allCategoryIds()) {
        const auto& preset = region->preset(categoryId);
        if (asJson) {
            presets.push_back({{"category", categoryId},
                               {"from", preset.from},
                               {"input", preset.input},
                               {"pinned", preset.pinned}});
            continue;
        }
        std::cout << std::left << std::setw(22) << categoryId << " from " << std::setw(10)
                  << (preset.from.empty() ? "-" : preset.from) << " input " << std::setw(6)
                  << preset.input << " pinned " << joined(preset.pinned) << "\n";
    }
    if (asJson) {
        json document = {{"region", region->rawValue()}, {"presets", presets}};
        if (auto flag = region->regionFlag())
            document["flag"] = *flag;
        printJson(document);
    }
    return success;
}

} // namespace
} // namespace zelvane::cli
