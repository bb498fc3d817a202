// Expr: a formula of the custom-unit language as an immutable tree, with its parser and
// evaluator.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "RavoDozu/Conversion.h"
#include "RavoDozu/ExpressionError.h"
#include "RavoDozu/Result.h"

namespace ravodozu {

/// An immutable expression tree. Copies are cheap and share their subtrees; two trees are
/// equal when they have the same shape and payloads.
///
/// The language: numbers («2», «.5», «2e3»), the input `x`, parameters (any other name, case-
/// sensitive, possibly dotted or non-Latin), + - * / ^ with the usual precedence, a unary
/// minus that binds looser than ^ («-2^2» is −4), products without an operator («2x»,
/// «3(x+1)», «2√x»), one comparison per level, case-insensitive constants («pi», «π», «e»)
/// and functions (ExpressionFunctions), and unit conversions «convert(x, length.m, length.ft)».
class Expr {
  public:
    enum class Op : char { add = '+', subtract = '-', multiply = '*', divide = '/', power = '^' };
    enum class Comparison { less, lessOrEqual, greater, greaterOrEqual, equal, notEqual };

    /// The longest formula in user-perceived characters, white space included.
    static constexpr int maxCharacters = 400;
    /// The deepest tree `parse` returns (see `depth`).
    static constexpr int maxDepth = 40;

    // The cases of a node, in this order.
    struct Number;          ///< a literal or a named constant
    struct Variable;        ///< `x` is the input; any other name a parameter
    struct Negate;          ///< unary minus
    struct Binary;          ///< arithmetic
    struct Compare;         ///< 1 when the comparison holds, else 0
    struct Call;            ///< a built-in function; the name is lower case
    struct Convert;         ///< a unit conversion with references «category.unit» as written
    struct ConvertResolved; ///< the same with both references resolved; never from the parser
    using Node =
        std::variant<Number, Variable, Negate, Binary, Compare, Call, Convert, ConvertResolved>;

    static Expr number(double value);
    static Expr variable(std::string name);
    static Expr negate(Expr operand);
    static Expr binary(Op op, Expr left, Expr right);
    static Expr compare(Comparison comparison, Expr left, Expr right);
    static Expr call(std::string name, std::vector<Expr> arguments);
    static Expr convert(Expr value, std::string from, std::string to);
    static Expr convertResolved(Expr value, Conversion from, Conversion to);

    const Node& node() const;
    /// The node as case `Case`, or nullptr when it is another case.
    template <class Case> const Case* as() const;

    /// What the tokenizer produces. Tokens are equal when of the same case and payload.
    struct Token {
        struct Open {
            bool operator==(const Open&) const = default;
        };
        struct Close {
            bool operator==(const Close&) const = default;
        };
        struct Comma {
            bool operator==(const Comma&) const = default;
        };
        struct Root {
            bool operator==(const Root&) const = default;
        };
        enum class Kind { number, name, op, comparison, open, close, comma, root };

        /// In Kind's order: number, name as written, operator, comparison, then the marks.
        std::variant<double, std::string, Op, Comparison, Open, Close, Comma, Root> value;

        Kind kind() const { return static_cast<Kind>(value.index()); }
        bool operator==(const Token&) const = default;
    };

    /// A token and the index of its first character (grapheme cluster) in the formula.
    struct Located {
        Token token;
        int position;
        bool operator==(const Located&) const = default;
    };

    /// Splits UTF-8 text into tokens. Ill-formed UTF-8 reads as U+FFFD.
    static Result<std::vector<Located>, ExpressionError> tokenize(std::string_view text);
    /// Parses UTF-8 text into a tree no deeper than `maxDepth`. The first fault found wins:
    /// the length limit, then characters left to right, then the grammar, then the depth.
    static Result<Expr, ExpressionError> parse(std::string_view text);

    /// The tree's value for input `x` in IEEE double arithmetic. Never fails: unknown
    /// variables, unresolved conversions and domain violations are NaN. Thread-safe.
    double evaluate(double x) const;

    /// Leaves count 1, every other node 1 more than its deepest operand.
    int depth() const;
    /// The `from` and `to` of every `Convert` node, each once, in order of first appearance
    /// (a conversion's value is visited before its own references).
    std::vector<std::string> unitReferences() const;

    static char rawValue(Op op);
    static std::string_view rawValue(Comparison comparison);
    /// The operator written exactly as `raw` ("+", "-", "*", "/", "^"), or none.
    static std::optional<Op> op(char raw);
    /// The comparison written exactly as `raw` ("<", "<=", ">", ">=", "=", "!="), or none.
    static std::optional<Comparison> comparison(std::string_view raw);

    friend bool operator==(const Expr& a, const Expr& b);

  private:
    explicit Expr(std::shared_ptr<const Node> node) : node_(std::move(node)) {}
    std::shared_ptr<const Node> node_;
};

struct Expr::Number {
    double value;
    bool operator==(const Number&) const = default;
};

struct Expr::Variable {
    std::string name;
    bool operator==(const Variable&) const = default;
};

struct Expr::Negate {
    Expr operand;
    bool operator==(const Negate&) const = default;
};

struct Expr::Binary {
    Op op;
    Expr left;
    Expr right;
    bool operator==(const Binary&) const = default;
};

struct Expr::Compare {
    Comparison comparison;
    Expr left;
    Expr right;
    bool operator==(const Compare&) const = default;
};

struct Expr::Call {
    std::string name;
    std::vector<Expr> arguments;
    bool operator==(const Call&) const = default;
};

struct Expr::Convert {
    Expr value;
    std::string from;
    std::string to;
    bool operator==(const Convert&) const = default;
};

struct Expr::ConvertResolved {
    Expr value;
    Conversion from;
    Conversion to;
    bool operator==(const ConvertResolved&) const = default;
};

inline const Expr::Node& Expr::node() const {
    return *node_;
}

template <class Case> const Case* Expr::as() const {
    return std::get_if<Case>(node_.get());
}

} // namespace ravodozu
