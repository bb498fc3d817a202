#include "RavoDozu/RatesClient.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>

#include <unicode/locid.h>
#include <unicode/parsepos.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include "CurlLibrary.h"
#include "JsonReader.h"
#include "RateMapReader.h"

namespace ravodozu {

namespace {

using detail::JsonReader;

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

/// An http or https URL with a host.
bool isUsableURL(const std::string& text) {
    const auto* curl = detail::CurlLibrary::get();
    if (!curl)
        return false;
    std::unique_ptr<CURLU, decltype(curl->url_cleanup)> url(curl->url(), curl->url_cleanup);
    if (!url || curl->url_set(url.get(), CURLUPART_URL, text.c_str(), 0) != CURLUE_OK)
        return false;
    char* scheme = nullptr;
    char* host = nullptr;
    bool usable = curl->url_get(url.get(), CURLUPART_SCHEME, &scheme, 0) == CURLUE_OK &&
                  curl->url_get(url.get(), CURLUPART_HOST, &host, 0) == CURLUE_OK &&
                  (std::string_view(scheme) == "http" || std::string_view(scheme) == "https") &&
                  *host != '\0';
    curl->free(scheme);
    curl->free(host);
    return usable;
}

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value)
        return std::nullopt;
    return value;
}

std::string withoutTrailingSlash(std::string base) {
    while (base.ends_with('/'))
        base.pop_back();
    return base;
}

// ---- Response bodies --------------------------------------------------------------------------

/// Midnight of a "yyyy-MM-dd" day in Berlin, in seconds since 1970; none when it does not parse.
std::optional<double> berlinMidnight(std::string_view text) {
    // One formatter for the process: building it is costly, and parsing mutates its calendar,
    // hence the lock.
    static std::mutex mutex;
    static const std::unique_ptr<icu::SimpleDateFormat> format = [] {
        UErrorCode status = U_ZERO_ERROR;
        auto made = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString(u"yyyy-MM-dd"),
                                                            icu::Locale("en_US_POSIX"), status);
        if (U_FAILURE(status))
            return std::unique_ptr<icu::SimpleDateFormat>();
        made->adoptTimeZone(icu::TimeZone::createTimeZone(u"Europe/Berlin"));
        made->setLenient(false);
        return made;
    }();
    if (!format)
        return std::nullopt;

    auto unicode = icu::UnicodeString::fromUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    std::lock_guard lock(mutex);
    icu::ParsePosition position(0);
    UDate milliseconds = format->parse(unicode, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != unicode.length())
        return std::nullopt;
    return milliseconds / 1000;
}

ExchangeRates readRelayBody(const JsonReader& body) {
    ExchangeRates rates;
    rates.base = body["base"].string();
    rates.rates = detail::readRateMap(body["rates"]);
    rates.updatedAt = ReferenceDate::fromUnix(body["updatedAt"].number());
    rates.source = body["source"].string();
    return rates;
}

std::optional<ExchangeRates> readExchangeRateAPIBody(const JsonReader& body) {
    ExchangeRates rates;
    std::string result = body["result"].string();
    rates.base = body["base_code"].string();
    rates.updatedAt = ReferenceDate::fromUnix(body["time_last_update_unix"].number());
    rates.rates = detail::readRateMap(body["rates"]);
    rates.source = "ExchangeRate-API";
    if (result != "success")
        return std::nullopt;
    return rates;
}

ExchangeRates readFrankfurterBody(const JsonReader& body, double now) {
    // The ECB publishes its reference rates at about 16:00 Berlin time on the day named.
    constexpr double publicationTime = 57'600;
    ExchangeRates rates;
    rates.base = body["base"].string();
    auto midnight = berlinMidnight(body["date"].string());
    rates.updatedAt = midnight ? ReferenceDate::fromUnix(*midnight + publicationTime) : now;
    rates.rates = detail::readRateMap(body["rates"]);
    rates.source = "Frankfurter (ECB)";
    return rates;
}

// ---- Transfer ---------------------------------------------------------------------------------

size_t appendBody(char* data, size_t size, size_t count, void* target) {
    auto& body = *static_cast<std::string*>(target);
    size_t length = size * count;
    // Returning less than given aborts the transfer: an oversized body is never read to its end.
    if (body.size() + length > RatesClient::maximumBodySize)
        return 0;
    body.append(data, length);
    return length;
}

/// One easy transfer driven by its own multi handle, so that a stop request can wake the wait
/// at once instead of at curl's next progress tick.
class Transfer {
  public:
    explicit Transfer(const detail::CurlLibrary& curl)
        : curl_(curl), easy_(curl.easy_init()), multi_(curl.multi_init()) {}
    ~Transfer() {
        if (added_)
            curl_.multi_remove_handle(multi_, easy_);
        if (multi_)
            curl_.multi_cleanup(multi_);
        if (easy_)
            curl_.easy_cleanup(easy_);
    }
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    /// The body of a 200 response; none on any transfer failure or other status.
    std::optional<std::string> get(const std::string& url, double timeout,
                                   const std::stop_token& stop) {
        if (!easy_ || !multi_)
            return std::nullopt;
        std::string body;
        bool secure = url.starts_with("https:");
        long limit = std::isfinite(timeout) && timeout > 0.001
                         ? static_cast<long>(std::min(timeout, 86'400.0) * 1000)
                         : 1L;
        curl_.easy_setopt(easy_, CURLOPT_URL, url.c_str());
        curl_.easy_setopt(easy_, CURLOPT_HTTPGET, 1L);
        curl_.easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_.easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, 1L);
        curl_.easy_setopt(easy_, CURLOPT_MAXREDIRS, 5L);
        // A secure request is never redirected to plain HTTP.
        curl_.easy_setopt(easy_, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
        curl_.easy_setopt(easy_, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_.easy_setopt(easy_, CURLOPT_SSL_VERIFYHOST, 2L);
        // The limit covers the whole transfer, so a server trickling bytes cannot hold it open.
        curl_.easy_setopt(easy_, CURLOPT_TIMEOUT_MS, limit);
        curl_.easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, limit);
        curl_.easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
        curl_.easy_setopt(easy_, CURLOPT_MAXFILESIZE_LARGE,
                          static_cast<curl_off_t>(RatesClient::maximumBodySize));
        curl_.easy_setopt(easy_, CURLOPT_WRITEFUNCTION, appendBody);
        curl_.easy_setopt(easy_, CURLOPT_WRITEDATA, &body);
        if (curl_.multi_add_handle(multi_, easy_) != CURLM_OK)
            return std::nullopt;
        added_ = true;

        std::stop_callback wake(stop, [this] { curl_.multi_wakeup(multi_); });
        int running = 1;
        while (!stop.stop_requested()) {
            if (curl_.multi_perform(multi_, &running) != CURLM_OK || running == 0)
                break;
            if (curl_.multi_poll(multi_, nullptr, 0, 1000, nullptr) != CURLM_OK)
                break;
        }
        if (running != 0)
            return std::nullopt; // stopped, or the multi handle failed

        CURLcode outcome = CURLE_FAILED_INIT;
        int queued = 0;
        while (CURLMsg* message = curl_.multi_info_read(multi_, &queued))
            if (message->msg == CURLMSG_DONE)
                outcome = message->data.result;
        long status = 0;
        curl_.easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &status);
        if (outcome != CURLE_OK || status != 200)
            return std::nullopt;
        return body;
    }

  private:
    const detail::CurlLibrary& curl_;
    CURL* easy_;
    CURLM* multi_;
    bool added_ = false;
};

} // namespace

RatesClient::RatesClient(std::optional<std::string> relayURL, double timeout, Hosts hosts)
    : timeout(timeout), hosts(std::move(hosts)) {
    bool withRelay = relayURL && isUsableURL(*relayURL);
    sources.reserve(3);
    if (withRelay)
        sources.emplace_back(std::in_place_type<Relay>, Relay{std::move(*relayURL)});
    sources.emplace_back(std::in_place_type<ExchangeRateAPI>);
    sources.emplace_back(std::in_place_type<Frankfurter>);
}

RatesClient RatesClient::fromEnvironment() {
    Hosts hosts;
    if (auto base = environment("ZELVANE_ERAPI_BASE"))
        hosts.exchangeRateAPI = *base;
    if (auto base = environment("ZELVANE_FRANKFURTER_BASE"))
        hosts.frankfurter = *base;
    double timeout = 10;
    if (auto text = environment("ZELVANE_RATES_TIMEOUT")) {
        double seconds = 0;
        auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), seconds);
        if (error == std::errc() && end == text->data() + text->size() && seconds > 0 &&
            std::isfinite(seconds))
            timeout = seconds;
    }
    return RatesClient(environment("ZELVANE_RELAY_URL"), timeout, std::move(hosts));
}

std::string RatesClient::url(const Source& source) const {
    return std::visit(Overloaded{
                          [](const Relay& relay) { return relay.url; },
                          [&](const ExchangeRateAPI&) {
                              return withoutTrailingSlash(hosts.exchangeRateAPI) + "/v6/latest/USD";
                          },
                          [&](const Frankfurter&) {
                              return withoutTrailingSlash(hosts.frankfurter) +
                                     "/v1/latest?base=USD";
                          },
                      },
                      source);
}

std::string_view RatesClient::displayName(const Source& source) {
    return std::visit(
        Overloaded{
            [](const Relay&) { return std::string_view("relay"); },
            [](const ExchangeRateAPI&) { return std::string_view("ExchangeRate-API"); },
            [](const Frankfurter&) { return std::string_view("Frankfurter (ECB)"); },
        },
        source);
}

Result<ExchangeRates, RatesClient::RatesError>
RatesClient::parseBody(const Source& source, std::string_view body, double now) {
    auto document = detail::parseJson(body);
    if (!document)
        return fail(RatesError::badResponse);
    auto decoded = detail::decodeWith([&] {
        JsonReader reader(*document);
        return std::visit(
            Overloaded{
                [&](const Relay&) { return std::optional(readRelayBody(reader)); },
                [&](const ExchangeRateAPI&) { return readExchangeRateAPIBody(reader); },
                [&](const Frankfurter&) { return std::optional(readFrankfurterBody(reader, now)); },
            },
            source);
    });
    if (!decoded || !*decoded)
        return fail(RatesError::badResponse);
    return std::move(**decoded);
}

RatesClient::FetchResult RatesClient::fetchBlocking(std::stop_token stop,
                                                    const AttemptObserver& onAttempt) const {
    const auto* curl = detail::CurlLibrary::get();
    for (const auto& source : sources) {
        if (stop.stop_requested())
            break;
        if (onAttempt)
            onAttempt(source);
        auto body = curl ? Transfer(*curl).get(url(source), timeout, stop) : std::nullopt;
        if (!body || stop.stop_requested())
            continue;
        auto snapshot = parseBody(source, *body);
        if (!snapshot)
            continue;
        snapshot->fetchedAt = ReferenceDate::now();
        return snapshot;
    }
    return fail(RatesError::allSourcesFailed);
}

RatesClient::Fetch RatesClient::fetch(AttemptObserver onAttempt, Completion onComplete) const {
    Fetch handle;
    std::promise<FetchResult> promise;
    handle.result = promise.get_future();
    // The thread owns a copy of everything it uses, so nobody has to wait for it.
    std::thread([client = *this, promise = std::move(promise), stop = handle.stopSource.get_token(),
                 onAttempt = std::move(onAttempt), onComplete = std::move(onComplete)]() mutable {
        auto result = client.fetchBlocking(stop, onAttempt);
        if (onComplete)
            onComplete(result);
        promise.set_value(std::move(result));
    }).detach();
    return handle;
}

std::string_view describe(RatesClient::RatesError error) {
    switch (error) {
    case RatesClient::RatesError::badResponse:
        return "bad response";
    case RatesClient::RatesError::allSourcesFailed:
        return "all sources failed";
    }
    return "unknown error";
}

} // namespace ravodozu
