#include "RavoDozu/Formula.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

#include "RavoDozu/Converter.h"
#include "RavoDozu/CustomMapping.h"

using namespace ravodozu;

namespace {

UnitDefinition unit(std::string id, Conversion conversion) {
    return {id, id, {}, std::move(conversion)};
}

const UnitDefinition metre = unit("m", LinearConversion{1});
const UnitDefinition kilometre = unit("km", LinearConversion{1000});
const UnitDefinition kelvin = unit("k", LinearConversion{1});
const UnitDefinition celsius = unit("c", AffineConversion{1, 273.15});
const UnitDefinition fahrenheit = unit("f", AffineConversion{5.0 / 9, 459.67});
const UnitDefinition per100 = unit("l100", ReciprocalConversion{100});
const UnitDefinition mpg = unit("mpg", ReciprocalConversion{235.2});
const UnitDefinition kmPerLitre = unit("kml", LinearConversion{1});
const UnitDefinition zeroOffset = unit("z", AffineConversion{2, 0});
// One of it is two base units.
const UnitDefinition custom =
    unit("x", CustomMappingConversion{std::make_shared<const CustomMapping>(
                  CustomMapping{LinearConversion{1},
                                Expr::parse("x / 2").value(),
                                {CustomMapping::Inverse::Linear{2, 0}}})});

TEST(Converter, GoesThroughTheBaseUnit) {
    EXPECT_DOUBLE_EQ(Converter::convert(5, kilometre, metre), 5000);
    EXPECT_NEAR(Converter::convert(100, celsius, fahrenheit), 212, 1e-12);
    EXPECT_DOUBLE_EQ(Converter::convert(4, per100, kmPerLitre), 25);
    EXPECT_DOUBLE_EQ(Converter::convert(3, custom, metre), 6);
}

TEST(Converter, SameUnitReturnsTheValueBitForBit) {
    const double payload = std::nan("0x5");
    double result = Converter::convert(payload, celsius, celsius);
    EXPECT_EQ(std::memcmp(&result, &payload, sizeof result), 0);
    EXPECT_EQ(Converter::convert(0.1 + 0.2, fahrenheit, fahrenheit), 0.1 + 0.2);
}

TEST(Formula, ClassifiesCategories) {
    EXPECT_EQ(Formula::kind(std::vector{metre, kilometre, zeroOffset, custom}),
              Formula::Kind::ratio);
    EXPECT_EQ(Formula::kind(std::vector{kelvin, celsius, fahrenheit}), Formula::Kind::shifted);
    EXPECT_EQ(Formula::kind(std::vector{celsius, per100, metre}), Formula::Kind::inverse);
}

// Linear and affine pairs are stated through FormulaText's lines.
TEST(Formula, StatesTheExactAlgebraAcrossReciprocals) {
    auto betweenReciprocals = std::get<Formula::Linear>(Formula::between(per100, mpg)->rule);
    EXPECT_DOUBLE_EQ(betweenReciprocals.multiplier, 2.352);
    EXPECT_EQ(betweenReciprocals.offset, 0);
    EXPECT_EQ(Formula::between(per100, kmPerLitre), (Formula{Formula::Reciprocal{100}}));
    EXPECT_EQ(Formula::between(kilometre, per100), (Formula{Formula::Reciprocal{0.1}}));
    EXPECT_EQ(Formula::between(per100, zeroOffset), (Formula{Formula::Reciprocal{50}}));
}

TEST(Formula, HasNoneForOffsetsAcrossAReciprocalOrCustomUnits) {
    EXPECT_FALSE(Formula::between(celsius, per100));
    EXPECT_FALSE(Formula::between(metre, custom));
}

} // namespace
