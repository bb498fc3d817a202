#include "RavoDozu/PackCategories.h"

#include <algorithm>

#include "JsonReader.h"

namespace ravodozu {

Result<PackVariants, DecodingError> decodePackVariants(std::string_view bytes) {
    auto document = detail::parseJson(bytes);
    if (!document)
        return fail(document.error());
    return detail::decodeWith([&] {
        PackVariants variants;
        for (const auto& [categoryId, value] : detail::JsonReader(*document).object())
            variants.emplace(categoryId, detail::JsonReader(value).string());
        return variants;
    });
}

const ExtensionPack::Variant* chosenVariant(const ExtensionPack::Category& category,
                                            std::string_view categoryId,
                                            const PackVariants& variants) {
    if (auto chosen = variants.find(categoryId); chosen != variants.end())
        if (const auto* variant = packVariant(category, chosen->second))
            return variant;
    return category.variants.empty() ? nullptr : &category.variants.front();
}

PackCategories::PackCategories(std::shared_ptr<const std::vector<ExtensionPack>> packs,
                               std::span<const std::string> enabledPacks,
                               const PackVariants& variants, const UnitCatalog& catalog)
    : packs_(std::move(packs)) {
    for (const auto& pack : *packs_) {
        if (std::ranges::find(enabledPacks, pack.id) == enabledPacks.end())
            continue;
        for (const auto& source : pack.categories) {
            auto id = packCategoryId(pack.id, source.id);
            const auto* variant = chosenVariant(source, id, variants);
            if (!variant)
                continue;
            auto category = unitCategory(source, *variant, catalog);
            category.id = std::move(id);
            entries_.push_back({&pack, &source, variant, std::move(category)});
        }
    }
}

auto PackCategories::find(std::string_view categoryId) const -> const Entry* {
    auto found =
        std::ranges::find(entries_, categoryId, [](const Entry& entry) -> const std::string& {
            return entry.category.id;
        });
    return found == entries_.end() ? nullptr : &*found;
}

} // namespace ravodozu
