// ExpressionTokenizer: splits a formula into tokens, positioned in user-perceived characters.
#include "ExpressionTokenizer.h"

#include <algorithm>
#include <array>
#include <memory>

#include <unicode/brkiter.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include "RavoDozu/NumberText.h"

namespace ravodozu {
namespace detail {
namespace {

/// One grapheme cluster: its bytes in the text and its first code point, which decides its
/// Unicode class (a letter with combining marks is still a letter).
struct Character {
    std::size_t begin;
    std::size_t end;
    UChar32 first;
};

icu::BreakIterator* characterBreaks() {
    // Building a break iterator loads rule data; one per thread keeps tokenising cheap.
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> created(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(created) : nullptr;
    }();
    return iterator.get();
}

UChar32 firstCodePoint(std::string_view text, std::size_t begin) {
    int32_t at = static_cast<int32_t>(begin);
    UChar32 c = 0;
    U8_NEXT(text.data(), at, static_cast<int32_t>(text.size()), c);
    return c < 0 ? 0xFFFD : c;
}

/// Splits `text` into grapheme clusters, stopping once there are more than `limit`.
std::vector<Character> splitCharacters(std::string_view text, std::size_t limit) {
    std::vector<Character> characters;
    if (text.empty())
        return characters;
    auto add = [&](std::size_t begin, std::size_t end) {
        characters.push_back({begin, end, firstCodePoint(text, begin)});
        return characters.size() <= limit;
    };

    UErrorCode status = U_ZERO_ERROR;
    icu::BreakIterator* breaks = characterBreaks();
    UText* utext = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
    if (breaks && U_SUCCESS(status))
        breaks->setText(utext, status);
    if (breaks && U_SUCCESS(status)) {
        for (int32_t begin = breaks->first(), end = breaks->next(); end != icu::BreakIterator::DONE;
             begin = end, end = breaks->next())
            if (!add(static_cast<std::size_t>(begin), static_cast<std::size_t>(end)))
                break;
    } else {
        // Without break rules, fall back to one character per code point.
        int32_t length = static_cast<int32_t>(text.size());
        for (int32_t at = 0; at < length;) {
            int32_t begin = at;
            UChar32 c = 0;
            U8_NEXT(text.data(), at, length, c);
            if (!add(static_cast<std::size_t>(begin), static_cast<std::size_t>(at)))
                break;
        }
    }
    utext_close(utext);
    return characters;
}

class Tokenizer {
  public:
    Tokenizer(std::string_view text, std::vector<Character> characters)
        : text_(text), characters_(std::move(characters)) {}

    std::vector<Expr::Located> run();

  private:
    std::string_view at(std::size_t i) const {
        const auto& c = characters_[i];
        return text_.substr(c.begin, c.end - c.begin);
    }
    bool exists(std::size_t i) const { return i < characters_.size(); }
    bool isAsciiDigit(std::size_t i) const {
        auto c = at(i);
        return c.size() == 1 && c[0] >= '0' && c[0] <= '9';
    }
    bool isLetter(std::size_t i) const {
        return (U_GET_GC_MASK(characters_[i].first) & U_GC_L_MASK) != 0;
    }
    bool isNumeric(std::size_t i) const {
        return (U_GET_GC_MASK(characters_[i].first) & U_GC_N_MASK) != 0;
    }
    bool isWhitespace(std::size_t i) const {
        return u_hasBinaryProperty(characters_[i].first, UCHAR_WHITE_SPACE);
    }
    bool startsName(std::size_t i) const { return isLetter(i) || at(i) == "_" || at(i) == "π"; }
    bool continuesName(std::size_t i) const { return startsName(i) || isNumeric(i); }

    std::size_t number(std::size_t i, std::vector<Expr::Located>& tokens) const;
    std::size_t name(std::size_t i, std::vector<Expr::Located>& tokens) const;
    std::size_t comparison(std::size_t i, std::vector<Expr::Located>& tokens) const;
    std::size_t exponentEnd(std::size_t i) const;

    std::string_view text_;
    std::vector<Character> characters_;
};

[[noreturn]] void unexpectedCharacter(std::size_t i) {
    throw ExpressionError{ExpressionError::Code::unexpectedCharacter, static_cast<int>(i), {}};
}

Expr::Located located(Expr::Token token, std::size_t i) {
    return {std::move(token), static_cast<int>(i)};
}

// The characters that stand for themselves, typographic variants included.
const std::array<std::pair<std::string_view, Expr::Token>, 20>& singleCharacterTokens() {
    using Token = Expr::Token;
    using Op = Expr::Op;
    using Comparison = Expr::Comparison;
    static const std::array<std::pair<std::string_view, Token>, 20> table{{
        {"+", {Op::add}},
        {"-", {Op::subtract}},
        {"\u2212", {Op::subtract}}, // − minus sign
        {"\u2013", {Op::subtract}}, // – en dash
        {"\u2014", {Op::subtract}}, // — em dash
        {"*", {Op::multiply}},
        {"\u00D7", {Op::multiply}}, // ×
        {"\u00B7", {Op::multiply}}, // · middle dot
        {"/", {Op::divide}},
        {"\u00F7", {Op::divide}}, // ÷
        {"^", {Op::power}},
        {"(", {Token::Open{}}},
        {"\uFF08", {Token::Open{}}}, // full-width (
        {")", {Token::Close{}}},
        {"\uFF09", {Token::Close{}}}, // full-width )
        {",", {Token::Comma{}}},
        {"\uFF0C", {Token::Comma{}}}, // full-width ,
        {"\u221A", {Token::Root{}}},  // √
        {"\u2264", {Comparison::lessOrEqual}},
        {"\u2265", {Comparison::greaterOrEqual}},
    }};
    return table;
}

std::vector<Expr::Located> Tokenizer::run() {
    std::vector<Expr::Located> tokens;
    std::size_t i = 0;
    while (exists(i)) {
        if (isWhitespace(i)) {
            ++i;
        } else if (isAsciiDigit(i) || (at(i) == "." && exists(i + 1) && isNumeric(i + 1))) {
            i = number(i, tokens);
        } else if (startsName(i)) {
            i = name(i, tokens);
        } else if (at(i) == "\u2260") { // ≠
            tokens.push_back(located({Expr::Comparison::notEqual}, i++));
        } else {
            const auto& table = singleCharacterTokens();
            auto found =
                std::ranges::find(table, at(i), &std::pair<std::string_view, Expr::Token>::first);
            if (found != table.end())
                tokens.push_back(located(found->second, i++));
            else
                i = comparison(i, tokens);
        }
    }
    return tokens;
}

std::size_t Tokenizer::exponentEnd(std::size_t i) const {
    // Only a complete exponent counts: «2e» is 2 times e, «2e+x» is 2 times e plus x.
    if (!exists(i) || (at(i) != "e" && at(i) != "E"))
        return i;
    std::size_t j = i + 1;
    if (exists(j) && (at(j) == "+" || at(j) == "-"))
        ++j;
    if (!exists(j) || !isAsciiDigit(j))
        return i;
    while (exists(j) && isAsciiDigit(j))
        ++j;
    return j;
}

std::size_t Tokenizer::number(std::size_t start, std::vector<Expr::Located>& tokens) const {
    std::size_t i = start;
    bool seenPoint = false;
    while (exists(i) && (isAsciiDigit(i) || (at(i) == "." && !seenPoint))) {
        seenPoint = seenPoint || at(i) == ".";
        ++i;
    }
    i = exponentEnd(i);
    auto value = readNumber(
        text_.substr(characters_[start].begin, characters_[i - 1].end - characters_[start].begin));
    if (!value)
        unexpectedCharacter(start);
    tokens.push_back(located({*value}, start));
    return i;
}

std::size_t Tokenizer::name(std::size_t start, std::vector<Expr::Located>& tokens) const {
    std::size_t i = start + 1;
    // A "." joins two parts of a name («length.m») but never ends one.
    while (exists(i) &&
           (continuesName(i) || (at(i) == "." && exists(i + 1) && continuesName(i + 1))))
        ++i;
    std::string name(
        text_.substr(characters_[start].begin, characters_[i - 1].end - characters_[start].begin));
    tokens.push_back(located({std::move(name)}, start));
    return i;
}

std::size_t Tokenizer::comparison(std::size_t i, std::vector<Expr::Located>& tokens) const {
    using Comparison = Expr::Comparison;
    auto c = at(i);
    bool equalsFollows = exists(i + 1) && at(i + 1) == "=";
    Comparison comparison;
    if (c == "<")
        comparison = equalsFollows ? Comparison::lessOrEqual : Comparison::less;
    else if (c == ">")
        comparison = equalsFollows ? Comparison::greaterOrEqual : Comparison::greater;
    else if (c == "=" || c == "\uFF1D")
        comparison = Comparison::equal; // also full-width =
    else if (c == "!" && equalsFollows)
        comparison = Comparison::notEqual;
    else
        unexpectedCharacter(i);
    tokens.push_back(located({comparison}, i));
    return i + (equalsFollows ? 2 : 1);
}

} // namespace

Result<TokenizedText, ExpressionError> tokenizeText(std::string_view text) {
    auto characters = splitCharacters(text, Expr::maxCharacters);
    if (characters.size() > static_cast<std::size_t>(Expr::maxCharacters))
        return fail(
            ExpressionError{ExpressionError::Code::unexpectedToken, Expr::maxCharacters, {}});
    int count = static_cast<int>(characters.size());
    try {
        return TokenizedText{Tokenizer(text, std::move(characters)).run(), count};
    } catch (const ExpressionError& error) {
        return fail(error);
    }
}

} // namespace detail

Result<std::vector<Expr::Located>, ExpressionError> Expr::tokenize(std::string_view text) {
    auto tokenized = detail::tokenizeText(text);
    if (!tokenized)
        return fail(tokenized.error());
    return std::move(tokenized).value().tokens;
}

} // namespace ravodozu
