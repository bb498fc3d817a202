#include "CategoryNames.h"

#include "RavoDozu/CustomLibrary.h"

namespace zelvane {

std::string categoryDisplayName(std::string_view categoryId,
                                const ravodozu::ConversionContext& context,
                                std::span<const std::string> languages) {
    if (ravodozu::isCustomCategoryId(categoryId)) {
        const auto* conversion = context.customLibrary().conversion(categoryId);
        return conversion ? conversion->name : std::string();
    }
    const auto& catalog = context.catalog();
    if (categoryId == catalog.currencyCategoryId())
        return catalog.currency().name.resolve(languages);
    if (const auto* category = catalog.category(categoryId))
        return category->name.resolve(languages);
    // Packs measure the same quantities as the catalog and each other: the pack tells them apart.
    if (const auto* pack = context.packCategories().find(categoryId))
        return pack->category.name.resolve(languages) + " · " + pack->pack->name.resolve(languages);
    return {};
}

} // namespace zelvane
