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

TEST(InputEditing, StepsMoveExactlyByWholeSteps) {
    const struct {
        const char* input;
        long count;
        const char* stepText; // nullptr: none
        const char* expected;
    } cases[] = {{"5", -1, "0.5", "4.5"},
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
    EXPECT_FALSE(Decimal::parse("."));
    EXPECT_FALSE(Decimal::parse("1e"));
}

} // namespace
