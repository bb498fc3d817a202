// NumberLayout: what a locale's plain decimal numbers look like, so that the common case can be
// written straight from a double's shortest digits instead of through ICU.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravodozu::detail {

enum class DigitRule { significant, fraction };

/// A locale whose numbers are ASCII digits grouped by three, with a minus sign in front and
/// nothing behind: "-1,234,567.125" in English, "−1 234 567,125" in Swedish.
struct NumberLayout {
    std::string minus;
    std::string grouping;
    std::string decimal;
};

/// The layout shown by three samples the locale's formatter wrote (grouping always on, up to
/// three fraction digits): -1234567890.125, 1234.5 and -0.5. None when they do not have that
/// shape (native digits, groups of two, a sign behind the number, …).
std::optional<NumberLayout> layoutFromSamples(std::string_view negative, std::string_view positive,
                                              std::string_view small);

/// Appends `value` (finite) the way the locale's formatter writes it with `low`…`high`
/// significant or fraction digits and halves rounded away from zero: the shortest digits that
/// read back as `value`, rounded as decimal digits. False, with `out` untouched, for digit
/// counts this does not cover (significant digits other than 1…17, fraction digits past 340).
bool appendLaidOut(std::string& out, const NumberLayout& layout, DigitRule rule, int low, int high,
                   double value);

} // namespace ravodozu::detail
