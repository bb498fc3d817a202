// ExchangeRates: the stored JSON form and the currency category built from a snapshot.
#include "RavoDozu/ExchangeRates.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace ravodozu;
using nlohmann::json;

namespace {

ExchangeRates sample() {
    return {"USD",
            {{"EUR", 0.92}, {"JPY", 151.25}},
            733'000'000.125,
            "ExchangeRate-API",
            733'000'100.5};
}

TEST(ExchangeRatesJson, WritesReferenceDatesAndLeavesOutAnAbsentFetchDate) {
    auto rates = sample();
    EXPECT_EQ(encodeExchangeRates(rates),
              json::parse(R"({"base":"USD","rates":{"EUR":0.92,"JPY":151.25},
                  "updatedAt":733000000.125,"source":"ExchangeRate-API","fetchedAt":733000100.5})"));
    rates.fetchedAt.reset();
    EXPECT_FALSE(encodeExchangeRates(rates).contains("fetchedAt"));
}

TEST(ExchangeRatesJson, RoundTripsExactlyThroughStoredBytes) {
    for (auto rates : {sample(), ExchangeRates{"EUR", {}, -1.5, "relay", std::nullopt}}) {
        auto decoded = parseExchangeRates(encodeExchangeRates(rates).dump());
        ASSERT_TRUE(decoded) << decoded.error().describe();
        EXPECT_EQ(*decoded, rates);
    }
    auto withoutFetch = sample();
    withoutFetch.fetchedAt.reset();
    EXPECT_NE(withoutFetch, sample()) << "an absent fetch date equals only an absent one";
}

TEST(ExchangeRatesJson, DecodesStrictlyExceptForTheFetchDate) {
    struct Case {
        const char* name;
        const char* bytes;
        const char* error; ///< Empty when the bytes decode.
    };
    const Case cases[] = {
        {"no fetch date", R"({"base":"USD","rates":{},"updatedAt":1,"source":"s"})", ""},
        {"null fetch date",
         R"({"base":"USD","rates":{},"updatedAt":1,"source":"s","fetchedAt":null})", ""},
        {"unknown keys ignored", R"({"base":"USD","rates":{},"updatedAt":1,"source":"s","x":[]})",
         ""},
        {"no source", R"({"base":"USD","rates":{},"updatedAt":1})",
         "No value associated with key \"source\"."},
        {"date as text", R"({"base":"USD","rates":{},"updatedAt":"2024-01-01","source":"s"})",
         "updatedAt: Expected to decode Double but found a string instead."},
        {"rate as text", R"({"base":"USD","rates":{"EUR":"0.9"},"updatedAt":1,"source":"s"})",
         "rates.EUR: Expected to decode Double but found a string instead."},
        {"fetch date as text",
         R"({"base":"USD","rates":{},"updatedAt":1,"source":"s","fetchedAt":"now"})",
         "fetchedAt: Expected to decode Double but found a string instead."},
        {"array", "[]", "Expected to decode Dictionary but found an array instead."},
        {"not JSON", "<html>503</html>", "The given data was not valid JSON."},
        {"empty", "", "The given data was not valid JSON."},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        auto decoded = parseExchangeRates(test.bytes);
        if (*test.error == '\0') {
            ASSERT_TRUE(decoded) << decoded.error().describe();
            EXPECT_EQ(decoded->fetchedAt, std::nullopt);
        } else {
            ASSERT_FALSE(decoded);
            EXPECT_EQ(decoded.error().describe(), test.error);
        }
    }
}

TEST(ExchangeRatesJson, ReferenceDatesCountFrom2001) {
    EXPECT_EQ(ReferenceDate::toUnix(0), 978'307'200); // 2001-01-01T00:00:00Z
    double now = ReferenceDate::now();
    EXPECT_GT(now, 7e8); // after 2023
    EXPECT_LT(now, 2e9);
}

// ---- Currency category ------------------------------------------------------------------------

CurrencyCatalog catalog() {
    auto currency = [](std::string code, std::string symbol, std::string name) {
        return CurrencyInfo{code, symbol, LocalizedText{{{"en", name}}}};
    };
    return {"currency",
            LocalizedText{{{"en", "Currency"}}},
            "USD",
            {"USD", "EUR"},
            {currency("USD", "$", "US Dollar"), currency("EUR", "€", "Euro"),
             currency("GBP", "£", "Pound"), currency("JPY", "¥", "Yen"),
             currency("CHF", "Fr", "Franc"), currency("CNY", "¥", "Yuan")}};
}

std::vector<std::string> unitIds(const UnitCategory& category) {
    std::vector<std::string> ids;
    for (const auto& unit : category.units)
        ids.push_back(unit.id);
    return ids;
}

TEST(CurrencyCategory, WithoutRatesHasTheCatalogBaseAndNoUnits) {
    auto category = currencyCategory(catalog(), std::nullopt);
    EXPECT_EQ(category.id, "currency");
    EXPECT_EQ(category.name.resolve({"en"}), "Currency");
    EXPECT_EQ(category.base, "USD");
    EXPECT_TRUE(category.units.empty());
}

TEST(CurrencyCategory, KeepsOnlyCurrenciesWithAUsableRateInCatalogOrder) {
    ExchangeRates rates{"EUR",
                        {{"JPY", 160},
                         {"USD", 1.25},
                         {"CHF", 0},
                         {"CNY", std::numeric_limits<double>::quiet_NaN()},
                         {"XXX", 2}},
                        0,
                        "test",
                        std::nullopt};
    auto category = currencyCategory(catalog(), rates);
    EXPECT_EQ(category.base, "EUR");
    // GBP has no entry, CHF a zero rate, CNY NaN; XXX is not in the catalog.
    EXPECT_EQ(unitIds(category), (std::vector<std::string>{"USD", "EUR", "JPY"}));

    const auto* usd = category.unit("USD");
    EXPECT_EQ(usd->symbol, "USD") << "the code, not the currency's own symbol";
    EXPECT_EQ(usd->name.resolve({"en"}), "US Dollar");
    EXPECT_EQ(usd->conversion, Conversion(LinearConversion{0.8}));
    EXPECT_EQ(category.unit("EUR")->conversion, Conversion(LinearConversion{1}));
}

TEST(CurrencyCategory, BaseMissingFromTheMapStillConverts) {
    ExchangeRates rates{"USD", {{"EUR", 0.8}, {"JPY", 150}}, 0, "Frankfurter (ECB)", std::nullopt};
    auto category = currencyCategory(catalog(), rates);
    const auto& usd = category.unit("USD")->conversion;
    const auto& eur = category.unit("EUR")->conversion;
    const auto& jpy = category.unit("JPY")->conversion;
    EXPECT_DOUBLE_EQ(fromBase(eur, toBase(usd, 10)), 8);
    EXPECT_DOUBLE_EQ(fromBase(usd, toBase(eur, 8)), 10);
    EXPECT_DOUBLE_EQ(fromBase(jpy, toBase(eur, 1)), 187.5);
}

TEST(CurrencyCategory, BaseCountsAsOneEvenWhenTheMapDisagrees) {
    ExchangeRates rates{"USD", {{"USD", 0}, {"EUR", 0.5}}, 0, "relay", std::nullopt};
    auto category = currencyCategory(catalog(), rates);
    EXPECT_EQ(unitIds(category), (std::vector<std::string>{"USD", "EUR"}));
    EXPECT_EQ(category.unit("USD")->conversion, Conversion(LinearConversion{1}));
}

} // namespace
