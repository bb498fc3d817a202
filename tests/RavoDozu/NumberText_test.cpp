#include "RavoDozu/NumberText.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "RavoDozu/Conversion.h"
#include "RavoDozu/CustomCompiler.h"
#include "RavoDozu/Expr.h"
#include "RavoDozu/KeypadState.h"

using namespace ravodozu;

namespace {
constexpr double infinity = std::numeric_limits<double>::infinity();

TEST(ReadNumber, WholeTextsInOneFixedForm) {
    const std::pair<const char*, double> readable[] = {
        {"1.5", 1.5},      {"-0.25", -0.25},        {"+2", 2},       {".5", 0.5},
        {"5.", 5},         {"1e3", 1000},           {"2E-3", 0.002}, {"1e+2", 100},
        {"inf", infinity}, {"-Infinity", -infinity}};
    for (const auto& [text, value] : readable)
        EXPECT_EQ(readNumber(text), value) << text;
    EXPECT_TRUE(std::isnan(readNumber("nan").value_or(0)));

    for (const char* text : {"", ".", "+", "-", "+-1", "++1", " 1", "1 ", "1,5", "1'000", "1e",
                             "0x10", "1.5.2", "e5", "1e5x"})
        EXPECT_FALSE(readNumber(text)) << '"' << text << '"';
}

TEST(ReadNumber, OutOfRangeReadsAsTheArithmeticWouldGiveIt) {
    EXPECT_EQ(readNumber("1e400"), infinity);
    EXPECT_EQ(readNumber("-1.5e999"), -infinity);
    EXPECT_EQ(readNumber("+1e99999999999"), infinity);
    auto tiny = readNumber("-1e-400");
    ASSERT_TRUE(tiny);
    EXPECT_EQ(*tiny, 0);
    EXPECT_TRUE(std::signbit(*tiny));
    EXPECT_EQ(readNumber("4.9e-324"), std::numeric_limits<double>::denorm_min());
}

TEST(NumberTextForms, ShortestSignificantAndPlain) {
    EXPECT_EQ(shortestNumberText(0.3048), "0.3048");
    EXPECT_EQ(shortestNumberText(1e-9), "1e-09");
    EXPECT_EQ(shortestNumberText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(shortestNumberText(-std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(shortestNumberText(-infinity), "-inf");

    EXPECT_EQ(significantNumberText(1.0 / 3, 7), "0.3333333");
    EXPECT_EQ(significantNumberText(1e20, 12), "1e+20");
    EXPECT_EQ(significantNumberText(0.0001, 12), "0.0001");
    EXPECT_EQ(significantNumberText(2.5, 0), "2") << "no digits counts as one";

    EXPECT_EQ(plainNumberText(0.0001), "0.0001");
    EXPECT_EQ(plainNumberText(123456789012345), "123456789012345");
    EXPECT_EQ(plainNumberText(-0.0), "0");
    EXPECT_EQ(plainNumberText(1e300).size(), 301u);
    EXPECT_EQ(plainNumberText(std::numeric_limits<double>::denorm_min()).substr(0, 6), "0.0000");

    for (double value : {0.1, 1.0 / 3, 1e-300, 123.456e200, -2.5e-7, 1e23})
        for (const auto& text : {shortestNumberText(value), plainNumberText(value)})
            EXPECT_EQ(readNumber(text), value) << text;
}

// Everything that turns numbers into text or back, as one list of results to compare.
std::vector<std::string> numberResults() {
    auto shown = [](std::optional<double> value) {
        return value ? shortestNumberText(*value) : std::string("none");
    };
    auto formula = [](const char* text) {
        auto parsed = Expr::parse(text);
        return parsed ? shortestNumberText(parsed->evaluate(2)) : std::string("error");
    };
    return {shown(readNumber("1.5e-3")),
            shown(readNumber("1.5e999")),
            shortestNumberText(2.5),
            significantNumberText(1.0 / 3, 7),
            plainNumberText(0.125),
            shown(evaluateNumberExpression("0.3048 * 3 / 2.5")),
            shown(evaluateNumberExpression("1.5e999 / 2")),
            formula("1.5x + .25"),
            keypadInputText(1.0 / 3),
            numberText(1.5e20)};
}

// The locales a person may run the panel in, whose decimal separator is not ".".
TEST(NumberText, ResultsDoNotDependOnTheProcessLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
    const auto expected = numberResults();
    for (const char* locale : {"de_DE.UTF-8", "fr_FR.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr)
            << locale << " is not installed: scripts/install-deps.sh generates it";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",") << locale;
        EXPECT_EQ(numberResults(), expected) << locale;
    }
    std::setlocale(LC_ALL, "C");
}

} // namespace
