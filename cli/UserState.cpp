#include "UserState.h"

#include <algorithm>
#include <iostream>

#include "DefaultsStore.h"
#include "RavoDozu/PlatformLocale.h"

namespace zelvane::cli {

using namespace ravodozu;

namespace {
UserPreferences storedPreferences(const DefaultsStore& store) {
    auto bytes = store.data("preferences");
    auto decoded = bytes ? UserPreferences::decode(std::string_view(*bytes))
                         : Result<UserPreferences, DecodingError>(UserPreferences{});
    UserPreferences preferences = decoded ? std::move(decoded).value() : UserPreferences{};
    // Until the first run is through, the region follows the locale; reading never writes.
    if (!preferences.hasCompletedOnboarding)
        preferences.region = RegionProfile::detect(PlatformLocale::regionCode(),
                                                   PlatformLocale::preferredLanguages());
    return preferences;
}
} // namespace

const UserState& UserState::load(const Session& session) {
    static const UserState state = [&] {
        UserState loaded;
        auto& store = DefaultsStore::standard();
        loaded.preferences = std::make_shared<const UserPreferences>(storedPreferences(store));
        if (auto bytes = store.data("rates"))
            if (auto rates = parseExchangeRates(*bytes))
                loaded.rates = std::make_shared<const ExchangeRates>(std::move(rates).value());
        CustomLibrary library;
        if (auto bytes = store.data("customLibrary")) {
            auto decoded = decodeCustomLibraryData(*bytes);
            if (decoded)
                library = std::move(decoded).value();
            else
                loaded.libraryProblem = decoded.error().describe();
        }
        loaded.library = std::make_shared<const CustomLibrary>(std::move(library));
        // Settings that exist but cannot be read at all: go on with defaults, but say so.
        if (!store.lastError().empty())
            std::cerr << "zelvane-cli: " << store.lastError() << "\n";
        loaded.context_ = std::make_shared<const ConversionContext>(
            session.sharedCatalog(), loaded.preferences, loaded.rates, loaded.library);
        return loaded;
    }();
    return state;
}

std::vector<std::string> UserState::categoryIds() const {
    std::vector<std::string> ids = allCategoryIds();
    // In library order, which is the user's display order; a repeated id is listed once.
    for (const auto& conversion : library->conversions) {
        auto id = "custom." + conversion.id;
        if (std::ranges::find(ids, id) == ids.end())
            ids.push_back(id);
    }
    return ids;
}

std::shared_ptr<const ConversionContext> sessionContext(const Session& session) {
    const auto& state = UserState::load(session);
    if (!session.languageOverride)
        return state.sharedContext();
    auto preferences = std::make_shared<UserPreferences>(*state.preferences);
    preferences->languageCode = session.languageOverride;
    return std::make_shared<const ConversionContext>(session.sharedCatalog(), preferences,
                                                     state.rates, state.library);
}

} // namespace zelvane::cli
