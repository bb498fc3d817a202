// The phrase patterns as regular expressions with backtracking: what the hand-written readers of
// PhrasePatterns.cpp must agree with. Slow and only for short texts; used by a test and a fuzzer.
#pragma once

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/regex.h>

#include "PhrasePatterns.h"

class PhraseReference {
  public:
    std::optional<zelvane::PhraseParts> split(std::string_view utf8) {
        UErrorCode status = U_ZERO_ERROR;
        // A matcher reads its input in place: the text must outlive its use.
        const auto input = replaced(trimPhrase_, text(utf8));
        if (!numberAndRest_->reset(input).find(status))
            return std::nullopt;
        auto number = numberAndRest_->group(1, status).findAndReplace(u",", u"");
        const auto rest = numberAndRest_->group(2, status);
        std::vector<std::string> pieces;
        auto keep = [&](std::int32_t from, std::int32_t to) {
            auto piece = replaced(trimPiece_, icu::UnicodeString(rest, from, to - from));
            if (std::string text; !piece.isEmpty())
                pieces.push_back(piece.toUTF8String(text));
        };
        separators_->reset(rest);
        std::int32_t start = 0;
        for (; separators_->find(status); start = separators_->end(status))
            keep(start, separators_->start(status));
        keep(start, rest.length());
        if (pieces.empty())
            return std::nullopt;
        std::string numberText;
        return zelvane::PhraseParts{number.toUTF8String(numberText), pieces[0],
                                    pieces.size() > 1 ? std::optional(pieces[1]) : std::nullopt};
    }

    bool plainNumber(std::string_view utf8) {
        UErrorCode status = U_ZERO_ERROR;
        const auto input = text(utf8);
        return plainNumber_->reset(input).matches(status);
    }

  private:
    using Matcher = std::unique_ptr<icu::RegexMatcher>;

    static Matcher compile(const char16_t* pattern, std::uint32_t flags = 0) {
        UErrorCode status = U_ZERO_ERROR;
        Matcher matcher(new icu::RegexMatcher(icu::UnicodeString(pattern), flags, status));
        if (U_FAILURE(status))
            std::abort();
        return matcher;
    }
    static icu::UnicodeString text(std::string_view utf8) {
        return icu::UnicodeString::fromUTF8(
            icu::StringPiece(utf8.data(), static_cast<std::int32_t>(utf8.size())));
    }
    static icu::UnicodeString replaced(const Matcher& matcher, const icu::UnicodeString& text) {
        UErrorCode status = U_ZERO_ERROR;
        return matcher->reset(text).replaceAll(u"", status);
    }

    Matcher numberAndRest_ = compile(u"^(-?\\d[\\d,]*\\.?\\d*|-?\\.\\d+)\\s*(.+)$");
    Matcher separators_ = compile(
        u"\\s+to\\s+|\\s*=\\s*|\\s*→\\s*|\\s*换算成\\s*|\\s*换成\\s*|\\s*转成\\s*|\\s*换\\s*|"
        u"\\s*转\\s*",
        UREGEX_CASE_INSENSITIVE);
    Matcher plainNumber_ = compile(u"\\s*-?[\\d.,  ]*\\s*");
    // The phrase loses white space and line breaks at both ends; each piece space separators
    // and tabs.
    Matcher trimPhrase_ = compile(u"^\\s+|\\s+$");
    Matcher trimPiece_ = compile(u"^[\\t\\p{Zs}]+|[\\t\\p{Zs}]+$");
};
