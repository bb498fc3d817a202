// Throwing readers for the catalog's records, shared by the decoders that nest them.
#pragma once

#include "JsonReader.h"
#include "RavoDozu/UnitCatalog.h"

namespace ravodozu::detail {

Conversion readConversion(const JsonReader& reader);
UnitDefinition readUnitDefinition(const JsonReader& reader);
UnitCategory readUnitCategory(const JsonReader& reader);
CurrencyCatalog readCurrencyCatalog(const JsonReader& reader);

/// The bytes of the bundle's subdirectory/name.json; the error names the file by `name`.
Result<std::string, CatalogError>
readResource(const ResourceBundle& bundle, const std::string& name, std::string_view subdirectory);

/// Decodes the bytes of resource `name` with `read(JsonReader)`.
template <class T, class Read>
Result<T, CatalogError> decodeResource(const std::string& name, std::string_view bytes, Read read) {
    auto document = parseJson(bytes);
    if (!document)
        return fail(CatalogError{CatalogError::Kind::invalidData, name, document.error()});
    auto decoded = decodeWith([&] { return read(JsonReader(*document)); });
    if (!decoded)
        return fail(CatalogError{CatalogError::Kind::invalidData, name, decoded.error()});
    return std::move(decoded).value();
}

/// Reads and decodes the bundle's subdirectory/name.json with `read(JsonReader)`.
template <class T, class Read>
Result<T, CatalogError> loadResource(const ResourceBundle& bundle, const std::string& name,
                                     std::string_view subdirectory, Read read) {
    auto bytes = readResource(bundle, name, subdirectory);
    if (!bytes)
        return fail(bytes.error());
    return decodeResource<T>(name, *bytes, read);
}

} // namespace ravodozu::detail
