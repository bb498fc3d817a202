#include "RavoDozu/ValueFormatter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "NumberFormatterCache.h"
#include "RavoDozu/NumberText.h"
#include "TextPieces.h"

namespace ravodozu {

using detail::DigitRule;

namespace {
// A double carries at most 17 significant decimal digits; more would only print binary noise,
// and ICU refuses precisions past 999.
constexpr int maxSignificantDigits = 17;
constexpr int maxFractionDigits = 340;

std::string number(std::string_view locale, DigitRule rule, int low, int high, double value) {
    std::string text;
    if (!detail::appendFormatted(text, locale, rule, low, high, value))
        return std::string(ValueFormatter::placeholder);
    return text;
}

// The values pow gives for the exponents the rules use, without its cost; pow for the rest.
double powerOfTen(int exponent) {
    static constexpr std::array<double, 23> exact = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (exponent >= 0 && exponent < static_cast<int>(exact.size()))
        return exact[exponent];
    return std::pow(10.0, exponent);
}

int trailingZeros(double wholeNumber) {
    if (wholeNumber < 1 || wholeNumber >= 1e15)
        return 0;
    auto n = static_cast<std::uint64_t>(wholeNumber);
    int count = 0;
    for (; n % 10 == 0; n /= 10)
        ++count;
    return count;
}

// Appends " × 10" and `exponent` in superscript, growing `text` at most once.
void appendTimesTenTo(std::string& text, int exponent) {
    static constexpr std::string_view times = " × 10";
    static constexpr std::array<std::string_view, 10> digits = {"⁰", "¹", "²", "³", "⁴",
                                                                "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::array<char, 12> decimal;
    auto end = std::to_chars(decimal.data(), decimal.data() + decimal.size(), exponent).ptr;
    // Every superscript digit and ⁻ takes three bytes.
    text.reserve(text.size() + times.size() + 3 * static_cast<std::size_t>(end - decimal.data()));
    text += times;
    for (const char* c = decimal.data(); c != end; ++c)
        text += *c == '-' ? std::string_view("⁻") : digits[*c - '0'];
}

// 10^e for any exponent a double can reach, without underflowing on the way.
double dividedByPowerOfTen(double value, int exponent) {
    if (exponent < -300)
        return value * 1e300 / std::pow(10.0, exponent + 300);
    return value / powerOfTen(exponent);
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}
} // namespace

ValueFormatter::ValueFormatter(int significantDigits, std::string locale)
    : significantDigits_(std::max(1, significantDigits)), locale_(std::move(locale)) {}

int ValueFormatter::usableDigits() const {
    return std::min(significantDigits_, maxSignificantDigits);
}

std::string ValueFormatter::format(double value) const {
    if (!std::isfinite(value))
        return std::string(placeholder);
    if (value == 0)
        return "0";
    const int digits = usableDigits();
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e15 || magnitude < 1e-6)
        return scientific(value);
    if (magnitude < 1)
        return number(locale_, DigitRule::significant, 1, digits, value);

    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    const int fractionDigits = std::max(0, digits - (exponent + 1));
    const double scale = powerOfTen(fractionDigits);
    const double rounded = std::round(magnitude * scale) / scale;
    if ((fractionDigits == 0 || rounded == std::floor(rounded)) &&
        trailingZeros(std::floor(rounded)) >= 4)
        return scientific(value);
    return number(locale_, DigitRule::fraction, 0, fractionDigits, value);
}

std::string ValueFormatter::scientific(double value) const {
    const int digits = usableDigits();
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    double mantissa = dividedByPowerOfTen(value, exponent);
    // log10 can land one off next to a power of ten; keep 1 ≤ |mantissa| < 10.
    if (std::fabs(mantissa) >= 10)
        mantissa /= 10, ++exponent;
    if (std::fabs(mantissa) < 1)
        mantissa *= 10, --exponent;
    const double scale = powerOfTen(digits - 1);
    mantissa = std::round(mantissa * scale) / scale;
    if (std::fabs(mantissa) >= 10)
        mantissa /= 10, ++exponent;

    std::string text;
    if (!detail::appendFormatted(text, locale_, DigitRule::significant, 1, digits, mantissa))
        text = shortestNumberText(mantissa);
    appendTimesTenTo(text, exponent);
    return text;
}

std::string ValueFormatter::formatFixed(int fractionDigits, double value) const {
    if (!std::isfinite(value))
        return std::string(placeholder);
    const int digits = std::clamp(fractionDigits, 0, maxFractionDigits);
    return number(locale_, DigitRule::fraction, digits, digits, value);
}

std::string ValueFormatter::formatCurrency(int fractionDigits, double value) const {
    if (!std::isfinite(value))
        return std::string(placeholder);
    if (value != 0 && std::fabs(value) < 1)
        return number(locale_, DigitRule::significant, 1, usableDigits(), value);
    return formatFixed(fractionDigits, value);
}

std::optional<double> ValueFormatter::parse(std::string_view text) const {
    const auto& separators = detail::localeSeparators(locale_);
    std::string plain(detail::trimmedBlanks(text));
    replaceAll(plain, separators.grouping, "");
    if (separators.decimal != ".")
        replaceAll(plain, separators.decimal, ".");
    return readNumber(plain);
}

std::optional<std::string_view> ValueFormatter::magnitude(bool traditional, double value) {
    struct Word {
        double threshold;
        std::string_view simplified;
        std::string_view traditional;
    };
    static constexpr std::array<Word, 10> words = {{
        {1e16, "亿亿", "億億"},
        {1e12, "万亿", "萬億"},
        {1e11, "千亿", "千億"},
        {1e10, "百亿", "百億"},
        {1e9, "十亿", "十億"},
        {1e8, "亿", "億"},
        {1e7, "千万", "千萬"},
        {1e6, "百万", "百萬"},
        {1e5, "十万", "十萬"},
        {1e4, "万", "萬"},
    }};
    const double size = std::fabs(value);
    if (!std::isfinite(value) || size < 1e4)
        return std::nullopt;
    auto word = std::ranges::find_if(words, [&](const Word& w) { return w.threshold <= size; });
    return traditional ? word->traditional : word->simplified;
}

} // namespace ravodozu
