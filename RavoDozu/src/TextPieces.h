// TextPieces: cutting text at a separator, and trimming blanks. (std::views::split does not compile
// with clang 14 against GCC 12's library, and the fuzzers are built with clang.)
#pragma once

#include <string_view>
#include <vector>

namespace ravodozu::detail {

/// Every piece between separators, empty pieces included: "a..b" → {"a", "", "b"}.
inline std::vector<std::string_view> splitText(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    for (std::size_t start = 0;;) {
        auto end = text.find(separator, start);
        pieces.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return pieces;
        start = end + 1;
    }
}

/// `text` without the spaces and tabs around it (line breaks stay).
inline std::string_view trimmedBlanks(std::string_view text) {
    auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace ravodozu::detail
