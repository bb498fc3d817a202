#include "NumberFormatterCache.h"

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

} // namespace ravodozu::detail
