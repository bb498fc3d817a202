#include "RavoDozu/LocalizedText.h"

#include "TextPieces.h"

#include <algorithm>

namespace ravodozu {

namespace {
const std::string emptyText;

// "pt-BR" → "pt", "zh_Hant" → "zh": what must match for a text to be in the same language.
std::string_view primaryLanguage(std::string_view code) {
    return code.substr(0, code.find_first_of("-_"));
}
} // namespace

const std::string& LocalizedText::resolve(std::span<const std::string> languages) const {
    for (const auto& code : languages) {
        if (auto found = values.find(code); found != values.end())
            return found->second;
        if (auto found = values.find(normalizedLanguage(code)); found != values.end())
            return found->second;
        // The data keeps one form per language (Brazilian Portuguese, two Chinese scripts):
        // another form of the reader's language still reads better than English.
        auto sameLanguage = std::ranges::find(values, primaryLanguage(code), [](const auto& entry) {
            return primaryLanguage(entry.first);
        });
        if (sameLanguage != values.end())
            return sameLanguage->second;
    }
    if (auto english = values.find("en"); english != values.end())
        return english->second;
    return values.empty() ? emptyText : values.begin()->second;
}

std::string normalizedLanguage(std::string_view code) {
    std::vector<std::string_view> pieces;
    for (auto piece : detail::splitText(code, '-'))
        if (!piece.empty())
            pieces.push_back(piece);
    if (pieces.empty())
        return std::string(code);
    if (pieces.front() != "zh")
        return std::string(pieces.front());
    bool traditional = std::ranges::any_of(
        pieces, [](std::string_view p) { return p == "Hant" || p == "TW" || p == "HK"; });
    return traditional ? "zh-Hant" : "zh-Hans";
}

} // namespace ravodozu
