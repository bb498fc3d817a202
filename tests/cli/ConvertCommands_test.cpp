// `convert` and `explain` over the bundled catalog and a stored settings file.
#include "CliFixture.h"

using nlohmann::json;

namespace {

using ConvertCommandsTest = zelvane::testing::CliTest;

TEST_F(ConvertCommandsTest, JsonCarriesPhraseNumberValueAndRows) {
    auto converted = runJson({"convert", "1,250.5 ft to m", "--json"});
    EXPECT_EQ(converted["categoryId"], "length");
    EXPECT_EQ(converted["fromUnitId"], "ft");
    EXPECT_EQ(converted["number"], "1250.5");
    EXPECT_EQ(converted["value"], 1250.5);
    for (const auto& row : converted["rows"]) {
        EXPECT_FALSE(row.contains("magnitude")); // not a Chinese display language
        EXPECT_NE(row["unitId"], "ft");          // the source has no row
    }
    EXPECT_EQ(converted["rows"][converted["targetIndex"].get<std::size_t>()]["text"], "381.2");
}

TEST_F(ConvertCommandsTest, APlainNumberStartsFromTheCategorysUnit) {
    store("keypad", R"({"categoryId": "mass", "fromUnitId": "kg", "input": "3"})");
    store("categoryMemory",
          R"({"mass": {"categoryId": "mass", "fromUnitId": "lb", "input": "3"}})");
    auto remembered = runJson({"convert", "1,000", "--json"});
    EXPECT_EQ(remembered["categoryId"], "mass");
    EXPECT_EQ(remembered["fromUnitId"], "lb");
    EXPECT_FALSE(remembered.contains("toUnitId"));
    EXPECT_EQ(remembered["value"], 1000);
}

TEST_F(ConvertCommandsTest, OtherUnitsFollowThePreferenceOrAll) {
    store("preferences", R"({"showsOtherUnits": false,
                             "pinnedOverrides": {"length": ["m", "ft"]}})");
    auto pinnedOnly = runJson({"convert", "5 km to mi", "--json"});
    ASSERT_EQ(pinnedOnly["rows"].size(), 3u);
    EXPECT_EQ(pinnedOnly["rows"][0]["unitId"], "m");
    EXPECT_EQ(pinnedOnly["rows"][2]["unitId"], "mi");
    EXPECT_GT(runJson({"convert", "5 km to mi", "--all", "--json"})["rows"].size(), 10u);

    auto text = run({"convert", "5 km to mi"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    // The understood conversion, then the target first, then the pinned rows.
    auto firstLines = text.out.substr(0, text.out.find("\n", text.out.find("\n") + 1));
    EXPECT_NE(firstLines.find("5 km → mi"), std::string::npos) << text.out;
    EXPECT_NE(firstLines.find("→ 3.107 mi"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("* 5,000 m"), std::string::npos) << text.out;
}

TEST_F(ConvertCommandsTest, ExplainStatesTheRuleBetweenTwoUnits) {
    auto temperature = run({"explain", "temperature", "c", "f", "--value", "20"});
    EXPECT_EQ(temperature.exitCode, 0) << temperature.err;
    EXPECT_EQ(temperature.out, "°F = °C × 1.8 + 32\n20 × 1.8 + 32 = 68 °F\n");

    auto unknown = run({"explain", "length", "km", "parsnip"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.err.find("parsnip"), std::string::npos);
    EXPECT_EQ(run({"explain", "length", "km", "m", "--value", "five"}).exitCode, 2);
}

TEST_F(ConvertCommandsTest, UnreadablePhrasesFail) {
    for (std::string phrase : {"5 parsnips", "   "}) {
        auto result = run({"convert", phrase});
        EXPECT_EQ(result.exitCode, 1) << phrase;
        EXPECT_NE(result.err.find("could not read " + phrase + " as a conversion"),
                  std::string::npos)
            << result.err;
    }
    EXPECT_EQ(run({"convert", "5 km", "--category", "nothing"}).exitCode, 1);
    EXPECT_EQ(run({"convert", "5 km", "--bogus"}).exitCode, 2);
}

TEST_F(ConvertCommandsTest, CustomUnitsHaveNoFormula) {
    store("customLibrary", R"({"version": 1, "conversions": [], "extras": [
        {"id": "cubit", "category": "length", "reference": "m",
         "unit": {"name": "Cubit", "symbol": "cbt", "rule": {"type": "ratio", "value": 0.4572}}}]})");
    EXPECT_EQ(runJson({"convert", "3 cbt to m", "--json"})["fromUnitId"], "custom.cubit");
    auto explained = run({"explain", "length", "custom.cubit", "m"});
    EXPECT_EQ(explained.exitCode, 1);
    EXPECT_NE(explained.err.find("no formula"), std::string::npos) << explained.err;
}

} // namespace

namespace {
// Qt is only needed to parse the settings file when its snapshot is stale; a plain conversion
// with stored settings must not load it.
TEST_F(ConvertCommandsTest, StoredSettingsAreReadWithoutLoadingQt) {
    store("preferences", R"({"significantDigits":3})");
    auto result = zelvane::testing::runCli(
        {"convert", "5 km to mi"}, "LD_DEBUG=files XDG_CONFIG_HOME=" + home.path().string());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("3.11 mi"), std::string::npos) << result.out;
    EXPECT_EQ(result.err.find("libQt6Core"), std::string::npos);
}
} // namespace
