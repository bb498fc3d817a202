// RatesClient: fetches a fresh ExchangeRates snapshot from an ordered list of sources.
#pragma once

#include <functional>
#include <future>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "RavoDozu/ExchangeRates.h"
#include "RavoDozu/Result.h"

namespace ravodozu {

/// Tries its sources one after another, one GET each with `timeout` as the limit of the whole
/// transfer, and returns the first snapshot that arrives intact. Holds no state between calls;
/// a value that may be copied freely, and copies fetch independently.
class RatesClient {
  public:
    /// The product's relay, answering with {"base", "rates", "updatedAt", "source"}.
    struct Relay {
        std::string url; ///< The whole URL; its path is "/rates".
        bool operator==(const Relay&) const = default;
    };
    /// ExchangeRate-API's open-access service: GET /v6/latest/USD.
    struct ExchangeRateAPI {
        bool operator==(const ExchangeRateAPI&) const = default;
    };
    /// Frankfurter (ECB reference rates): GET /v1/latest?base=USD.
    struct Frankfurter {
        bool operator==(const Frankfurter&) const = default;
    };
    using Source = std::variant<Relay, ExchangeRateAPI, Frankfurter>;

    enum class RatesError {
        badResponse,      ///< A source answered in a form that cannot be used.
        allSourcesFailed, ///< No source delivered a snapshot (or the fetch was cancelled).
    };
    using FetchResult = Result<ExchangeRates, RatesError>;

    /// Scheme and host of the two public services (deployment configuration).
    struct Hosts {
        std::string exchangeRateAPI = "https://open.er-api.com";
        std::string frankfurter = "https://api.frankfurter.app";
        bool operator==(const Hosts&) const = default;
    };

    std::vector<Source> sources;
    double timeout = 10; ///< Seconds, per request.
    Hosts hosts;

    /// Sources: the relay when `relayURL` is a usable http(s) URL, then ExchangeRate-API, then
    /// Frankfurter.
    explicit RatesClient(std::optional<std::string> relayURL, double timeout = 10)
        : RatesClient(std::move(relayURL), timeout, Hosts()) {}
    RatesClient(std::optional<std::string> relayURL, double timeout, Hosts hosts);

    /// The client as deployed: ZELVANE_RELAY_URL (no relay when unset), ZELVANE_ERAPI_BASE and
    /// ZELVANE_FRANKFURTER_BASE over the built-in hosts, ZELVANE_RATES_TIMEOUT in seconds
    /// (fractions allowed; 10 when unset or not a positive number).
    static RatesClient fromEnvironment();

    /// The URL a source is fetched from.
    std::string url(const Source& source) const;
    /// "ExchangeRate-API", "Frankfurter (ECB)", or "relay" — for progress messages.
    static std::string_view displayName(const Source& source);

    /// Called on the fetching thread just before a source is tried.
    using AttemptObserver = std::function<void(const Source&)>;
    /// Called on the fetching thread with the outcome, before the future becomes ready.
    using Completion = std::function<void(const FetchResult&)>;

    /// A running fetch. Dropping it neither waits for nor stops the fetch.
    struct Fetch {
        std::future<FetchResult> result;
        std::stop_source stopSource;
        /// Aborts the transfer in flight at once and skips the remaining sources; the result
        /// is then allSourcesFailed.
        void cancel() { stopSource.request_stop(); }
    };

    /// Starts a fetch on its own thread.
    Fetch fetch(AttemptObserver onAttempt = {}, Completion onComplete = {}) const;
    /// The same fetch on the calling thread; `stop` cancels it.
    FetchResult fetchBlocking(std::stop_token stop = {},
                              const AttemptObserver& onAttempt = {}) const;

    /// Decodes one source's response body into a snapshot without `fetchedAt`. `now` stands in
    /// for a Frankfurter date that does not parse.
    static Result<ExchangeRates, RatesError> parseBody(const Source& source, std::string_view body,
                                                       double now = ReferenceDate::now());

    /// Bodies above this size are not read to the end; the source has failed.
    static constexpr std::size_t maximumBodySize = 4 * 1024 * 1024;

    bool operator==(const RatesClient&) const = default;
};

/// "bad response", "all sources failed".
std::string_view describe(RatesClient::RatesError error);

} // namespace ravodozu
