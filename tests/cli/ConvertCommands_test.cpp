// `convert` and `explain` over the bundled catalog and a stored settings file.
#include "CliFixture.h"

namespace {

using ConvertCommandsTest = zelvane::testing::CliTest;

// The conversion, then the target, then the pinned rows; phrases in the display language's
// numbers (how phrases read is QuickInput's test); the rule between two units.
TEST_F(ConvertCommandsTest, ConvertAndExplainAnswer) {
    store("preferences", R"({"showsOtherUnits": false,
                             "pinnedOverrides": {"length": ["m", "ft"]}})");
    expectRuns({
        {{"convert", "5 km to mi"},
         0,
         "Length: 5 km → mi\n→ 3.107 mi  Mile\n* 5,000 m  Meter\n* 16,404 ft  Foot\n"},
        {{"--lang", "de", "convert", "1,5 km in m"}, 0, "→ 1.500 m"},
        {{"convert", "5.5 ft to ft in"}, 0, "→ 5 ft 6 in"},
        {{"convert", "5 parsnips"}, 1, "", "could not read 5 parsnips as a conversion"},
        {{"convert", "5 km", "--bogus"}, 2},
        {{"explain", "temperature", "c", "f", "--value", "20"},
         0,
         "°F = °C × 1.8 + 32\n20 × 1.8 + 32 = 68 °F\n"},
        {{"explain", "length", "km", "parsnip"}, 1, std::nullopt, "parsnip"},
        {{"explain", "length", "km", "m", "--value", "five"}, 2},
    });
    auto json = runJson({"convert", "90 min to h min", "--json"});
    EXPECT_EQ(json["mixed"]["text"], "1 h 30 min");
    EXPECT_EQ(json["mixed"]["parts"][1]["unitId"], "min");
}

// The settings file is read without Qt: a plain conversion with stored settings must not load it.
TEST_F(ConvertCommandsTest, StoredSettingsAreReadWithoutLoadingQt) {
    store("preferences", R"({"significantDigits":3})");
    auto result = run({"convert", "5 km to mi"}, "", "LD_DEBUG=files");
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("3.11 mi"), std::string::npos) << result.out;
    EXPECT_EQ(result.err.find("libQt6Core"), std::string::npos);
}

TEST_F(ConvertCommandsTest, CustomUnitsOverTheStoredRates) {
    store("rates", R"({"base":"USD","rates":{"EUR":0.9},"updatedAt":732207600,"source":"t"})");
    store("customLibrary", R"json({"version": 1, "conversions": [],
      "extras": [{"id": "kusd", "category": "currency", "reference": "USD",
                  "unit": {"name": "kUSD", "symbol": "kUSD", "rule": {"type": "ratio", "value": 1000}}}]})json");
    expectRuns({{{"convert", "2 kUSD to EUR"}, 0, "→ 1,800.00 EUR"}});
}

} // namespace
