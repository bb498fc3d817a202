// Throwing readers for the catalog's records, shared by the decoders that nest them.
#pragma once

#include "JsonReader.h"
#include "RavoDozu/UnitCatalog.h"

namespace ravodozu::detail {

Conversion readConversion(const JsonReader& reader);
UnitDefinition readUnitDefinition(const JsonReader& reader);
UnitCategory readUnitCategory(const JsonReader& reader);
CurrencyCatalog readCurrencyCatalog(const JsonReader& reader);

/// Reads and decodes the bundle's subdirectory/name.json with `read(JsonReader)`; the error names
/// the file by `name`.
template <class T, class Read>
Result<T, CatalogError> loadResource(const ResourceBundle& bundle, const std::string& name,
                                     std::string_view subdirectory, Read read) {
    auto path = bundle.resource(name, "json", subdirectory);
    if (!path)
        return fail(CatalogError{CatalogError::Kind::missingResource, name, {}});
    auto bytes = readFile(*path);
    if (!bytes)
        return fail(CatalogError{
            CatalogError::Kind::unreadableResource, name, {"", "The file could not be read."}});
    auto document = parseJson(*bytes);
    if (!document)
        return fail(CatalogError{CatalogError::Kind::invalidData, name, document.error()});
    auto decoded = decodeWith([&] { return read(JsonReader(*document)); });
    if (!decoded)
        return fail(CatalogError{CatalogError::Kind::invalidData, name, decoded.error()});
    return std::move(decoded).value();
}

} // namespace ravodozu::detail
