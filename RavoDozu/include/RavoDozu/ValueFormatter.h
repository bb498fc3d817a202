// ValueFormatter: how every converted number reaches the user, in the user's locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravodozu {

/// Formats values by significant digits, fixed fraction digits or a scientific form with a
/// superscript exponent ("1.234 × 10⁷"), rounding halves away from zero. Values that cannot be
/// shown (NaN, ±∞) become `placeholder`. Cheap to copy; the ICU formatters behind it are built
/// once per thread and reused.
class ValueFormatter {
  public:
    static constexpr std::string_view placeholder = "\u2014";

    /// `significantDigits` below 1 becomes 1. `locale` is an ICU/BCP 47 locale id ("de_DE").
    ValueFormatter(int significantDigits, std::string locale);

    int significantDigits() const { return significantDigits_; }
    const std::string& locale() const { return locale_; }

    std::string format(double value) const;
    std::string formatFixed(int fractionDigits, double value) const;
    /// Small non-zero amounts keep their leading digits; others get exactly `fractionDigits`.
    std::string formatCurrency(int fractionDigits, double value) const;
    /// Reads a number typed in this locale ("1.234,5" in German); none when it is not one.
    std::optional<double> parse(std::string_view text) const;

    /// The Chinese magnitude word for |value| ≥ 10000 (万, 亿, 万亿, …); 萬/億 when traditional.
    static std::optional<std::string_view> magnitude(bool traditional, double value);

  private:
    std::string scientific(double value) const;
    int usableDigits() const;

    int significantDigits_;
    std::string locale_;
};

} // namespace ravodozu
