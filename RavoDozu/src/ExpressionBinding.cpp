// ExpressionBinding: gives a parsed formula its parameter values and unit conversions.
#include "RavoDozu/ExpressionBinding.h"

#include <algorithm>

#include "RavoDozu/UnitCatalog.h"

namespace ravodozu {
namespace {

using Unresolved = ExpressionBinding::Unresolved;

// Thrown inside the walk only; `prepare` turns it into a failed Result.
struct NotFound {
    Unresolved unresolved;
};

struct Preparer {
    const ExpressionBinding& binding;

    Expr operator()(const Expr& expr) const { return std::visit(*this, expr.node()); }

    Expr operator()(const Expr::Number& n) const { return Expr::number(n.value); }
    Expr operator()(const Expr::Variable& n) const {
        if (n.name == "x")
            return Expr::variable(n.name);
        auto value = binding.parameter ? binding.parameter(n.name) : std::nullopt;
        if (!value)
            throw NotFound{{Unresolved::Kind::parameter, n.name}};
        return Expr::number(*value);
    }
    Expr operator()(const Expr::Negate& n) const { return Expr::negate((*this)(n.operand)); }
    Expr operator()(const Expr::Binary& n) const {
        Expr left = (*this)(n.left);
        return Expr::binary(n.op, std::move(left), (*this)(n.right));
    }
    Expr operator()(const Expr::Compare& n) const {
        Expr left = (*this)(n.left);
        return Expr::compare(n.comparison, std::move(left), (*this)(n.right));
    }
    Expr operator()(const Expr::Call& n) const {
        std::vector<Expr> arguments;
        arguments.reserve(n.arguments.size());
        for (const auto& argument : n.arguments)
            arguments.push_back((*this)(argument));
        return Expr::call(n.name, std::move(arguments));
    }
    Expr operator()(const Expr::Convert& n) const {
        auto from = unit(n.from);
        auto to = unit(n.to);
        return Expr::convertResolved((*this)(n.value), std::move(from), std::move(to));
    }
    Expr operator()(const Expr::ConvertResolved& n) const {
        return Expr::convertResolved((*this)(n.value), n.from, n.to);
    }

    Conversion unit(const std::string& reference) const {
        auto conversion = binding.unit ? binding.unit(reference) : std::nullopt;
        if (!conversion)
            throw NotFound{{Unresolved::Kind::unit, reference}};
        return *conversion;
    }
};

} // namespace

Result<Expr, Unresolved> ExpressionBinding::prepare(const Expr& expr) const {
    try {
        return Preparer{*this}(expr);
    } catch (NotFound& notFound) {
        return fail(std::move(notFound.unresolved));
    }
}

ExpressionBinding::ParameterLookup
ExpressionBinding::parameters(std::vector<std::pair<std::string, double>> list) {
    return [list = std::move(list)](std::string_view name) -> std::optional<double> {
        auto found = std::ranges::find(list, name, &std::pair<std::string, double>::first);
        if (found == list.end())
            return std::nullopt;
        return found->second;
    };
}

ExpressionBinding::UnitLookup ExpressionBinding::catalogUnits(const UnitCatalog& catalog) {
    return [&catalog](std::string_view reference) -> std::optional<Conversion> {
        auto dot = reference.find('.');
        if (dot == std::string_view::npos)
            return std::nullopt;
        const auto* category = catalog.category(reference.substr(0, dot));
        const auto* unit = category ? category->unit(reference.substr(dot + 1)) : nullptr;
        if (!unit)
            return std::nullopt;
        return unit->conversion;
    };
}

} // namespace ravodozu
