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
    return {};
}

} // namespace zelvane
