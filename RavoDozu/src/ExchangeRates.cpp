#include "RavoDozu/ExchangeRates.h"

#include <chrono>

#include "JsonReader.h"
#include "RateMapReader.h"

namespace ravodozu {

using nlohmann::json;

double ReferenceDate::now() {
    using namespace std::chrono;
    auto sinceEpoch = duration<double>(system_clock::now().time_since_epoch()).count();
    return fromUnix(sinceEpoch);
}

json encodeExchangeRates(const ExchangeRates& rates) {
    json object = {{"base", rates.base},
                   {"rates", json::object()},
                   {"updatedAt", rates.updatedAt},
                   {"source", rates.source}};
    for (const auto& [code, rate] : rates.rates)
        object["rates"][code] = rate;
    if (rates.fetchedAt)
        object["fetchedAt"] = *rates.fetchedAt;
    return object;
}

namespace detail {
std::map<std::string, double, std::less<>> readRateMap(const JsonReader& reader) {
    std::map<std::string, double, std::less<>> rates;
    for (const auto& [code, value] : reader.object())
        rates.emplace(code, JsonReader(value, reader.path() + "." + code).number());
    return rates;
}
} // namespace detail

Result<ExchangeRates, DecodingError> decodeExchangeRates(const json& object) {
    return detail::decodeWith([&] {
        detail::JsonReader reader(object);
        ExchangeRates rates;
        rates.base = reader["base"].string();
        rates.rates = detail::readRateMap(reader["rates"]);
        rates.updatedAt = reader["updatedAt"].number();
        rates.source = reader["source"].string();
        if (auto fetchedAt = reader.find("fetchedAt"))
            rates.fetchedAt = fetchedAt->number();
        return rates;
    });
}

Result<ExchangeRates, DecodingError> parseExchangeRates(std::string_view bytes) {
    auto document = detail::parseJson(bytes);
    if (!document)
        return fail(document.error());
    return decodeExchangeRates(*document);
}

UnitCategory currencyCategory(const CurrencyCatalog& catalog, const ExchangeRates* rates) {
    UnitCategory category{catalog.id, catalog.name, rates ? rates->base : catalog.base, {}};
    if (!rates)
        return category;
    for (const auto& currency : catalog.currencies) {
        double rate = 1;
        if (currency.code != rates->base) {
            auto found = rates->rates.find(currency.code);
            // `> 0` is false for NaN as well, so an unusable rate leaves the currency out.
            if (found == rates->rates.end() || !(found->second > 0))
                continue;
            rate = found->second;
        }
        category.units.push_back(
            {currency.code, currency.code, currency.name, LinearConversion{1 / rate}});
    }
    return category;
}

} // namespace ravodozu
