// Formula lines and worked examples between two units.
#include "FormulaText.h"

#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "RavoDozu/CustomMapping.h"

namespace zelvane {
namespace {

using namespace ravodozu;

UnitDefinition unit(std::string id, std::string symbol, Conversion conversion) {
    return {std::move(id), std::move(symbol), {}, std::move(conversion)};
}

const auto metre = unit("m", "m", LinearConversion{1});
const auto kilometre = unit("km", "km", LinearConversion{1000});
const auto millimetre = unit("mm", "mm", LinearConversion{0.001});
const auto mile = unit("mi", "mi", LinearConversion{1609.344});
const auto third = unit("t", "t", LinearConversion{1.0 / 3});
const auto kelvin = unit("k", "K", LinearConversion{1});
const auto celsius = unit("c", "°C", AffineConversion{1, 273.15});
const auto fahrenheit = unit("f", "°F", AffineConversion{5.0 / 9, 459.67});
const auto per100 = unit("l100", "L/100km", ReciprocalConversion{100});
const auto kmPerLitre = unit("kml", "km/L", LinearConversion{1});
const auto custom =
    unit("custom.x", "x", CustomMappingConversion{CustomMapping::unavailable(LinearConversion{1})});

// Locales are fixed so that grouping and decimal marks do not follow the host.
const std::string english = "en_US";
const std::string german = "de_DE";

TEST(FormulaLine, StatesTheRule) {
    const std::tuple<UnitDefinition, UnitDefinition, CoefficientStyle, std::string,
                     std::optional<std::string>>
        cases[] = {{millimetre, metre, precisePage, english, "1 m = 1,000 mm"},
                   {celsius, fahrenheit, precisePage, english, "°F = °C × 1.8 + 32"},
                   {fahrenheit, celsius, precisePage, english, "°C ≈ °F × 0.5555556 − 17.77778"},
                   {kilometre, mile, compactCoefficients, english, "1 km ≈ 0.621 mi"},
                   {kilometre, millimetre, compactCoefficients, english, "1 km = 1 × 10⁶ mm"},
                   {per100, kmPerLitre, precisePage, english, "km/L = 100 ÷ L/100km"},
                   {custom, metre, precisePage, english, std::nullopt}};
    for (const auto& [from, to, style, locale, line] : cases)
        EXPECT_EQ(formulaLine(from, to, style, locale), line) << from.id << "→" << to.id;
}

TEST(CoefficientText, FractionDigitsBelowAMillionElseSignificantDigitsAndZeroForNonFinite) {
    for (const auto& [style, value, expected] :
         std::vector<std::tuple<CoefficientStyle, double, CoefficientText>>{
             {compactCoefficients, -1234.5, {"-1,234.5", true}},
             {compactCoefficients, 999999.9996, {"1,000,000", false}},
             {compactCoefficients, 1234567, {"1,234,570", false}},
             {compactCoefficients, 0.0001, {"0.0001", true}}, // rounds to 0 at 3 digits
             {compactCoefficients, 1e-10, {"1 × 10⁻¹⁰", true}},
             {CoefficientStyle{12, 0, true}, 123456.789012, {"123,456.789012", true}},
             {precisePage, -0.0, {"0", true}},
             {precisePage, double(NAN), {"0", true}},
         })
        EXPECT_EQ(coefficientText(style, value, english), expected) << value;
}

TEST(ExampleLine, WorksAValueThroughTheRule) {
    EXPECT_EQ(exampleLine(kelvin, celsius, 1, english), "1 − 273.15 = -272.15 °C");
    EXPECT_EQ(exampleLine(per100, kmPerLitre, 8, english), "100 ÷ 8 = 12.5 km/L");
    // The sign follows the result only: an inexact factor with an exact result still says "=".
    EXPECT_EQ(exampleLine(third, metre, 3, english), "3 × 0.3333333 = 1 m");
    EXPECT_EQ(exampleLine(third, metre, 1, english), "1 × 0.3333333 ≈ 0.3333333 m");
    EXPECT_EQ(exampleLine(kilometre, metre, 1.5, german), "1,5 × 1.000 = 1.500 m");
    EXPECT_EQ(exampleLine(custom, metre, 1, english), std::nullopt);
    // A result that cannot be shown is the placeholder.
    EXPECT_EQ(exampleLine(per100, kmPerLitre, 0, english), "100 ÷ 0 = — km/L");
}

} // namespace
} // namespace zelvane
