#include "RavoDozu/Conversion.h"

#include <cmath>
#include <limits>

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

} // namespace
