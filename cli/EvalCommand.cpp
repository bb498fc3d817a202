// eval: the value of a formula, with its input and parameters given on the command line.
#include <iostream>

#include "Command.h"
#include "RavoDozu/ExpressionBinding.h"
#include "RavoDozu/ExpressionFunctions.h"
#include "RavoDozu/NumberText.h"

namespace zelvane::cli {
namespace {

using ravodozu::Expr;
using ravodozu::ExpressionBinding;

int evaluateFormula(Arguments& arguments, const Session& session);

const Command evalCommand{"eval", "FORMULA [--x VALUE] [--param NAME=VALUE ...]",
                          "the value of a formula for input x (default 0); unit references "
                          "«category.unit» name built-in units",
                          evaluateFormula};
const bool registered = registerCommand(evalCommand);

void printParseError(const ravodozu::ExpressionError& error, const std::string& formula) {
    // Positions count user-perceived characters, so the caret lines up under monospaced text.
    std::cerr << "error: " << error.describe() << "\n"
              << formula << "\n"
              << std::string(static_cast<std::size_t>(error.position), ' ') << "^\n";
}

int evaluateFormula(Arguments& arguments, const Session& session) {
    auto xText = arguments.value("--x");
    auto parameterTexts = arguments.values("--param");
    auto words = arguments.finish(1, 1);
    if (!words)
        return usage(evalCommand, arguments.problem());

    double x = 0;
    if (xText) {
        auto value = ravodozu::readNumber(*xText);
        if (!value)
            return usage(evalCommand, "--x needs a number, not " + *xText);
        x = *value;
    }
    std::vector<std::pair<std::string, double>> parameters;
    for (const auto& text : parameterTexts) {
        auto equals = text.find('=');
        auto value = equals == std::string::npos
                         ? std::nullopt
                         : ravodozu::readNumber(std::string_view(text).substr(equals + 1));
        if (equals == 0 || !value)
            return usage(evalCommand, "--param needs NAME=VALUE, not " + text);
        auto name = text.substr(0, equals);
        if (ravodozu::ExpressionFunctions::isReserved(name))
            return usage(evalCommand, "parameter name " + name + " is reserved");
        parameters.emplace_back(std::move(name), *value);
    }

    const auto& formula = words->front();
    auto parsed = Expr::parse(formula);
    if (!parsed) {
        printParseError(parsed.error(), formula);
        return failure;
    }

    ExpressionBinding binding{ExpressionBinding::parameters(std::move(parameters)), nullptr};
    // The catalog is loaded only for formulas that convert units.
    if (!parsed->unitReferences().empty())
        binding.unit = ExpressionBinding::catalogUnits(session.catalog());
    auto prepared = binding.prepare(*parsed);
    if (!prepared) {
        const auto& unresolved = prepared.error();
        bool parameter = unresolved.kind == ExpressionBinding::Unresolved::Kind::parameter;
        return failWith(std::string("error: ") + (parameter ? "unknownName " : "unknownUnit ") +
                        unresolved.name);
    }
    std::cout << ravodozu::shortestNumberText(prepared->evaluate(x)) << "\n";
    return success;
}

} // namespace
} // namespace zelvane::cli
