// What zelvane-cli answers: its own options, the commands that read only the bundled data, and
// the usage errors of the commands.
#include "CliFixture.h"
#include "ZelvaneVersion.h"

namespace {

using nlohmann::json;
using zelvane::testing::element;
using Commands = zelvane::testing::CliTest;

TEST_F(Commands, AnswersAndExitCodes) {
    expectRuns({
        // Help and version go to stdout; a command's help is its usage, and it does not run.
        {{"--version"}, 0, std::string("zelvane-cli ") + zelvane::version + "\n"},
        {{"format", "--help"}, 0, "usage: zelvane-cli format VALUE"},
        {{}, 2, ""},
        {{"no-such-command"}, 2},
        // "--" makes every later word an operand; before the command it ends the global options.
        {{"format", "--", "-0.5"}, 0, "-0.5\n"},
        {{"format", "--digits", "2", "--", "3.14159"}, 0, "3.1\n"},
        {{"format", "--", "--digits"}, 2, std::nullopt, "not a number: --digits"},
        {{"--", "--version"}, 2},
        {{"format", "1234.5", "--currency", "2", "--locale", "de_DE"}, 0, "1.234,50\n"},
        // The shortest value that reads back; the caret counts characters, not bytes.
        {{"eval", "0.1+0.2"}, 0, "0.30000000000000004\n"},
        {{"eval", "-x * k", "--x", "2", "--param", "k=3"}, 0, "-6\n"},
        {{"eval", "e\u0301×2 + foo(x)"},
         1,
         std::nullopt,
         "error: unknownFunction at 6 (foo)\ne\u0301×2 + foo(x)\n      ^\n"},
        {{"eval", "x", "--x", "three"}, 2},
        {{"eval", "x", "--param", "pi=3"}, 2}, // a reserved name
        // Without the named bundle the one beside the program is used.
        {.arguments = {"categories"}, .environment = "ZELVANE_BUNDLE_DIR=/nonexistent LD_PRELOAD="},
        {{"presets", "atlantis"}, 1, std::nullopt, "unknown region: atlantis\n"},
        {{"presets"}, 2, std::nullopt, "usage: zelvane-cli presets REGION [--json]"},
        {{"show", "nonsense"}, 1, std::nullopt, "unknown category: nonsense\n"},
    });
    for (const char* option : {"--help", "-h"})
        for (const char* listed : {"--version", "--lang CODE", "convert ", "format ", "units "})
            expectRuns({{{option}, 0, listed, ""}});
}

TEST_F(Commands, CatalogAndRegionsAsJson) {
    auto categories = runJson({"categories", "--json", "--lang", "zh-Hant"});
    EXPECT_EQ(categories.size(), 41u) << "35 built in, 6 of the packs switched on by default";
    EXPECT_EQ(element(categories, "id", "temperature")["name"], "溫度");
    EXPECT_EQ(
        element(runJson({"units", "temperature", "--json"})["units"], "id", "c")["conversion"],
        json::parse(R"({"type":"affine","factor":1.0,"offset":273.15})"));

    auto presets = runJson({"presets", "unitedStates", "--json"})["presets"];
    ASSERT_EQ(presets.size(), 35u);
    EXPECT_EQ(presets[1]["category"], "length");
    EXPECT_EQ(presets[1]["from"], "ft");

    auto regions = run({"regions", "--json"}, "",
                       "LANGUAGE= LC_ALL= LC_MESSAGES= LC_MEASUREMENT= LANG=de_AT.UTF-8");
    ASSERT_EQ(regions.exitCode, 0) << regions.err;
    std::vector<std::string> detected;
    for (const auto& region : json::parse(regions.out))
        if (region["detected"] == true)
            detected.push_back(region["id"]);
    EXPECT_EQ(json::parse(regions.out).size(), 16u);
    EXPECT_EQ(detected, std::vector<std::string>{"germany"});
}

TEST_F(Commands, ShowStartsFromTheStoredRegionsPreset) {
    store("preferences", R"({"region":"unitedStates","hasCompletedOnboarding":true})");
    auto shown = runJson({"show", "length", "--json"});
    EXPECT_EQ(shown["fromUnitId"], "ft");
    EXPECT_EQ(shown["pinned"][0]["unitId"], "in") << "feet itself is the source";
}

} // namespace
