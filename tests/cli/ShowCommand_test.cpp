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

TEST_F(ShowCommand, RefusesUnknownCategoriesAndUnits) {
    auto category = runCli({"show", "nonsense"}, environment);
    EXPECT_EQ(category.exitCode, 1);
    EXPECT_EQ(category.err, "unknown category: nonsense\n");
    EXPECT_EQ(runCli({"show", "length", "--from", "kg"}, environment).exitCode, 1);
}

} // namespace
