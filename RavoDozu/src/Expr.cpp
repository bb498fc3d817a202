// Expr: construction, structural equality and the tree measures.
#include "RavoDozu/Expr.h"

#include <algorithm>

namespace ravodozu {

Expr Expr::number(double value) {
    return Expr(std::make_shared<const Node>(Number{value}));
}

Expr Expr::variable(std::string name) {
    return Expr(std::make_shared<const Node>(Variable{std::move(name)}));
}

Expr Expr::negate(Expr operand) {
    return Expr(std::make_shared<const Node>(Negate{std::move(operand)}));
}

Expr Expr::binary(Op op, Expr left, Expr right) {
    return Expr(std::make_shared<const Node>(Binary{op, std::move(left), std::move(right)}));
}

Expr Expr::compare(Comparison comparison, Expr left, Expr right) {
    return Expr(
        std::make_shared<const Node>(Compare{comparison, std::move(left), std::move(right)}));
}

Expr Expr::call(std::string name, std::vector<Expr> arguments) {
    return Expr(std::make_shared<const Node>(Call{std::move(name), std::move(arguments)}));
}

Expr Expr::convert(Expr value, std::string from, std::string to) {
    return Expr(
        std::make_shared<const Node>(Convert{std::move(value), std::move(from), std::move(to)}));
}

Expr Expr::convertResolved(Expr value, Conversion from, Conversion to) {
    return Expr(std::make_shared<const Node>(
        ConvertResolved{std::move(value), std::move(from), std::move(to)}));
}

bool operator==(const Expr& a, const Expr& b) {
    // Shared subtrees are common after preparation; skip walking them twice.
    return a.node_ == b.node_ || *a.node_ == *b.node_;
}

namespace {

struct DepthOf {
    int operator()(const Expr::Number&) const { return 1; }
    int operator()(const Expr::Variable&) const { return 1; }
    int operator()(const Expr::Negate& n) const { return 1 + n.operand.depth(); }
    int operator()(const Expr::Binary& n) const {
        return 1 + std::max(n.left.depth(), n.right.depth());
    }
    int operator()(const Expr::Compare& n) const {
        return 1 + std::max(n.left.depth(), n.right.depth());
    }
    int operator()(const Expr::Call& n) const {
        int deepest = 0;
        for (const auto& argument : n.arguments)
            deepest = std::max(deepest, argument.depth());
        return 1 + deepest;
    }
    int operator()(const Expr::Convert& n) const { return 1 + n.value.depth(); }
    int operator()(const Expr::ConvertResolved& n) const { return 1 + n.value.depth(); }
};

void collectReferences(const Expr& expr, std::vector<std::string>& into) {
    auto note = [&](const std::string& reference) {
        if (std::ranges::find(into, reference) == into.end())
            into.push_back(reference);
    };
    std::visit(
        [&](const auto& n) {
            using Case = std::decay_t<decltype(n)>;
            if constexpr (std::is_same_v<Case, Expr::Negate>) {
                collectReferences(n.operand, into);
            } else if constexpr (std::is_same_v<Case, Expr::Binary> ||
                                 std::is_same_v<Case, Expr::Compare>) {
                collectReferences(n.left, into);
                collectReferences(n.right, into);
            } else if constexpr (std::is_same_v<Case, Expr::Call>) {
                for (const auto& argument : n.arguments)
                    collectReferences(argument, into);
            } else if constexpr (std::is_same_v<Case, Expr::Convert>) {
                collectReferences(n.value, into);
                note(n.from);
                note(n.to);
            } else if constexpr (std::is_same_v<Case, Expr::ConvertResolved>) {
                // Resolved conversions no longer name anything, but their value may.
                collectReferences(n.value, into);
            }
        },
        expr.node());
}

} // namespace

int Expr::depth() const {
    return std::visit(DepthOf{}, node());
}

std::vector<std::string> Expr::unitReferences() const {
    std::vector<std::string> references;
    collectReferences(*this, references);
    return references;
}

char Expr::rawValue(Op op) {
    return static_cast<char>(op);
}

std::string_view Expr::rawValue(Comparison comparison) {
    switch (comparison) {
    case Comparison::less:
        return "<";
    case Comparison::lessOrEqual:
        return "<=";
    case Comparison::greater:
        return ">";
    case Comparison::greaterOrEqual:
        return ">=";
    case Comparison::equal:
        return "=";
    case Comparison::notEqual:
        return "!=";
    }
    return "";
}

std::optional<Expr::Op> Expr::op(char raw) {
    switch (raw) {
    case '+':
        return Op::add;
    case '-':
        return Op::subtract;
    case '*':
        return Op::multiply;
    case '/':
        return Op::divide;
    case '^':
        return Op::power;
    default:
        return std::nullopt;
    }
}

std::optional<Expr::Comparison> Expr::comparison(std::string_view raw) {
    for (auto candidate : {Comparison::less, Comparison::lessOrEqual, Comparison::greater,
                           Comparison::greaterOrEqual, Comparison::equal, Comparison::notEqual})
        if (rawValue(candidate) == raw)
            return candidate;
    return std::nullopt;
}

} // namespace ravodozu
