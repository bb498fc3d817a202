// regions and presets as a user runs them.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRun.h"

using nlohmann::json;
using zelvane::testing::runCli;

namespace {

std::string locale(const std::string& lang) {
    return "LANGUAGE= LC_ALL= LC_MESSAGES= LC_MEASUREMENT= LANG=" + lang;
}

TEST(RegionsCommand, ListsEveryRegionInOrderWithTheDetectedOneMarked) {
    auto result = runCli({"regions", "--json"}, locale("de_AT.UTF-8"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    auto regions = json::parse(result.out);
    ASSERT_EQ(regions.size(), 16u);
    EXPECT_EQ(regions.front()["id"], "mainlandChina");
    EXPECT_EQ(regions.back()["id"], "indonesia");
    int detected = 0;
    for (const auto& region : regions) {
        EXPECT_TRUE(region["flag"].is_string()) << region["id"];
        EXPECT_FALSE(region["countries"].empty()) << region["id"];
        EXPECT_FALSE(region["languages"].empty()) << region["id"];
        if (region["detected"] == true) {
            ++detected;
            EXPECT_EQ(region["id"], "germany");
        }
    }
    EXPECT_EQ(detected, 1);
}

TEST(RegionsCommand, DetectionFollowsTheLocale) {
    const std::pair<const char*, const char*> cases[] = {
        {"zh_HK.UTF-8", "hongKong"}, {"ja_JP.UTF-8", "japan"}, {"C.UTF-8", "mainlandChina"}};
    for (const auto& [lang, expected] : cases) {
        auto result = runCli({"regions"}, locale(lang));
        ASSERT_EQ(result.exitCode, 0) << result.err;
        auto marked = result.out.substr(result.out.find("* "));
        EXPECT_NE(marked.substr(0, marked.find('\n')).find(expected), std::string::npos)
            << lang << "\n"
            << result.out;
    }
}

TEST(PresetsCommand, GivesEveryBuiltInCategory) {
    auto result = runCli({"presets", "unitedStates", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    auto document = json::parse(result.out);
    EXPECT_EQ(document["region"], "unitedStates");
    EXPECT_TRUE(document["flag"].is_string());
    ASSERT_EQ(document["presets"].size(), 35u);
    for (const auto& preset : document["presets"]) {
        EXPECT_FALSE(preset["from"].get<std::string>().empty()) << preset["category"];
        EXPECT_FALSE(preset["input"].get<std::string>().empty()) << preset["category"];
        EXPECT_TRUE(preset["pinned"].is_array());
    }
    EXPECT_EQ(document["presets"][1]["category"], "length");
    EXPECT_EQ(document["presets"][1]["from"], "ft");
}

TEST(PresetsCommand, TextListsOneCategoryPerLine) {
    auto result = runCli({"presets", "mainlandChina"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(std::ranges::count(result.out, '\n'), 35);
    EXPECT_NE(result.out.find("jin"), std::string::npos);
}

TEST(PresetsCommand, UnknownRegionFails) {
    auto result = runCli({"presets", "atlantis"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "unknown region: atlantis\n");
    EXPECT_TRUE(result.out.empty());
}

TEST(PresetsCommand, RegionIsRequired) {
    auto result = runCli({"presets"});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find("usage: zelvane-cli presets REGION [--json]"), std::string::npos);
}

} // namespace
