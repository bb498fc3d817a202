#include "RavoDozu/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <locale.h> // newlocale, strtod_l

namespace ravodozu {

namespace {
// Long enough for any double in the fixed form: 309 integer digits, or "0." and 1074 more.
using Buffer = std::array<char, 1100>;

// A text too long for the buffer (only a precision in the hundreds asks for one) falls back to
// the shortest form.
std::string written(const Buffer& buffer, std::to_chars_result printed, double value) {
    if (printed.ec != std::errc())
        return shortestNumberText(value);
    return std::string(buffer.data(), static_cast<const char*>(printed.ptr));
}

// The correctly rounded ±infinity, ±0 or subnormal of a literal that from_chars has already
// checked but found out of its range; the fixed C locale keeps "." the decimal point.
double outOfRange(std::string_view literal) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(std::string(literal).c_str(), nullptr, cLocale);
}
} // namespace

std::optional<double> readNumber(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    double value = 0;
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || stop != end)
        return std::nullopt;
    if (error == std::errc::result_out_of_range)
        return outOfRange(text);
    if (error != std::errc())
        return std::nullopt;
    return value;
}

std::string shortestNumberText(double value) {
    if (std::isnan(value))
        return "nan";
    std::array<char, 32> buffer;
    return std::string(buffer.data(),
                       std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr);
}

std::string significantNumberText(double value, int digits) {
    Buffer buffer;
    return written(buffer,
                   std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                 std::chars_format::general, std::max(0, digits)),
                   value);
}

std::string plainNumberText(double value) {
    if (value == 0)
        return "0";
    if (!std::isfinite(value))
        return shortestNumberText(value);
    Buffer buffer;
    return written(buffer,
                   std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                 std::chars_format::fixed),
                   value);
}

} // namespace ravodozu
