#include "RavoDozu/InputEditing.h"

#include <gtest/gtest.h>

using namespace ravodozu;

namespace {

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

struct StepCase {
    const char* input;
    long count;
    const char* stepText; // nullptr: none
    const char* expected;
    friend std::ostream& operator<<(std::ostream& out, const StepCase& c) {
        return out << '"' << c.input << "\" " << c.count << " " << (c.stepText ? c.stepText : "-");
    }
};

class Stepping : public ::testing::TestWithParam<StepCase> {};

TEST_P(Stepping, MovesExactlyByWholeSteps) {
    auto [input, count, stepText, expected] = GetParam();
    auto step = stepText ? std::optional<std::string_view>(stepText) : std::nullopt;
    EXPECT_EQ(InputEditing::step(input, count, step), expected) << input << " " << count;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Stepping,
    ::testing::Values(StepCase{"5", -1, "0.5", "4.5"}, StepCase{"-", 1, nullptr, "1"},
                      StepCase{"9.99", 1, nullptr, "10.00"}, StepCase{"0.1", 2, "0.1", "0.3"},
                      StepCase{"-0.05", 1, "0.1", "0.05"},
                      StepCase{"12345678901234567890123456789012345678.5", 1, nullptr,
                               "12345678901234567890123456789012345678.6"},
                      StepCase{"1e3", 1, nullptr, "1001"}, StepCase{"1.5", 1, "-2", "1.6"}));

TEST(Decimal, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(Decimal::parse("2.345")->toString(2), "2.35");
    EXPECT_EQ(Decimal::parse("-2.345")->toString(2), "-2.35");
    EXPECT_EQ(Decimal::parse("-0.004")->toString(2), "0.00");
    EXPECT_EQ(Decimal::parse(".5")->toString(0), "1");
    EXPECT_EQ(Decimal::parse("1.500")->toString(), "1.5");
    EXPECT_FALSE(Decimal::parse("1e999999"));
    EXPECT_FALSE(Decimal::parse("."));
    EXPECT_FALSE(Decimal::parse("1e"));
}

} // namespace
