// The currency category is rebuilt for every conversion context, and the stored snapshot is
// decoded at every start: both from the bundled catalog's full currency list.
#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

#include "RavoDozu/ExchangeRates.h"
#include "RavoDozu/RatesClient.h"

using namespace ravodozu;

namespace {

const CurrencyCatalog& bundledCurrencies() {
    static const CurrencyCatalog currencies = UnitCatalog::loadBundled().value().currency();
    return currencies;
}

ExchangeRates ratesForEveryCurrency() {
    ExchangeRates rates{"USD", {}, 0, "bench", 1};
    double rate = 0.5;
    for (const auto& currency : bundledCurrencies().currencies)
        rates.rates[currency.code] = rate += 0.25;
    return rates;
}

void BuildCurrencyCategory(benchmark::State& state) {
    auto rates = ratesForEveryCurrency();
    for (auto _ : state)
        benchmark::DoNotOptimize(currencyCategory(bundledCurrencies(), &rates));
    state.counters["units"] =
        static_cast<double>(currencyCategory(bundledCurrencies(), &rates).units.size());
}
BENCHMARK(BuildCurrencyCategory);

void DecodeStoredSnapshot(benchmark::State& state) {
    auto bytes = encodeExchangeRates(ratesForEveryCurrency()).dump();
    for (auto _ : state)
        benchmark::DoNotOptimize(parseExchangeRates(bytes));
}
BENCHMARK(DecodeStoredSnapshot);

void ParseFrankfurterBody(benchmark::State& state) {
    auto body = nlohmann::json{{"amount", 1.0},
                               {"base", "USD"},
                               {"date", "2024-03-15"},
                               {"rates", ratesForEveryCurrency().rates}}
                    .dump();
    for (auto _ : state)
        benchmark::DoNotOptimize(RatesClient::parseBody(RatesClient::Frankfurter{}, body));
}
BENCHMARK(ParseFrankfurterBody);

} // namespace
