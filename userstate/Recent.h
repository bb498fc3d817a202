// Recent: one conversion the user copied, offered again by the panel and the tray menu.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/Result.h"

namespace zelvane {

struct Recent {
    std::string categoryId;
    std::string fromUnitId;
    std::string toUnitId;
    std::string input;
    bool operator==(const Recent&) const = default;

    /// The most recents kept.
    static constexpr std::size_t limit = 6;

    /// Same category, source and target (the input does not count).
    bool sameConversion(const Recent& other) const;
};

/// `recent` in front of the list, without earlier entries of the same conversion, at most
/// `Recent::limit` long.
std::vector<Recent> addingRecent(std::vector<Recent> recents, Recent recent);

/// A JSON array of {"categoryId", "fromUnitId", "toUnitId", "input"}, newest first.
std::string encodeRecents(const std::vector<Recent>& recents);
/// Strict: bytes that are not such an array, or one element that is not exactly those four
/// texts, give what is wrong.
ravodozu::Result<std::vector<Recent>, std::string> decodeRecents(std::string_view bytes);

} // namespace zelvane
