// regions and presets as a user runs them.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRun.h"

using nlohmann::json;
using zelvane::testing::runCli;

namespace {

TEST(RegionsCommand, ListsEveryRegionInOrderWithTheDetectedOneMarked) {
    auto result = runCli({"regions", "--json"},
                         "LANGUAGE= LC_ALL= LC_MESSAGES= LC_MEASUREMENT= LANG=de_AT.UTF-8");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    auto regions = json::parse(result.out);
    ASSERT_EQ(regions.size(), 16u);
    EXPECT_EQ(regions.front()["id"], "mainlandChina");
    EXPECT_EQ(regions.back()["id"], "indonesia");
    int detected = 0;
    for (const auto& region : regions) {
        EXPECT_FALSE(region["countries"].empty()) << region["id"];
        if (region["detected"] == true) {
            ++detected;
            EXPECT_EQ(region["id"], "germany");
        }
    }
    EXPECT_EQ(detected, 1);
}

TEST(PresetsCommand, GivesEveryBuiltInCategory) {
    auto result = runCli({"presets", "unitedStates", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    auto document = json::parse(result.out);
    ASSERT_EQ(document["presets"].size(), 35u);
    for (const auto& preset : document["presets"]) {
        EXPECT_FALSE(preset["from"].get<std::string>().empty()) << preset["category"];
    }
    EXPECT_EQ(document["presets"][1]["category"], "length");
    EXPECT_EQ(document["presets"][1]["from"], "ft");
}

TEST(PresetsCommand, UnknownOrMissingRegion) {
    auto unknown = runCli({"presets", "atlantis"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "unknown region: atlantis\n");
    auto missing = runCli({"presets"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("usage: zelvane-cli presets REGION [--json]"), std::string::npos);
}

} // namespace
