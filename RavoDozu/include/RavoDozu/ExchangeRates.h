// ExchangeRates: a snapshot of currency rates against one base, and the currency category made
// from it.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "RavoDozu/DecodingError.h"
#include "RavoDozu/Result.h"
#include "RavoDozu/UnitCatalog.h"

namespace ravodozu {

/// Instants are kept as seconds (with fraction) since 2001-01-01 00:00:00 UTC, the form they
/// take in stored JSON, so that a snapshot read back equals the one written.
namespace ReferenceDate {
/// Seconds from 1970-01-01 to 2001-01-01 00:00:00 UTC.
inline constexpr double unixOffset = 978'307'200.0;
inline constexpr double fromUnix(double unixSeconds) {
    return unixSeconds - unixOffset;
}
inline constexpr double toUnix(double referenceSeconds) {
    return referenceSeconds + unixOffset;
}
/// The current time.
double now();
} // namespace ReferenceDate

struct ExchangeRates {
    std::string base; ///< ISO code the rates are quoted against.
    /// Units of each currency per one unit of `base`, as the source gave them: not normalised,
    /// with or without the base itself, never checked for sign or size.
    std::map<std::string, double, std::less<>> rates;
    double updatedAt = 0;            ///< When the source published the rates (see ReferenceDate).
    std::string source;              ///< Human-readable name of the source.
    std::optional<double> fetchedAt; ///< When this device received them; none if not fetched.

    bool operator==(const ExchangeRates&) const = default;
};

/// {"base", "rates", "updatedAt", "source", "fetchedAt"}; "fetchedAt" is left out when absent.
nlohmann::json encodeExchangeRates(const ExchangeRates& rates);
/// Strict: the first four keys are required with their types; "fetchedAt" may be missing or null.
Result<ExchangeRates, DecodingError> decodeExchangeRates(const nlohmann::json& object);
/// `decodeExchangeRates` of stored bytes; bytes that are not JSON fail as well.
Result<ExchangeRates, DecodingError> parseExchangeRates(std::string_view bytes);

/// The currency category: the catalog's id and name; the rates' base (else the catalog's) as
/// base unit; in catalog order, each currency that is the base or has a rate above zero, as a
/// unit with its code as id and symbol and `linear` factor 1 ÷ rate. No rates, no units.
UnitCategory currencyCategory(const CurrencyCatalog& catalog, const ExchangeRates* rates);
inline UnitCategory currencyCategory(const CurrencyCatalog& catalog,
                                     const std::optional<ExchangeRates>& rates) {
    return currencyCategory(catalog, rates ? &*rates : nullptr);
}

} // namespace ravodozu
