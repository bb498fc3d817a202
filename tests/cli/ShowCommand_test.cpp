#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "TempDirectory.h"

using nlohmann::json;
using zelvane::testing::runCli;
using zelvane::testing::TempDirectory;

namespace {

struct ShowCommand : ::testing::Test {
    TempDirectory config;
    std::string environment = "LC_ALL=en_US.UTF-8 XDG_CONFIG_HOME=" + config.path().string();

    void storePreferences(const std::string& preferences) {
        ASSERT_EQ(runCli({"defaults", "write", "preferences", preferences}, environment).exitCode,
                  0);
    }
    json show(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "show");
        arguments.push_back("--json");
        auto result = runCli(arguments, environment);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return json::parse(result.out);
    }
    static std::vector<std::string> ids(const json& rows) {
        std::vector<std::string> result;
        for (const auto& row : rows)
            result.push_back(row["unitId"]);
        return result;
    }
};

TEST_F(ShowCommand, StartsFromTheRegionPreset) {
    storePreferences(R"({"region":"unitedStates","hasCompletedOnboarding":true})");
    auto shown = show({"length"});
    EXPECT_EQ(shown["fromUnitId"], "ft");
    EXPECT_EQ(ids(shown["pinned"])[0], "in") << "feet itself is the source";
}

TEST_F(ShowCommand, FollowsPinnedHiddenOrderAndDigits) {
    storePreferences(
        R"({"region":"unitedStates","hasCompletedOnboarding":true,"significantDigits":6,
        "pinnedOverrides":{"length":["mi","ft","m"]},"hiddenUnits":{"length":["ft","cm"]},
        "unitOrder":{"length":["yd","dm"]},"showsOtherUnits":false})");
    auto shown = show({"length", "--from", "km", "--value", "2.5"});
    EXPECT_EQ(ids(shown["pinned"]), (std::vector<std::string>{"mi", "m"}));
    EXPECT_EQ(shown["pinned"][0]["text"], "1.55343");
    EXPECT_TRUE(shown["others"].empty()) << "other units are off";

    auto all = show({"length", "--from", "km", "--value", "2.5", "--all"});
    auto others = ids(all["others"]);
    ASSERT_GE(others.size(), 2u);
    EXPECT_EQ(std::vector(others.begin(), others.begin() + 2),
              (std::vector<std::string>{"yd", "dm"}));
    EXPECT_EQ(std::ranges::count(others, "cm"), 0) << "hidden";
    EXPECT_EQ(std::ranges::count(others, "km"), 0) << "the source unit";
}

TEST_F(ShowCommand, RefusesUnknownCategoriesAndUnits) {
    auto category = runCli({"show", "nonsense"}, environment);
    EXPECT_EQ(category.exitCode, 1);
    EXPECT_EQ(category.err, "unknown category: nonsense\n");
    EXPECT_EQ(runCli({"show", "length", "--from", "kg"}, environment).exitCode, 1);
}

} // namespace
