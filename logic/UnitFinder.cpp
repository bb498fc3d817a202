#include "UnitFinder.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>

#include "MixedAmount.h"
#include "RavoDozu/Converter.h"
#include "UnitText.h"

namespace zelvane {
namespace {

using ravodozu::Converter::convert;

struct Part {
    std::size_t unit;
    double value;
};

std::string utf8(std::u16string_view text) {
    std::string result;
    icu::UnicodeString(false, text.data(), static_cast<std::int32_t>(text.size()))
        .toUTF8String(result);
    return result;
}

bool isBlank(char16_t c) {
    return c == '\t' || u_charType(c) == U_SPACE_SEPARATOR;
}

// Where a number may start after a unit text: after a blank or a mark such as ' or ″, never
// inside a word ("ft2", "m3" are units).
bool endsUnitText(char16_t before) {
    return isBlank(before) || (!U16_IS_SURROGATE(before) && !u_isalnum(before));
}

// The parts of `text` from `from` on, after the parts already in `parts`: a unit text and then
// either the end or the next number and its parts. `pending` is the number the unit text goes
// with. Tries each place a number can start, leftmost first.
// No unit text is longer and no amount has more parts ("1 d 2 h 3 min 4 s"); the bounds keep a
// long pasted phrase from costing a search at every digit of it.
constexpr std::size_t maxUnitText = 64;
constexpr std::size_t maxParts = 6;

bool compoundParts(const UnitFinder& finder, const NumberReader& numbers, std::u16string_view text,
                   std::size_t from, double pending, std::vector<Part>& parts) {
    if (!parts.empty() && text.size() - from <= maxUnitText)
        if (auto unit = finder.unit(normalizedUnitText(utf8(text.substr(from))))) {
            parts.push_back({*unit, pending});
            return true;
        }
    if (parts.size() + 1 >= maxParts)
        return false;
    for (auto at = from + 1; at < text.size() && at - from <= maxUnitText; ++at) {
        UChar32 c;
        U16_GET(text.data(), 0, at, text.size(), c);
        if (U16_IS_TRAIL(text[at]) || !u_isdigit(c) || !endsUnitText(text[at - 1]))
            continue;
        auto unit = finder.unit(normalizedUnitText(utf8(text.substr(from, at - from))));
        if (!unit)
            continue;
        auto reading = numbers.read(text, static_cast<std::int32_t>(at));
        if (!reading)
            continue;
        auto next = static_cast<std::size_t>(reading->end);
        while (next < text.size() && isBlank(text[next]))
            ++next;
        if (next == text.size())
            continue;
        parts.push_back({*unit, pending});
        if (compoundParts(finder, numbers, text, next, reading->value, parts))
            return true;
        parts.pop_back();
    }
    return false;
}

// Splits at blanks and "+".
std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t start = 0;
    for (std::size_t index = 0; index <= text.size(); ++index)
        if (index == text.size() || text[index] == ' ' || text[index] == '\t' ||
            text[index] == '+') {
            if (index > start)
                result.push_back(text.substr(start, index - start));
            start = index + 1;
        }
    return result;
}

} // namespace

UnitFinder::UnitFinder(const ravodozu::CategoryRef& category, const NumberReader& numbers,
                       const std::vector<std::string>& languages)
    : category_(category), numbers_(numbers), languages_(languages) {}

std::optional<std::size_t> UnitFinder::unit(std::string_view key, std::string_view skipId,
                                            Names names) const {
    auto& keys = detail::categoryKeys(category_->id);
    keys.follow(category_);
    auto find = [&](const std::vector<std::string>* languages) -> std::optional<std::size_t> {
        for (std::size_t position = 0; position < category_->units.size(); ++position)
            if ((skipId.empty() || category_->units[position].id != skipId) &&
                keys.at(*category_, position).matches(key, languages))
                return position;
        return std::nullopt;
    };
    // A name in another language ("Pint" is German for the US pint) only counts when no unit
    // is called so in the user's own.
    if (auto found = find(&languages_); found || names == Names::shown)
        return found;
    return find(nullptr);
}

std::optional<UnitFinder::Amount> UnitFinder::compound(std::string_view text,
                                                       double leading) const {
    const auto unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    const std::u16string_view chars(unicode.getBuffer(),
                                    static_cast<std::size_t>(unicode.length()));
    // Each part but the first starts with a number after a unit text: more numbers than parts
    // allow mean no amount, whatever the units.
    std::size_t numbers = 0;
    for (std::size_t at = 1; at < chars.size(); ++at)
        numbers += u_isdigit(chars[at]) && endsUnitText(chars[at - 1]) ? 1 : 0;
    std::vector<Part> parts;
    if (numbers >= 2 * maxParts || !compoundParts(*this, numbers_, chars, 0, leading, parts))
        return std::nullopt;
    const auto& first = category_->units[parts.front().unit];
    const double sign = std::signbit(leading) ? -1 : 1;
    double sum = leading;
    for (std::size_t index = 1; index < parts.size(); ++index) {
        const auto& unit = category_->units[parts[index].unit];
        if (!isProportional(unit, first))
            return std::nullopt;
        sum += sign * convert(parts[index].value, unit, first);
    }
    return Amount{parts.front().unit, sum};
}

std::vector<std::size_t> UnitFinder::mixed(std::string_view text,
                                           const ravodozu::UnitDefinition& from) const {
    // Few words: a target is a handful of units, and each split costs a search.
    constexpr std::size_t maxWords = 8;
    const auto list = words(text);
    std::vector<std::size_t> chosen;
    if (list.size() < 2 || list.size() > maxWords)
        return chosen;
    // Longest unit texts first, so "fl oz" stays one unit.
    auto split = [&](auto& self, std::size_t start) -> bool {
        if (start == list.size())
            return chosen.size() >= 2;
        for (auto end = list.size(); end > start; --end) {
            std::string joined(list[start]);
            for (auto index = start + 1; index < end; ++index)
                joined.append(" ").append(list[index]);
            auto unit = this->unit(normalizedUnitText(joined));
            if (!unit || std::ranges::find(chosen, *unit) != chosen.end() ||
                !isProportional(category_->units[*unit], from))
                continue;
            chosen.push_back(*unit);
            if (self(self, end))
                return true;
            chosen.pop_back();
        }
        return false;
    };
    if (!split(split, 0))
        chosen.clear();
    return chosen;
}

} // namespace zelvane
