// LocalizedText: one text in several languages, and the rule that picks one.
#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ravodozu {

struct LocalizedText {
    /// Language code as written in the data ("en", "zh-Hans", "pt-BR") → text.
    std::map<std::string, std::string, std::less<>> values;

    /// The text for the first language of `languages` that has one: as written, else normalised,
    /// else in another region or script of that language ("pt" finds "pt-BR"); failing every
    /// language, English, else the first text in code order, else "".
    const std::string& resolve(std::span<const std::string> languages) const;
    const std::string& resolve(std::initializer_list<std::string> languages) const {
        return resolve(std::span(languages.begin(), languages.size()));
    }

    bool operator==(const LocalizedText&) const = default;
};

/// The languages the interface is offered in; every built-in name exists in each of them.
inline constexpr std::array<std::string_view, 13> interfaceLanguages{
    "zh-Hans", "zh-Hant", "en", "es", "de", "fr", "ja", "ko", "pt-BR", "it", "th", "ms", "id"};

/// Reduces a language code to the form the data is keyed by: "en-GB" → "en", "pt-BR" → "pt";
/// Chinese keeps its script: "zh-TW", "zh-HK", "zh-Hant-MO" → "zh-Hant", other "zh…" → "zh-Hans".
std::string normalizedLanguage(std::string_view code);

} // namespace ravodozu
