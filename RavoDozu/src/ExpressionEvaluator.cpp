// ExpressionEvaluator: the value of a tree for one input, in plain IEEE double arithmetic.
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "RavoDozu/Expr.h"
#include "RavoDozu/ExpressionFunctions.h"

namespace ravodozu {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

double binary(Expr::Op op, double a, double b) {
    switch (op) {
    case Expr::Op::add:
        return a + b;
    case Expr::Op::subtract:
        return a - b;
    case Expr::Op::multiply:
        return a * b;
    case Expr::Op::divide:
        return a / b;
    case Expr::Op::power:
        return std::pow(a, b);
    }
    return nan;
}

// Equality and the non-strict comparisons forgive a relative error of 1e-12 (absolute below
// magnitude 1), so 0.1 + 0.2 = 0.3 holds; "<" and ">" stay strict.
double compare(Expr::Comparison comparison, double a, double b) {
    using C = Expr::Comparison;
    if (std::isnan(a) || std::isnan(b))
        return nan;
    // An infinite side would make the tolerance infinite (∞ = 5 true, ∞ ≥ 5 false through
    // ∞ − ∞); infinities compare exactly instead.
    double tolerance =
        std::isinf(a) || std::isinf(b) ? 0.0 : 1e-12 * std::max({1.0, std::fabs(a), std::fabs(b)});
    bool holds = false;
    switch (comparison) {
    case C::less:
        holds = a < b;
        break;
    case C::lessOrEqual:
        holds = a <= b || a <= b + tolerance;
        break;
    case C::greater:
        holds = a > b;
        break;
    case C::greaterOrEqual:
        holds = a >= b || a >= b - tolerance;
        break;
    case C::equal:
        holds = a == b || std::fabs(a - b) <= tolerance;
        break;
    case C::notEqual:
        holds = a != b && std::fabs(a - b) > tolerance;
        break;
    }
    return holds ? 1.0 : 0.0;
}

struct Evaluator {
    double x;

    double operator()(const Expr::Number& n) const { return n.value; }
    double operator()(const Expr::Variable& n) const { return n.name == "x" ? x : nan; }
    double operator()(const Expr::Negate& n) const { return -n.operand.evaluate(x); }
    double operator()(const Expr::Binary& n) const {
        double left = n.left.evaluate(x);
        return binary(n.op, left, n.right.evaluate(x));
    }
    double operator()(const Expr::Compare& n) const {
        double left = n.left.evaluate(x);
        return compare(n.comparison, left, n.right.evaluate(x));
    }
    double operator()(const Expr::Call& n) const {
        if (n.name == "if" && n.arguments.size() == 3) {
            // Only the chosen branch is evaluated, so «if(x > 0, ln(x), 0)» costs one log.
            double condition = n.arguments[0].evaluate(x);
            if (std::isnan(condition))
                return nan;
            return n.arguments[condition != 0 ? 1 : 2].evaluate(x);
        }
        std::array<double, 8> values;
        if (n.arguments.size() > values.size())
            return nan; // no function takes more
        for (std::size_t i = 0; i < n.arguments.size(); ++i)
            values[i] = n.arguments[i].evaluate(x);
        return ExpressionFunctions::apply(n.name, std::span(values.data(), n.arguments.size()));
    }
    double operator()(const Expr::Convert&) const { return nan; }
    double operator()(const Expr::ConvertResolved& n) const {
        return fromBase(n.to, toBase(n.from, n.value.evaluate(x)));
    }
};

} // namespace

double Expr::evaluate(double x) const {
    return std::visit(Evaluator{x}, node());
}

} // namespace ravodozu
