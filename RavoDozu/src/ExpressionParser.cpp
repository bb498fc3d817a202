// ExpressionParser: recursive descent from tokens to an Expr tree, with bounded nesting.
#include <algorithm>
#include <cctype>

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "ExpressionTokenizer.h"
#include "RavoDozu/ExpressionFunctions.h"

namespace ravodozu {
namespace {

using Code = ExpressionError::Code;
using Kind = Expr::Token::Kind;

constexpr double pi = 3.141592653589793;
constexpr double e = 2.718281828459045;

// Every nesting step adds one level, so hostile input meets this limit long before the stack
// runs short.
constexpr int deepestLevel = Expr::maxDepth - 1;

std::string lowercased(const std::string& name) {
    bool ascii = std::ranges::all_of(name, [](unsigned char c) { return c < 0x80; });
    if (ascii) {
        std::string lower = name;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return lower;
    }
    // Unicode case folding keeps «Π» the constant π.
    std::string lower;
    icu::UnicodeString::fromUTF8(name).toLower(icu::Locale::getRoot()).toUTF8String(lower);
    return lower;
}

bool looksLikeFunctionName(const std::string& name) {
    return name.size() >= 2 && name != "x" &&
           std::ranges::all_of(name, [](unsigned char c) { return std::isalpha(c) != 0; });
}

bool isUnitReference(const std::string& name) {
    auto dot = name.find('.');
    return dot != std::string::npos && dot != 0 && dot + 1 != name.size() &&
           name.find('.', dot + 1) == std::string::npos;
}

class Parser {
  public:
    Parser(const std::vector<Expr::Located>& tokens, int end) : tokens_(tokens), end_(end) {}

    Expr comparison(int depth);
    bool atEnd() const { return index_ >= tokens_.size(); }
    /// The position of the current token, or the end of the text.
    int position() const { return atEnd() ? end_ : tokens_[index_].position; }

  private:
    Expr additive(int depth);
    Expr term(int depth);
    Expr unary(int depth);
    Expr power(int depth);
    Expr primary(int depth);
    Expr nameForm(const std::string& name, int depth);
    Expr functionCall(const std::string& lower, int namePosition, int depth);
    Expr conversion(int depth);
    std::string unitReference();

    const Expr::Token* current() const { return atEnd() ? nullptr : &tokens_[index_].token; }
    bool currentIs(Kind kind) const { return current() && current()->kind() == kind; }
    std::optional<Expr::Op> currentOp() const {
        if (!currentIs(Kind::op))
            return std::nullopt;
        return std::get<Expr::Op>(current()->value);
    }
    void expect(Kind kind, Code code, std::optional<std::string> detail = {}) {
        if (!currentIs(kind))
            raise(code, position(), std::move(detail));
        ++index_;
    }
    [[noreturn]] static void raise(Code code, int position,
                                   std::optional<std::string> detail = {}) {
        throw ExpressionError{code, position, std::move(detail)};
    }

    const std::vector<Expr::Located>& tokens_;
    std::size_t index_ = 0;
    int end_;
};

Expr Parser::comparison(int depth) {
    Expr left = additive(depth);
    if (!currentIs(Kind::comparison))
        return left;
    auto comparison = std::get<Expr::Comparison>(current()->value);
    ++index_;
    return Expr::compare(comparison, std::move(left), additive(depth));
}

Expr Parser::additive(int depth) {
    Expr left = term(depth);
    for (auto op = currentOp(); op == Expr::Op::add || op == Expr::Op::subtract; op = currentOp()) {
        ++index_;
        left = Expr::binary(*op, std::move(left), term(depth));
    }
    return left;
}

Expr Parser::term(int depth) {
    Expr left = unary(depth);
    for (;;) {
        auto op = currentOp();
        if (op == Expr::Op::multiply || op == Expr::Op::divide) {
            ++index_;
            left = Expr::binary(*op, std::move(left), unary(depth));
        } else if (currentIs(Kind::number) || currentIs(Kind::name) || currentIs(Kind::open) ||
                   currentIs(Kind::root)) {
            // «2x», «3(x+1)», «2√x»: a product written without its operator.
            left = Expr::binary(Expr::Op::multiply, std::move(left), unary(depth));
        } else {
            return left;
        }
    }
}

Expr Parser::unary(int depth) {
    if (depth > deepestLevel)
        raise(Code::unexpectedToken, position());
    auto op = currentOp();
    if (op == Expr::Op::subtract) {
        ++index_;
        return Expr::negate(unary(depth + 1));
    }
    if (op == Expr::Op::add) {
        ++index_;
        return unary(depth + 1);
    }
    return power(depth);
}

Expr Parser::power(int depth) {
    Expr base = primary(depth);
    if (currentOp() != Expr::Op::power)
        return base;
    ++index_;
    // The exponent is a unary: «2^-1» is allowed and «2^3^2» is 2^(3^2).
    return Expr::binary(Expr::Op::power, std::move(base), unary(depth + 1));
}

Expr Parser::primary(int depth) {
    if (atEnd())
        raise(Code::expectedNumberOrName, end_);
    if (depth > deepestLevel)
        raise(Code::unexpectedToken, position());
    const auto& token = *current();
    switch (token.kind()) {
    case Kind::number:
        ++index_;
        return Expr::number(std::get<double>(token.value));
    case Kind::open: {
        ++index_;
        Expr inner = comparison(depth + 1);
        expect(Kind::close, Code::missingClosingParenthesis);
        return inner;
    }
    case Kind::root:
        ++index_;
        // «√4^2» is (√4)^2: the root takes one primary, or a whole group.
        return Expr::call("sqrt", {primary(depth + 1)});
    case Kind::name: {
        const auto& name = std::get<std::string>(token.value);
        return nameForm(name, depth);
    }
    default:
        raise(Code::unexpectedToken, position());
    }
}

Expr Parser::nameForm(const std::string& name, int depth) {
    int namePosition = position();
    ++index_;
    std::string lower = lowercased(name);
    bool openFollows = currentIs(Kind::open);

    if (lower == "convert" && openFollows)
        return conversion(depth);
    if (ExpressionFunctions::arity(lower))
        return functionCall(lower, namePosition, depth);
    if (lower == "convert")
        raise(Code::unexpectedToken, position());
    if (lower == "pi" || lower == "π")
        return Expr::number(pi);
    if (lower == "e")
        return Expr::number(e);
    if (openFollows && looksLikeFunctionName(name))
        raise(Code::unknownFunction, namePosition, name);
    // Anything else is a variable; a following "(" then reads as a product («a(2)»).
    return Expr::variable(name);
}

Expr Parser::functionCall(const std::string& lower, int namePosition, int depth) {
    expect(Kind::open, Code::unexpectedToken);
    std::vector<Expr> arguments;
    arguments.push_back(comparison(depth + 1));
    while (currentIs(Kind::comma)) {
        ++index_;
        arguments.push_back(comparison(depth + 1));
    }
    expect(Kind::close, Code::missingClosingParenthesis);
    auto arity = *ExpressionFunctions::arity(lower);
    auto count = static_cast<int>(arguments.size());
    if (count < arity.minimum || count > arity.maximum)
        raise(Code::wrongArgumentCount, namePosition, lower);
    return Expr::call(lower, std::move(arguments));
}

Expr Parser::conversion(int depth) {
    ++index_; // the "("
    Expr value = comparison(depth + 1);
    expect(Kind::comma, Code::wrongArgumentCount, "convert");
    std::string from = unitReference();
    expect(Kind::comma, Code::wrongArgumentCount, "convert");
    std::string to = unitReference();
    expect(Kind::close, Code::missingClosingParenthesis);
    return Expr::convert(std::move(value), std::move(from), std::move(to));
}

std::string Parser::unitReference() {
    if (!currentIs(Kind::name) || !isUnitReference(std::get<std::string>(current()->value)))
        raise(Code::badUnitReference, position());
    return std::get<std::string>(tokens_[index_++].token.value);
}

} // namespace

Result<Expr, ExpressionError> Expr::parse(std::string_view text) {
    auto tokenized = detail::tokenizeText(text);
    if (!tokenized)
        return fail(tokenized.error());
    const auto& tokens = tokenized->tokens;
    if (tokens.empty())
        return fail(ExpressionError{Code::empty, 0, {}});
    try {
        Parser parser(tokens, tokenized->characterCount);
        Expr expr = parser.comparison(0);
        if (!parser.atEnd())
            return fail(ExpressionError{Code::unexpectedToken, parser.position(), {}});
        // Long flat chains nest too: «1+1+…» with 41 terms is 41 levels deep.
        if (expr.depth() > maxDepth)
            return fail(ExpressionError{Code::unexpectedToken, 0, {}});
        return expr;
    } catch (const ExpressionError& error) {
        return fail(error);
    }
}

} // namespace ravodozu
