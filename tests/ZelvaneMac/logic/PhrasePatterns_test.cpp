// Taking phrases apart: number, source and target, and what counts as a plain number.
#include "PhrasePatterns.h"

#include <functional>
#include <memory>

#include <gtest/gtest.h>
#include <unicode/regex.h>

namespace zelvane {
namespace {

struct SplitCase {
    std::string text;
    std::optional<PhraseParts> expected;
};

PhraseParts parts(std::string number, std::string source,
                  std::optional<std::string> target = std::nullopt) {
    return {std::move(number), std::move(source), std::move(target)};
}

class SplitPhrase : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitPhrase, ReadsNumberSourceAndTarget) {
    EXPECT_EQ(splitPhrase(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SplitPhrase,
    ::testing::Values(
        SplitCase{"5 km to mi", parts("5", "km", "mi")},
        SplitCase{"5km→mi", parts("5", "km", "mi")}, SplitCase{"5 km = mi", parts("5", "km", "mi")},
        SplitCase{"5 km TO mi", parts("5", "km", "mi")},
        SplitCase{"5 km To mi", parts("5", "km", "mi")},
        SplitCase{"  5 km to mi \n", parts("5", "km", "mi")},
        SplitCase{"1,250.5 ft", parts("1250.5", "ft")}, SplitCase{"-.5 in", parts("-.5", "in")},
        SplitCase{"-12 c", parts("-12", "c")}, SplitCase{"5'", parts("5", "'")},
        SplitCase{"20 °C to °F", parts("20", "°C", "°F")},
        SplitCase{"20 ℃ 转 ℉", parts("20", "℃", "℉")},
        SplitCase{"20 摄氏 换成 华氏", parts("20", "摄氏", "华氏")},
        SplitCase{"100美金换算成元", parts("100", "美金", "元")},
        SplitCase{"100 USD 换 CNY", parts("100", "USD", "CNY")},
        SplitCase{"100 USD转成CNY", parts("100", "USD", "CNY")},
        SplitCase{"100 USD = CNY = EUR", parts("100", "USD", "CNY")},
        SplitCase{"3 tons", parts("3", "tons")}, // "to" inside a word does not separate
        SplitCase{"5 km to", parts("5", "km to")},
        SplitCase{"5 = km", parts("5", "km")}, // leading empty piece dropped
        SplitCase{"5\nkm", parts("5", "km")},
        SplitCase{"5 km\nto mi", std::nullopt}, // a line break inside the rest
        SplitCase{"abc", std::nullopt}, SplitCase{"km 5", std::nullopt},
        SplitCase{"5 =", std::nullopt}, SplitCase{"", std::nullopt}, SplitCase{"5", std::nullopt},
        SplitCase{"-.5", std::nullopt},
        // A bare number gives its last character to the rest, as backtracking would.
        SplitCase{"12", parts("1", "2")}, SplitCase{"1,000", parts("100", "0")},
        SplitCase{"1.5", parts("1.", "5")}, SplitCase{"-.55", parts("-.5", "5")},
        // Digits of any script, and blanks of any kind, are digits and blanks.
        SplitCase{"٣ km", parts("٣", "km")},
        SplitCase{"5\u3000km\u00A0to\u2003mi", parts("5", "km", "mi")}));

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
    BacktrackingReference() {
        UErrorCode status = U_ZERO_ERROR;
        UParseError error;
        numberAndRest_.reset(icu::RegexPattern::compile(
            u"^(-?\\d[\\d,]*\\.?\\d*|-?\\.\\d+)\\s*(.+)$", 0, error, status));
        separators_.reset(icu::RegexPattern::compile(
            u"\\s+to\\s+|\\s*=\\s*|\\s*→\\s*|\\s*换算成\\s*|\\s*换成\\s*|\\s*转成\\s*|\\s*换\\s*|"
            u"\\s*转\\s*",
            UREGEX_CASE_INSENSITIVE, error, status));
        plainNumber_.reset(icu::RegexPattern::compile(u"\\s*-?[\\d.,  ]*\\s*", 0, error, status));
        EXPECT_TRUE(U_SUCCESS(status));
    }

    std::optional<PhraseParts> split(const icu::UnicodeString& text) const {
        UErrorCode status = U_ZERO_ERROR;
        auto trimmed = stripped(text, u" \n");
        std::unique_ptr<icu::RegexMatcher> head(numberAndRest_->matcher(trimmed, status));
        if (!head->find(status))
            return std::nullopt;
        auto number = head->group(1, status);
        auto rest = head->group(2, status);
        number.findAndReplace(u",", u"");
        std::vector<std::string> pieces;
        std::unique_ptr<icu::RegexMatcher> separators(separators_->matcher(rest, status));
        std::int32_t start = 0;
        auto keep = [&](std::int32_t from, std::int32_t to) {
            auto piece = stripped(icu::UnicodeString(rest, from, to - from), u" ");
            std::string text;
            if (!piece.isEmpty())
                pieces.push_back(piece.toUTF8String(text));
        };
        while (separators->find(status)) {
            keep(start, separators->start(status));
            start = separators->end(status);
        }
        keep(start, rest.length());
        if (pieces.empty())
            return std::nullopt;
        std::string numberText;
        number.toUTF8String(numberText);
        PhraseParts result{numberText, pieces[0], std::nullopt};
        if (pieces.size() > 1)
            result.target = pieces[1];
        return result;
    }

    bool plainNumber(const icu::UnicodeString& text) const {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::RegexMatcher> matcher(plainNumber_->matcher(text, status));
        return matcher->matches(status);
    }

  private:
    static icu::UnicodeString stripped(icu::UnicodeString text, const char16_t* blanks) {
        auto blank = [&](char16_t c) {
            return std::u16string_view(blanks).find(c) != std::u16string_view::npos;
        };
        while (!text.isEmpty() && blank(text.charAt(0)))
            text.remove(0, 1);
        while (!text.isEmpty() && blank(text.charAt(text.length() - 1)))
            text.truncate(text.length() - 1);
        return text;
    }

    std::unique_ptr<icu::RegexPattern> numberAndRest_;
    std::unique_ptr<icu::RegexPattern> separators_;
    std::unique_ptr<icu::RegexPattern> plainNumber_;
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

TEST(PossessivePatterns, AgreeWithBacktrackingOnNumbers) {
    const BacktrackingReference reference;
    everyText(u"1,.- \nk=", 6, [&](const icu::UnicodeString& unicode, const std::string& text) {
        ASSERT_EQ(splitPhrase(text), reference.split(unicode)) << "text: \"" << text << "\"";
        ASSERT_EQ(isPlainNumber(text), reference.plainNumber(unicode))
            << "text: \"" << text << "\"";
    });
}

TEST(PossessivePatterns, AgreeWithBacktrackingOnSeparators) {
    const BacktrackingReference reference;
    everyText(u" tO=换成转x", 6, [&](const icu::UnicodeString& unicode, const std::string& text) {
        auto phrase = icu::UnicodeString(u"1x") + unicode;
        ASSERT_EQ(splitPhrase("1x" + text), reference.split(phrase))
            << "text: \"1x" << text << "\"";
    });
}

struct PlainCase {
    std::string text;
    bool plain;
};

class PlainNumber : public ::testing::TestWithParam<PlainCase> {};

TEST_P(PlainNumber, MatchesTheWholeText) {
    EXPECT_EQ(isPlainNumber(GetParam().text), GetParam().plain) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PlainNumber,
    ::testing::Values(PlainCase{"", true}, PlainCase{"42", true}, PlainCase{"1.5", true},
                      PlainCase{"-3", true}, PlainCase{"1,000", true}, PlainCase{" 2 ", true},
                      PlainCase{"1 000 000", true}, PlainCase{"-", true}, PlainCase{"\t7\n", true},
                      PlainCase{"٣٫", false}, PlainCase{"٣", true}, PlainCase{"abc", false},
                      PlainCase{"5 km", false}, PlainCase{"--1", false}, PlainCase{"1-", false},
                      PlainCase{"1e5", false}, PlainCase{"1\u00A0000", false},
                      PlainCase{"1 000\u00A0", true}));

TEST(PlainNumberLength, AnswersForAnyLength) {
    EXPECT_TRUE(isPlainNumber(std::string(100'000, '7')));
    EXPECT_FALSE(isPlainNumber(std::string(100'000, ' ') + "x"));
}

} // namespace
} // namespace zelvane
