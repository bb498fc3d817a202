// RegionProfile: case names, the presets file, preset lookup and region detection; the bundled
// presets file complete and consistent with the bundled catalog.
#include <fstream>
#include <set>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "RavoDozu/RegionProfile.h"
#include "RavoDozu/UnitCatalog.h"
#include "RavoDozu/UserPreferences.h"
#include "TempDirectory.h"

namespace ravodozu {
namespace {

using nlohmann::json;
using Entry = RegionProfile::Entry;
using Languages = std::vector<std::string>;

json region(const char* id, Languages countries, Languages languages,
            json presets = json::object()) {
    return {{"id", id},
            {"flag", std::string("flag of ") + id},
            {"countries", countries},
            {"languages", languages},
            {"presets", presets}};
}

json entry(const char* from, Languages pinned, const char* input = "1") {
    return {{"from", from}, {"input", input}, {"pinned", pinned}};
}

// A small file in the shape of the bundled one, with the overlaps detection must resolve.
const json sampleFile = {
    {"universal", {{"length", entry("m", {"m", "km"})}, {"mass", entry("kg", {"kg"}, "100")}}},
    {"regions",
     {region("unitedStates", {"US", "PR"}, {"en"}, {{"length", entry("ft", {"in", "ft"})}}),
      region("unitedKingdom", {"GB"}, {"en-GB"}), region("taiwan", {"TW"}, {"zh-Hant"}),
      region("hongKong", {"HK"}, {"zh-Hant", "yue"}), region("mainlandChina", {"CN"}, {"zh-Hans"}),
      region("germany", {"DE", "CH"}, {"de"}), region("france", {"FR", "CH"}, {"fr"})}}};

RegionProfile::Tables tablesOf(const json& file) {
    auto decoded = RegionProfile::File::decode(file);
    EXPECT_TRUE(decoded) << decoded.error().describe();
    return RegionProfile::Tables(decoded.valueOr(RegionProfile::File{}));
}

TEST(RegionProfileCase, NamesAndTolerantDecoding) {
    EXPECT_EQ(RegionProfile::named("UnitedStates"), std::nullopt);
    EXPECT_EQ(*RegionProfile::decode(json("atlantis")), RegionProfile::mainlandChina);
    EXPECT_FALSE(RegionProfile::decode(json(3)));
}

TEST(PresetLookup, OwnThenUniversalThenFallback) {
    auto tables = tablesOf(sampleFile);
    EXPECT_EQ(tables.preset(RegionProfile::unitedStates, "length"),
              (Entry{"ft", "1", {"in", "ft"}}));
    EXPECT_EQ(tables.preset(RegionProfile::unitedStates, "mass"), (Entry{"kg", "100", {"kg"}}));
    EXPECT_EQ(tables.preset(RegionProfile::brazil, "length"), (Entry{"m", "1", {"m", "km"}}));
    EXPECT_EQ(tables.preset(RegionProfile::germany, "nothing"), (Entry{"", "1", {}}));
}

// One bad value anywhere makes the whole file unusable: every lookup falls back.
TEST(PresetsFile, MissingOrUnreadableGivesEmptyTables) {
    json withoutPinned = sampleFile;
    withoutPinned["universal"]["mass"].erase("pinned");
    for (std::string bytes : {std::string(), withoutPinned.dump()}) {
        zelvane::testing::TempDirectory root;
        root.write("units/core.json", "{}");
        if (!bytes.empty())
            root.write("units/presets.json", bytes);
        auto tables = RegionProfile::Tables::load(ResourceBundle{root.path()});
        EXPECT_EQ(tables.preset(RegionProfile::unitedStates, "length"),
                  RegionProfile::fallbackEntry());
        EXPECT_EQ(tables.detect("US", Languages{"en"}), RegionProfile::mainlandChina);
    }
}

TEST(Detect, CountryThenFirstLanguage) {
    const std::tuple<std::optional<std::string>, Languages, RegionProfile> cases[] = {
        {"us", {"fr-FR"}, RegionProfile::unitedStates},             // lower case, beats language
        {"CH", {"fr"}, RegionProfile::germany},                     // shared: the earlier case
        {"CA", {"fr-CA"}, RegionProfile::france},                   // unknown country
        {std::nullopt, {"zh-HK", "en"}, RegionProfile::taiwan},     // shared language
        {std::nullopt, {"en-AU"}, RegionProfile::unitedStates},     // regional variant reduced
        {std::nullopt, {"sv", "de"}, RegionProfile::mainlandChina}, // only the first counts
    };
    auto tables = tablesOf(sampleFile);
    for (const auto& [country, languages, expected] : cases)
        EXPECT_EQ(tables.detect(country, languages), expected)
            << country.value_or("-") << " " << languages.front();
}

TEST(MatchingRegions, CountriesFirstThenLanguagesWithoutDuplicates) {
    auto tables = tablesOf(sampleFile);
    using Regions = std::vector<RegionProfile>;
    EXPECT_EQ(tables.matchingRegions("ch", Languages{"fr-CH", "de"}),
              (Regions{RegionProfile::germany, RegionProfile::france}));
    EXPECT_EQ(tables.matchingRegions("HK", Languages{"zh-TW"}),
              (Regions{RegionProfile::hongKong, RegionProfile::taiwan}));
}

const RegionProfile::File& presetsFile() {
    static const RegionProfile::File file = [] {
        auto path = ResourceBundle::core().resource("presets", "json", "units");
        std::ifstream stream(path.value());
        return RegionProfile::File::decode(nlohmann::json::parse(stream)).value();
    }();
    return file;
}

// Every id an entry names must be a unit of its category. Currencies are left out: that category
// is built from whatever the exchange rates list.
void expectValid(const std::string& where, const std::string& categoryId,
                 const RegionProfile::Entry& entry) {
    if (categoryId == "currency")
        return;
    SCOPED_TRACE(where + " " + categoryId);
    static const UnitCatalog catalog = UnitCatalog::loadBundled().value();
    const auto* category = catalog.category(categoryId);
    ASSERT_NE(category, nullptr) << "not a built-in category";
    std::vector<std::string> ids{entry.from};
    ids.insert(ids.end(), entry.pinned.begin(), entry.pinned.end());
    for (const auto& id : ids)
        EXPECT_NE(category->unit(id), nullptr) << id << " is not a unit of " << categoryId;
}

TEST(PresetsData, UniversalCoversEveryBuiltInCategoryAndEveryIdNamesAUnitOfItsCategory) {
    for (const auto& categoryId : allCategoryIds())
        EXPECT_TRUE(presetsFile().universal.contains(categoryId)) << categoryId;
    EXPECT_EQ(presetsFile().universal.size(), allCategoryIds().size());
    for (const auto& [categoryId, entry] : presetsFile().universal)
        expectValid("universal", categoryId, entry);
    for (const auto& region : presetsFile().regions)
        for (const auto& [categoryId, entry] : region.presets)
            expectValid(region.id, categoryId, entry);
}

// One record for each region, and no country claimed twice: a second region listing a country
// could never be detected by it.
TEST(PresetsData, OneRecordPerRegionAndCountriesUnique) {
    EXPECT_EQ(presetsFile().regions.size(), RegionProfile::caseCount);
    std::set<std::string> idsSeen, countriesSeen;
    for (const auto& region : presetsFile().regions) {
        SCOPED_TRACE(region.id);
        EXPECT_TRUE(RegionProfile::named(region.id) && idsSeen.insert(region.id).second);
        ASSERT_FALSE(region.countries.empty());
        for (const auto& country : region.countries)
            EXPECT_TRUE(countriesSeen.insert(country).second) << country << " listed twice";
    }
}

} // namespace
} // namespace ravodozu
