#include "UnicodeText.h"

#include <memory>
#include <optional>

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace ravodozu::detail {

namespace {

// The code point starting at byte `at`, and the byte after it. Ill-formed bytes read as
// U+FFFD one at a time, so they are never taken for white space.
UChar32 codePointAt(std::string_view text, std::size_t& at) {
    UChar32 c = 0;
    auto index = static_cast<int32_t>(at);
    U8_NEXT(reinterpret_cast<const uint8_t*>(text.data()), index, static_cast<int32_t>(text.size()),
            c);
    at = static_cast<std::size_t>(index);
    return c < 0 ? 0xFFFD : c;
}

bool isWhiteSpace(UChar32 c) {
    return u_isUWhiteSpace(c) || c == 0x85;
}

// Visits the byte length of each grapheme cluster until `visit` returns false.
template <class F> void forEachCluster(std::string_view text, F&& visit) {
    if (text.empty())
        return;
    auto unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    UErrorCode status = U_ZERO_ERROR;
    static const std::unique_ptr<icu::BreakIterator> prototype(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    // Without ICU's break data every code point counts as one character.
    std::unique_ptr<icu::BreakIterator> clusters(prototype ? prototype->clone() : nullptr);
    if (!clusters) {
        for (int32_t at = 0; at < unicode.length(); at = unicode.moveIndex32(at, 1))
            if (!visit(at, unicode.moveIndex32(at, 1), unicode))
                return;
        return;
    }
    clusters->setText(unicode);
    for (int32_t start = clusters->first(), end = clusters->next(); end != icu::BreakIterator::DONE;
         start = end, end = clusters->next())
        if (!visit(start, end, unicode))
            return;
}

} // namespace

std::string_view trimmedWhiteSpace(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t next = start;
        if (!isWhiteSpace(codePointAt(text, next)))
            break;
        start = next;
    }
    text.remove_prefix(start);
    // Walk forward remembering where the last non-space code point ended.
    std::size_t end = 0;
    for (std::size_t at = 0; at < text.size();)
        if (!isWhiteSpace(codePointAt(text, at)))
            end = at;
    return text.substr(0, end);
}

std::string withoutWhiteSpace(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        std::size_t start = at;
        if (!isWhiteSpace(codePointAt(text, at)))
            result.append(text.substr(start, at - start));
    }
    return result;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    forEachCluster(text,
                   [&](int32_t, int32_t, const icu::UnicodeString&) { return ++count, true; });
    return count;
}

std::string firstCharacters(std::string_view text, std::size_t limit) {
    if (limit == 0)
        return {};
    std::size_t count = 0;
    std::optional<std::string> cut;
    forEachCluster(text, [&](int32_t, int32_t end, const icu::UnicodeString& unicode) {
        if (++count < limit)
            return true;
        if (end < unicode.length())
            unicode.tempSubString(0, end).toUTF8String(cut.emplace());
        return false;
    });
    // Nothing cut: the original bytes, never re-encoded.
    return cut ? std::move(*cut) : std::string(text);
}

} // namespace ravodozu::detail
