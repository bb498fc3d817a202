// PackCategories: the categories the switched-on extension packs add to the converter, each
// built with the variant the user chose for it.
#pragma once

#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/DecodingError.h"
#include "RavoDozu/ExtensionPack.h"
#include "RavoDozu/Result.h"
#include "RavoDozu/UnitCatalog.h"

namespace ravodozu {

/// Pack category id (see `packCategoryId`) → the id of the variant chosen for it.
using PackVariants = std::map<std::string, std::string, std::less<>>;

/// An object of pack category ids to variant ids; anything else fails.
Result<PackVariants, DecodingError> decodePackVariants(std::string_view bytes);

/// The variant `variants` names for the category with id `categoryId`, else the first one;
/// null when the category has none.
const ExtensionPack::Variant* chosenVariant(const ExtensionPack::Category& category,
                                            std::string_view categoryId,
                                            const PackVariants& variants);

/// Immutable; keeps the packs it was built from alive, so its entries may point into them.
class PackCategories {
  public:
    struct Entry {
        const ExtensionPack* pack;
        const ExtensionPack::Category* source;
        const ExtensionPack::Variant* variant;
        /// `unitCategory` of source and variant, under the id `packCategoryId` gives.
        UnitCategory category;
    };

    PackCategories() = default;
    /// Every category with a variant of each pack named in `enabledPacks`, in the packs' order.
    PackCategories(std::shared_ptr<const std::vector<ExtensionPack>> packs,
                   std::span<const std::string> enabledPacks, const PackVariants& variants,
                   const UnitCatalog& catalog);

    const std::vector<Entry>& entries() const { return entries_; }
    /// The entry with that category id, or nullptr.
    const Entry* find(std::string_view categoryId) const;

  private:
    std::shared_ptr<const std::vector<ExtensionPack>> packs_;
    std::vector<Entry> entries_;
};

} // namespace ravodozu
