// rates: the stored exchange-rate snapshot, and fetching a fresh one.
#include <cmath>
#include <iostream>
#include <memory>

#include <unicode/datefmt.h>
#include <unicode/locid.h>
#include <unicode/reldatefmt.h>

#include "Command.h"
#include "RavoDozu/ExchangeRates.h"
#include "RavoDozu/RatesClient.h"
#include "StoredState.h"

namespace zelvane::cli {
namespace {

using nlohmann::json;
using ravodozu::ExchangeRates;
using ravodozu::RatesClient;
using ravodozu::ReferenceDate::toUnix;

int rates(Arguments& arguments, const Session& session);

const Command ratesCommand{
    "rates", "[--refresh] [--json]",
    "the stored exchange rates: source, base, dates and age; --refresh fetches new ones first",
    rates};
const bool registered = registerCommand(ratesCommand);

/// Dates and ages in the user's locale and time zone (ICU reads TZ).
class DateTexts {
  public:
    explicit DateTexts(const std::string& localeId) : locale_(localeId.c_str()) {
        dates_.reset(icu::DateFormat::createDateTimeInstance(icu::DateFormat::kMedium,
                                                             icu::DateFormat::kMedium, locale_));
        UErrorCode status = U_ZERO_ERROR;
        ages_ = std::make_unique<icu::RelativeDateTimeFormatter>(locale_, status);
        if (U_FAILURE(status))
            ages_.reset();
    }

    std::string date(double referenceSeconds) const {
        icu::UnicodeString text;
        if (dates_)
            dates_->format(toUnix(referenceSeconds) * 1000, text);
        std::string utf8;
        return text.toUTF8String(utf8);
    }

    /// "3 hours ago" in the largest whole unit that fits.
    std::string age(double referenceSeconds, double now) const {
        double seconds = now - referenceSeconds;
        double magnitude = std::abs(seconds);
        auto [count, unit] = magnitude < 60      ? std::pair{magnitude, UDAT_REL_UNIT_SECOND}
                             : magnitude < 3600  ? std::pair{magnitude / 60, UDAT_REL_UNIT_MINUTE}
                             : magnitude < 86400 ? std::pair{magnitude / 3600, UDAT_REL_UNIT_HOUR}
                                                 : std::pair{magnitude / 86400, UDAT_REL_UNIT_DAY};
        count = std::floor(count);
        icu::UnicodeString text;
        UErrorCode status = U_ZERO_ERROR;
        if (ages_)
            ages_->formatNumeric(seconds >= 0 ? -count : count, unit, text, status);
        std::string utf8;
        return U_SUCCESS(status) ? text.toUTF8String(utf8) : utf8;
    }

  private:
    icu::Locale locale_;
    std::unique_ptr<icu::DateFormat> dates_;
    std::unique_ptr<icu::RelativeDateTimeFormatter> ages_;
};

void printSnapshot(const ExchangeRates& snapshot, bool asJson, const Session& session) {
    if (asJson) {
        json object = {{"base", snapshot.base},
                       {"source", snapshot.source},
                       {"updatedAt", toUnix(snapshot.updatedAt)},
                       {"rates", snapshot.rates}};
        if (snapshot.fetchedAt)
            object["fetchedAt"] = toUnix(*snapshot.fetchedAt);
        printJson(object);
        return;
    }
    DateTexts texts(session.numberLocale);
    double now = ravodozu::ReferenceDate::now();
    std::cout << "Source:  " << snapshot.source << "\n"
              << "Base:    " << snapshot.base << "\n"
              << "Rates:   " << snapshot.rates.size() << "\n"
              << "Updated: " << texts.date(snapshot.updatedAt) << " ("
              << texts.age(snapshot.updatedAt, now) << ")\n";
    if (snapshot.fetchedAt)
        std::cout << "Fetched: " << texts.date(*snapshot.fetchedAt) << " ("
                  << texts.age(*snapshot.fetchedAt, now) << ")\n";
}

int rates(Arguments& arguments, const Session& session) {
    bool refresh = arguments.flag("--refresh");
    bool asJson = arguments.flag("--json");
    if (!arguments.finish(0, 0))
        return usage(ratesCommand, arguments.problem());
    auto& state = userState();

    if (refresh) {
        auto client = RatesClient::fromEnvironment();
        auto fetch = client.fetch([&client](const RatesClient::Source& source) {
            std::cerr << "Fetching rates from " << RatesClient::displayName(source) << " ("
                      << client.url(source) << ")…\n";
        });
        auto fetched = fetch.result.get();
        if (!fetched)
            return failWith("could not refresh exchange rates: " +
                            std::string(ravodozu::describe(fetched.error())));
        if (auto stored = state.setRates(*fetched); !stored)
            return failWith("could not store exchange rates: " + stored.error().message);
        printSnapshot(*fetched, asJson, session);
        return success;
    }

    if (!state.record(keys::rates))
        return failWith("no exchange rates stored in " + state.path().string() +
                        "; run zelvane-cli rates --refresh");
    auto stored = state.rates();
    if (!stored)
        return failWith(
            "the stored exchange rates cannot be read; run zelvane-cli rates --refresh");
    printSnapshot(*stored, asJson, session);
    return success;
}

} // namespace
} // namespace zelvane::cli
