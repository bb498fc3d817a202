#include "FormulaText.h"

#include <cmath>
#include <limits>
#include <map>
#include <tuple>

#include <unicode/numberformatter.h>

#include "RavoDozu/Formula.h"
#include "RavoDozu/NumberText.h"
#include "RavoDozu/ValueFormatter.h"

namespace zelvane {

using ravodozu::Formula;
using ravodozu::UnitDefinition;

namespace {

constexpr std::string_view times = " \u00D7 ";
constexpr std::string_view dividedBy = " \u00F7 ";
constexpr std::string_view plus = " + ";
constexpr std::string_view minus = " \u2212 ";
constexpr std::string_view equals = "=";
constexpr std::string_view roughly = "\u2248";
constexpr double negligible = 1e-12;

// Decimal style with the locale's grouping and 0…F fraction digits; built once per locale and F.
std::optional<std::string> decimalText(double value, int fractionDigits,
                                       const std::string& locale) {
    using icu::number::LocalizedNumberFormatter;
    thread_local std::map<std::pair<std::string, int>, LocalizedNumberFormatter> cache;
    auto key = std::pair{locale, fractionDigits};
    auto found = cache.find(key);
    if (found == cache.end()) {
        auto formatter = icu::number::NumberFormatter::withLocale(icu::Locale(locale.c_str()))
                             .precision(icu::number::Precision::minMaxFraction(0, fractionDigits))
                             .roundingMode(UNUM_ROUND_HALFUP);
        found = cache.emplace(key, std::move(formatter)).first;
    }
    UErrorCode status = U_ZERO_ERROR;
    auto formatted = found->second.formatDouble(value, status);
    if (U_FAILURE(status))
        return std::nullopt;
    auto text = formatted.toString(status);
    if (U_FAILURE(status) || text.isEmpty())
        return std::nullopt;
    std::string result;
    text.toUTF8String(result);
    return result;
}

// Collects the coefficients of one line and whether all of them were shown exactly.
class Line {
  public:
    Line(CoefficientStyle style, const std::string& locale) : style_(style), locale_(locale) {}

    std::string number(double value) {
        auto coefficient = coefficientText(style_, value, locale_);
        exact_ = exact_ && coefficient.exact;
        return std::move(coefficient.text);
    }
    std::string_view sign() const { return exact_ ? equals : roughly; }

  private:
    CoefficientStyle style_;
    const std::string& locale_;
    bool exact_ = true;
};

bool hasOffset(const Formula::Linear& linear) {
    return std::fabs(linear.offset) >= negligible;
}
bool isSmallMultiplier(const Formula::Linear& linear) {
    return linear.multiplier != 0 && std::fabs(linear.multiplier) < 0.01;
}

} // namespace

CoefficientText coefficientText(CoefficientStyle style, double value, const std::string& locale) {
    if (value == 0 || !std::isfinite(value))
        return {"0", true};
    const double tolerance = std::fabs(value) * negligible;

    if (!style.significantOnly && std::fabs(value) < 1e6) {
        const double scale = std::pow(10.0, style.fractionDigits);
        const double rounded = std::round(value * scale) / scale;
        if (rounded != 0) {
            auto text = decimalText(rounded, style.fractionDigits, locale);
            return {text ? *text : ravodozu::shortestNumberText(rounded),
                    std::fabs(rounded - value) <= tolerance};
        }
    }

    // The value as "%.Sg" prints it, read back, so that "exact" means exact at S digits.
    auto read =
        ravodozu::readNumber(ravodozu::significantNumberText(value, style.significantDigits));
    // Rounding the largest doubles up can leave their range; such a value is shown as it is.
    const double shown = read && std::isfinite(*read) ? *read : value;
    ravodozu::ValueFormatter formatter(std::max(1, style.significantDigits), locale);
    return {formatter.format(shown), std::fabs(shown - value) <= tolerance};
}

std::optional<std::string> formulaLine(const UnitDefinition& from, const UnitDefinition& to,
                                       CoefficientStyle style, const std::string& locale) {
    auto formula = Formula::between(from, to);
    if (!formula)
        return std::nullopt;
    Line line(style, locale);

    if (auto* reciprocal = std::get_if<Formula::Reciprocal>(&formula->rule)) {
        auto k = line.number(reciprocal->k);
        return to.symbol + " " + std::string(line.sign()) + " " + k + std::string(dividedBy) +
               from.symbol;
    }
    const auto& linear = std::get<Formula::Linear>(formula->rule);
    if (hasOffset(linear)) {
        std::string terms = from.symbol;
        if (std::fabs(linear.multiplier - 1) > negligible)
            terms += std::string(times) + line.number(linear.multiplier);
        if (linear.offset > 0)
            terms += std::string(plus) + line.number(linear.offset);
        else
            terms += std::string(minus) + line.number(-linear.offset);
        return to.symbol + " " + std::string(line.sign()) + " " + terms;
    }
    // A multiplier below 0.01 reads better the other way round: «1 m = 1000 mm».
    if (isSmallMultiplier(linear)) {
        auto k = line.number(1 / linear.multiplier);
        return "1 " + to.symbol + " " + std::string(line.sign()) + " " + k + " " + from.symbol;
    }
    auto k = line.number(linear.multiplier);
    return "1 " + from.symbol + " " + std::string(line.sign()) + " " + k + " " + to.symbol;
}

std::optional<std::string> exampleLine(const UnitDefinition& from, const UnitDefinition& to,
                                       double value, const std::string& locale) {
    auto formula = Formula::between(from, to);
    if (!formula)
        return std::nullopt;
    auto input = coefficientText({12, 0, true}, value, locale).text;
    auto number = [&](double v) { return coefficientText(precisePage, v, locale).text; };

    double result = 0;
    if (auto* reciprocal = std::get_if<Formula::Reciprocal>(&formula->rule))
        result = value == 0 ? std::numeric_limits<double>::infinity() : reciprocal->k / value;
    else {
        const auto& linear = std::get<Formula::Linear>(formula->rule);
        result = value * linear.multiplier + linear.offset;
    }
    // A result that cannot be shown (k ÷ 0) is the placeholder, not the "0" a coefficient would
    // print: «100 ÷ 0 = 0» would be a wrong answer.
    auto shown = std::isfinite(result)
                     ? coefficientText(precisePage, result, locale)
                     : CoefficientText{std::string(ravodozu::ValueFormatter::placeholder), true};
    auto tail = std::string(shown.exact ? equals : roughly) + " " + shown.text + " " + to.symbol;

    if (auto* reciprocal = std::get_if<Formula::Reciprocal>(&formula->rule))
        return number(reciprocal->k) + std::string(dividedBy) + input + " " + tail;
    const auto& linear = std::get<Formula::Linear>(formula->rule);
    if (hasOffset(linear)) {
        std::string text = input;
        if (std::fabs(linear.multiplier - 1) > negligible)
            text += std::string(times) + number(linear.multiplier);
        if (linear.offset > 0)
            text += std::string(plus) + number(linear.offset);
        else
            text += std::string(minus) + number(-linear.offset);
        return text + " " + tail;
    }
    if (isSmallMultiplier(linear))
        return input + std::string(dividedBy) + number(1 / linear.multiplier) + " " + tail;
    return input + std::string(times) + number(linear.multiplier) + " " + tail;
}

} // namespace zelvane
