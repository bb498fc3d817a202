// Formula evaluation: arithmetic, tolerant comparisons, the conditional and the built-in
// functions' domains. Binding parameters and units is tested through the custom compiler.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RavoDozu/Expr.h"
#include "RavoDozu/ExpressionFunctions.h"

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
    expectValues({{"y", 3, nan},
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
                  {"1000000 = 1000000.0000005", 0, 1},
                  {"1000000 = 1000000.000005", 0, 0},
                  {"1e-13 = 0", 0, 1},
                  {"0/0 = 0/0", 0, nan},
                  // Infinities compare exactly rather than through an infinite tolerance.
                  {"1/0 = 1/0", 0, 1},
                  {"1/0 = 1e300", 0, 0},
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
                  {"log(1000)", 0, 3},
                  {"floor(-1.5)", 0, -2},
                  {"rad(180)", 0, pi},
                  {"max(1, 0/0)", 0, nan},
                  {"min(0/0, 1)", 0, nan}});
    // Ties keep the earliest argument, which tells -0 from 0.
    EXPECT_TRUE(std::signbit(value("min(-0, 0)")));
    EXPECT_FALSE(std::signbit(value("min(0, -0)")));
}

TEST(Functions, RoundingHalvesAwayFromZero) {
    expectValues({{"round(-2.5)", 0, -3},
                  {"round(0.49999999999999994)", 0, 0},
                  {"round(-1250, -2)", 0, -1300},
                  {"round(1.23456, 2.5)", 0, 1.235},
                  {"round(1, 15)", 0, 1},
                  {"round(1, 16)", 0, nan},
                  {"round(1, 0/0)", 0, nan}});
}

TEST(Functions, ReservedNamesAreExactAndCaseSensitive) {
    for (const char* name : {"x", "π", "convert", "log2"})
        EXPECT_TRUE(ExpressionFunctions::isReserved(name)) << name;
    for (const char* name : {"X", "Pi"})
        EXPECT_FALSE(ExpressionFunctions::isReserved(name)) << name;
}

} // namespace
} // namespace ravodozu
