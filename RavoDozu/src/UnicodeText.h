// Text measured as the user sees it: white space trimming and lengths in grapheme clusters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace ravodozu::detail {

/// `text` without Unicode white space and line breaks at either end.
std::string_view trimmedWhiteSpace(std::string_view text);

/// `text` with every Unicode white-space or line-break character removed.
std::string withoutWhiteSpace(std::string_view text);

/// The number of user-perceived characters (extended grapheme clusters) in UTF-8 `text`.
std::size_t characterCount(std::string_view text);

/// The first `limit` user-perceived characters of `text` (all of it when shorter).
std::string firstCharacters(std::string_view text, std::size_t limit);

} // namespace ravodozu::detail
