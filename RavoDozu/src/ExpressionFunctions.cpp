// ExpressionFunctions: the function table, the reserved names and what each function computes.
#include "RavoDozu/ExpressionFunctions.h"

#include <cmath>
#include <limits>
#include <unordered_map>

namespace ravodozu {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double pi = 3.141592653589793;

// Halves away from zero, the rounding people expect from "round".
double roundTo(double x, double places) {
    if (!std::isfinite(places) || std::fabs(places) > 15)
        return nan;
    double scale = std::pow(10.0, std::round(places));
    return std::round(x * scale) / scale;
}

// Ties keep the earliest argument, which decides between 0 and -0.
template <class Better> double pick(std::span<const double> values, Better better) {
    double chosen = values[0];
    for (double value : values) {
        if (std::isnan(value))
            return nan;
        if (better(value, chosen))
            chosen = value;
    }
    return chosen;
}

using Unary = double (*)(double);

const std::unordered_map<std::string_view, Unary>& unaryFunctions() {
    static const std::unordered_map<std::string_view, Unary> functions{
        {"sqrt", [](double x) { return x < 0 ? nan : std::sqrt(x); }},
        {"cbrt", [](double x) { return std::cbrt(x); }},
        {"log", [](double x) { return x <= 0 ? nan : std::log10(x); }},
        {"ln", [](double x) { return x <= 0 ? nan : std::log(x); }},
        {"log2", [](double x) { return x <= 0 ? nan : std::log2(x); }},
        {"exp", [](double x) { return std::exp(x); }},
        {"abs", [](double x) { return std::fabs(x); }},
        {"floor", [](double x) { return std::floor(x); }},
        {"ceil", [](double x) { return std::ceil(x); }},
        {"round", [](double x) { return std::round(x); }},
        {"sin", [](double x) { return std::sin(x); }},
        {"cos", [](double x) { return std::cos(x); }},
        {"tan", [](double x) { return std::tan(x); }},
        {"asin", [](double x) { return std::fabs(x) > 1 ? nan : std::asin(x); }},
        {"acos", [](double x) { return std::fabs(x) > 1 ? nan : std::acos(x); }},
        {"atan", [](double x) { return std::atan(x); }},
        {"rad", [](double x) { return x * pi / 180; }},
        {"deg", [](double x) { return x * 180 / pi; }},
    };
    return functions;
}

} // namespace

const std::map<std::string, ExpressionFunctions::Arity, std::less<>>& ExpressionFunctions::table() {
    static const std::map<std::string, Arity, std::less<>> functions{
        {"sqrt", {1, 1}}, {"cbrt", {1, 1}}, {"log", {1, 1}},   {"ln", {1, 1}},   {"log2", {1, 1}},
        {"exp", {1, 1}},  {"abs", {1, 1}},  {"floor", {1, 1}}, {"ceil", {1, 1}}, {"round", {1, 2}},
        {"sin", {1, 1}},  {"cos", {1, 1}},  {"tan", {1, 1}},   {"asin", {1, 1}}, {"acos", {1, 1}},
        {"atan", {1, 1}}, {"rad", {1, 1}},  {"deg", {1, 1}},   {"min", {2, 8}},  {"max", {2, 8}},
        {"if", {3, 3}},
    };
    return functions;
}

std::optional<ExpressionFunctions::Arity> ExpressionFunctions::arity(std::string_view name) {
    auto found = table().find(name);
    if (found == table().end())
        return std::nullopt;
    return found->second;
}

const std::set<std::string, std::less<>>& ExpressionFunctions::reservedNames() {
    static const std::set<std::string, std::less<>> names = [] {
        std::set<std::string, std::less<>> names{"x", "e", "pi", "π", "convert"};
        for (const auto& entry : table())
            names.insert(entry.first);
        return names;
    }();
    return names;
}

bool ExpressionFunctions::isReserved(std::string_view name) {
    return reservedNames().contains(name);
}

double ExpressionFunctions::apply(std::string_view name, std::span<const double> arguments) {
    auto allowed = arity(name);
    auto count = static_cast<int>(arguments.size());
    if (!allowed || count < allowed->minimum || count > allowed->maximum)
        return nan;

    if (count == 1) {
        auto unary = unaryFunctions().find(name);
        if (unary != unaryFunctions().end())
            return unary->second(arguments[0]);
    }
    if (name == "round")
        return roundTo(arguments[0], arguments[1]);
    if (name == "min")
        return pick(arguments, [](double a, double b) { return a < b; });
    if (name == "max")
        return pick(arguments, [](double a, double b) { return a > b; });
    if (name == "if") {
        if (std::isnan(arguments[0]))
            return nan;
        return arguments[0] != 0 ? arguments[1] : arguments[2];
    }
    return nan;
}

} // namespace ravodozu
