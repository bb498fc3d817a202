// Numbers written from a locale's learned layout must be exactly what ICU writes: any double, any
// digit rule the formatter uses, locales with and without a layout. Also runs the formatter's
// public operations on the same value so that nothing in them crashes.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "../RavoDozu/src/NumberFormatterCache.h"
#include "RavoDozu/NumberText.h"
#include "RavoDozu/ValueFormatter.h"

using namespace ravodozu;
using detail::DigitRule;

namespace {

constexpr std::array<const char*, 16> locales = {
    "en_US", "de_DE", "fr_FR", "de_CH", "sv_SE", "hi_IN", "ar_EG", "fa_IR",
    "es_ES", "pt_BR", "ja_JP", "he_IL", "pl_PL", "ar_MA", "en",    "zh_Hans_CN"};

// Reads the input front to back; zeros once it runs out.
struct Input {
    const std::uint8_t* data;
    std::size_t size;

    std::uint64_t take(std::size_t bytes) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < bytes; ++i) {
            value <<= 8;
            if (size > 0) {
                value |= *data++;
                --size;
            }
        }
        return value;
    }
};

// Raw bits reach every double; a decimal count scaled by a power of ten lands on the halves and
// nines that decide rounding (1.005, 0.125, 9.9995), nudged by a few units in the last place.
double valueFrom(Input& in) {
    const auto mode = in.take(1);
    if (mode % 2 == 0) {
        double value;
        const auto bits = in.take(8);
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    const auto length = in.take(1);
    std::uint64_t limit = 10;
    for (auto i = length % 17; i > 0; --i)
        limit *= 10;
    const auto count = static_cast<double>(in.take(7) % limit);
    // Mostly the everyday range, sometimes the whole exponent range of a double.
    const auto scale = in.take(1);
    const int exponent =
        scale & 0x80 ? static_cast<int>(scale % 128) * 5 - 330 : static_cast<int>(scale % 40) - 20;
    double value =
        exponent < 0 ? count / std::pow(10.0, -exponent) : count * std::pow(10.0, exponent);
    for (int nudge = static_cast<int>(mode >> 1) % 7 - 3; nudge != 0; nudge += nudge < 0 ? 1 : -1)
        value = std::nextafter(value, nudge < 0 ? -INFINITY : INFINITY);
    return mode & 0x80 ? -value : value;
}

void compare(const char* locale, DigitRule rule, int low, int high, double value) {
    std::string fast;
    const bool written = detail::appendFormatted(fast, locale, rule, low, high, value);
    auto reference = detail::formatted(detail::numberFormatter(locale, rule, low, high), value);
    if (written == reference.has_value() && (!written || fast == *reference))
        return;
    std::fprintf(stderr, "%s %s %d..%d %s: fast \"%s\", ICU \"%s\"\n", locale,
                 rule == DigitRule::significant ? "significant" : "fraction", low, high,
                 shortestNumberText(value).c_str(), written ? fast.c_str() : "(none)",
                 reference ? reference->c_str() : "(none)");
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    const char* locale = locales[in.take(1) % locales.size()];
    const auto digits = in.take(2);
    const double value = valueFrom(in);

    // The digit rules the formatter asks for: 1…S significant digits, 0…d fraction digits, and
    // exactly k fraction digits.
    compare(locale, DigitRule::significant, 1, 1 + static_cast<int>(digits % 17), value);
    compare(locale, DigitRule::fraction, 0, static_cast<int>(digits % 17), value);
    compare(locale, DigitRule::fraction, static_cast<int>(digits % 341),
            static_cast<int>(digits % 341), value);

    ValueFormatter formatter(static_cast<int>(digits % 20), locale);
    for (const auto& text : {formatter.format(value), formatter.formatFixed(2, value),
                             formatter.formatCurrency(2, value)})
        if (text.empty())
            std::abort();
    return 0;
}
