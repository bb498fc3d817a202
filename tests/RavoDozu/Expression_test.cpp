// Formulas: tokens, tree shapes, limits and error reports; arithmetic, tolerant comparisons, the
// conditional and the built-in functions' domains. Binding parameters and units is tested through
// the custom compiler, error positions in characters through zelvane-cli eval.
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RavoDozu/Expr.h"
#include "RavoDozu/ExpressionFunctions.h"

namespace ravodozu {
namespace {

using Code = ExpressionError::Code;
using Op = Expr::Op;
using Comparison = Expr::Comparison;
using Token = Expr::Token;

Expr num(double v) {
    return Expr::number(v);
}
Expr var(std::string n) {
    return Expr::variable(std::move(n));
}
Expr bin(Op op, Expr a, Expr b) {
    return Expr::binary(op, std::move(a), std::move(b));
}
Expr mul(Expr a, Expr b) {
    return bin(Op::multiply, std::move(a), std::move(b));
}

Expr parsed(const std::string& text) {
    auto result = Expr::parse(text);
    EXPECT_TRUE(result.hasValue()) << text << " → " << result.error().describe();
    return result.hasValue() ? *result : num(-999);
}

std::vector<Token> tokens(const std::string& text) {
    auto result = Expr::tokenize(text);
    EXPECT_TRUE(result.hasValue()) << text;
    std::vector<Token> list;
    if (result)
        for (const auto& located : *result)
            list.push_back(located.token);
    return list;
}

std::optional<ExpressionError> errorOf(const std::string& text) {
    auto result = Expr::parse(text);
    if (result)
        return std::nullopt;
    return result.error();
}

std::string repeated(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

// Numbers take only complete exponents; names span dots, letters and numeric characters;
// typographic characters normalise.
TEST(Tokenizing, NumbersNamesAndTypographicCharacters) {
    using Tokens = std::vector<Token>;
    const std::pair<const char*, Tokens> cases[] = {
        {"2e3", {{2000.0}}},
        {"2E+x", {{2.0}, {std::string("E")}, {Op::add}, {std::string("x")}}},
        {"1\t\n\u00A0\u3000.5", {{1.0}, {0.5}}},
        {"length.m", {{std::string("length.m")}}},
        {"x１ x² 长度", {{std::string("x１")}, {std::string("x²")}, {std::string("长度")}}},
        {"−×（≤＝",
         {{Op::subtract},
          {Op::multiply},
          {Token::Open{}},
          {Comparison::lessOrEqual},
          {Comparison::equal}}}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(tokens(text), expected) << text;
    // A trailing dot is not part of the name, and alone it starts no token.
    EXPECT_EQ(Expr::tokenize("a.").error(), (ExpressionError{Code::unexpectedCharacter, 1, {}}));
}

TEST(Precedence, TreesHaveTheExpectedShape) {
    const std::pair<const char*, Expr> cases[] = {
        {"1+2*3", bin(Op::add, num(1), mul(num(2), num(3)))},
        {"1-2-3", bin(Op::subtract, bin(Op::subtract, num(1), num(2)), num(3))},
        {"-2^2", Expr::negate(bin(Op::power, num(2), num(2)))},
        {"2^3^2", bin(Op::power, num(2), bin(Op::power, num(3), num(2)))},
        {"1 < 2+1", Expr::compare(Comparison::less, num(1), bin(Op::add, num(2), num(1)))},
        {"SIN(x)", Expr::call("sin", {var("x")})},
        {"min(1,2,3,4,5,6,7,8)",
         Expr::call("min", {num(1), num(2), num(3), num(4), num(5), num(6), num(7), num(8)})},
        {"convert(x, length.m, length.ft)", Expr::convert(var("x"), "length.m", "length.ft")},
        // Adjacent operands multiply.
        {"√4^2", bin(Op::power, Expr::call("sqrt", {num(4)}), num(2))},
        {"2x^2", mul(num(2), bin(Op::power, var("x"), num(2)))},
        {"Foo.bar(2)", mul(var("Foo.bar"), num(2))},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parsed(text), expected) << text;
    EXPECT_EQ(parsed("convert(convert(x, a.b, c.d), c.d, e.f)").unitReferences(),
              (std::vector<std::string>{"a.b", "c.d", "e.f"}));
}

// The length counts characters and is checked first; nesting and tree depth stop at 39 and 40.
TEST(Limits, LengthNestingAndDepth) {
    EXPECT_EQ(errorOf(std::string(401, ' ')), (ExpressionError{Code::unexpectedToken, 400, {}}));
    EXPECT_EQ(errorOf(std::string(400, ' ')), (ExpressionError{Code::empty, 0, {}}));
    EXPECT_TRUE(Expr::tokenize(repeated("×", 400)).hasValue());
    EXPECT_TRUE(Expr::parse("x" + std::string(399, ' ')).hasValue());

    EXPECT_TRUE(Expr::parse(repeated("(", 39) + "1" + repeated(")", 39)).hasValue());
    EXPECT_EQ(errorOf(repeated("(", 40) + "1" + repeated(")", 40)),
              (ExpressionError{Code::unexpectedToken, 40, {}}));
    EXPECT_EQ(errorOf(repeated("√", 60) + "1"), (ExpressionError{Code::unexpectedToken, 40, {}}));

    EXPECT_EQ(parsed("1" + repeated("+1", 39)).depth(), 40);
    EXPECT_EQ(errorOf("1" + repeated("+1", 40)), (ExpressionError{Code::unexpectedToken, 0, {}}));
}

TEST(Errors, CodePositionAndDetail) {
    const std::pair<const char*, ExpressionError> cases[] = {
        {"", {Code::empty, 0, {}}},
        {"(1+2", {Code::missingClosingParenthesis, 4, {}}},
        {"１", {Code::unexpectedCharacter, 0, {}}},
        {"1 < 2 < 3", {Code::unexpectedToken, 6, {}}},
        {"x + MIN(1)", {Code::wrongArgumentCount, 4, "min"}},
        {"2 + Foo(2)", {Code::unknownFunction, 4, "Foo"}},
        {"convert(x, m, ft)", {Code::badUnitReference, 11, {}}},
        {"convert(x, a.b c.d)", {Code::wrongArgumentCount, 15, "convert"}},
        {"convert(x, a.b, c.d, e.f)", {Code::missingClosingParenthesis, 19, {}}},
        // Characters are checked over the whole text before the grammar.
        {"foo(2) $", {Code::unexpectedCharacter, 7, {}}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(errorOf(text), expected) << text << ", expected " << expected.describe();
}

constexpr double inf = std::numeric_limits<double>::infinity();

double value(const std::string& formula, double x = 0) {
    return parsed(formula).evaluate(x);
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

// Comparisons forgive only the non-strict operators; a conditional evaluates only the chosen
// branch; rounding halves away from zero.
TEST(Evaluation, ValuesAndDomains) {
    expectValues({{"y", 3, nan},
                  {"(-8)^(1/3)", 0, nan},
                  {"-1/0", 0, -inf},
                  {"convert(x, length.m, length.ft)", 1, nan}, // unresolved: no value
                  {"0.1+0.2 = 0.3", 0, 1},
                  {"0.1+0.2 > 0.3", 0, 1},
                  {"1000000 = 1000000.0000005", 0, 1},
                  {"1000000 = 1000000.000005", 0, 0},
                  {"1e-13 = 0", 0, 1},
                  {"0/0 = 0/0", 0, nan},
                  // Infinities compare exactly rather than through an infinite tolerance.
                  {"1/0 = 1/0", 0, 1},
                  {"1/0 = 1e300", 0, 0},
                  {"1e308 = -1e308", 0, 0},
                  {"if(0/0, 1, 2)", 0, nan},
                  {"if(-0, 1, 2)", 0, 2},
                  {"if(x, 7, sqrt(-1))", -3, 7},
                  {"sqrt(-1)", 0, nan},
                  {"cbrt(-8)", 0, -2},
                  {"log(1000)", 0, 3},
                  {"rad(180)", 0, 3.141592653589793},
                  {"max(1, 0/0)", 0, nan},
                  {"round(-2.5)", 0, -3},
                  {"round(0.49999999999999994)", 0, 0},
                  {"round(-1250, -2)", 0, -1300},
                  {"round(1.23456, 2.5)", 0, 1.235},
                  {"round(1, 15)", 0, 1},
                  {"round(1, 16)", 0, nan}});
    EXPECT_TRUE(std::signbit(value("-x", 0)));
    // Ties keep the earliest argument, which tells -0 from 0.
    EXPECT_TRUE(std::signbit(value("min(-0, 0)")));
    EXPECT_FALSE(std::signbit(value("min(0, -0)")));
}

TEST(Functions, ReservedNamesAreExactAndCaseSensitive) {
    for (const char* name : {"x", "π", "convert", "log2"})
        EXPECT_TRUE(ExpressionFunctions::isReserved(name)) << name;
    for (const char* name : {"X", "Pi"})
        EXPECT_FALSE(ExpressionFunctions::isReserved(name)) << name;
}

} // namespace
} // namespace ravodozu
