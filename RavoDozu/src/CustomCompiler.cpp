#include "RavoDozu/CustomCompiler.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include "RavoDozu/NumberText.h"

namespace ravodozu {

namespace {

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

using Inverse = CustomMapping::Inverse;

/// Only white space and newlines, Unicode ones (such as U+00A0 and U+3000) included.
bool isBlank(std::string_view text) {
    int32_t index = 0, length = static_cast<int32_t>(text.size());
    while (index < length) {
        UChar32 c;
        U8_NEXT(text.data(), index, length, c);
        if (c < 0 || !u_isUWhiteSpace(c))
            return false;
    }
    return true;
}

ExpressionBinding::ParameterLookup parameterTable(const std::vector<CustomParameter>& parameters) {
    std::vector<std::pair<std::string, double>> table;
    table.reserve(parameters.size());
    for (const auto& parameter : parameters)
        table.emplace_back(parameter.name, parameter.value);
    return ExpressionBinding::parameters(std::move(table));
}

std::shared_ptr<const CustomMapping> makeMapping(const Conversion& reference, Expr forward,
                                                 Inverse inverse) {
    return std::make_shared<const CustomMapping>(
        CustomMapping{reference, std::move(forward), std::move(inverse)});
}

/// A forward expression without a written inverse: an exact line, else the numeric search when
/// it survives the round trips.
CustomCompilation deriveInverse(const Conversion& reference, Expr forward) {
    if (auto line = linearInverse(forward))
        return {makeMapping(reference, std::move(forward),
                            {Inverse::Linear{line->slope, line->intercept}}),
                InverseStatus::exactLine};
    auto searched = makeMapping(reference, forward, {Inverse::Numeric{}});
    if (roundTripCheck(*searched))
        return {std::move(searched), InverseStatus::searched};
    return {makeMapping(reference, std::move(forward), {Inverse::Unavailable{}}),
            InverseStatus::needsFormula};
}

enum class Binding { atom, sum, product };

std::string operandText(const std::optional<CustomOperand>& operand) {
    if (!operand)
        return "0";
    if (const auto* name = operand->parameter())
        return *name;
    double value = *operand->number();
    auto text = numberText(value);
    return value < 0 ? "(" + text + ")" : text;
}

std::string wrapped(const std::string& text, bool wrap) {
    return wrap ? "(" + text + ")" : text;
}

} // namespace

std::string_view rawValue(InverseStatus status) {
    static constexpr std::array<std::string_view, 5> names{"exactLine", "searched", "written",
                                                           "needsFormula", "mismatch"};
    return names[static_cast<std::size_t>(status)];
}

std::string_view rawValue(CustomError::Kind kind) {
    static constexpr std::array<std::string_view, 5> names{
        "expression", "unknownName", "unknownUnit", "invalidNumber", "emptyFormula"};
    return names[static_cast<std::size_t>(kind)];
}

CustomError CustomError::ofExpression(ExpressionError error) {
    return {Kind::expression, std::move(error), {}};
}
CustomError CustomError::unknownName(std::string name) {
    return {Kind::unknownName, std::nullopt, std::move(name)};
}
CustomError CustomError::unknownUnit(std::string reference) {
    return {Kind::unknownUnit, std::nullopt, std::move(reference)};
}
CustomError CustomError::invalidNumber() {
    return {Kind::invalidNumber, std::nullopt, {}};
}
CustomError CustomError::emptyFormula() {
    return {Kind::emptyFormula, std::nullopt, {}};
}

std::string CustomError::describe() const {
    std::string text(rawValue(kind));
    if (expression)
        return text + " " + expression->describe();
    if (kind == Kind::unknownName || kind == Kind::unknownUnit)
        return text + " " + name;
    return text;
}

Result<Expr, CustomError> compileFormula(std::string_view text,
                                         const ExpressionBinding::ParameterLookup& parameters,
                                         const CustomReferenceLookup& lookup) {
    if (isBlank(text))
        return fail(CustomError::emptyFormula());
    auto parsed = Expr::parse(text);
    if (!parsed)
        return fail(CustomError::ofExpression(parsed.error()));
    auto prepared = ExpressionBinding{parameters, lookup}.prepare(*parsed);
    if (!prepared) {
        const auto& unresolved = prepared.error();
        if (unresolved.kind == ExpressionBinding::Unresolved::Kind::parameter)
            return fail(CustomError::unknownName(unresolved.name));
        return fail(CustomError::unknownUnit(unresolved.name));
    }
    return std::move(*prepared);
}

Result<CustomCompilation, CustomError> compile(const CustomRule& rule,
                                               const std::vector<CustomParameter>& parameters,
                                               const Conversion& reference,
                                               const CustomReferenceLookup& lookup) {
    auto table = parameterTable(parameters);
    return std::visit(
        Overloaded{
            [&](const CustomRule::Ratio& ratio) -> Result<CustomCompilation, CustomError> {
                if (ratio.value == 0 || !std::isfinite(ratio.value))
                    return fail(CustomError::invalidNumber());
                auto forward =
                    Expr::binary(Expr::Op::divide, Expr::variable("x"), Expr::number(ratio.value));
                return CustomCompilation{
                    makeMapping(reference, std::move(forward), {Inverse::Linear{ratio.value, 0}}),
                    InverseStatus::exactLine};
            },
            [&](const CustomRule::Steps& steps) -> Result<CustomCompilation, CustomError> {
                auto forward = compileFormula(stepsText(steps.steps), table, lookup);
                if (!forward)
                    return fail(forward.error());
                return deriveInverse(reference, std::move(*forward));
            },
            [&](const CustomRule::Formula& formula) -> Result<CustomCompilation, CustomError> {
                auto forward = compileFormula(formula.forward, table, lookup);
                if (!forward)
                    return fail(forward.error());
                if (!formula.inverse || isBlank(*formula.inverse))
                    return deriveInverse(reference, std::move(*forward));
                auto inverse = compileFormula(*formula.inverse, table, lookup);
                if (!inverse)
                    return fail(inverse.error());
                auto mapping = makeMapping(reference, std::move(*forward),
                                           {Inverse::Expression{std::move(*inverse)}});
                auto status =
                    roundTripCheck(*mapping) ? InverseStatus::written : InverseStatus::mismatch;
                return CustomCompilation{std::move(mapping), status};
            },
        },
        rule.value);
}

std::string numberText(double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15)
        return plainNumberText(value);
    return significantNumberText(value, 12);
}

std::string stepsText(const std::vector<CustomStep>& steps) {
    using Op = CustomStep::Op;
    std::string text = "x";
    auto binding = Binding::atom;
    for (const auto& step : steps) {
        bool sum = binding == Binding::sum;
        bool sumOrProduct = binding != Binding::atom;
        auto units = step.from.value_or("") + ", " + step.to.value_or("");
        switch (step.op) {
        case Op::add:
        case Op::sub:
            text += (step.op == Op::add ? " + " : " - ") + operandText(step.operand);
            binding = Binding::sum;
            break;
        case Op::mul:
        case Op::div:
            text = wrapped(text, sum) + (step.op == Op::mul ? " * " : " / ") +
                   operandText(step.operand);
            binding = Binding::product;
            break;
        case Op::pow:
            text = wrapped(text, sumOrProduct) + " ^ " + operandText(step.operand);
            binding = Binding::product;
            break;
        case Op::divInto:
            text = operandText(step.operand) + " / " + wrapped(text, sumOrProduct);
            binding = Binding::product;
            break;
        case Op::convert:
            text = "convert(" + text + ", " + units + ")";
            binding = Binding::atom;
            break;
        case Op::ratioMul:
        case Op::ratioDiv:
            text = wrapped(text, sum) + (step.op == Op::ratioMul ? " * " : " / ") + "convert(1, " +
                   units + ")";
            binding = Binding::product;
            break;
        case Op::fn: {
            auto function = step.function.value_or("round");
            const double* places = step.operand ? step.operand->number() : nullptr;
            if (function == "round" && places)
                text = "round(" + text + ", " + numberText(*places) + ")";
            else
                text = function + "(" + text + ")";
            binding = Binding::atom;
            break;
        }
        }
    }
    return text;
}

std::optional<LinearInverse> linearInverse(const Expr& forward) {
    double f1 = forward.evaluate(1), f2 = forward.evaluate(2);
    if (!std::isfinite(f1) || !std::isfinite(f2))
        return std::nullopt;
    double a = f2 - f1, b = f1 - a;
    if (a == 0 || !std::isfinite(a) || !std::isfinite(b))
        return std::nullopt;

    int matched = 0;
    for (double t : {-3.0, -1.0, 0.0, 0.5, 1.0, 2.0, 7.0, 100.0, 1234.5}) {
        double y = forward.evaluate(t);
        if (!std::isfinite(y))
            continue;
        double expected = b + a * t;
        if (std::fabs(y - expected) > 1e-9 * std::max({1.0, std::fabs(y), std::fabs(expected)}))
            return std::nullopt;
        ++matched;
    }
    if (matched < 4)
        return std::nullopt;
    // A slope so flat that its reciprocal overflows cannot be solved as a line.
    LinearInverse inverse{1 / a, -b / a};
    if (!std::isfinite(inverse.slope) || !std::isfinite(inverse.intercept))
        return std::nullopt;
    return inverse;
}

bool roundTripCheck(const CustomMapping& mapping) {
    int passed = 0;
    for (double t : {0.5, 1.0, 2.0, 3.0, 7.5, 10.0, 25.0, 100.0, 1000.0}) {
        double y = mapping.forward.evaluate(t);
        if (!std::isfinite(y))
            continue;
        double back = mapping.inverted(y);
        if (!std::isfinite(back) || std::fabs(back - t) > 1e-6 * std::max(1.0, std::fabs(t)))
            return false;
        ++passed;
    }
    return passed >= 3;
}

} // namespace ravodozu
