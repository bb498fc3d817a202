// Formula evaluation: arithmetic, tolerant comparisons, the conditional, the built-in
// functions' domains, and binding parameters and units before evaluation.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RavoDozu/ExpressionBinding.h"
#include "RavoDozu/ExpressionFunctions.h"
#include "RavoDozu/UnitCatalog.h"

namespace ravodozu {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double pi = 3.141592653589793;

double value(const std::string& formula, double x = 0) {
    auto parsed = Expr::parse(formula);
    EXPECT_TRUE(parsed.hasValue()) << formula << " → " << parsed.error().describe();
    return parsed ? parsed->evaluate(x) : -999;
}

struct Case {
    const char* formula;
    double x;
    double expected; ///< NaN expects NaN; otherwise exact equality, signed zeros alike.
};

void expectValues(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        double actual = value(c.formula, c.x);
        if (std::isnan(c.expected))
            EXPECT_TRUE(std::isnan(actual)) << c.formula << " = " << actual;
        else
            EXPECT_EQ(actual, c.expected) << c.formula << " with x = " << c.x;
    }
}

const double nan = std::numeric_limits<double>::quiet_NaN();

TEST(Evaluation, Arithmetic) {
    expectValues({{"x*2", 3, 6},
                  {"y", 3, nan},
                  {"2^3^2", 0, 512},
                  {"(-8)^(1/3)", 0, nan},
                  {"-1/0", 0, -inf},
                  {"0/0", 0, nan},
                  {"1e308*10", 0, inf}});
    EXPECT_TRUE(std::signbit(value("-x", 0)));
    EXPECT_TRUE(std::isnan(value("convert(x, length.m, length.ft)", 1)))
        << "an unresolved conversion has no value";
}

TEST(Evaluation, ComparisonsForgiveOnlyTheNonStrictOperators) {
    expectValues({{"0.1+0.2 = 0.3", 0, 1},
                  {"0.1+0.2 > 0.3", 0, 1},
                  {"0.1+0.2 != 0.3", 0, 0},
                  {"0.3 >= 0.1+0.2", 0, 1},
                  {"1000000 = 1000000.0000005", 0, 1},
                  {"1000000 = 1000000.000005", 0, 0},
                  {"1e-13 = 0", 0, 1},
                  {"1e-11 = 0", 0, 0},
                  {"2 < 2", 0, 0},
                  {"0/0 = 0/0", 0, nan},
                  // Infinities compare exactly rather than through an infinite tolerance.
                  {"1/0 = 1/0", 0, 1},
                  {"1/0 = 1e300", 0, 0},
                  {"5 <= -1/0", 0, 0},
                  {"1e308 = -1e308", 0, 0}});
}

TEST(Evaluation, ConditionalEvaluatesOnlyTheChosenBranch) {
    expectValues({{"if(x > 0, 1, -1)", 0, -1},
                  {"if(0/0, 1, 2)", 0, nan},
                  {"if(-0, 1, 2)", 0, 2},
                  {"if(x, 7, sqrt(-1))", -3, 7}});
    // A branch that is not taken must not leak: NaN there would poison max().
    EXPECT_EQ(value("max(if(1, 2, 0/0), 1)"), 2);
}

TEST(Functions, DomainsAndValues) {
    expectValues({{"sqrt(-1)", 0, nan},
                  {"cbrt(-8)", 0, -2},
                  {"log(0)", 0, nan},
                  {"log(1000)", 0, 3},
                  {"ln(-1)", 0, nan},
                  {"log2(8)", 0, 3},
                  {"floor(-1.5)", 0, -2},
                  {"ceil(-1.5)", 0, -1},
                  {"asin(2)", 0, nan},
                  {"acos(-1.5)", 0, nan},
                  {"rad(180)", 0, pi},
                  {"deg(pi)", 0, 180},
                  {"max(3, 1, 2)", 0, 3},
                  {"max(1, 0/0)", 0, nan},
                  {"min(0/0, 1)", 0, nan}});
    // Ties keep the earliest argument, which tells -0 from 0.
    EXPECT_TRUE(std::signbit(value("min(-0, 0)")));
    EXPECT_FALSE(std::signbit(value("min(0, -0)")));
}

TEST(Functions, RoundingHalvesAwayFromZero) {
    expectValues({{"round(-2.5)", 0, -3},
                  {"round(0.49999999999999994)", 0, 0},
                  {"round(3.14159, 2)", 0, 3.14},
                  {"round(-1250, -2)", 0, -1300},
                  {"round(1.23456, 2.5)", 0, 1.235},
                  {"round(1, 15)", 0, 1},
                  {"round(1, 16)", 0, nan},
                  {"round(1, -16)", 0, nan},
                  {"round(1, 0/0)", 0, nan}});
}

TEST(Functions, ApplyRefusesWhatTheParserWouldNot) {
    const double two[] = {2, 3};
    EXPECT_TRUE(std::isnan(ExpressionFunctions::apply("nosuch", {two, 1})));
    EXPECT_TRUE(std::isnan(ExpressionFunctions::apply("sqrt", two)));
    EXPECT_TRUE(std::isnan(ExpressionFunctions::apply("if", std::vector<double>{nan, 1, 2})));
    // A hand-built call with more arguments than any function takes.
    EXPECT_TRUE(std::isnan(Expr::call("max", std::vector<Expr>(9, Expr::number(1))).evaluate(0)));
}

TEST(Functions, ReservedNamesAreExactAndCaseSensitive) {
    for (const char* name : {"x", "π", "convert", "log2"})
        EXPECT_TRUE(ExpressionFunctions::isReserved(name)) << name;
    for (const char* name : {"X", "Pi"})
        EXPECT_FALSE(ExpressionFunctions::isReserved(name)) << name;
}

// --- Binding parameters and units -----------------------------------------------------------

UnitCategory lengths() {
    UnitCategory category;
    category.id = "length";
    category.base = "m";
    category.units = {{"m", "m", {}, LinearConversion{1}},
                      {"km", "km", {}, LinearConversion{1000}},
                      {"ft", "ft", {}, LinearConversion{0.3048}}};
    return category;
}

ExpressionBinding::UnitLookup lookupIn(const UnitCategory& category) {
    return [&category](std::string_view reference) -> std::optional<Conversion> {
        auto prefix = category.id + ".";
        if (!reference.starts_with(prefix))
            return std::nullopt;
        const auto* unit = category.unit(reference.substr(prefix.size()));
        return unit ? std::optional<Conversion>(unit->conversion) : std::nullopt;
    };
}

Result<Expr, ExpressionBinding::Unresolved>
prepared(const std::string& formula, std::vector<std::pair<std::string, double>> parameters,
         const UnitCategory& category) {
    ExpressionBinding binding{ExpressionBinding::parameters(std::move(parameters)),
                              lookupIn(category)};
    return binding.prepare(*Expr::parse(formula));
}

TEST(Binding, ParametersBecomeNumbersAndTheFirstOfEqualNamesWins) {
    auto category = lengths();
    auto expr = prepared("x * k + offset", {{"k", 3}, {"offset", 1}, {"k", 4}}, category);
    ASSERT_TRUE(expr.hasValue());
    EXPECT_EQ(expr->evaluate(2), 7);
    EXPECT_EQ(*expr, *Expr::parse("x * 3 + 1"));
    EXPECT_EQ(prepared("x * k", {}, category).error(),
              (ExpressionBinding::Unresolved{ExpressionBinding::Unresolved::Kind::parameter, "k"}));
}

TEST(Binding, ConversionsResolveThroughTheLookup) {
    auto category = lengths();
    auto expr = prepared("convert(x, length.km, length.m)", {}, category);
    ASSERT_TRUE(expr.hasValue());
    EXPECT_EQ(expr->evaluate(2), 2000);
    ASSERT_NE(expr->as<Expr::ConvertResolved>(), nullptr);
}

TEST(Binding, FromIsLookedUpBeforeToAndBeforeTheValue) {
    auto category = lengths();
    using Kind = ExpressionBinding::Unresolved::Kind;
    EXPECT_EQ(prepared("convert(x, length.ft, length.zz)", {}, category).error(),
              (ExpressionBinding::Unresolved{Kind::unit, "length.zz"}));
    EXPECT_EQ(prepared("convert(y, length.m, length.ft)", {}, category).error(),
              (ExpressionBinding::Unresolved{Kind::parameter, "y"}));
    // Operands are prepared left to right.
    EXPECT_EQ(prepared("a + convert(1, length.q, length.m)", {}, category).error(),
              (ExpressionBinding::Unresolved{Kind::parameter, "a"}));
}

} // namespace
} // namespace ravodozu
