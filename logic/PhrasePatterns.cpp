#include "PhrasePatterns.h"

#include <cstddef>
#include <initializer_list>

#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace zelvane {

// A phrase is read by hand rather than with regular expressions: compiling the first ICU regex of
// a process builds ICU's property sets, about a sixth of what a whole short conversion command
// costs. The number comes from the NumberReader; the rest is split at the separators
//
//   \s+to\s+|\s*=>\s*|\s*->\s*|\s*=\s*|\s*>\s*|\s*→\s*|
//   \s*换算成\s*|\s*换成\s*|\s*转成\s*|\s*换\s*|\s*转\s*
//
// (case-insensitive), and a text counts as a plain number when it matches \s*-?[\d.,  ]*\s*
// as a whole (the bracket holds two ordinary spaces) or the reader reads all of it.
//
// Each reader moves forward only, so a pasted text costs time in proportion to its length.

namespace {

// "\d" is the general category Nd, "\s" the property White_Space; ASCII is answered without a
// table look-up, as almost every phrase is ASCII.
bool isDigit(UChar32 c) {
    return c < 0x80 ? c >= '0' && c <= '9' : u_isdigit(c);
}

bool isBlank(UChar32 c) {
    return c < 0x80 ? c == ' ' || (c >= 0x09 && c <= 0x0D) : u_isUWhiteSpace(c);
}

bool isPlainNumberChar(UChar32 c) {
    return c == '.' || c == ',' || c == ' ' || isDigit(c);
}

// What "." refuses.
bool isLineBreak(UChar32 c) {
    return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// Blanks trimmed off each piece of the rest: space separators and tab.
bool isPieceBlank(UChar32 c) {
    return c < 0x80 ? c == ' ' || c == '\t' : u_charType(c) == U_SPACE_SEPARATOR;
}

// [start, end) of a UTF-16 text (well-formed: it comes from UTF-8).
struct Span {
    const char16_t* chars;
    std::int32_t start;
    std::int32_t end;

    UChar32 at(std::int32_t index) const {
        if (index >= end)
            return U_SENTINEL;
        UChar32 c;
        U16_NEXT(chars, index, end, c);
        return c;
    }

    // The index after the code points from `from` on that `keep` accepts.
    std::int32_t skip(std::int32_t from, bool (*keep)(UChar32)) const {
        while (from < end) {
            auto next = from;
            UChar32 c;
            U16_NEXT(chars, next, end, c);
            if (!keep(c))
                break;
            from = next;
        }
        return from;
    }

    // The index before the code points up to `to` that `keep` accepts.
    std::int32_t skipBack(std::int32_t to, bool (*keep)(UChar32)) const {
        while (to > start) {
            auto before = to;
            UChar32 c;
            U16_PREV(chars, start, before, c);
            if (!keep(c))
                break;
            to = before;
        }
        return to;
    }

    Span trimmed(bool (*blank)(UChar32)) const {
        auto from = skip(start, blank);
        return {chars, from, Span{chars, from, end}.skipBack(end, blank)};
    }

    bool startsWith(std::int32_t index, std::u16string_view literal) const {
        return std::u16string_view(chars + index, end - index).starts_with(literal);
    }

    std::string utf8() const {
        std::string result;
        icu::UnicodeString(false, chars + start, end - start).toUTF8String(result);
        return result;
    }
};

// The end of the separator that starts at `index`, or -1 when none starts there.
std::int32_t separatorEnd(const Span& rest, std::int32_t index) {
    auto word = rest.skip(index, isBlank);
    if (word > index && word + 2 < rest.end && (rest.chars[word] | 0x20) == 't' &&
        (rest.chars[word + 1] | 0x20) == 'o') {
        auto end = rest.skip(word + 2, isBlank);
        if (end > word + 2)
            return end;
    }
    // Longer words before their prefixes, as the alternatives are ordered.
    for (std::u16string_view separator :
         {u"=>", u"->", u"=", u">", u"→", u"换算成", u"换成", u"转成", u"换", u"转"})
        if (rest.startsWith(word, separator))
            return rest.skip(word + static_cast<std::int32_t>(separator.size()), isBlank);
    return -1;
}

// Where the word `word` (lower case) starts at `index`, between blanks, in any letter case.
bool wordAt(const Span& piece, std::int32_t index, std::u16string_view word) {
    if (index == piece.start || !isBlank(piece.chars[index - 1]))
        return false;
    const auto end = index + static_cast<std::int32_t>(word.size());
    if (end >= piece.end || !isBlank(piece.chars[end]))
        return false;
    for (std::size_t offset = 0; offset < word.size(); ++offset) {
        char16_t c = piece.chars[index + static_cast<std::int32_t>(offset)];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char16_t>(c - 'A' + 'a');
        if (c != word[offset])
            return false;
    }
    return true;
}

// Each split of `piece` at one of `words`, left to right, where both sides are not blank.
std::vector<std::pair<std::string, std::string>>
wordSplits(const Span& piece, const std::vector<std::u16string>& words) {
    std::vector<std::pair<std::string, std::string>> splits;
    for (auto index = piece.start; index < piece.end; ++index)
        for (const auto& word : words) {
            if (!wordAt(piece, index, word))
                continue;
            auto left = Span{piece.chars, piece.start, index}.trimmed(isPieceBlank);
            auto right =
                Span{piece.chars, index + static_cast<std::int32_t>(word.size()), piece.end}
                    .trimmed(isPieceBlank);
            if (left.start < left.end && right.start < right.end)
                splits.emplace_back(left.utf8(), right.utf8());
        }
    return splits;
}

} // namespace

PhraseLanguage PhraseLanguage::of(std::string_view locale, std::string_view language) {
    PhraseLanguage result{NumberReader(locale), {u"in", u"as"}};
    const auto code = language.substr(0, language.find_first_of("-_"));
    if (code == "fr" || code == "es")
        result.words.emplace_back(u"en");
    else if (code == "pt")
        result.words.insert(result.words.end(), {u"em", u"para"});
    return result;
}

std::optional<PhraseParts> splitPhrase(std::string_view text, const PhraseLanguage& language) {
    auto unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    auto phrase = Span{unicode.getBuffer(), 0, unicode.length()}.trimmed(isBlank);
    if (phrase.end - phrase.start > maxPhraseLength)
        return std::nullopt;
    const auto number = language.numbers.read(
        std::u16string_view(phrase.chars, static_cast<std::size_t>(phrase.end)), phrase.start);
    if (!number)
        return std::nullopt;
    const Span rest{phrase.chars, phrase.skip(number->end, isBlank), phrase.end};
    if (rest.start == rest.end)
        return std::nullopt;
    for (auto index = rest.start; index < rest.end; ++index)
        if (isLineBreak(rest.chars[index]))
            return std::nullopt;

    // Split the rest at each leftmost separator, keeping the first two pieces that are not blank.
    std::optional<Span> pieces[2];
    int kept = 0;
    auto keep = [&](std::int32_t start, std::int32_t end) {
        auto piece = Span{unicode.getBuffer(), start, end}.trimmed(isPieceBlank);
        if (piece.start < piece.end)
            pieces[kept++] = piece;
    };
    auto pieceStart = rest.start;
    for (auto index = rest.start; index < rest.end && kept < 2;) {
        if (auto end = separatorEnd(rest, index); end >= 0) {
            keep(pieceStart, index);
            pieceStart = index = end;
        } else if (auto c = rest.at(index); isBlank(c)) {
            // No separator starts inside a run of blanks either: it would start at the run's
            // first blank just as well.
            index = rest.skip(index, isBlank);
        } else {
            index += U16_LENGTH(c);
        }
    }
    if (kept < 2)
        keep(pieceStart, rest.end);
    if (kept == 0)
        return std::nullopt;

    PhraseParts result{number->value, pieces[0]->utf8(), std::nullopt, {}};
    if (pieces[1])
        result.target = pieces[1]->utf8();
    else
        result.wordSplits = wordSplits(*pieces[0], language.words);
    return result;
}

namespace {

// The index after the code points from `from` on that `keep` accepts; a malformed sequence is
// accepted by none.
std::size_t skipUtf8(std::string_view text, std::size_t from, bool (*keep)(UChar32)) {
    while (from < text.size()) {
        auto next = from;
        UChar32 c;
        U8_NEXT(text.data(), next, text.size(), c);
        if (!keep(c))
            break;
        from = next;
    }
    return from;
}

} // namespace

bool isPlainNumber(std::string_view text) {
    // The spaces of the bracket are blanks too, so greedy reading never has to give one back.
    auto index = skipUtf8(text, 0, isBlank);
    if (index < text.size() && text[index] == '-')
        ++index;
    index = skipUtf8(text, skipUtf8(text, index, isPlainNumberChar), isBlank);
    if (index == text.size())
        return true;
    // Which locale does not matter: each reads the same texts, only their values differ.
    static thread_local const NumberReader anyLocale("en");
    return anyLocale.readWhole(text).has_value();
}

} // namespace zelvane
