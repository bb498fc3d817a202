// Exchange rates: the stored JSON form, the currency category built from a snapshot, and the
// client against real HTTP servers on loopback (source order, fallbacks, time and size limits,
// cancellation, Frankfurter's dates).
#include "RavoDozu/ExchangeRates.h"
#include "RavoDozu/RatesClient.h"

#include <chrono>
#include <cmath>

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "LoopbackServer.h"
#include "ScopedEnvironment.h"

using namespace ravodozu;
using namespace std::chrono_literals;
using zelvane::testing::LoopbackServer;

namespace {

const std::string relayBody =
    R"({"base":"USD","rates":{"EUR":0.9},"updatedAt":1710514800,"source":"Zelvane relay"})";
const std::string erapiBody = R"({"result":"success","base_code":"USD",
    "time_last_update_unix":1710460801,"rates":{"USD":1,"EUR":0.91},"provider":"x"})";
const std::string frankfurterBody = R"({"base":"USD","date":"2024-03-15","rates":{"EUR":0.92}})";

/// A JSON relay body padded to exactly `size` bytes.
std::string relayBodyOfSize(std::size_t size) {
    std::string head = R"({"base":"USD","rates":{},"updatedAt":0,"source":"big","pad":")";
    return head + std::string(size - head.size() - 2, 'x') + "\"}";
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

/// The two public services on loopback, answering well unless told otherwise.
struct PublicServices {
    LoopbackServer erapi, frankfurter;
    PublicServices(int erapiStatus = 200, std::string erapiText = erapiBody) {
        erapi.answer("/v6/latest/USD", erapiStatus, std::move(erapiText));
        frankfurter.answer("/v1/latest", 200, frankfurterBody);
    }
    RatesClient client(std::optional<std::string> relay, double timeout = 2) const {
        return RatesClient(std::move(relay), timeout, {erapi.base(), frankfurter.base()});
    }
};

TEST(RatesClientConfiguration, RelayOnlyWhenUsableAndHostsFromTheEnvironment) {
    const std::vector<RatesClient::Source> publicOnly{RatesClient::ExchangeRateAPI{},
                                                      RatesClient::Frankfurter{}};
    for (const char* unusable : {"", "ftp://relay.example/rates"})
        EXPECT_EQ(RatesClient(unusable).sources, publicOnly) << unusable;

    zelvane::testing::ScopedEnvironment environment{
        {"ZELVANE_RELAY_URL", "http://127.0.0.1:9/rates"},
        {"ZELVANE_ERAPI_BASE", "http://127.0.0.1:7/"},
        {"ZELVANE_RATES_TIMEOUT", "0.25"}};
    auto client = RatesClient::fromEnvironment();
    EXPECT_EQ(client.sources.size(), 3u);
    EXPECT_EQ(client.url(client.sources[1]), "http://127.0.0.1:7/v6/latest/USD");
    EXPECT_EQ(client.url(client.sources[2]), "https://api.frankfurter.app/v1/latest?base=USD");
    EXPECT_EQ(client.timeout, 0.25);
    for (const char* unusable : {"0", "5s", "inf"}) {
        zelvane::testing::ScopedEnvironment timeout{{"ZELVANE_RATES_TIMEOUT", unusable}};
        EXPECT_EQ(RatesClient::fromEnvironment().timeout, 10) << unusable;
    }
}

TEST(RatesClientFetch, TakesTheFirstSourceThatDeliversAnIntactSnapshot) {
    // What the relay answers (status 0: a 200 sent in chunks, without a declared length) and
    // ExchangeRate-API's body; the source taken, and the requests made.
    using Case = std::tuple<const char*, int, std::string, std::string, const char*, int>;
    const std::string erapiError =
        R"({"result":"error","base_code":"USD","time_last_update_unix":1,"rates":{}})";
    const Case cases[] = {
        {"relay delivers", 200, relayBody, erapiBody, "Zelvane relay", 1},
        {"relay unavailable", 503, relayBody, erapiBody, "ExchangeRate-API", 2},
        {"relay body over 4 MiB in chunks", 0, relayBodyOfSize(RatesClient::maximumBodySize + 1),
         erapiBody, "ExchangeRate-API", 2},
        {"ExchangeRate-API reports an error", 503, "", erapiError, "Frankfurter (ECB)", 3},
    };
    for (const auto& [name, relayStatus, relayText, erapi, expected, requests] : cases) {
        SCOPED_TRACE(name);
        PublicServices services(200, erapi);
        LoopbackServer relay;
        relay.answer("/rates", relayStatus ? relayStatus : 200, relayText, relayStatus == 0);
        auto result = services.client(relay.url("/rates")).fetchBlocking();
        ASSERT_TRUE(result);
        EXPECT_EQ(result->source, expected);
        EXPECT_EQ(relay.hits() + services.erapi.hits() + services.frankfurter.hits(), requests);
    }
}

TEST(RatesClientFetch, AServerThatTricklesCostsNoMoreThanTheTimeLimit) {
    constexpr double limit = 0.4;
    PublicServices services;
    LoopbackServer trickling;
    trickling.trickle("/rates");
    auto start = std::chrono::steady_clock::now();
    auto result = services.client(trickling.url("/rates"), limit).fetchBlocking();
    double elapsed = secondsSince(start);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->source, "ExchangeRate-API");
    EXPECT_GE(elapsed, limit - 0.05); // curl's timers may fire a hair early
    EXPECT_LT(elapsed, limit + 1.0);
}

TEST(RatesClientFetch, RunsOnItsOwnThreadAndCancelsAtOnce) {
    PublicServices services;
    LoopbackServer trickling;
    trickling.trickle("/rates");
    std::vector<std::string> attempts;
    std::thread::id fetchingThread;
    auto fetch = services.client(trickling.url("/rates"), 30).fetch([&](const auto& source) {
        fetchingThread = std::this_thread::get_id();
        attempts.emplace_back(RatesClient::displayName(source));
    });
    std::this_thread::sleep_for(200ms);
    auto start = std::chrono::steady_clock::now();
    fetch.cancel();
    ASSERT_EQ(fetch.result.wait_for(2s), std::future_status::ready);
    EXPECT_LT(secondsSince(start), 0.5);
    EXPECT_EQ(fetch.result.get().error(), RatesClient::RatesError::allSourcesFailed);
    EXPECT_EQ(attempts, std::vector<std::string>{"relay"}) << "the other sources are skipped";
    EXPECT_NE(fetchingThread, std::this_thread::get_id());
}

TEST(RatesClientBodies, FrankfurterDatesAreFourInTheAfternoonInBerlin) {
    constexpr double now = 123.5;
    const std::pair<const char*, double> cases[] = {
        // date, unix seconds (0 = now)
        {"2024-03-15", 1710514800}, // CET: 16:00 in Berlin is 15:00 UTC
        {"2024-07-01", 1719842400}, // CEST: 14:00 UTC
        {"2024-02-30", 0},
    };
    for (const auto& [date, unixSeconds] : cases) {
        auto body = R"({"base":"USD","date":")" + std::string(date) + R"(","rates":{}})";
        auto rates = RatesClient::parseBody(RatesClient::Frankfurter{}, body, now);
        ASSERT_TRUE(rates) << date;
        EXPECT_EQ(rates->updatedAt, unixSeconds ? ReferenceDate::fromUnix(unixSeconds) : now)
            << date;
    }
}

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
