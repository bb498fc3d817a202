// Rule compilation (forward formulas, derived and written inverses, errors, step texts) and the
// compiled mappings (the numeric inverse, the round-trip check, the custom case of Conversion).
#include <cmath>
#include <limits>
#include <map>

#include <gtest/gtest.h>

#include "RavoDozu/CustomCompiler.h"
#include "RavoDozu/CustomMapping.h"

namespace ravodozu {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
const Conversion identity = LinearConversion{1};

std::optional<Conversion> testUnits(std::string_view reference) {
    static const std::map<std::string, Conversion, std::less<>> units{
        {"length.m", LinearConversion{1}},
        {"length.ft", LinearConversion{0.3048}},
    };
    auto found = units.find(reference);
    if (found == units.end())
        return std::nullopt;
    return found->second;
}

CustomRule formula(std::string forward, std::optional<std::string> inverse = std::nullopt) {
    return {CustomRule::Formula{std::move(forward), std::move(inverse)}};
}

Result<CustomCompilation, CustomError> compiled(const CustomRule& rule,
                                                std::vector<CustomParameter> parameters = {}) {
    return compile(rule, parameters, identity, testUnits);
}

/// The compiled rule's inverse status; none when it does not compile.
std::optional<InverseStatus> statusOf(const CustomRule& rule) {
    auto result = compiled(rule);
    return result ? std::optional(result->status) : std::nullopt;
}

CustomStep step(CustomStep::Op op, std::optional<CustomOperand> operand = std::nullopt) {
    return {op, std::move(operand), {}, {}, {}};
}
CustomOperand number(double value) {
    return {value};
}

TEST(CustomCompile, RatioIsAnExactLine) {
    auto result = compiled({CustomRule::Ratio{1000}});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, InverseStatus::exactLine);
    EXPECT_DOUBLE_EQ(result->mapping->fromBase(5000), 5);

    for (double bad : {-0.0, std::numeric_limits<double>::infinity()})
        EXPECT_EQ(compiled({CustomRule::Ratio{bad}}).error(), CustomError::invalidNumber()) << bad;
}

TEST(CustomCompile, FormulasWithoutInverseGetTheirStatusFromTheShapeOfTheCurve) {
    auto line = compiled(formula("x * 9/5 + 32"));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->status, InverseStatus::exactLine);
    EXPECT_NEAR(line->mapping->toBase(212), 100, 1e-9);
    auto curve = compiled(formula("x^2"));
    ASSERT_TRUE(curve);
    EXPECT_EQ(curve->status, InverseStatus::searched);
    EXPECT_NEAR(curve->mapping->toBase(4), 2, 1e-9);
    auto wave = compiled(formula("sin(x)"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->status, InverseStatus::needsFormula);
    EXPECT_FALSE(wave->mapping->hasInverse());
    EXPECT_TRUE(std::isnan(wave->mapping->toBase(0.5)));
}

TEST(CustomCompile, WrittenInverseIsCheckedAndUsedEvenWhenItDisagrees) {
    EXPECT_EQ(statusOf(formula("x^2", "sqrt(x)")), InverseStatus::written);
    EXPECT_EQ(statusOf(formula("x^2", "\u00a0\u3000")), InverseStatus::searched);
    auto bad = compiled(formula("x^2", "x/2"));
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->status, InverseStatus::mismatch);
    EXPECT_DOUBLE_EQ(bad->mapping->toBase(9), 4.5);

    // The forward formula is reported before the inverse one.
    EXPECT_EQ(compiled(formula("x +", "y")).error().kind, CustomError::Kind::expression);
    EXPECT_EQ(compiled(formula("x", "y")).error(), CustomError::unknownName("y"));
}

TEST(CustomCompile, ParametersAndUnitReferences) {
    auto tripled = compiled(formula("x * k"), {{"k", 3, ""}, {"k", 4, ""}});
    ASSERT_TRUE(tripled);
    EXPECT_DOUBLE_EQ(tripled->mapping->fromBase(2), 6);

    auto feet = compiled(formula("convert(x, length.m, length.ft)"));
    ASSERT_TRUE(feet);
    EXPECT_NEAR(feet->mapping->fromBase(0.3048), 1, 1e-12);

    for (const auto& [forward, error] : std::initializer_list<std::pair<const char*, CustomError>>{
             {"x * k", CustomError::unknownName("k")},
             {"convert(x, length.ft, length.zz)", CustomError::unknownUnit("length.zz")},
             // Operands are bound left to right.
             {"a + convert(1, length.q, length.m)", CustomError::unknownName("a")},
             {"\u3000", CustomError::emptyFormula()},
             {"  x +", CustomError::ofExpression(
                           {ExpressionError::Code::expectedNumberOrName, 5, std::nullopt})},
         }) {
        auto result = compiled(formula(forward));
        ASSERT_FALSE(result) << forward;
        EXPECT_EQ(result.error(), error) << forward << ": " << result.error().describe();
    }
}

TEST(CustomSteps, TextBindsOnlyAsTightlyAsNeededAndIsWhatCompiles) {
    using Op = CustomStep::Op;
    CustomStep convert{Op::convert, std::nullopt, "length.m", "length.ft", {}};
    for (const auto& [steps, text] : std::vector<std::pair<std::vector<CustomStep>, const char*>>{
             {{step(Op::add, number(5)), step(Op::mul, number(2))}, "(x + 5) * 2"},
             {{step(Op::sub, number(1)), step(Op::divInto, number(10))}, "10 / (x - 1)"},
             {{step(Op::add, number(1)), convert, step(Op::mul, number(2))},
              "convert(x + 1, length.m, length.ft) * 2"},
             {{step(Op::add, number(-2)), step(Op::sub, CustomOperand{"k"})}, "x + (-2) - k"},
         })
        EXPECT_EQ(stepsText(steps), text);

    auto result =
        compiled({CustomRule::Steps{{step(Op::add, number(5)), step(Op::mul, number(2))}}});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, InverseStatus::exactLine);
    EXPECT_DOUBLE_EQ(result->mapping->toBase(12), 1);

    auto broken = compiled({CustomRule::Steps{{step(Op::convert)}}});
    EXPECT_EQ(broken.error().expression->code, ExpressionError::Code::badUnitReference);
}

TEST(CustomLinearInverse, RecognisesOnlyStraightLines) {
    auto solve = [](const char* text) {
        auto expr = Expr::parse(text);
        EXPECT_TRUE(expr) << text;
        return linearInverse(*expr);
    };
    EXPECT_FALSE(solve("3"));          // flat: no slope to invert
    EXPECT_FALSE(solve("x * 1e-320")); // slope too small to invert
    // Samples where the line is not defined do not count, but there must be four that are.
    EXPECT_EQ(solve("if(x < 0, 0/0, 2x)"), (LinearInverse{0.5, 0}));
    EXPECT_FALSE(solve("if(x >= 1, if(x <= 2, x, 0/0), 0/0)"));
}

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

// Roots on the positive side first, then the negative; NaN where the grid cannot bracket one.
TEST(CustomNumericInverse, FindsRootsTheGridBrackets) {
    EXPECT_NEAR(numericInverse(parsed("x^3"), -8), -2, 1e-12); // only the negative pass finds it
    EXPECT_EQ(numericInverse(parsed("x"), 1e-6), 1e-6); // an exact grid root is taken as it is
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
    auto check = [&](Expr forward, Inverse inverse) {
        return roundTripCheck(
            CustomMapping{LinearConversion{1}, std::move(forward), std::move(inverse)});
    };
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
