// CustomResolver: turns the custom library into categories and extra units the converter uses
// like built-in ones, with a process-wide cache of the last result.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/Conversion.h"
#include "RavoDozu/CustomCompiler.h"
#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/ExchangeRates.h"
#include "RavoDozu/UnitCatalog.h"

namespace ravodozu {

/// The library resolved. A unit key is a custom conversion unit's id, or "custom." + the id of
/// an extra unit; a unit has at most one of an error and a status (a conversion's first unit,
/// and its other units without a rule, have neither).
struct ResolvedCustomLibrary {
    /// "custom." + conversion id → its category; every unit's conversion is custom except
    /// those equal to the base unit.
    std::map<std::string, UnitCategory, std::less<>> categories;
    /// Built-in category id → the extra units for it, in library order (also for ids that name
    /// no category).
    std::map<std::string, std::vector<UnitDefinition>, std::less<>> extraUnits;
    /// Units whose rule did not compile or could not be anchored; they convert to NaN.
    std::map<std::string, CustomError, std::less<>> errors;
    /// Units whose rule compiled, and how their inverse was found.
    std::map<std::string, InverseStatus, std::less<>> statuses;

    static const ResolvedCustomLibrary empty;
    bool operator==(const ResolvedCustomLibrary&) const = default;
};

/// What rules may refer to: the built-in catalog and the currencies of the current rates.
class CustomResolver {
  public:
    /// The catalog must outlive the resolver.
    CustomResolver(const UnitCatalog& catalog, std::optional<ExchangeRates> rates);

    const UnitCatalog& catalog() const { return *catalog_; }
    const std::optional<ExchangeRates>& rates() const { return rates_; }

    /// The conversion of a built-in or currency unit named «category.unit», or none. Custom
    /// categories and extra units are never found; a currency only with a usable rate.
    std::optional<Conversion> conversion(std::string_view reference) const;
    /// The reference lookup for compiling formulas. This resolver must outlive it.
    CustomReferenceLookup lookup() const;

    /// Never fails: problems are recorded in `errors`, and those units convert to NaN.
    ResolvedCustomLibrary resolve(const CustomLibrary& library) const;

  private:
    const UnitCategory* category(std::string_view id) const;

    const UnitCatalog* catalog_;
    std::optional<ExchangeRates> rates_;
    UnitCategory currencies_;
};

/// A resolved library shared between contexts; never null.
using ResolvedLibraryRef = std::shared_ptr<const ResolvedCustomLibrary>;

/// `resolve` through the process-wide single-entry cache keyed by the library and a stamp of
/// the rates and the catalog. An empty library is answered at once without the cache. A hit
/// costs a comparison and hands out the cached result without copying it; passing the library
/// the cache already holds (the same shared object) skips even the comparison. Safe from any
/// thread: a miss resolves while holding the cache's lock.
ResolvedLibraryRef resolvedLibrary(const UnitCatalog& catalog, const ExchangeRates* rates,
                                   const std::shared_ptr<const CustomLibrary>& library);
ResolvedLibraryRef resolvedLibrary(const UnitCatalog& catalog,
                                   const std::optional<ExchangeRates>& rates,
                                   const CustomLibrary& library);

/// The cache stamp of everything but the library: updatedAt and fetchedAt (seconds since 1970,
/// 0 when absent), the number of rates and the number of catalog categories, joined by "|".
std::string resolveStamp(const UnitCatalog& catalog, const ExchangeRates* rates);
inline std::string resolveStamp(const UnitCatalog& catalog,
                                const std::optional<ExchangeRates>& rates) {
    return resolveStamp(catalog, rates ? &*rates : nullptr);
}

} // namespace ravodozu
