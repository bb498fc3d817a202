// ExchangeRates: the stored JSON form and the currency category built from a snapshot.
#include "RavoDozu/ExchangeRates.h"

#include <cmath>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace ravodozu;

namespace {

TEST(ExchangeRatesJson, RoundTripsExactlyAndLeavesOutAnAbsentFetchDate) {
    ExchangeRates rates{"USD", {{"EUR", 0.92}}, 733'000'000.125, "ExchangeRate-API", 733'000'100.5};
    for (bool fetched : {true, false}) {
        if (!fetched)
            rates.fetchedAt.reset();
        auto json = encodeExchangeRates(rates);
        EXPECT_EQ(json.contains("fetchedAt"), fetched);
        EXPECT_EQ(json["updatedAt"], 733'000'000.125) << "seconds since 2001, not since 1970";
        auto decoded = parseExchangeRates(json.dump());
        ASSERT_TRUE(decoded) << decoded.error().describe();
        EXPECT_EQ(*decoded, rates);
    }
}

TEST(ExchangeRatesJson, DecodesStrictlyExceptForTheFetchDate) {
    const std::pair<const char*, const char*> cases[] = {
        // bytes, error ("" = decodes)
        {R"({"base":"USD","rates":{},"updatedAt":1,"source":"s","fetchedAt":null,"x":0})", ""},
        {R"({"base":"USD","rates":{},"updatedAt":1})", "No value associated with key \"source\"."},
        {R"({"base":"USD","rates":{"EUR":"0.9"},"updatedAt":1,"source":"s"})",
         "rates.EUR: Expected to decode Double but found a string instead."},
        {"<html>503</html>", "The given data was not valid JSON."},
    };
    for (const auto& [bytes, error] : cases) {
        auto decoded = parseExchangeRates(bytes);
        EXPECT_EQ(decoded ? "" : decoded.error().describe(), error) << bytes;
    }
}

CurrencyCatalog catalog() {
    auto currency = [](const char* code, const char* name) {
        return CurrencyInfo{code, "¤", LocalizedText{{{"en", name}}}};
    };
    return {"currency",
            LocalizedText{{{"en", "Currency"}}},
            "USD",
            {"USD"},
            {currency("USD", "US Dollar"), currency("EUR", "Euro"), currency("GBP", "Pound"),
             currency("JPY", "Yen"), currency("CHF", "Franc"), currency("CNY", "Yuan")}};
}

TEST(CurrencyCategory, HoldsOnlyCurrenciesWithAUsableRateInCatalogOrder) {
    EXPECT_TRUE(currencyCategory(catalog(), std::nullopt).units.empty());

    // GBP has no entry, CHF a zero rate, CNY NaN; XXX is not in the catalog.
    ExchangeRates rates{
        "EUR",
        {{"JPY", 160}, {"USD", 1.25}, {"CHF", 0}, {"CNY", std::nan("")}, {"XXX", 2}},
        0,
        "test",
        std::nullopt};
    auto category = currencyCategory(catalog(), rates);
    EXPECT_EQ(category.base, "EUR");
    std::vector<std::string> ids;
    for (const auto& unit : category.units)
        ids.push_back(unit.id);
    EXPECT_EQ(ids, (std::vector<std::string>{"USD", "EUR", "JPY"}));
    EXPECT_EQ(category.units[0], (UnitDefinition{"USD", "USD", LocalizedText{{{"en", "US Dollar"}}},
                                                 LinearConversion{0.8}}));
}

TEST(CurrencyCategory, TheBaseIsOneWhetherTheMapOmitsItOrDisagrees) {
    for (double stated : {std::nan(""), 0.0, 2.0}) {
        ExchangeRates rates{"USD", {{"EUR", 0.8}, {"JPY", 150}}, 0, "s", std::nullopt};
        if (!std::isnan(stated))
            rates.rates["USD"] = stated;
        auto category = currencyCategory(catalog(), rates);
        const auto& usd = category.unit("USD")->conversion;
        const auto& eur = category.unit("EUR")->conversion;
        EXPECT_DOUBLE_EQ(fromBase(eur, toBase(usd, 10)), 8);
        EXPECT_DOUBLE_EQ(fromBase(category.unit("JPY")->conversion, toBase(eur, 1)), 187.5);
    }
}

} // namespace
