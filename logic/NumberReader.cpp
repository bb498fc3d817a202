#include "NumberReader.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include <unicode/dcfmtsym.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include "RavoDozu/NumberText.h"
#include "RavoDozu/ValueFormatter.h"

namespace zelvane {
namespace {

struct Separators {
    char16_t decimal = '.';
    char16_t group = ',';
};

Separators separatorsOf(const std::string& locale) {
    thread_local std::map<std::string, Separators, std::less<>> known;
    if (auto found = known.find(locale); found != known.end())
        return found->second;
    Separators separators;
    UErrorCode status = U_ZERO_ERROR;
    icu::DecimalFormatSymbols symbols(icu::Locale(locale.c_str()), status);
    if (U_SUCCESS(status)) {
        const auto& decimal =
            symbols.getConstSymbol(icu::DecimalFormatSymbols::kDecimalSeparatorSymbol);
        const auto& group =
            symbols.getConstSymbol(icu::DecimalFormatSymbols::kGroupingSeparatorSymbol);
        if (decimal == u"," || decimal == u".")
            separators.decimal = decimal[0];
        if (!group.isEmpty())
            separators.group = group[0];
    }
    return known.emplace(locale, separators).first->second;
}

bool isSpaceGroup(char16_t c) {
    return c == ' ' || c == 0x00A0 || c == 0x202F || c == 0x2009;
}

bool isMinus(char16_t c) {
    return c == '-' || c == 0x2212;
}

bool isSign(char16_t c) {
    return isMinus(c) || c == '+';
}

bool isFractionSlash(char16_t c) {
    return c == '/' || c == 0x2044;
}

// ½, ¼, ¾ and the fractions of the Number Forms block (⅐ … ⅞).
std::optional<double> vulgarFraction(char16_t c) {
    if ((c >= 0x00BC && c <= 0x00BE) || (c >= 0x2150 && c <= 0x215E))
        return u_getNumericValue(c);
    return std::nullopt;
}

int superscriptDigit(char16_t c) {
    switch (c) {
    case 0x2070:
        return 0;
    case 0x00B9:
        return 1;
    case 0x00B2:
        return 2;
    case 0x00B3:
        return 3;
    default:
        return c >= 0x2074 && c <= 0x2079 ? c - 0x2070 : -1;
    }
}

// Walks a UTF-16 text by code point; any decimal digit (general category Nd) reads as its value.
struct Cursor {
    std::u16string_view text;
    std::int32_t at;

    char16_t unit(std::int32_t offset = 0) const {
        auto index = at + offset;
        return index < static_cast<std::int32_t>(text.size()) ? text[index] : char16_t(0);
    }
    // The digit at `index`, and how many code units it takes; -1 when none is there.
    std::pair<int, std::int32_t> digitAt(std::int32_t index) const {
        if (index >= static_cast<std::int32_t>(text.size()))
            return {-1, 0};
        auto next = index;
        UChar32 c;
        U16_NEXT(text.data(), next, static_cast<std::int32_t>(text.size()), c);
        if (c >= '0' && c <= '9')
            return {c - '0', 1};
        if (c < 0x80 || !u_isdigit(c))
            return {-1, 0};
        return {u_charDigitValue(c), next - index};
    }
    bool digitFollows(std::int32_t offset = 0) const { return digitAt(at + offset).first >= 0; }
    // Appends the ASCII digits of the run that starts here and moves past it.
    std::size_t takeDigits(std::string& out) {
        std::size_t count = 0;
        for (;; ++count) {
            const auto [digit, length] = digitAt(at);
            if (digit < 0)
                return count;
            out += static_cast<char>('0' + digit);
            at += length;
        }
    }
    // How many digits follow `offset` code units from here.
    std::size_t digitRun(std::int32_t offset) const {
        Cursor copy{text, at + offset};
        std::string ignored;
        return copy.takeDigits(ignored);
    }
    void skipSpaces() {
        while (isSpaceGroup(unit()))
            ++at;
    }
};

// Digits with the marks between them, before they are told apart.
struct Mantissa {
    std::vector<std::string> groups; ///< Digit runs; the first may be empty (".5").
    std::u16string marks;            ///< marks[i] stands between groups[i] and groups[i + 1].
};

// The ASCII form of the mantissa, "1234.5", or none when its marks are ambiguous.
std::optional<std::string> plainMantissa(const Mantissa& mantissa, const Separators& locale) {
    const char16_t decimal = locale.decimal;
    const char16_t other = decimal == '.' ? ',' : '.';
    std::size_t dots = 0;
    std::size_t commas = 0;
    std::optional<std::size_t> last; // the last "." or ","
    for (std::size_t index = 0; index < mantissa.marks.size(); ++index) {
        auto mark = mantissa.marks[index];
        if (mark == '.' || mark == ',') {
            (mark == '.' ? dots : commas)++;
            last = index;
        }
    }
    std::optional<std::size_t> point;
    if (dots > 0 && commas > 0) {
        if ((mantissa.marks[*last] == '.' ? dots : commas) != 1)
            return std::nullopt;
        point = last;
    } else if (dots + commas == 1) {
        const char16_t mark = mantissa.marks[*last];
        const bool groups =
            mark == other && other == locale.group && mantissa.groups[*last + 1].size() == 3;
        if (!groups)
            point = last;
    }
    std::string plain;
    for (std::size_t index = 0; index < mantissa.groups.size(); ++index) {
        if (index > 0 && point && index == *point + 1)
            plain += '.';
        plain += mantissa.groups[index];
    }
    return plain;
}

// "e3", "E-3", "×10³", " x 10^-3": the exponent, with the cursor after it; none leaves it alone.
std::optional<int> exponent(Cursor& cursor) {
    Cursor at = cursor;
    std::string digits;
    if (at.unit() == 'e' || at.unit() == 'E') {
        ++at.at;
        if (isSign(at.unit()))
            digits += isMinus(at.unit()) ? '-' : '+', ++at.at;
        if (at.takeDigits(digits) == 0)
            return std::nullopt;
    } else {
        at.skipSpaces();
        const char16_t times = at.unit();
        if (times != 0x00D7 && times != 'x' && times != 'X' && times != '*' && times != 0x00B7)
            return std::nullopt;
        ++at.at;
        at.skipSpaces();
        if (at.unit() != '1' || at.unit(1) != '0')
            return std::nullopt;
        at.at += 2;
        if (at.unit() == '^') {
            ++at.at;
            if (isSign(at.unit()))
                digits += isMinus(at.unit()) ? '-' : '+', ++at.at;
            if (at.takeDigits(digits) == 0)
                return std::nullopt;
        } else {
            if (at.unit() == 0x207B || at.unit() == 0x207A)
                digits += at.unit() == 0x207B ? '-' : '+', ++at.at;
            std::size_t count = 0;
            for (int digit = superscriptDigit(at.unit()); digit >= 0;
                 digit = superscriptDigit(at.unit()), ++count)
                digits += static_cast<char>('0' + digit), ++at.at;
            if (count == 0)
                return std::nullopt;
        }
    }
    if (digits.size() > 6) // far beyond any double: refuse rather than overflow an int
        return std::nullopt;
    cursor = at;
    return std::stoi(digits);
}

// "n/d" at the cursor, a plain run of digits over another; none leaves the cursor alone.
std::optional<double> fraction(Cursor& cursor) {
    Cursor at = cursor;
    std::string numerator;
    std::string denominator;
    if (at.takeDigits(numerator) == 0 || !isFractionSlash(at.unit()))
        return std::nullopt;
    ++at.at;
    if (at.takeDigits(denominator) == 0)
        return std::nullopt;
    cursor = at;
    return *ravodozu::readNumber(numerator) / *ravodozu::readNumber(denominator);
}

// What follows a whole number to make it a mixed one: "½", " ½" or " 1/2".
std::optional<double> mixedPart(Cursor& cursor) {
    Cursor at = cursor;
    if (auto half = vulgarFraction(at.unit())) {
        cursor.at = at.at + 1;
        return half;
    }
    if (!isSpaceGroup(at.unit()))
        return std::nullopt;
    at.skipSpaces();
    if (auto half = vulgarFraction(at.unit())) {
        cursor.at = at.at + 1;
        return half;
    }
    auto part = fraction(at);
    if (part)
        cursor = at;
    return part;
}

} // namespace

NumberReader::NumberReader(std::string_view locale) : locale_(locale) {
    const auto separators = separatorsOf(locale_);
    decimal_ = separators.decimal;
    group_ = separators.group;
    groupsWithSpace_ = isSpaceGroup(group_);
}

std::optional<NumberReader::Reading> NumberReader::read(std::u16string_view text,
                                                        std::int32_t start) const {
    Cursor cursor{text, start};
    double sign = 1;
    if (isSign(cursor.unit())) {
        sign = isMinus(cursor.unit()) ? -1 : 1;
        ++cursor.at;
    }
    if (auto alone = vulgarFraction(cursor.unit()))
        return Reading{sign * *alone, cursor.at + 1};
    if (auto part = fraction(cursor)) {
        if (!std::isfinite(*part))
            return std::nullopt;
        return Reading{sign * *part, cursor.at};
    }

    Mantissa mantissa;
    mantissa.groups.emplace_back();
    cursor.takeDigits(mantissa.groups.back());
    const bool whole = !mantissa.groups.back().empty();
    bool pointSeen = false;
    for (;;) {
        std::int32_t run = 0;
        while (cursor.unit(run) == '.' || cursor.unit(run) == ',')
            ++run;
        char16_t mark = ' '; // a mark that only groups
        const char16_t next = cursor.unit();
        if (run > 0 && cursor.digitFollows(run)) {
            // A run of one mark ("1,,000") only groups, as it always did; of a mixed run
            // ("1,.5") the last mark counts.
            const bool same = std::u16string_view(&text[cursor.at], run).find_first_not_of(next) ==
                              std::u16string_view::npos;
            if (run == 1 || !same)
                mark = cursor.unit(run - 1);
            pointSeen = true;
        } else if (groupsWithSpace_ && !pointSeen && isSpaceGroup(next) &&
                   cursor.digitRun(1) == 3 && !isFractionSlash(cursor.unit(4)) &&
                   !cursor.digitFollows(4)) {
            // A space groups only before any point, and never takes the whole number of
            // "1 1/2".
            run = 1;
        } else if (next == group_ && !isSpaceGroup(next) && next != '.' && next != ',' &&
                   cursor.digitFollows(1)) {
            run = 1;
        } else {
            break;
        }
        mantissa.marks += mark;
        cursor.at += run;
        mantissa.groups.emplace_back();
        cursor.takeDigits(mantissa.groups.back());
    }
    if (mantissa.groups.size() == 1 && !whole)
        return std::nullopt;
    if (mantissa.groups.size() == 1) {
        if (auto part = mixedPart(cursor))
            return Reading{sign * (*ravodozu::readNumber(mantissa.groups[0]) + *part), cursor.at};
    }
    // A point or comma that ends the number belongs to it, as "5." and "5," always did.
    while (cursor.unit() == ',')
        ++cursor.at;
    if (cursor.unit() == '.')
        ++cursor.at;

    auto plain = plainMantissa(mantissa, {decimal_, group_});
    if (!plain)
        return std::nullopt;
    if (auto power = exponent(cursor))
        *plain += "e" + std::to_string(*power);
    if (plain->starts_with('.'))
        plain->insert(0, "0");
    auto value = ravodozu::readNumber(*plain);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return Reading{sign * *value, cursor.at};
}

std::optional<double> NumberReader::readWhole(std::string_view utf8) const {
    const auto unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
    std::u16string_view text(unicode.getBuffer(), unicode.length());
    auto blank = [](char16_t c) { return c == '\t' || u_isUWhiteSpace(c); };
    std::size_t from = 0;
    std::size_t to = text.size();
    while (from < to && blank(text[from]))
        ++from;
    while (to > from && blank(text[to - 1]))
        --to;
    auto reading = read(text.substr(0, to), static_cast<std::int32_t>(from));
    if (!reading || reading->end != static_cast<std::int32_t>(to))
        return std::nullopt;
    return reading->value;
}

std::string NumberReader::inputText(double value) const {
    auto text = ravodozu::shortestNumberText(value == 0 ? 0.0 : value);
    if (decimal_ == ',')
        std::ranges::replace(text, '.', ',');
    return text;
}

std::string NumberReader::shownText(double value) const {
    const auto magnitude = std::fabs(value);
    if (magnitude >= 1e15 || (magnitude != 0 && magnitude < 1e-6))
        return ravodozu::ValueFormatter(17, locale_).format(value);
    const auto plain = ravodozu::plainNumberText(value);
    const auto point = plain.find('.');
    const int fractionDigits =
        point == std::string::npos ? 0 : static_cast<int>(plain.size() - point - 1);
    return ravodozu::ValueFormatter(17, locale_).formatFixed(fractionDigits, value);
}

} // namespace zelvane
