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
        {"length.km", LinearConversion{1000}},
        {"temperature.c", AffineConversion{1, 273.15}},
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
CustomOperand parameter(std::string name) {
    return {std::move(name)};
}

const CustomMapping::Inverse::Linear* line(const CustomCompilation& compilation) {
    return std::get_if<CustomMapping::Inverse::Linear>(&compilation.mapping->inverse.value);
}

TEST(CustomCompile, RatioIsAnExactLine) {
    auto result = compiled({CustomRule::Ratio{1000}});
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, InverseStatus::exactLine);
    EXPECT_EQ(result->mapping->inverse,
              (CustomMapping::Inverse{{CustomMapping::Inverse::Linear{1000, 0}}}));
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
             {"x - x + 3", InverseStatus::needsFormula, 3, nan},
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

    for (const char* blank : {"", "\u00a0\u3000"}) {
        auto absent = compiled(formula("x^2", blank));
        ASSERT_TRUE(absent);
        EXPECT_EQ(absent->status, InverseStatus::searched) << '"' << blank << '"';
    }

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
             {"convert(y, length.m, length.ft)", CustomError::unknownName("y")},
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

TEST(CustomCompile, StepsCompileThroughTheirText) {
    auto result = compiled({CustomRule::Steps{
        {step(CustomStep::Op::add, number(5)), step(CustomStep::Op::mul, number(2))}}});
    ASSERT_TRUE(result && line(*result));
    EXPECT_EQ(result->status, InverseStatus::exactLine);
    EXPECT_DOUBLE_EQ(line(*result)->slope, 0.5);
    EXPECT_DOUBLE_EQ(line(*result)->intercept, -5);

    CustomStep noUnits = step(CustomStep::Op::convert);
    auto broken = compiled({CustomRule::Steps{{noUnits}}});
    ASSERT_FALSE(broken);
    EXPECT_EQ(broken.error().kind, CustomError::Kind::expression);
    EXPECT_EQ(broken.error().expression->code, ExpressionError::Code::badUnitReference);
}

TEST(CustomStepsText, BindsOnlyAsTightlyAsNeeded) {
    using Op = CustomStep::Op;
    CustomStep ratioMul{Op::ratioMul, number(7), "length.ft", "length.m", {}};
    CustomStep convert{Op::convert, std::nullopt, "length.m", "length.ft", {}};
    CustomStep roundByParameter{Op::fn, parameter("k"), {}, {}, "round"};
    struct Case {
        std::vector<CustomStep> steps;
        const char* text;
    };
    for (const auto& [steps, text] : std::vector<Case>{
             {{step(Op::add, number(5)), step(Op::mul, number(2))}, "(x + 5) * 2"},
             {{step(Op::sub, number(1)), step(Op::divInto, number(10))}, "10 / (x - 1)"},
             {{step(Op::add, number(1)), ratioMul}, "(x + 1) * convert(1, length.ft, length.m)"},
             {{step(Op::add, number(1)), convert, step(Op::mul, number(2))},
              "convert(x + 1, length.m, length.ft) * 2"},
             {{roundByParameter}, "round(x)"},
             {{step(Op::add, number(-2)), step(Op::sub, parameter("k"))}, "x + (-2) - k"},
             {{step(Op::convert)}, "convert(x, , )"},
         })
        EXPECT_EQ(stepsText(steps), text);

    // Every text the chain writes must mean what the steps say.
    auto chain = compiled({CustomRule::Steps{
        {step(Op::sub, number(1)), step(Op::divInto, number(10)), step(Op::pow, number(2))}}});
    ASSERT_TRUE(chain);
    EXPECT_DOUBLE_EQ(chain->mapping->fromBase(3), 25);
}

TEST(CustomNumberText, WholeNumbersAsIntegersOtherwiseTwelveDigits) {
    struct Case {
        double value;
        const char* text;
    };
    for (auto [value, text] :
         std::initializer_list<Case>{{1000, "1000"}, {1e15, "1e+15"}, {1.0 / 3, "0.333333333333"}})
        EXPECT_EQ(numberText(value), text) << value;
}

TEST(CustomLinearInverse, RecognisesOnlyStraightLines) {
    auto solve = [](const char* text) {
        auto expr = Expr::parse(text);
        EXPECT_TRUE(expr) << text;
        return linearInverse(*expr);
    };
    EXPECT_EQ(solve("2x + 10"), (LinearInverse{0.5, -5}));
    EXPECT_FALSE(solve("x^2"));
    EXPECT_FALSE(solve("3"));            // flat: no slope to invert
    EXPECT_FALSE(solve("x + 1e-300/0")); // no finite samples
    EXPECT_FALSE(solve("x * 1e-320"));   // slope too small to invert
    // Samples where the line is not defined do not count, but there must be four that are.
    EXPECT_EQ(solve("if(x < 0, 0/0, 2x)"), (LinearInverse{0.5, 0}));
    EXPECT_FALSE(solve("if(x >= 1, if(x <= 2, x, 0/0), 0/0)"));
}

} // namespace
} // namespace ravodozu
