// Taking phrases apart: number, source and target, and what counts as a plain number.
#include "PhrasePatterns.h"

#include <functional>

#include <gtest/gtest.h>

#include "../../../fuzz/PhraseReference.h"

namespace zelvane {

void PrintTo(const PhraseParts& parts, std::ostream* out) {
    *out << '"' << parts.number << "\" \"" << parts.source << '"';
    if (parts.target)
        *out << " \"" << *parts.target << '"';
}

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
                          Case{"5 km TO mi", parts("5", "km", "mi")},
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
                          Case{"1𝟘", parts("1", "𝟘")},
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

// Calls `check` with every text of up to `length` characters over `alphabet`, in UTF-8.
void everyText(std::u32string_view alphabet, int length,
               const std::function<void(const std::string&)>& check) {
    std::u32string text;
    std::function<void()> visit = [&] {
        icu::UnicodeString unicode;
        for (char32_t c : text)
            unicode.append(static_cast<UChar32>(c));
        std::string utf8;
        check(unicode.toUTF8String(utf8));
        if (static_cast<int>(text.size()) == length || ::testing::Test::HasFatalFailure())
            return;
        for (char32_t c : alphabet) {
            text.push_back(c);
            visit();
            text.pop_back();
        }
    };
    visit();
}

// The readers must give exactly what the patterns with backtracking give: checked on every short
// text over alphabets that exercise numbers (digits of other scripts and beyond 16 bits), blanks,
// line breaks and separators in either case.
TEST(PhraseReaders, AgreeWithBacktracking) {
    PhraseReference reference;
    struct Alphabet {
        std::u32string_view letters;
        std::string prefix;
    };
    for (const auto& [letters, prefix] :
         {Alphabet{U"1٣,.- \n\u3000k", ""}, Alphabet{U"𝟘.\t\u00A0\u0085\u2028-x", ""},
          Alphabet{U" tToO\u3000\u2028x", "1x"}, Alphabet{U" =→换算成转\u3000x", "1x"}})
        everyText(letters, 6, [&](const std::string& text) {
            ASSERT_EQ(splitPhrase(prefix + text), reference.split(prefix + text))
                << "text: \"" << prefix << text << "\"";
            if (prefix.empty()) {
                ASSERT_EQ(isPlainNumber(text), reference.plainNumber(text))
                    << "text: \"" << text << "\"";
            }
        });
}

TEST(PlainNumber, MatchesTheWholeText) {
    for (std::string text : {"", "-3", "1,000", " 2 ", "-", "\t7\n", "٣", "1 000\u00A0"})
        EXPECT_TRUE(isPlainNumber(text)) << text;
    for (std::string text : {"٣٫", "5 km", "--1", "1-", "1e5", "1\u00A0000", "1\xFF"})
        EXPECT_FALSE(isPlainNumber(text)) << text;
}

// Pasted texts: each reader moves forward only, so these take no longer than reading them.
TEST(PhraseReadersLength, AnswerForAnyLength) {
    EXPECT_TRUE(isPlainNumber(std::string(100'000, '7')));
    EXPECT_FALSE(isPlainNumber(std::string(100'000, ' ') + "x"));
    EXPECT_FALSE(splitPhrase(std::string(500, '1') + " km\nx"));
    EXPECT_EQ(splitPhrase("5 km" + std::string(400, ' ') + "x"),
              parts("5", "km" + std::string(400, ' ') + "x"));
}

} // namespace
} // namespace zelvane
