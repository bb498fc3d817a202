// NumberFormatterCache: ICU number formatters built once per thread and reused, since building
// one costs about twenty times as much as formatting with it; and the layout learned from them,
// which writes most numbers another five times faster.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <unicode/numberformatter.h>

#include "NumberLayout.h"

namespace ravodozu::detail {

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

/// The locale's layout, learned once per thread from its formatter; null when its numbers do not
/// fit one and only ICU writes them.
const NumberLayout* numberLayout(std::string_view locale);

/// Appends what `formatted(numberFormatter(locale, rule, low, high), value)` gives, character
/// for character, without ICU when the locale has a layout. False, with `out` untouched, when
/// ICU reports an error.
bool appendFormatted(std::string& out, std::string_view locale, DigitRule rule, int low, int high,
                     double value);

} // namespace ravodozu::detail
