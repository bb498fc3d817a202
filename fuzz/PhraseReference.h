// The old phrase grammar as regular expressions with backtracking, with every "," removed from
// the number and the number read by the locale's own formatter: what the phrase reader must keep
// meaning, except where that removal misread a decimal comma. Slow and only for short texts; used
// by a test and a fuzzer.
#pragma once

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <unicode/regex.h>

#include "DisplayLanguage.h"
#include "NumberReader.h"
#include "QuickInput.h"
#include "RavoDozu/NumberText.h"
#include "RavoDozu/ValueFormatter.h"
#include "ShownConversion.h"
#include "UnitFinder.h"
#include "UnitText.h"

class PhraseReference {
  public:
    struct Parts {
        std::string number; ///< As typed, commas and all.
        std::string source;
        std::optional<std::string> target;
    };

    std::optional<Parts> split(std::string_view utf8) {
        UErrorCode status = U_ZERO_ERROR;
        // A matcher reads its input in place: the text must outlive its use.
        const auto input = replaced(trimPhrase_, text(utf8));
        if (!numberAndRest_->reset(input).find(status))
            return std::nullopt;
        const auto number = numberAndRest_->group(1, status);
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
        return Parts{number.toUTF8String(numberText), pieces[0],
                     pieces.size() > 1 ? std::optional(pieces[1]) : std::nullopt};
    }

    bool plainNumber(std::string_view utf8) {
        UErrorCode status = U_ZERO_ERROR;
        const auto input = text(utf8);
        return plainNumber_->reset(input).matches(status);
    }

    /// Empty when QuickInput reads `text` as the old grammar did, else what differs. The value
    /// may differ only where the old reading removed a "," or read "." against a decimal comma,
    /// or read as 0 a number it could not read; a target the old grammar missed may be found.
    std::string difference(std::string_view text, std::string_view currentCategoryId,
                           const ravodozu::ConversionContext& context,
                           const zelvane::Environment& environment) {
        const auto locale = zelvane::displayLocale(context.preferences(), environment);
        const auto old = oldReading(text, currentCategoryId, context, locale,
                                    zelvane::languageList(context.preferences(), environment));
        if (!old)
            return {};
        const auto now = zelvane::QuickInput::parse(text, currentCategoryId, context, environment);
        if (!now)
            return "no longer read";
        if (now->categoryId != old->categoryId || now->fromUnitId != old->fromUnitId)
            return "source " + now->categoryId + "/" + now->fromUnitId;
        if (now->toUnitId != old->toUnitId && (old->toUnitId || now->mixedUnitIds.empty()))
            return "target " + now->toUnitId.value_or("none");
        const auto& number = old->number;
        const bool commaRule = number.find(',') != std::string::npos ||
                               (zelvane::NumberReader(locale).decimal() == ',' &&
                                number.find('.') != std::string::npos);
        const double value = zelvane::inputValue(now->number, locale);
        if (value != old->value && !commaRule && old->readable)
            return "value " + now->number;
        return {};
    }

  private:
    using Matcher = std::unique_ptr<icu::RegexMatcher>;

    struct Reading {
        std::string number;
        double value;
        bool readable; ///< Whether the number text read as a number at all (else 0).
        std::string categoryId;
        std::string fromUnitId;
        std::optional<std::string> toUnitId;
    };

    // The old reading: the first candidate category that has the source unit, and the number
    // with its commas removed, read by the locale's formatter, else as a plain number, else 0.
    std::optional<Reading> oldReading(std::string_view text, std::string_view currentCategoryId,
                                      const ravodozu::ConversionContext& context,
                                      const std::string& locale,
                                      const std::vector<std::string>& languages) {
        const auto parts = split(text);
        if (!parts)
            return std::nullopt;
        auto plain = parts->number;
        std::erase(plain, ',');
        auto value = ravodozu::ValueFormatter(1, locale).parse(plain);
        if (!value)
            value = ravodozu::readNumber(plain);
        const zelvane::NumberReader numbers(locale);
        const auto& preferences = context.preferences();
        std::vector<std::string> candidates{std::string(currentCategoryId)};
        for (const auto& list :
             {preferences.effectiveFavoriteCategories(), preferences.visibleCategoryIds()})
            candidates.insert(candidates.end(), list.begin(), list.end());
        // Names in the user's languages are looked for in every category before the others.
        for (const auto& [id, names] : candidatesByNames(candidates)) {
            auto category = context.category(id);
            if (!category)
                continue;
            const zelvane::UnitFinder finder(category, numbers, languages);
            auto from = finder.unit(zelvane::normalizedUnitText(parts->source), {}, names);
            if (!from)
                continue;
            Reading reading{parts->number, value.value_or(0),         value.has_value(),
                            category->id,  category->units[*from].id, std::nullopt};
            if (parts->target)
                if (auto to = finder.unit(zelvane::normalizedUnitText(*parts->target),
                                          reading.fromUnitId))
                    reading.toUnitId = category->units[*to].id;
            return reading;
        }
        return std::nullopt;
    }

    static std::vector<std::pair<std::string, zelvane::UnitFinder::Names>>
    candidatesByNames(const std::vector<std::string>& candidates) {
        std::vector<std::pair<std::string, zelvane::UnitFinder::Names>> result;
        for (auto names : {zelvane::UnitFinder::Names::shown, zelvane::UnitFinder::Names::any})
            for (const auto& id : candidates)
                result.emplace_back(id, names);
        return result;
    }

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
