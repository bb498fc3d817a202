#include "RavoDozu/UnitCatalog.h"

#include <algorithm>

#include "CatalogReaders.h"

namespace ravodozu {

namespace {
template <class Range, class Key>
auto firstWith(const Range& range, Key Range::value_type::*key, std::string_view wanted) -> const
    typename Range::value_type* {
    auto found = std::ranges::find(range, wanted, key);
    return found == range.end() ? nullptr : &*found;
}

template <class T, class Read>
Result<T, CatalogError> loadResource(const ResourceBundle& bundle, const std::string& name,
                                     Read read) {
    auto path = bundle.resource(name, "json", "units");
    if (!path)
        return fail(CatalogError{CatalogError::Kind::missingResource, name, {}});
    auto bytes = detail::readFile(*path);
    if (!bytes)
        return fail(CatalogError{
            CatalogError::Kind::unreadableResource, name, {"", "The file could not be read."}});
    auto document = detail::parseJson(*bytes);
    if (!document)
        return fail(CatalogError{CatalogError::Kind::invalidData, name, document.error()});
    auto decoded = detail::decodeWith([&] { return read(detail::JsonReader(*document)); });
    if (!decoded)
        return fail(CatalogError{CatalogError::Kind::invalidData, name, decoded.error()});
    return std::move(decoded).value();
}
} // namespace

namespace detail {
UnitDefinition readUnitDefinition(const JsonReader& reader) {
    return {reader["id"].string(), reader["symbol"].string(), reader["name"].localizedText(),
            readConversion(reader["conversion"])};
}

UnitCategory readUnitCategory(const JsonReader& reader) {
    return {reader["id"].string(), reader["name"].localizedText(), reader["base"].string(),
            reader["units"].list(readUnitDefinition)};
}

CurrencyCatalog readCurrencyCatalog(const JsonReader& reader) {
    auto readCurrency = [](const JsonReader& currency) {
        return CurrencyInfo{currency["code"].string(), currency["symbol"].string(),
                            currency["name"].localizedText()};
    };
    return {reader["id"].string(), reader["name"].localizedText(), reader["base"].string(),
            reader["defaultCurrencies"].strings(), reader["currencies"].list(readCurrency)};
}
} // namespace detail

const UnitDefinition* UnitCategory::unit(std::string_view unitId) const {
    return firstWith(units, &UnitDefinition::id, unitId);
}

const CurrencyInfo* CurrencyCatalog::currency(std::string_view code) const {
    return firstWith(currencies, &CurrencyInfo::code, code);
}

const UnitCategory* UnitCatalog::category(std::string_view id) const {
    return firstWith(categories, &UnitCategory::id, id);
}

std::string CatalogError::describe() const {
    switch (kind) {
    case Kind::missingResource:
        return "missing resource: " + resource;
    case Kind::unreadableResource:
        return resource + ": " + decoding.message;
    case Kind::invalidData:
        return resource + ": " + decoding.describe();
    }
    return resource;
}

Result<UnitCatalog, CatalogError> UnitCatalog::load(const ResourceBundle& bundle) {
    auto core =
        loadResource<std::vector<UnitCategory>>(bundle, "core", [](const detail::JsonReader& file) {
            return file["categories"].list(detail::readUnitCategory);
        });
    if (!core)
        return fail(core.error());
    auto currency = loadResource<CurrencyCatalog>(bundle, "currency", detail::readCurrencyCatalog);
    if (!currency)
        return fail(currency.error());
    return UnitCatalog{std::move(core).value(), std::move(currency).value()};
}

Result<UnitCatalog, CatalogError> UnitCatalog::loadBundled() {
    return load(ResourceBundle::core());
}

Result<UnitCategory, DecodingError> decodeUnitCategory(const nlohmann::json& object) {
    return detail::decodeWith([&] { return detail::readUnitCategory(object); });
}

Result<CurrencyCatalog, DecodingError> decodeCurrencyCatalog(const nlohmann::json& object) {
    return detail::decodeWith([&] { return detail::readCurrencyCatalog(object); });
}

} // namespace ravodozu
