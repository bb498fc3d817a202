#include "CopyText.h"

#include <array>
#include <cstdlib>

namespace zelvane {
namespace {

constexpr std::string_view timesTen = " × 10";
constexpr std::string_view superMinus = "⁻";
constexpr std::array<std::string_view, 10> superDigits = {"⁰", "¹", "²", "³", "⁴",
                                                          "⁵", "⁶", "⁷", "⁸", "⁹"};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The superscript exponent at the start of `text` and how many bytes it takes; {0, 0} if none.
std::pair<int, std::size_t> superscript(std::string_view text) {
    std::size_t at = 0;
    const bool negative = text.starts_with(superMinus);
    if (negative)
        at += superMinus.size();
    int value = 0;
    std::size_t digits = 0;
    for (bool found = true; found && digits < 4;) {
        found = false;
        for (int digit = 0; digit < 10; ++digit)
            if (text.substr(at).starts_with(superDigits[digit])) {
                value = value * 10 + digit;
                at += superDigits[digit].size();
                ++digits, found = true;
                break;
            }
    }
    if (digits == 0)
        return {0, 0};
    return {negative ? -value : value, at};
}

// The mantissa "1.234" (or "-1,5") as plain digits for 10^exponent, or with an E exponent.
std::string rewritten(std::string_view mantissa, int exponent) {
    if (exponent < 4 || exponent > 14) {
        std::string text(mantissa);
        text += exponent < 0 ? "E-" : "E+";
        const int size = std::abs(exponent);
        if (size < 10)
            text += '0';
        return text + std::to_string(size);
    }
    // A sign, one digit, then perhaps a decimal separator and more digits.
    std::size_t first = 0;
    while (first < mantissa.size() && !isDigit(mantissa[first]))
        ++first;
    std::size_t point = first;
    while (point < mantissa.size() && isDigit(mantissa[point]))
        ++point;
    std::size_t fraction = point;
    while (fraction < mantissa.size() && !isDigit(mantissa[fraction]))
        ++fraction;
    std::string text(mantissa.substr(0, point));
    const auto digits = mantissa.substr(fraction);
    const auto shifted = std::min<std::size_t>(digits.size(), static_cast<std::size_t>(exponent));
    text += digits.substr(0, shifted);
    if (shifted < digits.size())
        text.append(mantissa.substr(point, fraction - point)).append(digits.substr(shifted));
    else
        text.append(static_cast<std::size_t>(exponent) - shifted, '0');
    return text;
}

} // namespace

std::string copyableText(std::string_view shown) {
    std::string result;
    for (;;) {
        const auto at = shown.find(timesTen);
        if (at == std::string_view::npos)
            break;
        const auto [exponent, length] = superscript(shown.substr(at + timesTen.size()));
        if (length == 0) {
            result.append(shown.substr(0, at + timesTen.size()));
            shown.remove_prefix(at + timesTen.size());
            continue;
        }
        // The mantissa runs back from the "×" to a blank or the start.
        auto start = shown.find_last_of(" \t", at == 0 ? 0 : at - 1);
        start = start == std::string_view::npos || start >= at ? 0 : start + 1;
        result.append(shown.substr(0, start));
        result += rewritten(shown.substr(start, at - start), exponent);
        shown.remove_prefix(at + timesTen.size() + length);
    }
    result.append(shown);
    return result;
}

} // namespace zelvane
