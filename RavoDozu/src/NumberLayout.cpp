#include "NumberLayout.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace ravodozu::detail {

namespace {
constexpr int maxSignificant = 17;
constexpr int maxFraction = 340;

// value = 0.d₁d₂…dₙ × 10^point; no digits means zero.
struct Digits {
    std::array<char, 24> digit;
    int count = 0;
    int point = 0;

    void dropTrailingZeros() {
        while (count > 0 && digit[count - 1] == '0')
            --count;
    }
};

constexpr std::array<double, 23> exactPowersOfTen = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The digits of `magnitude` rounded at 10^-scale, read straight off magnitude × 10^scale: that
// product and the shortest digits scaled alike differ by at most 2⁻⁵² of the product, so away
// from a half they round alike. False when the product is too large or too near a half to tell.
bool roundedQuickly(double magnitude, int scale, Digits& d) {
    if (scale < 0 || scale >= static_cast<int>(exactPowersOfTen.size()))
        return false;
    const double scaled = magnitude * exactPowersOfTen[scale];
    if (!(scaled < 0x1p52))
        return false;
    auto whole = static_cast<std::uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(whole);
    if (std::fabs(fraction - 0.5) <= scaled * 0x1p-50)
        return false;
    whole += fraction > 0.5;
    d.count = whole == 0
                  ? 0
                  : static_cast<int>(
                        std::to_chars(d.digit.data(), d.digit.data() + d.digit.size(), whole).ptr -
                        d.digit.data());
    d.point = d.count - scale;
    d.dropTrailingZeros();
    return true;
}

// The same for `high` significant digits. Right beside a power of ten ICU may count them from the
// neighbouring one (see countedMagnitude), so those are left to the exact path.
bool roundedSignificantQuickly(double magnitude, int high, Digits& d) {
    if (!(magnitude >= 1e-22 && magnitude < 1e22))
        return false;
    const int binaryExponent =
        static_cast<int>(std::bit_cast<std::uint64_t>(magnitude) >> 52) - 0x3ff;
    // ⌊binaryExponent · log₁₀ 2⌋: ⌊log₁₀ magnitude⌋ or one less.
    int scale = high - 1 - (binaryExponent * 78913 >> 18);
    if (scale < 0 || scale >= static_cast<int>(exactPowersOfTen.size()))
        return false;
    if (magnitude * exactPowersOfTen[scale] >= exactPowersOfTen[high])
        --scale;
    const double scaled = scale >= 0 ? magnitude * exactPowersOfTen[scale] : 0;
    if (scaled < exactPowersOfTen[high - 1] * (1 + 0x1p-48) ||
        scaled > exactPowersOfTen[high] * (1 - 0x1p-48))
        return false;
    return roundedQuickly(magnitude, scale, d);
}

// ICU starts from the same shortest round-trip digits (double-conversion's SHORTEST) whenever
// rounding could go either way, and from the exact integer otherwise; both agree with these.
Digits shortestDigits(double magnitude) {
    Digits d;
    if (magnitude == 0)
        return d;
    std::array<char, 32> text;
    const char* end = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                    std::chars_format::scientific)
                          .ptr;
    const char* at = text.data();
    for (; at != end && *at != 'e'; ++at)
        if (*at != '.')
            d.digit[d.count++] = *at;
    if (at + 1 < end && at[1] == '+')
        ++at;
    int exponent = 0;
    std::from_chars(at + 1, end, exponent);
    d.point = exponent + 1;
    d.dropTrailingZeros();
    return d;
}

// Drops every digit below 10^magnitude, rounding halves away from zero.
void roundAt(Digits& d, int magnitude) {
    const int keep = d.point - magnitude;
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    const bool up = d.digit[keep] >= '5';
    d.count = keep;
    if (up) {
        int last = keep - 1;
        while (last >= 0 && d.digit[last] == '9')
            --last;
        if (last < 0) {
            d.digit[0] = '1';
            d.count = 1;
            ++d.point;
        } else {
            ++d.digit[last];
            d.count = last + 1;
        }
    }
    d.dropTrailingZeros();
}

// ICU counts significant digits from the leading digit of its first, fast estimate of a
// non-integer's digits, value × 10^k rounded to an integer, which can land one place off beside a
// power of ten (9.999999999999997e-308 counts from 10^-307). Subnormals and integers below 2^53
// it reads exactly.
int countedMagnitude(double magnitude, int shortestMagnitude) {
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int exponent = static_cast<int>(bits >> 52 & 0x7ff) - 0x3ff;
    if (exponent == -0x3ff || (exponent <= 52 && static_cast<std::int64_t>(magnitude) == magnitude))
        return shortestMagnitude;
    const int scale = static_cast<int>((52 - exponent) / 3.32192809488736234787031942948939017586);
    double scaled = magnitude;
    if (scale >= 0) {
        int i = scale;
        for (; i >= 22; i -= 22)
            scaled *= 1e22;
        scaled *= exactPowersOfTen[i];
    } else {
        int i = scale;
        for (; i <= -22; i += 22)
            scaled /= 1e22;
        scaled /= exactPowersOfTen[-i];
    }
    auto estimate = static_cast<std::uint64_t>(std::round(scaled));
    int digits = 0;
    for (; estimate > 0; estimate /= 10)
        ++digits;
    return digits - 1 - scale;
}

bool hasAsciiDigit(std::string_view text) {
    return std::ranges::any_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

char* put(char* at, std::string_view text) {
    return std::copy(text.begin(), text.end(), at);
}
} // namespace

std::optional<NumberLayout> layoutFromSamples(std::string_view negative, std::string_view positive,
                                              std::string_view small) {
    auto one = negative.find('1');
    auto twos = negative.find("234");
    if (one == 0 || one == std::string_view::npos || twos == std::string_view::npos || twos <= one)
        return std::nullopt;
    NumberLayout layout{std::string(negative.substr(0, one)),
                        std::string(negative.substr(one + 1, twos - one - 1)),
                        {}};
    const auto& [minus, grouping, decimal] = layout;
    std::string head = minus + "1" + grouping + "234" + grouping + "567" + grouping + "890";
    if (!negative.starts_with(head) || !negative.ends_with("125") ||
        negative.size() <= head.size() + 3)
        return std::nullopt;
    layout.decimal = negative.substr(head.size(), negative.size() - head.size() - 3);
    if (grouping.empty() || hasAsciiDigit(minus) || hasAsciiDigit(grouping) ||
        hasAsciiDigit(decimal) || grouping == decimal ||
        positive != "1" + grouping + "234" + decimal + "5" || small != minus + "0" + decimal + "5")
        return std::nullopt;
    return layout;
}

bool appendLaidOut(std::string& out, const NumberLayout& layout, DigitRule rule, int low, int high,
                   double value) {
    const bool significant = rule == DigitRule::significant;
    if (significant ? low != 1 || high < 1 || high > maxSignificant
                    : low < 0 || high < low || high > maxFraction)
        return false;

    const double magnitude = std::fabs(value);
    Digits d;
    if (!(significant ? roundedSignificantQuickly(magnitude, high, d)
                      : roundedQuickly(magnitude, high, d))) {
        d = shortestDigits(magnitude);
        if (d.count > 0)
            roundAt(d, significant ? countedMagnitude(magnitude, d.point - 1) - high + 1 : -high);
    }

    const int integerDigits = d.count > 0 ? std::max(1, d.point) : 1;
    const int fractionDigits = std::max(significant ? 0 : low, d.count > 0 ? d.count - d.point : 0);
    const bool negative = std::signbit(value);
    const std::size_t size = (negative ? layout.minus.size() : 0) + integerDigits +
                             (integerDigits - 1) / 3 * layout.grouping.size() +
                             (fractionDigits > 0 ? layout.decimal.size() + fractionDigits : 0);

    const std::size_t start = out.size();
    out.resize(start + size);
    char* at = out.data() + start;
    if (negative)
        at = put(at, layout.minus);
    auto digitAt = [&](int index) { return index >= 0 && index < d.count ? d.digit[index] : '0'; };
    // With point ≤ 0 the only integer digit, index point - 1, lies before the digits: "0".
    const int first = d.point - integerDigits;
    for (int i = 0; i < integerDigits; ++i) {
        if (i > 0 && (integerDigits - i) % 3 == 0)
            at = put(at, layout.grouping);
        *at++ = digitAt(first + i);
    }
    if (fractionDigits > 0) {
        at = put(at, layout.decimal);
        for (int j = 0; j < fractionDigits; ++j)
            *at++ = digitAt(d.point + j);
    }
    return true;
}

} // namespace ravodozu::detail
