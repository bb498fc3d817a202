// RatesClient against real HTTP servers on loopback: source order, fallbacks, time limits,
// body limits, cancellation, and the sources' body formats.
#include "RavoDozu/RatesClient.h"

#include <chrono>
#include <cstdlib>

#include <gtest/gtest.h>

#include "LoopbackServer.h"

using namespace ravodozu;
using namespace std::chrono_literals;
using zelvane::testing::LoopbackServer;
using zelvane::testing::SilentPort;
using Error = RatesClient::RatesError;

namespace {

const std::string relayBody =
    R"({"base":"USD","rates":{"EUR":0.9,"GBP":0.8},"updatedAt":1710514800,"source":"Zelvane relay"})";
const std::string exchangeRateAPIBody =
    R"({"result":"success","base_code":"USD","time_last_update_unix":1710460801,
        "rates":{"USD":1,"EUR":0.91},"provider":"https://www.exchangerate-api.com"})";
const std::string frankfurterBody =
    R"({"amount":1.0,"base":"USD","date":"2024-03-15","rates":{"EUR":0.92}})";

/// A JSON relay body padded to exactly `size` bytes.
std::string paddedRelayBody(std::size_t size) {
    std::string head = R"({"base":"USD","rates":{},"updatedAt":0,"source":"big","pad":")";
    std::string tail = "\"}";
    return head + std::string(size - head.size() - tail.size(), 'x') + tail;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

/// The three sources, each a loopback server, and a client with a short time limit.
struct Sources {
    LoopbackServer relay, exchangeRateAPI, frankfurter;

    RatesClient client(double timeout = 2) const {
        return RatesClient(relay.url("/rates"), timeout,
                           {exchangeRateAPI.base(), frankfurter.base()});
    }
    void answerAll(int relayStatus, std::string relay, int erapiStatus, std::string erapi,
                   int frankfurterStatus, std::string frankfurterText) {
        this->relay.answer("/rates", relayStatus, std::move(relay));
        exchangeRateAPI.answer("/v6/latest/USD", erapiStatus, std::move(erapi));
        frankfurter.answer("/v1/latest", frankfurterStatus, std::move(frankfurterText));
    }
};

// ---- Configuration ----------------------------------------------------------------------------

TEST(RatesClientConfiguration, RelayComesFirstOnlyWhenItsURLIsUsable) {
    using Sources = std::vector<RatesClient::Source>;
    const Sources publicOnly{RatesClient::ExchangeRateAPI{}, RatesClient::Frankfurter{}};
    EXPECT_EQ(RatesClient(std::nullopt).sources, publicOnly);
    for (const char* unusable :
         {"", "relay.example/rates", "ftp://relay.example/rates", "https://"})
        EXPECT_EQ(RatesClient(unusable).sources, publicOnly) << unusable;
    EXPECT_EQ(RatesClient("https://relay.example/rates").sources,
              (Sources{RatesClient::Relay{"https://relay.example/rates"},
                       RatesClient::ExchangeRateAPI{}, RatesClient::Frankfurter{}}));
}

TEST(RatesClientConfiguration, PublicServicesDefaultToTheirHTTPSHosts) {
    RatesClient client(std::nullopt);
    EXPECT_EQ(client.timeout, 10);
    EXPECT_EQ(client.url(RatesClient::ExchangeRateAPI{}), "https://open.er-api.com/v6/latest/USD");
    EXPECT_EQ(client.url(RatesClient::Frankfurter{}),
              "https://api.frankfurter.app/v1/latest?base=USD");
}

TEST(RatesClientConfiguration, EnvironmentOverridesHostsRelayAndTimeout) {
    setenv("ZELVANE_RELAY_URL", "http://127.0.0.1:9/rates", 1);
    setenv("ZELVANE_ERAPI_BASE", "http://127.0.0.1:7/", 1);
    setenv("ZELVANE_FRANKFURTER_BASE", "http://127.0.0.1:8", 1);
    setenv("ZELVANE_RATES_TIMEOUT", "0.25", 1);
    auto client = RatesClient::fromEnvironment();
    EXPECT_EQ(client.sources.front(),
              RatesClient::Source(RatesClient::Relay{"http://127.0.0.1:9/rates"}));
    EXPECT_EQ(client.url(RatesClient::ExchangeRateAPI{}), "http://127.0.0.1:7/v6/latest/USD");
    EXPECT_EQ(client.url(RatesClient::Frankfurter{}), "http://127.0.0.1:8/v1/latest?base=USD");
    EXPECT_EQ(client.timeout, 0.25);

    for (const char* unusable : {"0", "-3", "ten", "5s", "inf"}) {
        setenv("ZELVANE_RATES_TIMEOUT", unusable, 1);
        EXPECT_EQ(RatesClient::fromEnvironment().timeout, 10) << unusable;
    }
    for (const char* name : {"ZELVANE_RELAY_URL", "ZELVANE_ERAPI_BASE", "ZELVANE_FRANKFURTER_BASE",
                             "ZELVANE_RATES_TIMEOUT"})
        unsetenv(name);
    EXPECT_EQ(RatesClient::fromEnvironment(), RatesClient(std::nullopt));
}

// ---- Fetching ---------------------------------------------------------------------------------

TEST(RatesClientFetch, TakesTheFirstSourceThatDeliversAnIntactSnapshot) {
    struct Case {
        const char* name;
        int relayStatus;
        std::string relay;
        int erapiStatus;
        std::string erapi;
        const char* expectedSource;
        int expectedFrankfurterHits;
    };
    const Case cases[] = {
        {"relay delivers", 200, relayBody, 200, exchangeRateAPIBody, "Zelvane relay", 0},
        {"relay unavailable", 503, relayBody, 200, exchangeRateAPIBody, "ExchangeRate-API", 0},
        {"relay answers 201", 201, relayBody, 200, exchangeRateAPIBody, "ExchangeRate-API", 0},
        {"relay sends an HTML error page", 200, "<html><body>Bad gateway</body></html>", 200,
         exchangeRateAPIBody, "ExchangeRate-API", 0},
        {"relay sends nothing", 200, "", 200, exchangeRateAPIBody, "ExchangeRate-API", 0},
        {"relay body lacks its source", 200, R"({"base":"USD","rates":{},"updatedAt":1})", 200,
         exchangeRateAPIBody, "ExchangeRate-API", 0},
        {"relay body over the size limit", 200, paddedRelayBody(RatesClient::maximumBodySize + 1),
         200, exchangeRateAPIBody, "ExchangeRate-API", 0},
        {"relay body at the size limit", 200, paddedRelayBody(RatesClient::maximumBodySize), 200,
         exchangeRateAPIBody, "big", 0},
        {"ExchangeRate-API reports an error", 503, "", 200,
         R"({"result":"error","base_code":"USD","time_last_update_unix":1,"rates":{}})",
         "Frankfurter (ECB)", 1},
        {"ExchangeRate-API's own error body", 500, "", 200,
         R"({"result":"error","error-type":"unsupported-code"})", "Frankfurter (ECB)", 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        Sources sources;
        sources.answerAll(test.relayStatus, test.relay, test.erapiStatus, test.erapi, 200,
                          frankfurterBody);
        auto result = sources.client().fetchBlocking();
        ASSERT_TRUE(result);
        EXPECT_EQ(result->source, test.expectedSource);
        EXPECT_EQ(sources.relay.hits(), 1);
        EXPECT_EQ(sources.frankfurter.hits(), test.expectedFrankfurterHits);
    }
}

TEST(RatesClientFetch, SnapshotCarriesTheSourcesDatesAndTheTimeOfFetching) {
    Sources sources;
    sources.answerAll(200, relayBody, 200, exchangeRateAPIBody, 200, frankfurterBody);
    double before = ReferenceDate::now();
    auto result = sources.client().fetchBlocking();
    ASSERT_TRUE(result);
    EXPECT_EQ(*result, (ExchangeRates{"USD",
                                      {{"EUR", 0.9}, {"GBP", 0.8}},
                                      ReferenceDate::fromUnix(1710514800),
                                      "Zelvane relay",
                                      result->fetchedAt}));
    ASSERT_TRUE(result->fetchedAt);
    EXPECT_GE(*result->fetchedAt, before);
    EXPECT_LE(*result->fetchedAt, ReferenceDate::now());
    EXPECT_EQ(sources.exchangeRateAPI.hits(), 0);
}

TEST(RatesClientFetch, EverySourceFailingIsAllSourcesFailed) {
    Sources sources;
    sources.answerAll(503, relayBody, 404, exchangeRateAPIBody, 200, "{\"base\":\"USD\"}");
    auto result = sources.client().fetchBlocking();
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error(), Error::allSourcesFailed);
    EXPECT_EQ(describe(result.error()), "all sources failed");
    EXPECT_EQ(sources.relay.hits() + sources.exchangeRateAPI.hits() + sources.frankfurter.hits(), 3)
        << "each source is asked exactly once";

    RatesClient empty(std::nullopt);
    empty.sources.clear();
    EXPECT_EQ(empty.fetchBlocking().error(), Error::allSourcesFailed);
}

TEST(RatesClientFetch, AnUnreachableSourceIsSkipped) {
    Sources sources;
    sources.answerAll(200, relayBody, 200, exchangeRateAPIBody, 200, frankfurterBody);
    RatesClient client("http://127.0.0.1:1/rates", 2,
                       {sources.exchangeRateAPI.base(), sources.frankfurter.base()});
    auto result = client.fetchBlocking();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->source, "ExchangeRate-API");
}

TEST(RatesClientFetch, ServersThatStallOrTrickleCostNoMoreThanTheTimeLimit) {
    constexpr double limit = 0.4;
    for (bool trickle : {false, true}) {
        SCOPED_TRACE(trickle ? "trickling relay" : "silent relay");
        Sources sources;
        sources.answerAll(200, relayBody, 200, exchangeRateAPIBody, 200, frankfurterBody);
        SilentPort silent;
        LoopbackServer trickling;
        trickling.trickle("/rates");
        RatesClient client((trickle ? trickling.base() : silent.base()) + "/rates", limit,
                           {sources.exchangeRateAPI.base(), sources.frankfurter.base()});

        auto start = std::chrono::steady_clock::now();
        auto result = client.fetchBlocking();
        double elapsed = secondsSince(start);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->source, "ExchangeRate-API");
        EXPECT_GE(elapsed, limit - 0.05); // curl's timers may fire a hair early
        EXPECT_LT(elapsed, limit + 1.0);
    }
}

TEST(RatesClientFetch, RunsOffTheCallersThreadAndReportsEachAttempt) {
    Sources sources;
    sources.answerAll(503, "", 200, exchangeRateAPIBody, 200, frankfurterBody);
    std::vector<std::string> attempts;
    std::thread::id fetchingThread;
    std::optional<std::string> completedWith;
    auto fetch = sources.client().fetch(
        [&](const RatesClient::Source& source) {
            fetchingThread = std::this_thread::get_id();
            attempts.emplace_back(RatesClient::displayName(source));
        },
        [&](const RatesClient::FetchResult& result) { completedWith = result->source; });
    auto result = fetch.result.get();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->source, "ExchangeRate-API");
    EXPECT_EQ(attempts, (std::vector<std::string>{"relay", "ExchangeRate-API"}));
    EXPECT_NE(fetchingThread, std::this_thread::get_id());
    EXPECT_EQ(completedWith, "ExchangeRate-API") << "the callback runs before the result is ready";
}

TEST(RatesClientFetch, CancellingStopsTheTransferAtOnceAndSkipsTheRest) {
    Sources sources;
    sources.answerAll(200, relayBody, 200, exchangeRateAPIBody, 200, frankfurterBody);
    SilentPort silent;
    RatesClient client(silent.base() + "/rates", 30,
                       {sources.exchangeRateAPI.base(), sources.frankfurter.base()});
    auto fetch = client.fetch();
    std::this_thread::sleep_for(200ms);
    auto start = std::chrono::steady_clock::now();
    fetch.cancel();
    ASSERT_EQ(fetch.result.wait_for(2s), std::future_status::ready);
    EXPECT_LT(secondsSince(start), 0.5);
    auto result = fetch.result.get();
    ASSERT_FALSE(result);
    EXPECT_EQ(result.error(), Error::allSourcesFailed);
    EXPECT_EQ(sources.exchangeRateAPI.hits() + sources.frankfurter.hits(), 0);
}

TEST(RatesClientFetch, CopiesFetchIndependentlyAtTheSameTime) {
    Sources sources;
    sources.answerAll(200, relayBody, 200, exchangeRateAPIBody, 200, frankfurterBody);
    auto client = sources.client();
    auto other = client;
    other.sources.erase(other.sources.begin());
    auto first = client.fetch();
    auto second = other.fetch();
    EXPECT_EQ(first.result.get()->source, "Zelvane relay");
    EXPECT_EQ(second.result.get()->source, "ExchangeRate-API");
}

// ---- Response bodies --------------------------------------------------------------------------

TEST(RatesClientBodies, FrankfurterDatesAreFourInTheAfternoonInBerlin) {
    constexpr double now = 123.5;
    struct Case {
        const char* date;
        double unixSeconds; ///< Of updatedAt; NaN for "now".
    };
    const double useNow = std::nan("");
    const Case cases[] = {
        {"2024-03-15", 1710514800}, // CET: 16:00 in Berlin is 15:00 UTC
        {"2024-07-01", 1719842400}, // CEST: 14:00 UTC
        {"2023-12-31", 1704034800}, {"15.03.2024", useNow}, {"2024-03-15T00:00:00Z", useNow},
        {"2024-02-30", useNow},     {"", useNow},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.date);
        auto body = R"({"base":"USD","date":")" + std::string(test.date) + R"(","rates":{}})";
        auto rates = RatesClient::parseBody(RatesClient::Frankfurter{}, body, now);
        ASSERT_TRUE(rates);
        if (std::isnan(test.unixSeconds))
            EXPECT_EQ(rates->updatedAt, now);
        else
            EXPECT_EQ(ReferenceDate::toUnix(rates->updatedAt), test.unixSeconds);
    }
}

TEST(RatesClientBodies, DecodeEachSourcesFormStrictly) {
    using Source = RatesClient::Source;
    struct Case {
        const char* name;
        Source source;
        std::string body;
        bool decodes;
    };
    const Case cases[] = {
        {"relay", RatesClient::Relay{"x"}, relayBody, true},
        {"relay with a partial map", RatesClient::Relay{"x"},
         R"({"base":"USD","rates":{"EUR":-1},"updatedAt":0,"source":"r"})", true},
        {"relay date as text", RatesClient::Relay{"x"},
         R"({"base":"USD","rates":{},"updatedAt":"now","source":"r"})", false},
        {"ExchangeRate-API", RatesClient::ExchangeRateAPI{}, exchangeRateAPIBody, true},
        {"ExchangeRate-API result other than success", RatesClient::ExchangeRateAPI{},
         R"({"result":"Success","base_code":"USD","time_last_update_unix":1,"rates":{}})", false},
        {"ExchangeRate-API rate as text", RatesClient::ExchangeRateAPI{},
         R"({"result":"success","base_code":"USD","time_last_update_unix":1,"rates":{"EUR":"1"}})",
         false},
        {"Frankfurter", RatesClient::Frankfurter{}, frankfurterBody, true},
        {"Frankfurter without a date", RatesClient::Frankfurter{},
         R"({"base":"USD","rates":{"EUR":0.92}})", false},
        {"a relay body to Frankfurter", RatesClient::Frankfurter{}, relayBody, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        auto rates = RatesClient::parseBody(test.source, test.body);
        EXPECT_EQ(rates.hasValue(), test.decodes);
        if (!rates) {
            EXPECT_EQ(rates.error(), Error::badResponse);
        }
    }
    auto erapi = RatesClient::parseBody(RatesClient::ExchangeRateAPI{}, exchangeRateAPIBody);
    EXPECT_EQ(*erapi, (ExchangeRates{"USD",
                                     {{"USD", 1}, {"EUR", 0.91}},
                                     ReferenceDate::fromUnix(1710460801),
                                     "ExchangeRate-API",
                                     std::nullopt}));
}

} // namespace
