// The keypad's input: keys, steps and the text a value is edited as. Its stored record is checked
// as UserState writes it.
#include "RavoDozu/InputEditing.h"
#include "RavoDozu/KeypadState.h"

#include <gtest/gtest.h>

using namespace ravodozu;
using Key = KeypadState::Key;

namespace {

struct KeypadTest : ::testing::Test {
    std::shared_ptr<const UnitCatalog> catalog =
        std::make_shared<const UnitCatalog>(*UnitCatalog::loadBundled());
    UserPreferences preferences;

    ConversionContext context() const {
        return {catalog, std::make_shared<const UserPreferences>(preferences), nullptr,
                std::make_shared<const CustomLibrary>()};
    }
    std::string typed(std::string input, std::initializer_list<Key> keys) const {
        KeypadState state{"length", "m", std::move(input)};
        auto ctx = context();
        for (auto key : keys)
            state.apply(key, ctx);
        return state.input;
    }
};

TEST_F(KeypadTest, EditsTheInput) {
    EXPECT_EQ(typed("-0", {Key::d7}), "-7");
    EXPECT_EQ(typed("123456789012", {Key::d3}), "123456789012");
    EXPECT_EQ(typed("-1.23456789012", {Key::d3, Key::dot}), "-1.23456789012");
    EXPECT_EQ(typed("12345678901", {Key::dot, Key::d5, Key::d6}), "12345678901.5");
    EXPECT_EQ(typed("-5", {Key::backspace}), "0");
    EXPECT_EQ(typed("0", {Key::negate, Key::negate}), "0");
    EXPECT_EQ(typed("3.5", {Key::negate}), "-3.5");
}

TEST_F(KeypadTest, StepsByTheCategoryStep) {
    EXPECT_EQ(typed("1.25", {Key::stepUp}), "1.26");
    preferences.stepSizes["length"] = "0.5";
    EXPECT_EQ(typed("5", {Key::stepDown}), "4.5");
}

TEST_F(KeypadTest, SwapsWithTheFirstShownUnit) {
    preferences.pinnedOverrides["length"] = {"cm", "km"};
    KeypadState state{"length", "in", "1"};
    state.apply(Key::swap, context());
    EXPECT_EQ(state, (KeypadState{"length", "cm", "2.54"}));
}

TEST_F(KeypadTest, CyclesUnitsAndCategories) {
    auto ctx = context();
    const auto& units = ctx.category("length")->units;
    KeypadState state{"length", units.back().id, "5"};
    state.apply(Key::cycleUnit, ctx);
    EXPECT_EQ(state.fromUnitId, units.front().id);
    EXPECT_EQ(state.input, "5");

    preferences.favoriteCategories = std::vector<std::string>{"length", "mass", "temperature"};
    ctx = context();
    state = {"temperature", "c", "30"};
    state.apply(Key::nextCategory, ctx);
    EXPECT_EQ(state, KeypadState::starting("length", ctx));
    state = {"volume", "l", "2"};
    state.apply(Key::previousCategory, ctx);
    EXPECT_EQ(state.categoryId, "mass") << "a category that is no favourite counts as the last";
}

// A person edits this text, so it is plain decimals unless the number is huge or tiny.
TEST(KeypadInputText, SevenSignificantDigitsInPlainDecimals) {
    const std::pair<double, const char*> cases[] = {{1609.344, "1609.344"},
                                                    {1.0 / 3, "0.3333333"},
                                                    {-3, "-3"},
                                                    {-0.0, "0"},
                                                    {0.000001, "0.000001"},
                                                    {-0.00012345678, "-0.0001234568"},
                                                    {999999999999999, "1e+15"},
                                                    {123456789012345, "123456800000000"},
                                                    {0.0000009, "9e-07"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(keypadInputText(value), text) << value;
}

TEST(InputEditing, ParsesOnlyPositiveSteps) {
    EXPECT_EQ(InputEditing::parseStep(" 0,5 "), Decimal::parse("0.5"));
    EXPECT_EQ(InputEditing::parseStep("100"), Decimal(100));
    for (const char* bad : {"0", "-1", "0.0", "1..2"})
        EXPECT_FALSE(InputEditing::parseStep(bad)) << bad;
}

TEST(InputEditing, StepSizeComesFromStepTextOrInputDecimals) {
    EXPECT_EQ(InputEditing::stepSize("2.50"), "0.01");
    EXPECT_EQ(InputEditing::stepSize("7"), "1");
    EXPECT_EQ(InputEditing::stepSize("7", "0.50"), "0.50");
    EXPECT_EQ(InputEditing::stepSize("7.25", "bogus"), "0.01");
    EXPECT_EQ(InputEditing::stepSize("7", "0,5"), "0.5");
}

TEST(InputEditing, StepsMoveExactlyByWholeSteps) {
    // input, count, step text (none: nullptr), expected
    const std::tuple<const char*, long, const char*, const char*> cases[] = {
        {"5", -1, "0.5", "4.5"},
        {"-", 1, nullptr, "1"},
        {"9.99", 1, nullptr, "10.00"},
        {"0.1", 2, "0.1", "0.3"},
        {"-0.05", 1, "0.1", "0.05"},
        {"12345678901234567890123456789012345678.5", 1, nullptr,
         "12345678901234567890123456789012345678.6"},
        {"1e3", 1, nullptr, "1001"},
        {"1.5", 1, "-2", "1.6"}};
    for (const auto& [input, count, stepText, expected] : cases) {
        auto step = stepText ? std::optional<std::string_view>(stepText) : std::nullopt;
        EXPECT_EQ(InputEditing::step(input, count, step), expected) << input << " " << count;
    }
}

TEST(Decimal, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(Decimal::parse("2.345")->toString(2), "2.35");
    EXPECT_EQ(Decimal::parse("-2.345")->toString(2), "-2.35");
    EXPECT_EQ(Decimal::parse("-0.004")->toString(2), "0.00");
    EXPECT_EQ(Decimal::parse(".5")->toString(0), "1");
    EXPECT_EQ(Decimal::parse("1.500")->toString(), "1.5");
    EXPECT_FALSE(Decimal::parse("1e999999"));
    EXPECT_FALSE(Decimal::parse("1e"));
}

} // namespace
