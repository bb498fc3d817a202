// ExpressionFunctions: the formula language's fixed tables and its built-in functions.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>

namespace ravodozu {

/// Static tables only, built once on first use and immutable afterwards; safe on any thread.
class ExpressionFunctions {
  public:
    ExpressionFunctions() = delete;

    struct Arity {
        int minimum;
        int maximum;
        bool operator==(const Arity&) const = default;
    };

    /// Every built-in function by its lower-case name.
    static const std::map<std::string, Arity, std::less<>>& table();
    /// The argument counts a function accepts, or none for a name that is not a function.
    static std::optional<Arity> arity(std::string_view name);

    /// Names a parameter may not take: the functions, "x", "e", "pi", "π" and "convert".
    static const std::set<std::string, std::less<>>& reservedNames();
    static bool isReserved(std::string_view name);

    /// The value of built-in function `name` (lower case) for already evaluated arguments.
    /// Never fails: a domain violation, an unknown name or a wrong argument count is NaN.
    /// "if" is evaluated lazily by the evaluator; here it simply selects among its values.
    static double apply(std::string_view name, std::span<const double> arguments);
};

} // namespace ravodozu
