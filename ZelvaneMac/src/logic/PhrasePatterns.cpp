#include "PhrasePatterns.h"

#include <memory>

#include <unicode/regex.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace zelvane {

namespace {

// The quantifiers of the number are possessive: a phrase that fails to match (a long digit run
// followed by a line break) would otherwise be retried at every way of dividing the digits
// between "[\d,]*" and "\d*", which takes hours for a few thousand digits. Greedy matching never
// gives digits back on a phrase that matches, except when the whole text is a number; numberAndRest
// handles that case by hand.
constexpr char16_t numberAndRestPattern[] = u"^(-?\\d[\\d,]*+\\.?+\\d*+|-?\\.\\d++)\\s*+(.+)$";
constexpr char16_t numberPattern[] = u"-?\\d[\\d,]*+\\.?+\\d*+|-?\\.\\d++";
// The separators "\s+to\s+|\s*=\s*|\s*→\s*|\s*换算成\s*|\s*换成\s*|\s*转成\s*|\s*换\s*|\s*转\s*"
// with the blanks factored out. Searched as written, every position inside a run of blanks
// starts a scan to the end of the run, which is quadratic in the run. A leftmost match never
// starts inside a run (the match from the run's first blank is the same separator), so a start
// after a blank is refused at once, unless the blank ended the previous separator.
constexpr char16_t separatorPattern[] =
    uR"re((?:\G|(?<!\s))(?:\s++to\s++|\s*+(?:=|→|换算成|换成|转成|换|转)\s*+))re";
// The spaces in the bracket are two ordinary spaces. Possessive for the same reason as above:
// blanks belong both to "\s" and to the bracket.
constexpr char16_t plainNumberPattern[] = u"\\s*+-?+[\\d.,  ]*+\\s*+";

// In ticks of about ten thousand matcher steps: far above what a phrase within maxPhraseLength
// needs, so it only stops a runaway match.
constexpr std::int32_t matchTimeLimit = 100;

enum class Pattern { numberAndRest, number, separator, plainNumber };

std::unique_ptr<icu::RegexPattern> compile(const char16_t* source, std::uint32_t flags) {
    UErrorCode status = U_ZERO_ERROR;
    UParseError error;
    std::unique_ptr<icu::RegexPattern> pattern(
        icu::RegexPattern::compile(icu::UnicodeString(source), flags, error, status));
    if (U_FAILURE(status))
        std::abort(); // a fixed pattern: only a programming error gets here
    return pattern;
}

const icu::RegexPattern& pattern(Pattern which) {
    static const auto numberAndRest = compile(numberAndRestPattern, 0);
    static const auto number = compile(numberPattern, 0);
    static const auto separator = compile(separatorPattern, UREGEX_CASE_INSENSITIVE);
    static const auto plainNumber = compile(plainNumberPattern, 0);
    switch (which) {
    case Pattern::numberAndRest:
        return *numberAndRest;
    case Pattern::number:
        return *number;
    case Pattern::separator:
        return *separator;
    case Pattern::plainNumber:
        return *plainNumber;
    }
    std::abort();
}

// Matchers hold per-match state, so each thread keeps its own, reset onto each new text.
icu::RegexMatcher& matcher(Pattern which, const icu::UnicodeString& text) {
    thread_local std::unique_ptr<icu::RegexMatcher> matchers[4];
    auto& slot = matchers[static_cast<int>(which)];
    if (!slot) {
        UErrorCode status = U_ZERO_ERROR;
        slot.reset(pattern(which).matcher(status));
        if (U_FAILURE(status))
            std::abort();
        // The plain-number pattern is linear in the text and must answer for any length.
        if (which != Pattern::plainNumber)
            slot->setTimeLimit(matchTimeLimit, status);
    }
    slot->reset(text);
    return *slot;
}

bool isPhraseBlank(UChar32 c) {
    // White space and line breaks: the space separators, U+0009…U+000D, U+0085, U+2028, U+2029.
    auto type = u_charType(c);
    return type == U_SPACE_SEPARATOR || type == U_LINE_SEPARATOR || type == U_PARAGRAPH_SEPARATOR ||
           (c >= 0x09 && c <= 0x0D) || c == 0x85;
}

bool isPieceBlank(UChar32 c) {
    return c == '\t' || u_charType(c) == U_SPACE_SEPARATOR;
}

icu::UnicodeString trimmed(const icu::UnicodeString& text, bool (*blank)(UChar32)) {
    std::int32_t start = 0;
    std::int32_t end = text.length();
    while (start < end && blank(text.char32At(start)))
        start = text.moveIndex32(start, 1);
    while (end > start) {
        auto before = text.moveIndex32(end, -1);
        if (!blank(text.char32At(before)))
            break;
        end = before;
    }
    return icu::UnicodeString(text, start, end - start);
}

std::string utf8(const icu::UnicodeString& text) {
    std::string result;
    text.toUTF8String(result);
    return result;
}

bool wholeNumber(const icu::UnicodeString& text) {
    UErrorCode status = U_ZERO_ERROR;
    return matcher(Pattern::number, text).matches(status) && U_SUCCESS(status);
}

// Number and rest of the phrase, as "^(number)\s*(.+)$" with ordinary backtracking reads them.
std::optional<std::pair<icu::UnicodeString, icu::UnicodeString>>
numberAndRest(const icu::UnicodeString& text) {
    UErrorCode status = U_ZERO_ERROR;
    auto& found = matcher(Pattern::numberAndRest, text);
    if (found.find(status) && U_SUCCESS(status))
        return std::pair{found.group(1, status), found.group(2, status)};
    if (U_FAILURE(status))
        return std::nullopt;
    // A text that is nothing but a number: backtracking would give its last character to the
    // rest, as long as what remains is still a number ("12" → "1" and "2"; "5" → nothing).
    if (text.isEmpty() || !wholeNumber(text))
        return std::nullopt;
    auto last = text.moveIndex32(text.length(), -1);
    icu::UnicodeString head(text, 0, last);
    if (!wholeNumber(head))
        return std::nullopt;
    return std::pair{head, icu::UnicodeString(text, last)};
}

} // namespace

std::optional<PhraseParts> splitPhrase(std::string_view text) {
    auto phrase = trimmed(icu::UnicodeString::fromUTF8(icu::StringPiece(
                              text.data(), static_cast<std::int32_t>(text.size()))),
                          isPhraseBlank);
    if (phrase.length() > maxPhraseLength)
        return std::nullopt;
    auto parts = numberAndRest(phrase);
    if (!parts)
        return std::nullopt;
    auto& number = parts->first;
    const auto& rest = parts->second;
    number.findAndReplace(icu::UnicodeString(u','), icu::UnicodeString());

    std::vector<icu::UnicodeString> pieces;
    auto keep = [&](std::int32_t start, std::int32_t end) {
        auto piece = trimmed(icu::UnicodeString(rest, start, end - start), isPieceBlank);
        if (!piece.isEmpty())
            pieces.push_back(std::move(piece));
    };
    UErrorCode status = U_ZERO_ERROR;
    auto& separators = matcher(Pattern::separator, rest);
    std::int32_t pieceStart = 0;
    while (separators.find(status) && U_SUCCESS(status)) {
        keep(pieceStart, separators.start(status));
        pieceStart = separators.end(status);
    }
    if (U_FAILURE(status))
        return std::nullopt;
    keep(pieceStart, rest.length());
    if (pieces.empty())
        return std::nullopt;

    PhraseParts result{utf8(number), utf8(pieces[0]), std::nullopt};
    if (pieces.size() > 1)
        result.target = utf8(pieces[1]);
    return result;
}

bool isPlainNumber(std::string_view text) {
    auto unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
    UErrorCode status = U_ZERO_ERROR;
    return matcher(Pattern::plainNumber, unicode).matches(status) && U_SUCCESS(status);
}

} // namespace zelvane
