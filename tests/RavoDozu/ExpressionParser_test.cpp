// Formula tokenizing and parsing: tokens, tree shapes, limits and error reports.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RavoDozu/Expr.h"

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

TEST(Tokenizing, PositionsCountGraphemeClusters) {
    // "é" written as e + combining acute is one character, as is a flag emoji.
    auto result = Expr::tokenize("e\u0301 + 🇫🇷 1");
    ASSERT_FALSE(result.hasValue());
    EXPECT_EQ(result.error(), (ExpressionError{Code::unexpectedCharacter, 4, {}}));

    auto located = Expr::tokenize("\u00D7\u00D7 x");
    ASSERT_TRUE(located.hasValue());
    EXPECT_EQ((*located)[2].position, 3);
}

TEST(Precedence, TreesHaveTheExpectedShape) {
    struct Case {
        const char* text;
        Expr expected;
    };
    const std::vector<Case> cases{
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
        {"pi(2)", mul(num(3.141592653589793), num(2))},
        {"2e", mul(num(2), num(2.718281828459045))},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parsed(c.text), c.expected) << c.text;
}

TEST(Limits, LengthIsCheckedBeforeAnythingElse) {
    EXPECT_EQ(errorOf(std::string(401, ' ')), (ExpressionError{Code::unexpectedToken, 400, {}}));
    EXPECT_EQ(errorOf(std::string(400, ' ')), (ExpressionError{Code::empty, 0, {}}));
    // Characters, not bytes: 400 three-byte characters are within the limit.
    EXPECT_TRUE(Expr::tokenize(repeated("×", 400)).hasValue());
    EXPECT_TRUE(Expr::parse("x" + std::string(399, ' ')).hasValue());
}

TEST(Limits, NestingStopsAtThirtyNineLevels) {
    EXPECT_TRUE(Expr::parse(repeated("(", 39) + "1" + repeated(")", 39)).hasValue());
    EXPECT_EQ(errorOf(repeated("(", 40) + "1" + repeated(")", 40)),
              (ExpressionError{Code::unexpectedToken, 40, {}}));
    EXPECT_EQ(errorOf(repeated("√", 60) + "1"), (ExpressionError{Code::unexpectedToken, 40, {}}));
}

TEST(Limits, TreeDepthBoundsFlatChains) {
    auto sum = [](int terms) { return "1" + repeated("+1", terms - 1); };
    auto forty = Expr::parse(sum(40));
    ASSERT_TRUE(forty.hasValue());
    EXPECT_EQ(forty->depth(), 40);
    EXPECT_EQ(errorOf(sum(41)), (ExpressionError{Code::unexpectedToken, 0, {}}));
}

TEST(Errors, CodePositionAndDetail) {
    struct Case {
        const char* text;
        ExpressionError expected;
    };
    const std::vector<Case> cases{
        {"", {Code::empty, 0, {}}},
        {"(1+2", {Code::missingClosingParenthesis, 4, {}}},
        {"１", {Code::unexpectedCharacter, 0, {}}},
        {"1 < 2 < 3", {Code::unexpectedToken, 6, {}}},
        {"x + MIN(1)", {Code::wrongArgumentCount, 4, "min"}},
        {"max(1,2,3,4,5,6,7,8,9)", {Code::wrongArgumentCount, 0, "max"}},
        {"2 + Foo(2)", {Code::unknownFunction, 4, "Foo"}},
        {"convert(x, m, ft)", {Code::badUnitReference, 11, {}}},
        {"convert(x, a.b, 2)", {Code::badUnitReference, 16, {}}},
        {"convert(x, a.b c.d)", {Code::wrongArgumentCount, 15, "convert"}},
        {"convert(x, a.b, c.d, e.f)", {Code::missingClosingParenthesis, 19, {}}},
        // Characters are checked over the whole text before the grammar.
        {"foo(2) $", {Code::unexpectedCharacter, 7, {}}},
    };
    for (const auto& c : cases) {
        auto result = Expr::parse(c.text);
        ASSERT_FALSE(result.hasValue()) << c.text;
        EXPECT_EQ(result.error(), c.expected) << c.text << " → " << result.error().describe()
                                              << ", expected " << c.expected.describe();
    }
}

TEST(TreeMeasures, UnitReferencesInOrderOfFirstAppearance) {
    EXPECT_EQ(parsed("convert(convert(x, a.b, c.d), c.d, e.f)").unitReferences(),
              (std::vector<std::string>{"a.b", "c.d", "e.f"}));
}

} // namespace
} // namespace ravodozu
