// Taking phrases apart: number, source and target, and what counts as a plain number.
#include "PhrasePatterns.h"

#include <functional>

#include <gtest/gtest.h>

#include "../../../fuzz/PhraseReference.h"
#include "PhraseCatalog.h"

namespace zelvane {

namespace {

using Splits = std::vector<std::pair<std::string, std::string>>;

PhraseParts parts(double value, std::string source,
                  std::optional<std::string> target = std::nullopt, Splits splits = {}) {
    return {value, std::move(source), std::move(target), std::move(splits)};
}

// "to" inside a word does not separate; a line break inside the rest spoils the phrase; blanks
// of any kind are blanks; "in", "as" and the language's own words only offer splits, as they may
// be units.
TEST(SplitPhrase, ReadsNumberSourceAndTarget) {
    const std::tuple<const char*, std::string, std::optional<PhraseParts>> cases[] = {
        {"en", "5km→mi", parts(5, "km", "mi")},
        {"en", "5 km TO mi", parts(5, "km", "mi")},
        {"en", "10 kg -> lb", parts(10, "kg", "lb")},
        {"en", "10 kg=>lb", parts(10, "kg", "lb")},
        {"en", "10 kg > lb", parts(10, "kg", "lb")},
        {"en", "20 ℃ 转 ℉", parts(20, "℃", "℉")},
        {"en", "100美金换算成元", parts(100, "美金", "元")},
        {"en", "100 USD = CNY = EUR", parts(100, "USD", "CNY")},
        {"en", "5 km to", parts(5, "km to")},
        {"en", "5 km\nto mi", std::nullopt},
        {"en", "abc", std::nullopt},
        {"en", "1,000", std::nullopt},
        {"en", "5\u3000km\u00A0to\u2003mi", parts(5, "km", "mi")},
        {"en", "10 kg IN lb", parts(10, "kg IN lb", std::nullopt, {{"kg", "lb"}})},
        {"en", "5 ft 3 in in cm",
         parts(5, "ft 3 in in cm", std::nullopt, {{"ft 3", "in cm"}, {"ft 3 in", "cm"}})},
        {"en", "10 kg as lb to g", parts(10, "kg as lb", "g")},
        {"en", "10 kg en lb", parts(10, "kg en lb")},
        {"fr", "10 kg en lb", parts(10, "kg en lb", std::nullopt, {{"kg", "lb"}})},
        {"pt-BR", "10 kg para lb", parts(10, "kg para lb", std::nullopt, {{"kg", "lb"}})}};
    for (const auto& [language, text, expected] : cases)
        EXPECT_EQ(splitPhrase(text, PhraseLanguage::of("en_US", language)), expected)
            << text << " in " << language;
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

// Every phrase the old grammar read keeps its meaning in each locale, the comma rule aside, and
// every text it took for a plain number still is one: checked on every short text over
// alphabets of numbers (digits of other scripts and beyond 16 bits), blanks, line breaks,
// separators in either case and units ("k" is the kelvin).
TEST(PhraseReaders, KeepWhatTheOldGrammarRead) {
    PhraseReference reference;
    const auto context = testing::phraseContext();
    using Alphabet = std::tuple<std::u32string_view, std::string, int>;
    for (const auto* locale : {"en_US.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8", "zh_CN.UTF-8"}) {
        const Environment environment{.lcAll = locale};
        for (const auto& [letters, prefix, length] :
             {Alphabet{U"1٣,.- \nk", "", 5}, Alphabet{U"𝟘.\t\u00A0\u2028-k", "", 4},
              Alphabet{U" tToO\u3000\u2028k", "1k", 4}, Alphabet{U" =→换转\u3000ki", "1 ", 4}})
            everyText(letters, length, [&](const std::string& text) {
                const auto phrase = prefix + text;
                ASSERT_EQ(reference.difference(phrase, "length", context, environment), "")
                    << "text: \"" << phrase << "\" in " << locale;
                if (reference.plainNumber(phrase)) {
                    ASSERT_TRUE(isPlainNumber(phrase)) << "text: \"" << phrase << "\"";
                }
            });
    }
}

TEST(PlainNumber, MatchesTheWholeText) {
    for (std::string text : {"", "-3", "1,000", " 2 ", "-", "\t7\n", "٣", "1 000\u00A0", "1e5",
                             "3/4", "1 1/2", "½", "-1.5×10³"})
        EXPECT_TRUE(isPlainNumber(text)) << text;
    for (std::string text : {"٣٫", "5 km", "--1", "1-", "1\xFF", "1/0", "e5", "5'", "1\u00A0000"})
        EXPECT_FALSE(isPlainNumber(text)) << text;
}

// Pasted texts: each reader moves forward only, so these take no longer than reading them.
// Blanks around a phrase do not count towards its length.
TEST(PhraseReadersLength, LongPhrasesAreNotReadAndAnyLengthIsAnswered) {
    const auto english = PhraseLanguage::of("en_US", "en");
    std::string atLimit = "5 " + std::string(maxPhraseLength - 2, 'x');
    EXPECT_TRUE(splitPhrase("   " + atLimit + "\n\n", english));
    EXPECT_FALSE(splitPhrase(atLimit + "x", english));
    EXPECT_TRUE(isPlainNumber(std::string(100'000, '7')));
    EXPECT_FALSE(isPlainNumber(std::string(100'000, ' ') + "x"));
    EXPECT_FALSE(splitPhrase(std::string(500, '1') + " km\nx", english));
    EXPECT_EQ(splitPhrase("5 km" + std::string(400, ' ') + "x", english),
              parts(5, "km" + std::string(400, ' ') + "x"));
}

} // namespace
} // namespace zelvane
