// Tests of rule compilation: forward formulas, derived and written inverses, errors, step texts.
#include <cmath>
#include <limits>
#include <map>

#include <gtest/gtest.h>

#include "RavoDozu/CustomCompiler.h"

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
    struct Case {
        const char* forward;
        InverseStatus status;
        double y;        // a value of the custom unit …
        double expected; // … and where it goes back to
    };
    for (auto [forward, status, y, expected] : std::initializer_list<Case>{
             {"x * 9/5 + 32", InverseStatus::exactLine, 212, 100},
             {"x^2", InverseStatus::searched, 4, 2},
             {"sin(x)", InverseStatus::needsFormula, 0.5, nan},
         }) {
        auto result = compiled(formula(forward));
        ASSERT_TRUE(result) << forward;
        EXPECT_EQ(result->status, status) << forward;
        EXPECT_EQ(result->mapping->hasInverse(), status != InverseStatus::needsFormula);
        double back = result->mapping->toBase(y);
        if (std::isnan(expected))
            EXPECT_TRUE(std::isnan(back)) << forward;
        else
            EXPECT_NEAR(back, expected, 1e-9 * std::max(1.0, std::fabs(expected))) << forward;
    }
}

TEST(CustomCompile, WrittenInverseIsCheckedAndUsedEvenWhenItDisagrees) {
    auto good = compiled(formula("x^2", "sqrt(x)"));
    ASSERT_TRUE(good);
    EXPECT_EQ(good->status, InverseStatus::written);

    auto bad = compiled(formula("x^2", "x/2"));
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->status, InverseStatus::mismatch);
    EXPECT_DOUBLE_EQ(bad->mapping->toBase(9), 4.5);

    auto blank = compiled(formula("x^2", "\u00a0\u3000"));
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->status, InverseStatus::searched);

    // The forward formula is reported before the inverse one.
    auto bothBad = compiled(formula("x +", "y"));
    ASSERT_FALSE(bothBad);
    EXPECT_EQ(bothBad.error().kind, CustomError::Kind::expression);
    auto inverseBad = compiled(formula("x", "y"));
    ASSERT_FALSE(inverseBad);
    EXPECT_EQ(inverseBad.error(), CustomError::unknownName("y"));
}

TEST(CustomCompile, ParametersAndUnitReferences) {
    auto tripled = compiled(formula("x * k"), {{"k", 3, ""}, {"k", 4, ""}});
    ASSERT_TRUE(tripled);
    EXPECT_DOUBLE_EQ(tripled->mapping->fromBase(2), 6);

    auto feet = compiled(formula("convert(x, length.m, length.ft)"));
    ASSERT_TRUE(feet);
    EXPECT_NEAR(feet->mapping->fromBase(0.3048), 1, 1e-12);
    EXPECT_EQ(feet->status, InverseStatus::exactLine);

    struct Case {
        const char* forward;
        CustomError error;
    };
    for (const auto& [forward, error] : std::initializer_list<Case>{
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
    struct Case {
        std::vector<CustomStep> steps;
        const char* text;
    };
    for (const auto& [steps, text] : std::vector<Case>{
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
    ASSERT_FALSE(broken);
    EXPECT_EQ(broken.error().kind, CustomError::Kind::expression);
    EXPECT_EQ(broken.error().expression->code, ExpressionError::Code::badUnitReference);
}

TEST(CustomLinearInverse, RecognisesOnlyStraightLines) {
    auto solve = [](const char* text) {
        auto expr = Expr::parse(text);
        EXPECT_TRUE(expr) << text;
        return linearInverse(*expr);
    };
    EXPECT_EQ(solve("2x + 10"), (LinearInverse{0.5, -5}));
    EXPECT_FALSE(solve("3"));          // flat: no slope to invert
    EXPECT_FALSE(solve("x * 1e-320")); // slope too small to invert
    // Samples where the line is not defined do not count, but there must be four that are.
    EXPECT_EQ(solve("if(x < 0, 0/0, 2x)"), (LinearInverse{0.5, 0}));
    EXPECT_FALSE(solve("if(x >= 1, if(x <= 2, x, 0/0), 0/0)"));
}

} // namespace
} // namespace ravodozu
