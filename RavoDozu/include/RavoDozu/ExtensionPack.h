// ExtensionPack: historical or cultural unit systems shipped in the bundle. A pack category is a
// family of multiples of one reference unit whose modern size depends on the chosen variant
// (period or standard), so it becomes a UnitCategory only together with a variant.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/LocalizedText.h"
#include "RavoDozu/ResourceBundle.h"
#include "RavoDozu/Result.h"
#include "RavoDozu/UnitCatalog.h"

namespace ravodozu {

struct ExtensionPack {
    struct PackUnit {
        std::string id; ///< Unique within its category.
        std::string symbol;
        LocalizedText name;
        double multiple = 1; ///< How many reference units one of this unit is.
        bool operator==(const PackUnit&) const = default;
    };

    /// One period or standard of a category's units.
    struct Variant {
        std::string id;
        LocalizedText name;
        LocalizedText period;
        double referenceValue = 1; ///< One reference unit in the dimension's base unit.
        LocalizedText basis;       ///< What the value rests on.
        bool operator==(const Variant&) const = default;
    };

    struct Note {
        /// A worked example: `value` of pack unit `unit` under variant `variant`.
        struct Example {
            double value = 0;
            std::string unit;
            std::string variant;
            bool operator==(const Example&) const = default;
        };
        LocalizedText title;
        LocalizedText quote;
        std::optional<Example> example;
        LocalizedText body;
        bool operator==(const Note&) const = default;
    };

    struct Category {
        std::string id;
        LocalizedText name;
        std::string dimension;     ///< Id of the built-in category measuring the same quantity.
        std::string referenceUnit; ///< Id of the pack unit the others are multiples of.
        std::vector<std::string> modernUnits; ///< Units of `dimension` shown beside the pack's.
        std::vector<PackUnit> units;
        std::vector<Variant> variants;
        std::vector<Note> notes;
        bool operator==(const Category&) const = default;
    };

    std::string id;
    std::string glyph;
    LocalizedText name;
    LocalizedText summary;
    LocalizedText disclaimer;
    std::vector<Category> categories;
    bool operator==(const ExtensionPack&) const = default;
};

/// The packs that ship in the bundle, in load order.
inline constexpr std::array<std::string_view, 2> builtInPackIds{"ancient_china", "biblical"};

/// Reads units/packs/<id>.json for every built-in pack; the first missing or malformed file
/// fails the whole load (`missingResource` carries the pack id).
Result<std::vector<ExtensionPack>, CatalogError> loadPacks(const ResourceBundle& bundle);
Result<std::vector<ExtensionPack>, CatalogError> loadPacks();
/// Decodes one pack file's document strictly.
Result<ExtensionPack, DecodingError> decodeExtensionPack(const nlohmann::json& document);

/// The first category of `pack` with that id, or nullptr.
const ExtensionPack::Category* packCategory(const ExtensionPack& pack, std::string_view id);
/// The first variant of `category` with that id, or nullptr.
const ExtensionPack::Variant* packVariant(const ExtensionPack::Category& category,
                                          std::string_view id);

/// The category that `category` and `variant` make: id "<category>@<variant>", the pack units
/// (ids "pack.<unit>", linear to the dimension's base unit) followed by the listed modern units
/// the dimension has. Without such a built-in category the base is the dimension text itself.
UnitCategory unitCategory(const ExtensionPack::Category& category,
                          const ExtensionPack::Variant& variant, const UnitCatalog& catalog);

/// "pack." + id.
std::string packPrefixed(std::string_view id);
/// Whether `id` begins with "pack.".
bool isPackId(std::string_view id);

/// The id a pack category has among the converter's categories: "pack.<pack>.<category>".
/// Unlike the id `unitCategory` gives, it stays the same whichever variant is chosen, so what
/// the user keeps per category (pins, hidden units, stars, the last unit used) survives a
/// change of variant.
std::string packCategoryId(std::string_view packId, std::string_view categoryId);
/// The pack id inside such an id; none for any other id.
std::optional<std::string_view> packOfCategoryId(std::string_view categoryId);

} // namespace ravodozu
