// Taking phrases apart: number, source and target, and what counts as a plain number.
#include "PhrasePatterns.h"

#include <functional>
#include <memory>

#include <gtest/gtest.h>
#include <unicode/regex.h>

namespace zelvane {
namespace {

PhraseParts parts(std::string number, std::string source,
                  std::optional<std::string> target = std::nullopt) {
    return {std::move(number), std::move(source), std::move(target)};
}

// "to" inside a word does not separate; a line break inside the rest spoils the phrase; a bare
// number gives its last character to the rest, as backtracking would; digits of any script and
// blanks of any kind are digits and blanks. (Short texts of digits, signs, blanks and separators
// are all checked by AgreeWithBacktracking below.)
TEST(SplitPhrase, ReadsNumberSourceAndTarget) {
    using Case = std::pair<std::string, std::optional<PhraseParts>>;
    const Case cases[] = {Case{"5 km to mi", parts("5", "km", "mi")},
                          Case{"5km→mi", parts("5", "km", "mi")},
                          Case{"1,250.5 ft", parts("1250.5", "ft")},
                          Case{"20 °C to °F", parts("20", "°C", "°F")},
                          Case{"20 ℃ 转 ℉", parts("20", "℃", "℉")},
                          Case{"100美金换算成元", parts("100", "美金", "元")},
                          Case{"100 USD = CNY = EUR", parts("100", "USD", "CNY")},
                          Case{"3 tons", parts("3", "tons")},
                          Case{"5 km to", parts("5", "km to")},
                          Case{"5'", parts("5", "'")},
                          Case{"5 km\nto mi", std::nullopt},
                          Case{"abc", std::nullopt},
                          Case{"1,000", parts("100", "0")},
                          Case{"٣ km", parts("٣", "km")},
                          Case{"5\u3000km\u00A0to\u2003mi", parts("5", "km", "mi")}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(splitPhrase(text), expected) << text;
}

TEST(SplitPhraseLength, LongPhrasesAreNotRead) {
    std::string atLimit = "5 " + std::string(maxPhraseLength - 2, 'x');
    EXPECT_TRUE(splitPhrase(atLimit));
    EXPECT_FALSE(splitPhrase(atLimit + "x"));
    // Blanks around the phrase do not count.
    EXPECT_TRUE(splitPhrase("   " + atLimit + "\n\n"));
}

// The reader runs possessive versions of the patterns (see PhrasePatterns.cpp); they must give
// exactly what the backtracking patterns give. Checked against ICU on every short text over an
// alphabet that exercises numbers, blanks, line breaks and separators.
class BacktrackingReference {
  public:
    std::optional<PhraseParts> split(const icu::UnicodeString& text) const {
        UErrorCode status = U_ZERO_ERROR;
        // A matcher reads its input in place: the text must outlive it.
        const auto input = stripped(text, u" \n");
        auto head = matcher(numberAndRest_, input);
        if (!head->find(status))
            return std::nullopt;
        auto number = head->group(1, status).findAndReplace(u",", u"");
        auto rest = head->group(2, status);
        std::vector<std::string> pieces;
        auto keep = [&](std::int32_t from, std::int32_t to) {
            auto piece = stripped(icu::UnicodeString(rest, from, to - from), u" ");
            if (std::string text; !piece.isEmpty())
                pieces.push_back(piece.toUTF8String(text));
        };
        auto separators = matcher(separators_, rest);
        std::int32_t start = 0;
        for (; separators->find(status); start = separators->end(status))
            keep(start, separators->start(status));
        keep(start, rest.length());
        if (pieces.empty())
            return std::nullopt;
        std::string numberText;
        return PhraseParts{number.toUTF8String(numberText), pieces[0],
                           pieces.size() > 1 ? std::optional(pieces[1]) : std::nullopt};
    }
    bool plainNumber(const icu::UnicodeString& text) const {
        UErrorCode status = U_ZERO_ERROR;
        return matcher(plainNumber_, text)->matches(status);
    }

  private:
    using Pattern = std::unique_ptr<icu::RegexPattern>;
    static Pattern compile(const char16_t* pattern, std::uint32_t flags = 0) {
        UErrorCode status = U_ZERO_ERROR;
        UParseError error;
        Pattern compiled(icu::RegexPattern::compile(pattern, flags, error, status));
        EXPECT_TRUE(U_SUCCESS(status));
        return compiled;
    }
    static std::unique_ptr<icu::RegexMatcher> matcher(const Pattern& pattern,
                                                      const icu::UnicodeString& text) {
        UErrorCode status = U_ZERO_ERROR;
        return std::unique_ptr<icu::RegexMatcher>(pattern->matcher(text, status));
    }
    static icu::UnicodeString stripped(icu::UnicodeString text, std::u16string_view blanks) {
        while (!text.isEmpty() && blanks.find(text.charAt(0)) != blanks.npos)
            text.remove(0, 1);
        while (!text.isEmpty() && blanks.find(text.charAt(text.length() - 1)) != blanks.npos)
            text.truncate(text.length() - 1);
        return text;
    }

    Pattern numberAndRest_ = compile(u"^(-?\\d[\\d,]*\\.?\\d*|-?\\.\\d+)\\s*(.+)$");
    Pattern separators_ = compile(
        u"\\s+to\\s+|\\s*=\\s*|\\s*→\\s*|\\s*换算成\\s*|\\s*换成\\s*|\\s*转成\\s*|\\s*换\\s*|"
        u"\\s*转\\s*",
        UREGEX_CASE_INSENSITIVE);
    Pattern plainNumber_ = compile(u"\\s*-?[\\d.,  ]*\\s*");
};

// Calls `check` with every text of up to `length` characters over `alphabet`.
void everyText(std::u16string_view alphabet, int length,
               const std::function<void(const icu::UnicodeString&, const std::string&)>& check) {
    std::u16string text;
    std::function<void()> visit = [&] {
        icu::UnicodeString unicode(text.data(), static_cast<std::int32_t>(text.size()));
        std::string utf8;
        check(unicode, unicode.toUTF8String(utf8));
        if (static_cast<int>(text.size()) == length || ::testing::Test::HasFatalFailure())
            return;
        for (char16_t c : alphabet) {
            text.push_back(c);
            visit();
            text.pop_back();
        }
    };
    visit();
}

TEST(PossessivePatterns, AgreeWithBacktracking) {
    const BacktrackingReference reference;
    // Numbers, blanks and line breaks; then separators after a fixed number and unit.
    for (auto [alphabet, prefix] :
         {std::pair<std::u16string_view, std::string>{u"1,.- \nk=", ""}, {u" tO=换成转x", "1x"}})
        everyText(alphabet, 6, [&](const icu::UnicodeString& unicode, const std::string& text) {
            auto phrase = icu::UnicodeString::fromUTF8(prefix) + unicode;
            ASSERT_EQ(splitPhrase(prefix + text), reference.split(phrase))
                << "text: \"" << prefix << text << "\"";
            if (prefix.empty()) {
                ASSERT_EQ(isPlainNumber(text), reference.plainNumber(unicode))
                    << "text: \"" << text << "\"";
            }
        });
}

TEST(PlainNumber, MatchesTheWholeText) {
    for (std::string text : {"", "-3", "1,000", " 2 ", "-", "\t7\n", "٣", "1 000\u00A0"})
        EXPECT_TRUE(isPlainNumber(text)) << text;
    for (std::string text : {"٣٫", "5 km", "--1", "1-", "1e5", "1\u00A0000"})
        EXPECT_FALSE(isPlainNumber(text)) << text;
}

TEST(PlainNumberLength, AnswersForAnyLength) {
    EXPECT_TRUE(isPlainNumber(std::string(100'000, '7')));
    EXPECT_FALSE(isPlainNumber(std::string(100'000, ' ') + "x"));
}

} // namespace
} // namespace zelvane
