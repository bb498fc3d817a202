// RegionProfile: case names, the presets file, preset lookup and region detection.
#include <filesystem>
#include <fstream>
#include <thread>

#include <unistd.h> // getpid

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "RavoDozu/RegionProfile.h"

namespace ravodozu {
namespace {

using nlohmann::json;
using Entry = RegionProfile::Entry;
using Languages = std::vector<std::string>;

json region(const char* id, std::vector<std::string> countries, std::vector<std::string> languages,
            json presets = json::object()) {
    return {{"id", id},
            {"flag", std::string("flag of ") + id},
            {"countries", countries},
            {"languages", languages},
            {"presets", presets}};
}

json entry(const char* from, std::vector<std::string> pinned, const char* input = "1") {
    return {{"from", from}, {"input", input}, {"pinned", pinned}};
}

RegionProfile::Tables tablesOf(const json& file) {
    auto decoded = RegionProfile::File::decode(file);
    EXPECT_TRUE(decoded) << decoded.error().describe();
    return RegionProfile::Tables(decoded.valueOr(RegionProfile::File{}));
}

// A small file in the shape of the bundled one, with the overlaps detection must resolve.
const json sampleFile = {
    {"universal", {{"length", entry("m", {"m", "km"})}, {"mass", entry("kg", {"kg", "g"}, "100")}}},
    {"regions",
     {region("unitedStates", {"US", "PR"}, {"en"}, {{"length", entry("ft", {"in", "ft"})}}),
      region("unitedKingdom", {"GB"}, {"en-GB"}), region("taiwan", {"TW"}, {"zh-Hant"}),
      region("hongKong", {"HK", "MO"}, {"zh-Hant", "yue"}),
      region("mainlandChina", {"CN"}, {"zh-Hans"}), region("germany", {"DE", "AT", "CH"}, {"de"}),
      region("france", {"FR", "CH"}, {"fr"})}}};

TEST(RegionProfileCase, NamesRoundTripInDeclarationOrder) {
    auto cases = RegionProfile::allCases();
    ASSERT_EQ(cases.size(), 16u);
    EXPECT_EQ(cases.front(), RegionProfile::mainlandChina);
    EXPECT_EQ(cases.back(), RegionProfile::indonesia);
    for (auto region : cases)
        EXPECT_EQ(RegionProfile::named(region.rawValue()), region);
    EXPECT_EQ(RegionProfile(RegionProfile::unitedStates).rawValue(), "unitedStates");
    EXPECT_EQ(RegionProfile::named("UnitedStates"), std::nullopt); // names are case-sensitive
}

TEST(RegionProfileCase, DecodingAnUnknownNameGivesMainlandChina) {
    EXPECT_EQ(*RegionProfile::decode(json("korea")), RegionProfile::korea);
    EXPECT_EQ(*RegionProfile::decode(json("atlantis")), RegionProfile::mainlandChina);
    EXPECT_EQ(*RegionProfile::decode(json("")), RegionProfile::mainlandChina);
    EXPECT_FALSE(RegionProfile::decode(json(3)));
    EXPECT_FALSE(RegionProfile::decode(json::array({"korea"})));
}

TEST(PresetLookup, OwnThenUniversalThenFallback) {
    auto tables = tablesOf(sampleFile);
    EXPECT_EQ(tables.preset(RegionProfile::unitedStates, "length"),
              (Entry{"ft", "1", {"in", "ft"}}));
    EXPECT_EQ(tables.preset(RegionProfile::unitedStates, "mass"),
              (Entry{"kg", "100", {"kg", "g"}}));
    EXPECT_EQ(tables.preset(RegionProfile::germany, "length"), (Entry{"m", "1", {"m", "km"}}));
    // A region without a record still gets the universal presets.
    EXPECT_EQ(tables.preset(RegionProfile::brazil, "length"), (Entry{"m", "1", {"m", "km"}}));
    EXPECT_EQ(tables.preset(RegionProfile::unitedStates, "no_such_category"), (Entry{"", "1", {}}));
    EXPECT_EQ(&tables.preset(RegionProfile::japan, "x"), &RegionProfile::fallbackEntry());
}

TEST(PresetLookup, FlagOnlyForRegionsWithARecord) {
    auto tables = tablesOf(sampleFile);
    EXPECT_EQ(tables.regionFlag(RegionProfile::germany), "flag of germany");
    EXPECT_EQ(tables.regionFlag(RegionProfile::japan), std::nullopt);
}

TEST(PresetLookup, LastRecordForACaseWinsAndUnknownIdsAreSkipped) {
    json file = {{"universal", json::object()},
                 {"regions",
                  {region("japan", {"JP"}, {"ja"}, {{"length", entry("shaku", {})}}),
                   region("atlantis", {"AT"}, {"at"}),
                   region("japan", {"JP"}, {"ja"}, {{"length", entry("m", {"m"})}}),
                   region("korea", {"KR"}, {"ko"})}}};
    auto tables = tablesOf(file);
    EXPECT_EQ(tables.preset(RegionProfile::japan, "length"), (Entry{"m", "1", {"m"}}));
    EXPECT_NE(tables.region(RegionProfile::korea), nullptr);
    EXPECT_EQ(tables.detect("AT", Languages{}), RegionProfile::mainlandChina);
}

TEST(PresetsFile, UnknownKeysAreIgnored) {
    json file = sampleFile;
    file["comment"] = "ignored";
    file["regions"][0]["note"] = 1;
    file["universal"]["length"]["extra"] = json::array();
    EXPECT_EQ(tablesOf(file).preset(RegionProfile::germany, "length").from, "m");
}

class UnreadablePresets : public testing::TestWithParam<std::pair<const char*, std::string>> {};

// One bad value anywhere makes the whole file unusable: every lookup falls back.
TEST_P(UnreadablePresets, GiveEmptyTables) {
    auto root = std::filesystem::temp_directory_path() /
                ("zelvane-presets-" + std::to_string(::getpid()) + "-" + GetParam().first);
    std::filesystem::create_directories(root / "units");
    std::ofstream(root / "units" / "presets.json") << GetParam().second;

    auto tables = RegionProfile::Tables::load(ResourceBundle{root});
    EXPECT_TRUE(tables.universal().empty());
    for (auto region : RegionProfile::allCases())
        EXPECT_EQ(tables.region(region), nullptr);
    EXPECT_EQ(tables.preset(RegionProfile::unitedStates, "length"), RegionProfile::fallbackEntry());
    EXPECT_EQ(tables.regionFlag(RegionProfile::unitedStates), std::nullopt);
    EXPECT_EQ(tables.detect("US", Languages{"en"}), RegionProfile::mainlandChina);
    std::filesystem::remove_all(root);
}

std::string withEdit(void (*edit)(json&)) {
    json file = sampleFile;
    edit(file);
    return file.dump();
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadablePresets,
    testing::Values(
        std::pair{"NotJson", std::string("{\"universal\": ")}, std::pair{"Empty", std::string()},
        std::pair{"TopLevelArray", std::string("[]")},
        std::pair{"MissingRegions", withEdit([](json& f) { f.erase("regions"); })},
        std::pair{"MissingPinned",
                  withEdit([](json& f) { f["universal"]["length"].erase("pinned"); })},
        std::pair{"NumberForString", withEdit([](json& f) { f["regions"][1]["flag"] = 7; })},
        std::pair{"NumberInPinned",
                  withEdit([](json& f) { f["universal"]["mass"]["pinned"][1] = 1; })},
        std::pair{"NullInput",
                  withEdit([](json& f) { f["universal"]["mass"]["input"] = nullptr; })},
        std::pair{"RegionsAsObject", withEdit([](json& f) { f["regions"] = json::object(); })}),
    [](const auto& info) { return std::string(info.param.first); });

TEST(PresetsFile, MissingFileGivesEmptyTables) {
    auto tables = RegionProfile::Tables::load(ResourceBundle{"/nonexistent/zelvane"});
    EXPECT_TRUE(tables.universal().empty());
    EXPECT_EQ(tables.preset(RegionProfile::france, "mass"), RegionProfile::fallbackEntry());
}

struct Detection {
    const char* name;
    std::optional<std::string> regionIdentifier;
    Languages languages;
    RegionProfile expected;
};

class Detect : public testing::TestWithParam<Detection> {};

TEST_P(Detect, PicksTheRegion) {
    auto tables = tablesOf(sampleFile);
    EXPECT_EQ(tables.detect(GetParam().regionIdentifier, GetParam().languages),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Detect,
    testing::Values(
        Detection{"LowerCaseCountryBeatsLanguage", "us", {"fr-FR"}, RegionProfile::unitedStates},
        Detection{"SecondCountryOfARecord", "PR", {}, RegionProfile::unitedStates},
        Detection{"SharedCountryGoesToTheEarlierCase", "CH", {"fr"}, RegionProfile::germany},
        Detection{"UnknownCountryFallsBackToLanguage", "CA", {"fr-CA"}, RegionProfile::france},
        Detection{
            "EarlierCaseWinsSharedLanguage", std::nullopt, {"zh-HK", "en"}, RegionProfile::taiwan},
        Detection{"SimplifiedChinese", std::nullopt, {"zh"}, RegionProfile::mainlandChina},
        Detection{"RegionalVariantReducedToLanguage",
                  std::nullopt,
                  {"en-AU"},
                  RegionProfile::unitedStates},
        Detection{
            "OnlyTheFirstLanguageCounts", std::nullopt, {"sv", "de"}, RegionProfile::mainlandChina},
        Detection{"NothingKnown", std::nullopt, {}, RegionProfile::mainlandChina},
        Detection{"EmptyIdentifier", "", {"de-CH"}, RegionProfile::germany}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Detect, EmptyTablesAlwaysGiveMainlandChina) {
    RegionProfile::Tables empty;
    EXPECT_EQ(empty.detect("US", Languages{"en-US"}), RegionProfile::mainlandChina);
}

TEST(MatchingRegions, CountriesFirstThenLanguagesWithoutDuplicates) {
    auto tables = tablesOf(sampleFile);
    using Regions = std::vector<RegionProfile>;
    EXPECT_EQ(tables.matchingRegions("ch", Languages{"fr-CH", "de"}),
              (Regions{RegionProfile::germany, RegionProfile::france}));
    EXPECT_EQ(tables.matchingRegions("HK", Languages{"zh-TW"}),
              (Regions{RegionProfile::hongKong, RegionProfile::taiwan}));
    EXPECT_EQ(tables.matchingRegions(std::nullopt, Languages{"en-GB"}),
              (Regions{RegionProfile::unitedStates, RegionProfile::unitedKingdom}));
    EXPECT_EQ(tables.matchingRegions("ZZ", Languages{}), Regions{});
}

TEST(BundledTables, LoadedOnceForAllThreads) {
    std::vector<const RegionProfile::Tables*> seen(4);
    std::vector<std::thread> threads;
    for (auto& slot : seen)
        threads.emplace_back([&slot] { slot = &RegionProfile::Tables::bundled(); });
    for (auto& thread : threads)
        thread.join();
    for (const auto* tables : seen)
        EXPECT_EQ(tables, seen.front());
}

} // namespace
} // namespace ravodozu
