#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "TempDirectory.h"

using nlohmann::json;
using zelvane::testing::runCli;

namespace {

TEST(CatalogCommands, ListsCategoriesAsJson) {
    zelvane::testing::TempDirectory config;
    auto result = runCli({"categories", "--json", "--lang", "zh-Hant"},
                         "XDG_CONFIG_HOME=" + config.path().string());
    ASSERT_EQ(result.exitCode, 0) << result.err;
    auto categories = json::parse(result.out);
    ASSERT_EQ(categories.size(), 35u);
    auto temperature =
        std::ranges::find(categories, "temperature", [](const json& c) { return c["id"]; });
    ASSERT_NE(temperature, categories.end());
    EXPECT_EQ((*temperature)["name"], "溫度");
}

TEST(CatalogCommands, NamesUnitsInTheChosenLanguage) {
    const struct {
        const char *language, *category, *unit, *name;
    } cases[] = {{"pt-BR", "length", "km", "quilômetro"}, // from CLDR
                 {"th", "length", "wa", "วา"},            // from the data
                 {"de", "length", "ft_us", "US-Survey-Fuß"},
                 {"ja", "speed", "km_h", "キロメートル毎時"}};
    for (auto [language, categoryId, unitId, name] : cases) {
        auto category =
            json::parse(runCli({"--lang", language, "units", categoryId, "--json"}).out);
        auto unit =
            std::ranges::find(category["units"], unitId, [](const json& u) { return u["id"]; });
        ASSERT_NE(unit, category["units"].end()) << unitId;
        EXPECT_EQ((*unit)["name"], name) << language;
    }
}

TEST(CatalogCommands, ShowsUnitsWithTheirConversions) {
    auto category = json::parse(runCli({"units", "temperature", "--json"}).out);
    auto celsius = std::ranges::find(category["units"], "c", [](const json& u) { return u["id"]; });
    ASSERT_NE(celsius, category["units"].end());
    EXPECT_EQ((*celsius)["conversion"],
              json::parse(R"({"type":"affine","factor":1.0,"offset":273.15})"));
}

TEST(CatalogCommands, ExplainsFailuresAndUsage) {
    auto unknown = runCli({"units", "nonsense"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_EQ(unknown.err, "unknown category: nonsense\n");
    EXPECT_EQ(runCli({"units"}).exitCode, 2);
    EXPECT_EQ(runCli({"no-such-command"}).exitCode, 2);
    auto missingBundle = runCli({"categories"}, "ZELVANE_BUNDLE_DIR=/nonexistent LD_PRELOAD=");
    EXPECT_EQ(missingBundle.exitCode, 0) << "falls back to the bundle beside the binary";
}

TEST(FormatCommand, PrintsWhatTheFormatterGives) {
    EXPECT_EQ(runCli({"format", "1234.5", "--currency", "2", "--locale", "de_DE"}).out,
              "1.234,50\n");
    EXPECT_EQ(runCli({"format", "12abc"}).exitCode, 2);
}

} // namespace
