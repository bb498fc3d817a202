// NumberReader: a number as people type it — in the display locale, and forgiving of the other
// convention — read the same way in the input field and in phrases.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zelvane {

/// Reads numbers for one display locale. The locale's decimal separator is always the decimal
/// point. The other of "." and "," groups digits only where it is the locale's group separator,
/// stands once and is followed by exactly three digits ("1.500" in German is 1500); otherwise it
/// is the decimal point ("1.5" in German and "1,5" in English are 1.5). Where both stand, the
/// last one is the decimal point ("1.500,5" and "1,500.5" are 1500.5 everywhere); a mark that
/// stands twice or more only groups ("1,234,567"). Locales that group with a space also group
/// with an ordinary space, a no-break or a thin space before exactly three digits.
///
/// Also read: a leading "-", "+" or "−"; digits of any script; a trailing "." or ","; exponents
/// ("1e3", "2.5e-3", "1.5×10³", "1.5 x 10^3"); fractions ("3/4", "1 1/2", "½", "1¾"). A reading
/// that is ambiguous ("1,2.3,4"), divides by zero or overflows is no number.
class NumberReader {
  public:
    /// `locale` is an ICU id ("de_DE"); its separators are looked up once per thread.
    explicit NumberReader(std::string_view locale);

    struct Reading {
        double value;
        std::int32_t end; ///< The UTF-16 index after the number.
    };

    /// The number that starts at `start` of `text`; none when none starts there.
    std::optional<Reading> read(std::u16string_view text, std::int32_t start = 0) const;
    /// The whole text as a number, blanks around it allowed; none when anything else is there.
    std::optional<double> readWhole(std::string_view utf8) const;

    /// `value` as the input field keeps it: shortest round-trip digits with this locale's
    /// decimal separator and no grouping ("1,5" in German); this reader reads it back exactly.
    std::string inputText(double value) const;
    /// `value` as the hint line shows what was read: every digit read, grouped ("1.500,5").
    std::string shownText(double value) const;

    const std::string& locale() const { return locale_; }

    /// The locale's decimal point when it is "." or ",", else ".".
    char16_t decimal() const { return decimal_; }
    /// The locale's group separator (its first code unit).
    char16_t group() const { return group_; }

  private:
    std::string locale_;
    char16_t decimal_;
    char16_t group_;
    bool groupsWithSpace_;
};

} // namespace zelvane
