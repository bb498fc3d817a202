// Tests of compiled mappings: the numeric inverse, the round-trip check, the custom case of
// Conversion.
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "RavoDozu/CustomCompiler.h"
#include "RavoDozu/CustomMapping.h"

namespace ravodozu {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
using Inverse = CustomMapping::Inverse;

Expr parsed(const char* text) {
    auto expr = Expr::parse(text);
    EXPECT_TRUE(expr) << text;
    return expr ? *expr : Expr::number(nan);
}

TEST(CustomNumericInverse, CostIsBoundedWhateverTheFunction) {
    // A bracket found late in the negative pass, then a bisection that never settles.
    int calls = 0;
    auto jumpy = [&calls](double t) {
        ++calls;
        if (t > -1e11)
            return -1.0;
        return std::fmod(std::fabs(t) * 7919, 2) < 1 ? 1.0 : -1.0;
    };
    numericInverse(CustomFunction(jumpy), 0.5);
    EXPECT_LE(calls, 110 + 200);
}

TEST(CustomNumericInverse, FindsRootsOnThePositiveSideFirst) {
    EXPECT_NEAR(numericInverse(parsed("x^2"), 4), 2, 1e-12);
    EXPECT_NEAR(numericInverse(parsed("x^3"), -8), -2, 1e-12); // only the negative pass finds it
    // A grid point that is an exact root is taken as it is.
    EXPECT_EQ(numericInverse(parsed("x"), 1e-6), 1e-6);
}

TEST(CustomNumericInverse, GivesNaNWhereTheGridCannotBracket) {
    EXPECT_TRUE(std::isnan(numericInverse(parsed("x^2"), -1))); // no solution at all
    EXPECT_TRUE(std::isnan(numericInverse(parsed("x"), 0)));    // 0 is never tried
    EXPECT_TRUE(std::isnan(numericInverse(parsed("x"), 2e12))); // above the grid
    // A point where F is not finite breaks the bracket: the change across it is not seen.
    EXPECT_TRUE(std::isnan(numericInverse(parsed("if(x > 1, 1, if(x > 0.9, 0/0, -1))"), 0)));
}

TEST(CustomNumericInverse, BisectsAPoleLikeARootAndTheRoundTripRejectsIt) {
    auto pole = parsed("1/(x - 1)");
    EXPECT_NEAR(numericInverse(pole, 0), 1, 1e-9);

    CustomMapping mapping{LinearConversion{1}, pole, {Inverse::Numeric{}}};
    EXPECT_FALSE(roundTripCheck(mapping));
}

TEST(CustomRoundTrip, ChecksEveryFiniteSampleAndNeedsThree) {
    auto square = parsed("x^2");
    auto check = [&](Expr forward, Inverse inverse) {
        return roundTripCheck(
            CustomMapping{LinearConversion{1}, std::move(forward), std::move(inverse)});
    };
    EXPECT_TRUE(check(square, {Inverse::Expression{parsed("sqrt(x)")}}));
    EXPECT_FALSE(check(square, {Inverse::Expression{parsed("x/2")}}));
    EXPECT_FALSE(check(parsed("2x"), {Inverse::Linear{0.5, 1e-5}}));
    // Only the samples 0.5, 1 and 2 are finite: just enough; with 0.5 and 1 only: too few.
    EXPECT_TRUE(check(parsed("if(x <= 2, x, 0/0)"), {Inverse::Linear{1, 0}}));
    EXPECT_FALSE(check(parsed("if(x <= 1, x, 0/0)"), {Inverse::Linear{1, 0}}));
    // An inverse that is wrong only far out still fails.
    EXPECT_FALSE(check(parsed("x"), {Inverse::Expression{parsed("if(x > 500, x + 1, x)")}}));
}

TEST(CustomMappingConversion, ConvertsThroughTheReferenceBothWays) {
    // A "half foot" written against feet, in a category whose base is the metre.
    auto mapping = std::make_shared<const CustomMapping>(
        CustomMapping{LinearConversion{0.3048}, parsed("x * 2"), {Inverse::Linear{0.5, 0}}});
    Conversion halfFoot = CustomMappingConversion{mapping};
    EXPECT_NEAR(fromBase(halfFoot, 0.3048), 2, 1e-12);
    EXPECT_NEAR(toBase(halfFoot, 2), 0.3048, 1e-12);

    // A custom reference is followed until a built-in case is reached.
    auto quarter = std::make_shared<const CustomMapping>(
        CustomMapping{halfFoot, parsed("x * 2"), {Inverse::Numeric{}}});
    Conversion quarterFoot = CustomMappingConversion{quarter};
    EXPECT_NEAR(fromBase(quarterFoot, 0.3048), 4, 1e-12);
    EXPECT_NEAR(toBase(quarterFoot, 4), 0.3048, 1e-12);

    auto unavailable = CustomMapping::unavailable(AffineConversion{1, 273.15});
    EXPECT_TRUE(std::isnan(toBase(CustomMappingConversion{unavailable}, 1)));
}

} // namespace
} // namespace ravodozu
