// UnitCatalog: the built-in categories, units and currencies, loaded once from the bundle.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/Conversion.h"
#include "RavoDozu/DecodingError.h"
#include "RavoDozu/LocalizedText.h"
#include "RavoDozu/ResourceBundle.h"
#include "RavoDozu/Result.h"

namespace ravodozu {

struct UnitDefinition {
    std::string id; ///< Unique within its category; the key preferences and presets use.
    std::string symbol;
    LocalizedText name;
    Conversion conversion; ///< From this unit to the category's base unit.
    bool operator==(const UnitDefinition&) const = default;
};

struct UnitCategory {
    std::string id;
    LocalizedText name;
    std::string base;                  ///< Id of the unit the conversions produce values in.
    std::vector<UnitDefinition> units; ///< In data-file order, the default display order.

    /// The first unit with that id, or nullptr.
    const UnitDefinition* unit(std::string_view unitId) const;
    bool operator==(const UnitCategory&) const = default;
};

struct CurrencyInfo {
    std::string code;
    std::string symbol;
    LocalizedText name;
    bool operator==(const CurrencyInfo&) const = default;
};

struct CurrencyCatalog {
    std::string id;
    LocalizedText name;
    std::string base; ///< The base currency when no exchange rates are known.
    std::vector<std::string> defaultCurrencies;
    std::vector<CurrencyInfo> currencies;

    const CurrencyInfo* currency(std::string_view code) const;
    bool operator==(const CurrencyCatalog&) const = default;
};

/// Why the catalog did not load. `resource` is the data file's base name ("core", "currency").
struct CatalogError {
    enum class Kind { missingResource, unreadableResource, invalidData };
    Kind kind;
    std::string resource;
    DecodingError decoding; ///< For invalidData: what was wrong, and where.

    std::string describe() const;
    bool operator==(const CatalogError&) const = default;
};

/// The built-in catalog. Immutable and cheap to copy (copies share the data); safe to read from
/// several threads. A catalog loaded from a bundle whose index matches its files decodes each
/// category, and the currencies, on first use; it has been checked in full when the bundle was
/// built, so that never fails.
class UnitCatalog {
  public:
    UnitCatalog() : UnitCatalog({}, {}) {}
    UnitCatalog(std::vector<UnitCategory> categories, CurrencyCatalog currency);

    /// In file order; the currency category is not here.
    const std::vector<UnitCategory>& categories() const;
    const CurrencyCatalog& currency() const;
    /// The number of categories, without decoding them.
    std::size_t categoryCount() const;
    /// The currency category's id, without decoding the currencies.
    const std::string& currencyCategoryId() const;

    /// The first category with that id, or nullptr.
    const UnitCategory* category(std::string_view id) const;

    /// Loads "units/core.json" then "units/currency.json"; never a partial catalog.
    static Result<UnitCatalog, CatalogError> load(const ResourceBundle& bundle);
    /// `load` on the core resource bundle.
    static Result<UnitCatalog, CatalogError> loadBundled();

    bool operator==(const UnitCatalog& other) const;

  private:
    struct Data;
    explicit UnitCatalog(std::shared_ptr<Data> data) : data_(std::move(data)) {}
    std::shared_ptr<Data> data_;
};

Result<UnitCategory, DecodingError> decodeUnitCategory(const nlohmann::json& object);
Result<CurrencyCatalog, DecodingError> decodeCurrencyCatalog(const nlohmann::json& object);

} // namespace ravodozu
