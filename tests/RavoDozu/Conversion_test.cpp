#include "RavoDozu/Conversion.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace ravodozu;
using nlohmann::json;

namespace {
constexpr double infinity = std::numeric_limits<double>::infinity();

struct ExpressionCase {
    const char* text;
    double expected;
    friend std::ostream& operator<<(std::ostream& out, const ExpressionCase& c) {
        return out << '"' << c.text << '"';
    }
};

class NumberExpression : public ::testing::TestWithParam<ExpressionCase> {};

TEST_P(NumberExpression, EvaluatesLeftToRight) {
    auto [text, expected] = GetParam();
    auto value = evaluateNumberExpression(text);
    ASSERT_TRUE(value) << text;
    EXPECT_DOUBLE_EQ(*value, expected) << text;
}

INSTANTIATE_TEST_SUITE_P(Valid, NumberExpression,
                         ::testing::Values(ExpressionCase{"\t0.45359237*14", 0.45359237 * 14},
                                           ExpressionCase{"-5", -5}, ExpressionCase{"1e3/4*2", 500},
                                           ExpressionCase{"1/0", infinity}));

TEST(NumberExpression, RejectsEmptyAndDanglingOperands) {
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

    for (const char* bad : {"", "2*"}) {
        auto invalid = decodeConversion(json{{"type", "linear"}, {"factor", bad}});
        ASSERT_FALSE(invalid);
        EXPECT_EQ(invalid.error().message, std::string("Invalid number expression ") + bad);
        EXPECT_EQ(invalid.error().codingPath, "factor");
    }
    EXPECT_FALSE(decodeConversion(json::parse(R"({"type":"affine","factor":1})")));
    EXPECT_FALSE(decodeConversion(json::parse(R"({"type":"linear","factor":true})")));
    EXPECT_FALSE(decodeConversion(json::parse(R"([1,2])")));
}

TEST(ConversionArithmetic, FollowsEachRule) {
    Conversion celsius = AffineConversion{1, 273.15};
    EXPECT_DOUBLE_EQ(toBase(celsius, 0), 273.15);
    EXPECT_DOUBLE_EQ(fromBase(celsius, 273.15), 0);

    Conversion fahrenheit = AffineConversion{5.0 / 9, 459.67};
    EXPECT_NEAR(fromBase(fahrenheit, toBase(celsius, 100)), 212, 1e-12);
    EXPECT_NEAR(fromBase(fahrenheit, toBase(celsius, -40)), -40, 1e-12);

    Conversion per100 = ReciprocalConversion{100};
    EXPECT_EQ(toBase(per100, 4), 25);
    EXPECT_EQ(toBase(per100, 0), infinity);
    EXPECT_EQ(toBase(per100, -0.0), infinity);
    EXPECT_EQ(fromBase(per100, 0), infinity);

    Conversion zeroFactor = LinearConversion{0};
    EXPECT_TRUE(std::isnan(fromBase(zeroFactor, 0)));
    EXPECT_TRUE(std::isnan(toBase(LinearConversion{1000}, std::nan(""))));
}

TEST(ConversionEncoding, RoundTripsThroughJson) {
    for (const Conversion& conversion :
         {Conversion(LinearConversion{0.3048}), Conversion(AffineConversion{1, 273.15}),
          Conversion(ReciprocalConversion{235.214583})})
        EXPECT_EQ(*decodeConversion(encodeConversion(conversion)), conversion);
}

} // namespace
