// NumberText: numbers read from and written to text in one fixed form, whatever the process locale.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravodozu {

/// The whole of `text` as a double: an optional "-" or a single "+", digits with "." as the
/// decimal point, an optional exponent ("e" or "E", an optional sign, digits), or "inf",
/// "infinity" and "nan" in any letter case. Nothing is skipped: blanks, grouping or a trailing
/// character make the text unreadable. A value beyond the range of a double reads as ±infinity
/// and one below its smallest step as ±0, as arithmetic would give them, because a number too
/// large to hold is a numeric impossibility rather than a typing error.
std::optional<double> readNumber(std::string_view text);

/// The shortest text that `readNumber` reads back as exactly `value`, with an exponent where
/// that is shorter («0.3048», «1e-09», «1e+20»); "inf", "-inf", and "nan" whatever its sign.
std::string shortestNumberText(double value);

/// `value` rounded to `digits` significant digits in the form of C's "%.*g": trailing zeros
/// dropped, an exponent below 1e-4 and from 10^digits up («0.3333333», «1e+20»).
std::string significantNumberText(double value, int digits);

/// The shortest text that reads back as exactly `value`, always without an exponent
/// («0.0001», «123456789012345»); "0" for either zero.
std::string plainNumberText(double value);

} // namespace ravodozu
