// Conversions: number expressions in the data, decoding, arithmetic at the edges, converting
// through the base unit and the formula stated between two units.
#include "RavoDozu/Conversion.h"
#include "RavoDozu/Converter.h"
#include "RavoDozu/CustomMapping.h"
#include "RavoDozu/Formula.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace ravodozu;
using nlohmann::json;

namespace {
constexpr double infinity = std::numeric_limits<double>::infinity();

TEST(NumberExpression, EvaluatesLeftToRightAndRejectsDanglingOperands) {
    EXPECT_DOUBLE_EQ(*evaluateNumberExpression("\t0.45359237*14"), 0.45359237 * 14);
    EXPECT_DOUBLE_EQ(*evaluateNumberExpression("1e3/4*2"), 500);
    EXPECT_EQ(*evaluateNumberExpression("-5"), -5);
    EXPECT_EQ(*evaluateNumberExpression("1/0"), infinity);
    for (const char* text : {"", "2*", "2**3", "1 2", "1,5", "1+2"})
        EXPECT_FALSE(evaluateNumberExpression(text)) << text;
}

TEST(ConversionDecoding, ReadsEachTypeAndIgnoresUnusedParameters) {
    EXPECT_EQ(*decodeConversion(json::parse(R"({"type":"linear","factor":1000,"k":3})")),
              Conversion(LinearConversion{1000}));
    EXPECT_EQ(*decodeConversion(json::parse(R"({"type":"affine","factor":"5/9","offset":459.67})")),
              Conversion(AffineConversion{5.0 / 9, 459.67}));
    EXPECT_EQ(*decodeConversion(json::parse(R"({"type":"reciprocal","k":"100"})")),
              Conversion(ReciprocalConversion{100}));
}

TEST(ConversionDecoding, ReportsTheContractTexts) {
    auto unknown = decodeConversion(json::parse(R"({"type":"Linear","factor":1})"));
    ASSERT_FALSE(unknown);
    EXPECT_EQ(unknown.error().message, "Unknown conversion type Linear");
    EXPECT_EQ(unknown.error().codingPath, "type");
    EXPECT_EQ(decodeConversion(json{{"type", "linear"}, {"factor", ""}}).error().message,
              "Invalid number expression ");
    EXPECT_FALSE(decodeConversion(json::parse(R"({"type":"affine","factor":1})")));
    EXPECT_FALSE(decodeConversion(json::parse(R"({"type":"linear","factor":true})")));
    EXPECT_FALSE(decodeConversion(json::parse(R"([1,2])")));
}

TEST(ConversionArithmetic, ZeroAndNaNGiveInfinityOrNaN) {
    Conversion per100 = ReciprocalConversion{100};
    EXPECT_EQ(toBase(per100, 0), infinity);
    EXPECT_EQ(toBase(per100, -0.0), infinity);
    EXPECT_EQ(fromBase(per100, 0), infinity);
    EXPECT_TRUE(std::isnan(fromBase(LinearConversion{0}, 0)));
}

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
