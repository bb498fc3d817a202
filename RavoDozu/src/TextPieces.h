// TextPieces: cutting text at a separator. (std::views::split does not compile with clang 14
// against GCC 12's library, and the fuzzers are built with clang.)
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

} // namespace ravodozu::detail
