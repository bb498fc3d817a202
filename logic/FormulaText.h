// FormulaText: the short texts that explain a conversion, «1 km = 1000 m», «°F = °C × 1.8 + 32»,
// and a worked example, «5 × 1000 = 5000 m».
#pragma once

#include <optional>
#include <string>

#include "RavoDozu/UnitCatalog.h"

namespace zelvane {

/// A number as a formula shows it, and whether the text is the number itself (within a relative
/// 1e-12) rather than a rounding of it.
struct CoefficientText {
    std::string text;
    bool exact;
    bool operator==(const CoefficientText&) const = default;
};

/// How formula numbers are written: `significantDigits` S, `fractionDigits` F, and
/// `significantOnly`. Off, values below a million get at most F fraction digits; on (and for
/// larger values, or ones that round to zero) they get S significant digits.
struct CoefficientStyle {
    int significantDigits;
    int fractionDigits;
    bool significantOnly;
};

/// The input card's explanation button: 6 significant or 3 fraction digits.
inline constexpr CoefficientStyle compactCoefficients{6, 3, false};
/// The formula page: 7 significant digits.
inline constexpr CoefficientStyle precisePage{7, 0, true};

/// `value` written in `style` for `locale` (an ICU locale id). Zero and non-finite values are
/// "0", exact.
CoefficientText coefficientText(CoefficientStyle style, double value, const std::string& locale);

/// The rule from `from` to `to` as one line: "1 A = k B", "1 B = k A" when k would be below 0.01,
/// "B = A × m + c" for a shifted scale, "B = k ÷ A" for a reciprocal pair. "=" when every number is
/// exact, else "≈". None when the pair has no formula (a custom unit on either side, or a
/// reciprocal unit against a shifted one).
std::optional<std::string> formulaLine(const ravodozu::UnitDefinition& from,
                                       const ravodozu::UnitDefinition& to, CoefficientStyle style,
                                       const std::string& locale);

/// `value` worked through the rule, «5 × 1000 = 5000 m»; "=" or "≈" tells whether the result is
/// shown exactly. None when the pair has no formula.
std::optional<std::string> exampleLine(const ravodozu::UnitDefinition& from,
                                       const ravodozu::UnitDefinition& to, double value,
                                       const std::string& locale);

} // namespace zelvane
