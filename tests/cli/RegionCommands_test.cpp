// regions and presets as a user runs them.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRun.h"

using nlohmann::json;
using zelvane::testing::runCli;

namespace {

TEST(RegionsCommand, ListsEveryRegionWithTheDetectedOneMarked) {
    auto result = runCli({"regions", "--json"},
                         "LANGUAGE= LC_ALL= LC_MESSAGES= LC_MEASUREMENT= LANG=de_AT.UTF-8");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    auto regions = json::parse(result.out);
    ASSERT_EQ(regions.size(), 16u);
    std::vector<std::string> detected;
    for (const auto& region : regions)
        if (region["detected"] == true)
            detected.push_back(region["id"]);
    EXPECT_EQ(detected, std::vector<std::string>{"germany"});
}

TEST(PresetsCommand, GivesEveryBuiltInCategoryAndRefusesUnknownOrMissingRegion) {
    auto document = json::parse(runCli({"presets", "unitedStates", "--json"}).out);
    ASSERT_EQ(document["presets"].size(), 35u);
    EXPECT_EQ(document["presets"][1]["category"], "length");
    EXPECT_EQ(document["presets"][1]["from"], "ft");

    auto unknown = runCli({"presets", "atlantis"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "unknown region: atlantis\n");
    auto missing = runCli({"presets"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("usage: zelvane-cli presets REGION [--json]"), std::string::npos);
}

} // namespace
