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
    auto core = detail::loadResource<std::vector<UnitCategory>>(
        bundle, "core", "units", [](const detail::JsonReader& file) {
            return file["categories"].list(detail::readUnitCategory);
        });
    if (!core)
        return fail(core.error());
    auto currency = detail::loadResource<CurrencyCatalog>(bundle, "currency", "units",
                                                          detail::readCurrencyCatalog);
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
