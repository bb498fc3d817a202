#include "RavoDozu/ValueFormatter.h"

#include <climits> // INT_MAX
#include <clocale> // setlocale
#include <limits>
#include <optional>

#include "../../RavoDozu/src/NumberFormatterCache.h"

#include <gtest/gtest.h>

using namespace ravodozu;

namespace {
// Adopts the locale the environment names (CTest's German run sets LC_ALL=de_DE.UTF-8) and
// fails the whole run when it is not installed, so that run cannot pass in the C locale.
class ProcessLocale : public ::testing::Environment {
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_ALL, ""), nullptr)
            << "the locale named by LC_ALL/LANG is not installed: run scripts/install-deps.sh";
    }
};
[[maybe_unused]] const auto* processLocale = ::testing::AddGlobalTestEnvironment(new ProcessLocale);

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();
const std::string dash = "\u2014";

// Every case formats with the formatter's own locale, so these hold under any process locale;
// CTest runs this suite a second time under a German process locale to prove it.
TEST(ValueFormatter, FormatsWithFourSignificantDigits) {
    const std::tuple<double, const char*, const char*> cases[] = {
        {999999, "999,999", "999.999"},
        {100000, "1 × 10⁵", "1 × 10⁵"},
        {0.000001, "0.000001", "0,000001"},
        {0.0000009, "9 × 10⁻⁷", "9 × 10⁻⁷"},
        {12.345, "12.35", "12,35"},
        {-0.0, "0", "0"},
        {9.9995, "10", "10"},
        {-999999.5, "-1 × 10⁶", "-1 × 10⁶"},
        {-infinity, "\u2014", "\u2014"}};
    for (const auto& [value, english, german] : cases) {
        EXPECT_EQ(ValueFormatter(4, "en_US").format(value), english) << value;
        EXPECT_EQ(ValueFormatter(4, "de_DE").format(value), german) << value;
    }
}

TEST(ValueFormatter, ExtremeValuesAndDigitCounts) {
    for (int digits : {INT_MIN, 0})
        EXPECT_GE(ValueFormatter(digits, "en_US").significantDigits(), 1);
    EXPECT_EQ(ValueFormatter(0, "en").format(1.5), "2");
    EXPECT_EQ(ValueFormatter(4, "en").format(5e-324), "4.941 × 10⁻³²⁴");
    EXPECT_EQ(ValueFormatter(4, "fr_FR").format(-5e-324), "-4,941 × 10⁻³²⁴");
    EXPECT_EQ(ValueFormatter(4, "en").format(1e308), "1 × 10³⁰⁸");
    EXPECT_EQ(ValueFormatter(INT_MAX, "en").format(0.1), "0.1");
}

TEST(ValueFormatter, FixedAndCurrencyDigits) {
    ValueFormatter english(4, "en_US");
    EXPECT_EQ(english.formatFixed(0, 2.5), "3");
    EXPECT_EQ(english.formatFixed(2, nan), dash);
    EXPECT_EQ(english.formatFixed(-3, 2.4), "2");
    EXPECT_EQ(english.formatCurrency(2, 0.0123), "0.0123");
    EXPECT_EQ(english.formatCurrency(2, 0), "0.00");
    EXPECT_EQ(english.formatCurrency(2, -0.5), "-0.5");
    EXPECT_EQ(ValueFormatter(4, "de_DE").formatCurrency(2, 1234.5), "1.234,50");
    // Halves are judged on the shortest decimal digits, not on the binary value just below them.
    EXPECT_EQ(english.formatFixed(2, 1.005), "1.01");
    EXPECT_EQ(english.formatFixed(3, 999999.9995), "1,000,000.000");
}

// Most locales are written from a layout learned from ICU's samples (what it learns is checked
// against ICU below); a layout that is not plain digits in groups of three stays with ICU.
TEST(NumberLayout, LearnedOnlyForAsciiDigitsInGroupsOfThree) {
    for (const char* locale : {"en_US", "fr_FR", "de_CH", "sv_SE", "he_IL"})
        EXPECT_NE(detail::numberLayout(locale), nullptr) << locale;
    EXPECT_EQ(detail::numberLayout("hi_IN"), nullptr);
    EXPECT_EQ(detail::numberLayout("ar_EG"), nullptr);
}

// The layout must reproduce ICU character for character; these are the values where digits,
// rounding or separators are easiest to get wrong.
TEST(NumberLayout, WritesWhatIcuWrites) {
    using detail::DigitRule;
    struct Rule {
        DigitRule rule;
        int low, high;
    };
    const Rule rules[] = {{DigitRule::significant, 1, 1},  {DigitRule::significant, 1, 4},
                          {DigitRule::significant, 1, 17}, {DigitRule::fraction, 0, 0},
                          {DigitRule::fraction, 2, 2},     {DigitRule::fraction, 340, 340}};
    // 9.9999999999999971e-308 sits beside a power of ten, where ICU counts digits its own way.
    for (const char* locale : {"en_US", "fr_FR", "de_CH", "sv_SE", "he_IL", "hi_IN", "ar_EG"})
        for (double magnitude :
             {2.5, 1.005, 9.9995, 999999.5, 999999999999999.0, 0.30000000000000004, 1e21, 5e-324,
              9.9999999999999971e-308, 1.7976931348623157e308, 0.0})
            for (double value : {magnitude, -magnitude})
                for (auto [rule, low, high] : rules) {
                    std::string text;
                    ASSERT_TRUE(detail::appendFormatted(text, locale, rule, low, high, value));
                    EXPECT_EQ(text, detail::formatted(
                                        detail::numberFormatter(locale, rule, low, high), value))
                        << locale << " " << value << " " << low << ".." << high;
                }
}

TEST(ValueFormatter, ParsesTextTypedInTheLocale) {
    ValueFormatter english(4, "en_US"), german(4, "de_DE");
    EXPECT_EQ(english.parse("1,234.5"), 1234.5);
    EXPECT_EQ(english.parse(" \t-3 "), -3);
    EXPECT_EQ(english.parse("1e3"), 1000);
    EXPECT_EQ(german.parse("1.234,5"), 1234.5);
    EXPECT_EQ(german.parse("1.5"), 15);
    // Too large for a double is still a number, whatever decimal point the process uses.
    EXPECT_EQ(english.parse("1.5e999"), infinity);
    EXPECT_EQ(german.parse("-1,5e999"), -infinity);
    EXPECT_EQ(english.parse("1e-999"), 0);
    for (const char* bad : {"", "   ", "abc", "1.2.3", "12 km", "--1"})
        EXPECT_FALSE(english.parse(bad)) << bad;
}

TEST(ValueFormatter, MagnitudeWords) {
    EXPECT_FALSE(ValueFormatter::magnitude(false, 9999));
    EXPECT_FALSE(ValueFormatter::magnitude(false, nan));
    EXPECT_EQ(ValueFormatter::magnitude(false, 10000), "万");
    EXPECT_EQ(ValueFormatter::magnitude(false, -250000), "十万");
    EXPECT_EQ(ValueFormatter::magnitude(false, 123456789), "亿");
    EXPECT_EQ(ValueFormatter::magnitude(true, 1e12), "萬億");
    EXPECT_EQ(ValueFormatter::magnitude(true, 5e17), "億億");
}

} // namespace
