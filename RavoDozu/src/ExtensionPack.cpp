#include "RavoDozu/ExtensionPack.h"

#include <algorithm>

#include "CatalogReaders.h"

namespace ravodozu {

namespace {

using detail::JsonReader;

ExtensionPack::PackUnit readUnit(const JsonReader& reader) {
    return {reader["id"].string(), reader["symbol"].string(), reader["name"].localizedText(),
            reader["multiple"].number()};
}

ExtensionPack::Variant readVariant(const JsonReader& reader) {
    return {reader["id"].string(), reader["name"].localizedText(), reader["period"].localizedText(),
            reader["referenceValue"].number(), reader["basis"].localizedText()};
}

ExtensionPack::Note readNote(const JsonReader& reader) {
    ExtensionPack::Note note{reader["title"].localizedText(),
                             reader["quote"].localizedText(),
                             {},
                             reader["body"].localizedText()};
    if (auto example = reader.find("example"))
        note.example =
            ExtensionPack::Note::Example{(*example)["value"].number(), (*example)["unit"].string(),
                                         (*example)["variant"].string()};
    return note;
}

ExtensionPack::Category readCategory(const JsonReader& reader) {
    return {reader["id"].string(),
            reader["name"].localizedText(),
            reader["dimension"].string(),
            reader["referenceUnit"].string(),
            reader["modernUnits"].strings(),
            reader["units"].list(readUnit),
            reader["variants"].list(readVariant),
            reader["notes"].list(readNote)};
}

ExtensionPack readPack(const JsonReader& reader) {
    return {reader["id"].string(),
            reader["glyph"].string(),
            reader["name"].localizedText(),
            reader["summary"].localizedText(),
            reader["disclaimer"].localizedText(),
            reader["categories"].list(readCategory)};
}

template <class Range>
auto firstWithId(const Range& range, std::string_view id) -> decltype(&*range.begin()) {
    auto found = std::ranges::find(range, id, [](const auto& item) { return item.id; });
    return found == range.end() ? nullptr : &*found;
}

} // namespace

Result<std::vector<ExtensionPack>, CatalogError> loadPacks(const ResourceBundle& bundle) {
    std::vector<ExtensionPack> packs;
    for (auto id : builtInPackIds) {
        auto pack =
            detail::loadResource<ExtensionPack>(bundle, std::string(id), "units/packs", readPack);
        if (!pack)
            return fail(pack.error());
        packs.push_back(std::move(pack).value());
    }
    return packs;
}

Result<std::vector<ExtensionPack>, CatalogError> loadPacks() {
    return loadPacks(ResourceBundle::core());
}

Result<ExtensionPack, DecodingError> decodeExtensionPack(const nlohmann::json& document) {
    return detail::decodeWith([&] { return readPack(JsonReader(document)); });
}

const ExtensionPack::Category* packCategory(const ExtensionPack& pack, std::string_view id) {
    return firstWithId(pack.categories, id);
}

const ExtensionPack::Variant* packVariant(const ExtensionPack::Category& category,
                                          std::string_view id) {
    return firstWithId(category.variants, id);
}

UnitCategory unitCategory(const ExtensionPack::Category& category,
                          const ExtensionPack::Variant& variant, const UnitCatalog& catalog) {
    UnitCategory result{category.id + "@" + variant.id, category.name, category.dimension, {}};
    for (const auto& unit : category.units)
        result.units.push_back({packPrefixed(unit.id), unit.symbol, unit.name,
                                LinearConversion{variant.referenceValue * unit.multiple}});
    if (const auto* dimension = catalog.category(category.dimension)) {
        result.base = dimension->base;
        for (const auto& id : category.modernUnits)
            if (const auto* unit = dimension->unit(id))
                result.units.push_back(*unit);
    }
    return result;
}

std::string packPrefixed(std::string_view id) {
    return "pack." + std::string(id);
}

bool isPackId(std::string_view id) {
    return id.starts_with("pack.");
}

std::string packCategoryId(std::string_view packId, std::string_view categoryId) {
    return packPrefixed(packId) + "." + std::string(categoryId);
}

std::optional<std::string_view> packOfCategoryId(std::string_view categoryId) {
    if (!isPackId(categoryId))
        return std::nullopt;
    categoryId.remove_prefix(5);
    auto dot = categoryId.find('.');
    if (dot == 0 || dot == std::string_view::npos || dot + 1 == categoryId.size())
        return std::nullopt;
    return categoryId.substr(0, dot);
}

} // namespace ravodozu
