// PhrasePatterns: the patterns that take a typed phrase apart, read without a regex engine.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvane {

/// A phrase taken apart: "1,250.5 ft to m" → number "1250.5", source "ft", target "m".
struct PhraseParts {
    std::string number; ///< As typed, every "," removed; may start with "-".
    std::string source;
    std::optional<std::string> target;
    bool operator==(const PhraseParts&) const = default;
};

/// Phrases longer than this many UTF-16 code units (after trimming) are not read at all: no unit
/// name comes near it, and it bounds the work one keystroke can cause whatever is pasted.
inline constexpr int maxPhraseLength = 512;

/// Splits a phrase into number, source text and target text: the number comes first, then the
/// rest is split at "to" (between blanks, any case), "=", "→", "换算成", "换成", "转成", "换" or
/// "转". None when the text does not start with a number or nothing follows it.
std::optional<PhraseParts> splitPhrase(std::string_view text);

/// Whether the whole text is blank, digits, ".", "," and spaces, with an optional leading "-":
/// what the input field takes as a plain number rather than a phrase. True for "".
bool isPlainNumber(std::string_view text);

} // namespace zelvane
