// NumberFormatterCache: ICU number formatters built once per thread and reused, since building
// one costs about twenty times as much as formatting with it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <unicode/numberformatter.h>

namespace ravodozu::detail {

enum class DigitRule { significant, fraction };

struct LocaleSeparators {
    std::string decimal = ".";
    std::string grouping = ",";
};

/// The formatter for a locale with `low`…`high` significant or fraction digits, grouping on,
/// halves rounded away from zero.
const icu::number::LocalizedNumberFormatter& numberFormatter(std::string_view locale,
                                                             DigitRule rule, int low, int high);

/// The decimal and grouping separators of a locale.
const LocaleSeparators& localeSeparators(std::string_view locale);

/// The formatted text, or none when ICU reports an error.
std::optional<std::string> formatted(const icu::number::LocalizedNumberFormatter& formatter,
                                     double value);

} // namespace ravodozu::detail
