#include "UnitText.h"

#include <algorithm>
#include <unordered_map>

#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace zelvane {

using ravodozu::UnitCategory;
using ravodozu::UnitDefinition;

namespace {

bool isBlank(UChar32 c) {
    return c == '\t' || u_charType(c) == U_SPACE_SEPARATOR;
}

std::string utf8(const icu::UnicodeString& text) {
    std::string result;
    text.toUTF8String(result);
    return result;
}

// Most unit texts are plain ASCII; they skip the round trip through UTF-16.
std::optional<std::string> normalizedAscii(std::string_view text) {
    if (!std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return std::nullopt;
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

// Replaces the first `from` in `text` by `to`; false when there is none.
bool replaceFirst(std::string& text, std::string_view from, std::string_view to) {
    auto at = text.find(from);
    if (at == std::string::npos)
        return false;
    text.replace(at, from.size(), to);
    return true;
}

} // namespace

std::vector<std::string> englishForms(const std::string& name) {
    // An empty name would otherwise make "s" and "es" name the unit.
    if (name.empty())
        return {};
    std::vector<std::string> spellings{name};
    for (auto [one, other] :
         {std::pair{"metre", "meter"}, {"meter", "metre"}, {"litre", "liter"}, {"liter", "litre"}})
        if (auto spelling = name; replaceFirst(spelling, one, other))
            spellings.push_back(std::move(spelling));
    std::vector<std::string> forms;
    for (const auto& spelling : spellings) {
        forms.push_back(spelling + "s");
        forms.push_back(spelling + "es");
        if (spelling.ends_with('y'))
            forms.push_back(spelling.substr(0, spelling.size() - 1) + "ies");
        if (auto feet = spelling; replaceFirst(feet, "foot", "feet"))
            forms.push_back(std::move(feet));
        if (spelling != name)
            forms.push_back(spelling);
    }
    return forms;
}

std::string normalizedUnitText(std::string_view text) {
    if (auto ascii = normalizedAscii(text))
        return std::move(*ascii);

    auto unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    // Folded rather than lower-cased, so that "FUSS" and "Fuß" are one name.
    unicode.foldCase();

    std::int32_t start = 0;
    std::int32_t end = unicode.length();
    while (start < end && isBlank(unicode.char32At(start)))
        start = unicode.moveIndex32(start, 1);
    while (end > start) {
        auto before = unicode.moveIndex32(end, -1);
        if (!isBlank(unicode.char32At(before)))
            break;
        end = before;
    }
    if (start < end && unicode.charAt(start) == u'\u00B0')
        ++start;
    icu::UnicodeString result(unicode, start, end - start);
    result.findAndReplace(icu::UnicodeString(u'\u2103'), icu::UnicodeString(u'c'));
    result.findAndReplace(icu::UnicodeString(u'\u2109'), icu::UnicodeString(u'f'));
    return utf8(result);
}

const std::map<std::string, std::set<std::string, std::less<>>, std::less<>>& unitAliases() {
    static const std::map<std::string, std::set<std::string, std::less<>>, std::less<>> table = {
        {"ft", {"feet", "foot", "'", "′"}},
        {"in", {"inch", "inches", "\"", "″"}},
        {"m", {"meter", "meters", "metre", "metres"}},
        {"c", {"摄氏", "度"}},
        {"f", {"华氏"}},
        {"USD", {"$", "美金", "刀"}},
        {"CNY", {"rmb", "¥", "元", "块"}},
        {"EUR", {"€"}},
        {"GBP", {"£"}},
        {"JPY", {"円"}},
        {"kg", {"公斤", "kilo", "kilos"}},
        {"lb", {"lbs", "pound", "pounds"}},
    };
    return table;
}

namespace detail {

UnitKeys::UnitKeys(const UnitDefinition& unit)
    : id(unit.id), symbol(unit.symbol), name(unit.name),
      normalizedSymbol(normalizedUnitText(unit.symbol)), lowerId(unit.id) {
    // The id is only lower-cased: "USD" is typed as "usd", but "°" or blanks in an id stay.
    auto lowered = icu::UnicodeString::fromUTF8(unit.id);
    lowered.toLower(icu::Locale::getRoot());
    lowerId = utf8(lowered);
    for (const auto& [language, text] : unit.name.values) {
        names.push_back({language, normalizedUnitText(text)});
        // "3 livres", "2 libras": the plural most languages written in Latin letters make.
        const auto& written = names.back().normalized;
        if (language != "en" && written.size() >= 3 && written.back() >= 'a' &&
            written.back() <= 'z' && written.back() != 's')
            names.push_back({language, written + "s"});
    }
    if (auto found = unit.name.values.find("en"); found != unit.name.values.end())
        english = englishForms(normalizedUnitText(found->second));
    // "cups", "mins": a symbol that is a short word takes a plural too; one or two letters do
    // not, as "ms" and "hs" name other units.
    if (normalizedSymbol.size() >= 3 &&
        std::ranges::all_of(normalizedSymbol, [](char c) { return c >= 'a' && c <= 'z'; }))
        english.push_back(normalizedSymbol + "s");
    const auto& table = unitAliases();
    if (auto found = table.find(unit.id); found != table.end())
        aliases = &found->second;
}

bool UnitKeys::matches(std::string_view key, const std::vector<std::string>* languages) const {
    if (key.empty())
        return false;
    if (key == normalizedSymbol || key == lowerId)
        return true;
    if (std::ranges::find(english, key) != english.end())
        return true;
    if (aliases && aliases->contains(key))
        return true;
    return std::ranges::any_of(names, [&](const Name& entry) {
        return entry.normalized == key &&
               (!languages || entry.language == "en" ||
                &name.resolve(*languages) == &name.values.find(entry.language)->second);
    });
}

void CategoryKeys::follow(const std::shared_ptr<const UnitCategory>& category) {
    if (category == followed_)
        return;
    followed_ = category;
    checked_.assign(keys_.size(), false);
}

const UnitKeys& CategoryKeys::at(const UnitCategory& category, std::size_t position) {
    const auto& unit = category.units[position];
    const bool followed = followed_.get() == &category;
    if (position < keys_.size()) {
        if (followed && position < checked_.size() && checked_[position])
            return keys_[position];
        if (!keys_[position].describes(unit)) {
            keys_[position] = UnitKeys(unit);
            // Made for another category than the followed one: check again when it returns.
            if (position < checked_.size())
                checked_[position] = false;
        }
    } else {
        // Units are walked in order, so the list grows one entry at a time.
        while (keys_.size() <= position)
            keys_.emplace_back(category.units[keys_.size()]);
    }
    if (followed) {
        if (checked_.size() <= position)
            checked_.resize(position + 1, false);
        checked_[position] = true;
    }
    return keys_[position];
}

CategoryKeys& categoryKeys(std::string_view categoryId) {
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    thread_local std::unordered_map<std::string, CategoryKeys, Hash, std::equal_to<>> byCategory;
    if (auto found = byCategory.find(categoryId); found != byCategory.end())
        return found->second;
    return byCategory.emplace(std::string(categoryId), CategoryKeys{}).first->second;
}

} // namespace detail

bool unitMatches(const UnitDefinition& unit, std::string_view text) {
    return detail::UnitKeys(unit).matches(normalizedUnitText(text));
}

} // namespace zelvane
