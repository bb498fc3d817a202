// `convert` and `explain` over the bundled catalog and a stored settings file.
#include "CliFixture.h"

namespace {

using ConvertCommandsTest = zelvane::testing::CliTest;

TEST_F(ConvertCommandsTest, TextStatesTheConversionThenTheTargetThenThePinnedRows) {
    store("preferences", R"({"showsOtherUnits": false,
                             "pinnedOverrides": {"length": ["m", "ft"]}})");
    auto text = run({"convert", "5 km to mi"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    auto firstLines = text.out.substr(0, text.out.find("\n", text.out.find("\n") + 1));
    EXPECT_NE(firstLines.find("5 km → mi"), std::string::npos) << text.out;
    EXPECT_NE(firstLines.find("→ 3.107 mi"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("* 5,000 m"), std::string::npos) << text.out;
}

// Phrases as the panel reads them, in the display language's numbers; a mixed target prints
// as one amount and lists its parts in JSON.
TEST_F(ConvertCommandsTest, ReadsPhrasesInTheDisplayLocaleAndTellsMixedTargets) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--lang", "de", "convert", "1,5 km in m"}, "→ 1.500 m"},
        {{"--lang", "de", "convert", "1.5 km in m"}, "→ 1.500 m"},
        {{"convert", "5 ft 3 in to cm"}, "→ 160 cm"},
        {{"convert", "160 cm to ft in"}, "→ 5 ft 2.992 in\n"}};
    for (const auto& [arguments, line] : cases) {
        auto result = run(arguments);
        EXPECT_NE(result.out.find(line), std::string::npos) << result.out << result.err;
    }
    auto json = runJson({"convert", "90 min to h min", "--json"});
    EXPECT_EQ(json["mixed"]["text"], "1 h 30 min");
    EXPECT_EQ(json["mixed"]["parts"][1]["unitId"], "min");
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
    auto result = run({"convert", "5 parsnips"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("could not read 5 parsnips as a conversion"), std::string::npos)
        << result.err;
    EXPECT_EQ(run({"convert", "5 km", "--bogus"}).exitCode, 2);
}

// The settings file is read without Qt: a plain conversion with stored settings must not load it.
TEST_F(ConvertCommandsTest, StoredSettingsAreReadWithoutLoadingQt) {
    store("preferences", R"({"significantDigits":3})");
    auto result = zelvane::testing::runCli(
        {"convert", "5 km to mi"}, "LD_DEBUG=files XDG_CONFIG_HOME=" + home.path().string());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("3.11 mi"), std::string::npos) << result.out;
    EXPECT_EQ(result.err.find("libQt6Core"), std::string::npos);
}

// Extra units join the currency category; of two conversions with one id, the later is shown
// with its own decimals.
TEST_F(ConvertCommandsTest, CustomItemsOverTheStoredRates) {
    store("rates", R"({"base":"USD","rates":{"EUR":0.9},"updatedAt":732207600,"source":"t"})");
    store("customLibrary", R"json({"version": 1, "conversions": [
        {"id": "dup", "name": "First", "decimals": 0, "units": [{"id": "a", "name": "A"}]},
        {"id": "dup", "name": "Second", "decimals": 4, "units": [
            {"id": "a", "name": "A"}, {"id": "b", "name": "B", "rule": {"type": "ratio", "value": 3}}]}],
      "extras": [{"id": "kusd", "category": "currency", "reference": "USD",
                  "unit": {"name": "kUSD", "symbol": "kUSD", "rule": {"type": "ratio", "value": 1000}}}]})json");
    auto money = run({"convert", "2 kUSD to EUR"});
    ASSERT_EQ(money.exitCode, 0) << money.err;
    EXPECT_NE(money.out.find("→ 1,800.00 EUR"), std::string::npos) << money.out;

    auto repeated = run({"show", "custom.dup", "--value", "1"});
    ASSERT_EQ(repeated.exitCode, 0) << repeated.err;
    EXPECT_EQ(repeated.out.rfind("Second", 0), 0u) << repeated.out;
    EXPECT_NE(repeated.out.find("0.3333 B"), std::string::npos) << repeated.out;
}

} // namespace
