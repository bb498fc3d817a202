#include "NumberFormatterCache.h"

#include <cmath>
#include <map>
#include <memory>
#include <tuple>

#include <unicode/dcfmtsym.h>

namespace ravodozu::detail {

using icu::number::LocalizedNumberFormatter;
using icu::number::NumberFormatter;
using icu::number::Precision;

namespace {
struct FormatterKey {
    std::string locale;
    DigitRule rule;
    int low;
    int high;
};

struct FormatterKeyView {
    std::string_view locale;
    DigitRule rule;
    int low;
    int high;
};

struct KeyOrder {
    using is_transparent = void;
    template <class A, class B> bool operator()(const A& a, const B& b) const {
        return key(a) < key(b);
    }
    template <class K> static std::tuple<std::string_view, DigitRule, int, int> key(const K& k) {
        return {k.locale, k.rule, k.low, k.high};
    }
};

std::string utf8(const icu::UnicodeString& text) {
    std::string result;
    text.toUTF8String(result);
    return result;
}

LocalizedNumberFormatter makeFormatter(const FormatterKeyView& key) {
    auto precision = key.rule == DigitRule::significant
                         ? Precision::minMaxSignificantDigits(key.low, key.high)
                         : static_cast<Precision>(Precision::minMaxFraction(key.low, key.high));
    return NumberFormatter::withLocale(icu::Locale(std::string(key.locale).c_str()))
        .precision(precision)
        .roundingMode(UNUM_ROUND_HALFUP)
        .grouping(UNUM_GROUPING_ON_ALIGNED);
}

std::optional<NumberLayout> learnLayout(std::string_view locale) {
    const auto& probe = numberFormatter(locale, DigitRule::fraction, 0, 3);
    auto negative = formatted(probe, -1234567890.125);
    auto positive = formatted(probe, 1234.5);
    auto small = formatted(probe, -0.5);
    if (!negative || !positive || !small)
        return std::nullopt;
    return layoutFromSamples(*negative, *positive, *small);
}

LocaleSeparators makeSeparators(std::string_view locale) {
    UErrorCode status = U_ZERO_ERROR;
    icu::DecimalFormatSymbols symbols(icu::Locale(std::string(locale).c_str()), status);
    LocaleSeparators separators;
    if (U_FAILURE(status))
        return separators;
    auto decimal = utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol));
    auto grouping = utf8(symbols.getSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol));
    if (!decimal.empty())
        separators.decimal = decimal;
    if (!grouping.empty())
        separators.grouping = grouping;
    return separators;
}
} // namespace

const LocalizedNumberFormatter& numberFormatter(std::string_view locale, DigitRule rule, int low,
                                                int high) {
    thread_local std::map<FormatterKey, LocalizedNumberFormatter, KeyOrder> cache;
    FormatterKeyView key{locale, rule, low, high};
    if (auto found = cache.find(key); found != cache.end())
        return found->second;
    return cache.emplace(FormatterKey{std::string(locale), rule, low, high}, makeFormatter(key))
        .first->second;
}

const LocaleSeparators& localeSeparators(std::string_view locale) {
    thread_local std::map<std::string, LocaleSeparators, std::less<>> cache;
    if (auto found = cache.find(locale); found != cache.end())
        return found->second;
    return cache.emplace(std::string(locale), makeSeparators(locale)).first->second;
}

std::optional<std::string> formatted(const LocalizedNumberFormatter& formatter, double value) {
    UErrorCode status = U_ZERO_ERROR;
    auto text = formatter.formatDouble(value, status).toString(status);
    if (U_FAILURE(status) || text.isEmpty())
        return std::nullopt;
    return utf8(text);
}

const NumberLayout* numberLayout(std::string_view locale) {
    thread_local std::map<std::string, std::optional<NumberLayout>, std::less<>> cache;
    // Callers format row after row in one locale: remember the last one and skip the search.
    thread_local const std::pair<const std::string, std::optional<NumberLayout>>* last = nullptr;
    if (last && last->first == locale)
        return last->second ? &*last->second : nullptr;
    auto found = cache.find(locale);
    if (found == cache.end())
        found = cache.emplace(std::string(locale), learnLayout(locale)).first;
    last = &*found;
    return last->second ? &*last->second : nullptr;
}

bool appendFormatted(std::string& out, std::string_view locale, DigitRule rule, int low, int high,
                     double value) {
    if (const auto* layout = numberLayout(locale);
        layout && std::isfinite(value) && appendLaidOut(out, *layout, rule, low, high, value))
        return true;
    auto text = formatted(numberFormatter(locale, rule, low, high), value);
    if (!text)
        return false;
    out += *text;
    return true;
}

} // namespace ravodozu::detail
