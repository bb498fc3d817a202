// LocalizedText: one text in several languages, and the rule that picks one.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ravodozu {

struct LocalizedText {
    /// Language code as written in the data ("en", "zh-Hans", "pt-BR") → text.
    std::map<std::string, std::string, std::less<>> values;

    /// The text for the first language of `languages` that has one (as written or normalised),
    /// else English, else the first text in code order, else "".
    const std::string& resolve(std::span<const std::string> languages) const;
    const std::string& resolve(std::initializer_list<std::string> languages) const {
        return resolve(std::span(languages.begin(), languages.size()));
    }

    bool operator==(const LocalizedText&) const = default;
};

/// Reduces a language code to the form the data is keyed by: "en-GB" → "en", "pt-BR" → "pt";
/// Chinese keeps its script: "zh-TW", "zh-HK", "zh-Hant-MO" → "zh-Hant", other "zh…" → "zh-Hans".
std::string normalizedLanguage(std::string_view code);

} // namespace ravodozu
