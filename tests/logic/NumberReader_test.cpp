// Reading numbers as people type them, in the display locale.
#include "NumberReader.h"

#include <cmath>

#include <gtest/gtest.h>

namespace zelvane {
namespace {

// Each locale reads its own decimal separator as the point and groups with the other mark only
// before exactly three digits; ambiguous texts are no number.
TEST(NumberReader, ReadsWholeNumbersPerLocale) {
    const std::tuple<const char*, const char*, std::optional<double>> cases[] = {
        {"en_US", "1.5", 1.5},
        {"en_US", "1,5", 1.5},
        {"en_US", "1,500", 1500},
        {"en_US", "1,250.5", 1250.5},
        {"en_US", "1,234,567", 1234567},
        {"en_US", "1,2.3,4", std::nullopt},
        {"en_US", "5.", 5},
        {"en_US", "-.5", -0.5},
        {"en_US", "−2", -2},
        {"en_US", "2.5e-3", 0.0025},
        {"en_US", "1.5×10³", 1500},
        {"en_US", "1.5 x 10^-3", 0.0015},
        {"en_US", "3/4", 0.75},
        {"en_US", "1 1/2", 1.5},
        {"en_US", "1¾", 1.75},
        {"en_US", "-½", -0.5},
        {"en_US", "1/0", std::nullopt},
        {"en_US", "1e999", std::nullopt},
        {"en_US", "１２", 12},
        {"en_US", "1 500", std::nullopt},
        {"de_DE", "1.5", 1.5},
        {"de_DE", "1.500", 1500},
        {"de_DE", "1.500,5", 1500.5},
        {"de_DE", "1,500", 1.5},
        {"fr_FR", "1.500", 1.5},
        {"fr_FR", "1 500,5", 1500.5},
        {"fr_FR", "1 50", std::nullopt},
        {"de_CH", "1’500.5", 1500.5}};
    for (const auto& [locale, text, value] : cases)
        EXPECT_EQ(NumberReader(locale).readWhole(text), value) << text << " in " << locale;
}

// What the field keeps reads back exactly; the hint shows every digit read, grouped.
TEST(NumberReader, WritesTextsThatReadBack) {
    const std::tuple<const char*, double, const char*, const char*> cases[] = {
        {"en_US", 1500.5, "1500.5", "1,500.5"},
        {"de_DE", 1.234, "1,234", "1,234"},
        {"fr_FR", -0.25, "-0,25", "-0,25"},
        {"en_US", 1e20, "1e+20", "1 × 10²⁰"},
        {"de_DE", 1.0 / 3, "0,3333333333333333", "0,3333333333333333"}};
    for (const auto& [locale, value, input, shown] : cases) {
        const NumberReader reader(locale);
        EXPECT_EQ(reader.inputText(value), input) << value << " in " << locale;
        EXPECT_EQ(reader.shownText(value), shown) << value << " in " << locale;
        EXPECT_EQ(reader.readWhole(reader.inputText(value)), value) << value << " in " << locale;
    }
}

} // namespace
} // namespace zelvane
