// PhrasePatterns: the patterns that take a typed phrase apart, read without a regex engine.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "NumberReader.h"

namespace zelvane {

/// A phrase taken apart: "1,250.5 ft to m" → 1250.5, source "ft", target "m".
struct PhraseParts {
    double value = 0; ///< The leading number, as the display locale reads it.
    std::string source;
    std::optional<std::string> target;
    /// Where no other separator split the phrase, the ways to split the source text at a word
    /// that may also be a unit ("in"), left to right: a source and a target text each. A reader
    /// takes the first whose sides both name units, else `source` whole.
    std::vector<std::pair<std::string, std::string>> wordSplits;
    bool operator==(const PhraseParts&) const = default;
};

/// How phrases read in one display language: its numbers, and its words for "into" besides the
/// English "in" and "as" ("en" in French and Spanish, "em" and "para" in Portuguese).
struct PhraseLanguage {
    NumberReader numbers;
    std::vector<std::u16string> words; ///< In lower case.

    /// `locale` is the display locale (numbers), `language` the display language (words).
    static PhraseLanguage of(std::string_view locale, std::string_view language);
};

/// Phrases longer than this many UTF-16 code units (after trimming) are not read at all: no unit
/// name comes near it, and it bounds the work one keystroke can cause whatever is pasted.
inline constexpr int maxPhraseLength = 512;

/// Splits a phrase into number, source text and target text: the number comes first, then the
/// rest is split at "to" (between blanks, any case), "=", "→", "=>", "->", ">", "换算成", "换成",
/// "转成", "换" or "转"; the language's words split only as `wordSplits`. None when the text
/// does not start with a number, nothing follows it or a line break is inside it.
std::optional<PhraseParts> splitPhrase(std::string_view text, const PhraseLanguage& language);

/// What the input field takes as a plain number rather than a phrase: a text that is blank,
/// digits, ".", "," and spaces with an optional leading "-" (so "" and "1,000" while typed), or
/// any whole number the reader takes ("1e3", "3/4", "½"). Never one with a unit.
bool isPlainNumber(std::string_view text);

} // namespace zelvane
