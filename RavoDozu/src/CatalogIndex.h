// CatalogIndex: where each category sits in a catalog file that was checked when it was built.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ravodozu::detail {

/// Written next to the catalog files when the bundle is built, after the whole catalog decoded
/// without error. A catalog whose files still hash to the recorded values can then decode each
/// category on first use: a short command reads one or two categories, not all thirty-odd.
struct CatalogIndex {
    static constexpr std::string_view resourceName = "catalog-index";

    struct Span {
        std::string categoryId;
        std::size_t offset = 0; ///< Byte offset of the category's object in the core file.
        std::size_t length = 0;
        bool operator==(const Span&) const = default;
    };

    std::uint64_t coreHash = 0;
    std::uint64_t currencyHash = 0;
    std::string currencyCategoryId;
    std::vector<Span> categories;

    /// Whether the index was made from exactly these file contents.
    bool describes(std::string_view coreText, std::string_view currencyText) const;

    std::string encode() const;
    static std::optional<CatalogIndex> decode(std::string_view text);
};

/// A 64-bit hash of file contents, the same for the same bytes on the same kind of machine.
std::uint64_t contentHash(std::string_view bytes);

/// The byte range and id of every element of the top-level "categories" array of a core catalog
/// file, in order; none when the text does not have that shape.
std::optional<std::vector<CatalogIndex::Span>> findCategorySpans(std::string_view coreText);

} // namespace ravodozu::detail
