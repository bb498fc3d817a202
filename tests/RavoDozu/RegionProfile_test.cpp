// RegionProfile: case names, the presets file, preset lookup and region detection.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "RavoDozu/RegionProfile.h"
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

TEST(PresetLookup, LastRecordForACaseWinsAndUnknownIdsAreSkipped) {
    json file = {{"universal", json::object()},
                 {"regions",
                  {region("japan", {"JP"}, {"ja"}, {{"length", entry("shaku", {})}}),
                   region("atlantis", {"AT"}, {"at"}),
                   region("japan", {"JP"}, {"ja"}, {{"length", entry("m", {"m"})}}),
                   region("korea", {"KR"}, {"ko"})}},
                 {"unknownKey", true}};
    auto tables = tablesOf(file);
    EXPECT_EQ(tables.preset(RegionProfile::japan, "length"), (Entry{"m", "1", {"m"}}));
    EXPECT_NE(tables.region(RegionProfile::korea), nullptr);
    EXPECT_EQ(tables.detect("AT", Languages{}), RegionProfile::mainlandChina);
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
    struct Case {
        std::optional<std::string> country;
        Languages languages;
        RegionProfile expected;
    };
    const Case cases[] = {
        {"us", {"fr-FR"}, RegionProfile::unitedStates},             // lower case, beats language
        {"CH", {"fr"}, RegionProfile::germany},                     // shared: the earlier case
        {"CA", {"fr-CA"}, RegionProfile::france},                   // unknown country
        {std::nullopt, {"zh-HK", "en"}, RegionProfile::taiwan},     // shared language
        {std::nullopt, {"en-AU"}, RegionProfile::unitedStates},     // regional variant reduced
        {std::nullopt, {"sv", "de"}, RegionProfile::mainlandChina}, // only the first counts
    };
    auto tables = tablesOf(sampleFile);
    for (const auto& c : cases)
        EXPECT_EQ(tables.detect(c.country, c.languages), c.expected)
            << c.country.value_or("-") << " " << c.languages.front();
}

TEST(MatchingRegions, CountriesFirstThenLanguagesWithoutDuplicates) {
    auto tables = tablesOf(sampleFile);
    using Regions = std::vector<RegionProfile>;
    EXPECT_EQ(tables.matchingRegions("ch", Languages{"fr-CH", "de"}),
              (Regions{RegionProfile::germany, RegionProfile::france}));
    EXPECT_EQ(tables.matchingRegions("HK", Languages{"zh-TW"}),
              (Regions{RegionProfile::hongKong, RegionProfile::taiwan}));
}

} // namespace
} // namespace ravodozu
