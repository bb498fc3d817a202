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

} // namespace
