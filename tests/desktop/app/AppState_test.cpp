// AppState: loading the stored state, the first-run region, when rates are refreshed (how a
// refresh fails is in faults/RatesFaults_test.cpp), the library cache, and the names and languages
// of the interface.
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "AppState.h"
#include "DesktopFixture.h"
#include "DesktopLanguage.h"
#include "LibraryCache.h"
#include "LoopbackServer.h"
#include "ScopedEnvironment.h"
#include "SettingsKeys.h"

namespace zelvane {
namespace {

using ravodozu::RegionProfile;
using ravodozu::UserPreferences;
using testing::LoopbackServer;
using testing::ScopedEnvironment;

const std::string brewLibrary =
    R"({"version":1,"conversions":[{"id":"brew","name":"Brew","units":[{"id":"cup","name":"Cup"}]}],"extras":[]})";

class AppStateTest : public testing::DesktopFixture {
  protected:
    void storeRates(double ageSeconds) {
        ravodozu::ExchangeRates rates{"USD",
                                      {{"EUR", 0.5}},
                                      ravodozu::ReferenceDate::now() - ageSeconds,
                                      "stored",
                                      std::nullopt};
        ASSERT_TRUE(UserState(store).setRates(rates));
    }
};

TEST_F(AppStateTest, FirstLaunchDetectsTheRegionAndStoresIt) {
    ScopedEnvironment locale{{"LC_ALL", "en_US.UTF-8"}};
    for (const char* stored : {"", "not json"}) {
        SCOPED_TRACE(stored);
        if (*stored) {
            ASSERT_TRUE(store.set(keys::preferences, SettingData{stored}));
        }
        auto state = makeState();
        EXPECT_EQ(state->preferences().region, RegionProfile::unitedStates);
        EXPECT_TRUE(state->preferences().hasCompletedOnboarding);
        EXPECT_EQ(UserState(store).preferences(), state->preferences());
        EXPECT_FALSE(state->hasRates());
        EXPECT_EQ(state->ratesStatus(), AppState::idle);
    }
}

TEST_F(AppStateTest, SetPreferenceTakesOnlyWhatTheRecordReadsBack) {
    auto state = makeState();
    QSignalSpy changed(state.get(), &AppState::preferencesChanged);
    EXPECT_TRUE(state->setPreference("significantDigits", 6));
    EXPECT_TRUE(state->setPreference("languageCode", "de"));
    EXPECT_TRUE(state->setPreference("region", "japan"));
    EXPECT_FALSE(state->setPreference("significantDigits", "six"));
    EXPECT_FALSE(state->setPreference("region", "atlantis"));
    EXPECT_FALSE(state->setPreference("noSuchField", true));
    EXPECT_EQ(changed.count(), 3);
    auto stored = UserState(store).preferences();
    EXPECT_EQ(stored.significantDigits, 6);
    EXPECT_EQ(stored.region, RegionProfile::japan);
    EXPECT_EQ(state->preferences().languageCode, "de");
    EXPECT_EQ(state->preferencesMap().value("significantDigits").toInt(), 6);

    EXPECT_TRUE(state->setPreference("languageCode", QVariant()));
    EXPECT_FALSE(UserState(store).preferences().languageCode.has_value());
}

TEST_F(AppStateTest, RefreshIfNeededFollowsTheAgeRule) {
    using Case = std::tuple<double, bool, bool>;
    for (auto [ageHours, autoUpdate, fetches] :
         {Case{11, true, false}, Case{13, true, true}, Case{13, false, false}}) {
        SCOPED_TRACE(ageHours);
        LoopbackServer server;
        server.answer("/rates", 200, testing::relayRates);
        auto sources = ScopedEnvironment::rateSources(server.base());
        storeRates(ageHours * 3600);
        auto state = makeState();
        state->setPreference("autoUpdateRates", autoUpdate);
        state->refreshRatesIfNeeded();
        if (fetches)
            EXPECT_TRUE(waitUntil([&] { return state->ratesStatus() == AppState::updated; }));
        else
            EXPECT_EQ(state->ratesStatus(), AppState::idle);
        EXPECT_EQ(server.hits(), fetches ? 1 : 0);
    }
}

TEST_F(AppStateTest, RefreshWithoutRatesFetchesOnceAndStoresTheSnapshot) {
    LoopbackServer server;
    server.answer("/rates", 200, testing::relayRates);
    auto sources = ScopedEnvironment::rateSources(server.base());
    auto state = makeState();
    QSignalSpy statuses(state.get(), &AppState::ratesStatusChanged);
    state->refreshRatesIfNeeded();
    state->refreshRates();
    EXPECT_EQ(state->ratesStatus(), AppState::loading);
    ASSERT_TRUE(waitUntil([&] { return state->ratesStatus() == AppState::updated; }));
    EXPECT_EQ(server.hits(), 1);
    EXPECT_EQ(statuses.count(), 2);
    EXPECT_EQ(state->rates()->source, "relay");
    EXPECT_EQ(UserState(store).rates(), *state->rates());
    EXPECT_EQ(state->ratesInfo().value("updatedAt").toDouble(), 733000000) << "Unix seconds";
}

TEST(LibraryCacheTest, DecodesOnlyChangedBytes) {
    LibraryCache cache;
    auto first = cache.library(brewLibrary);
    EXPECT_EQ(first->conversions.at(0).name, "Brew");
    EXPECT_EQ(cache.library(brewLibrary), first);
    EXPECT_EQ(cache.decodeCount(), 1);
    EXPECT_TRUE(cache.library(std::nullopt)->isEmpty());
    EXPECT_TRUE(cache.library(std::string("not json"))->isEmpty());
    EXPECT_EQ(cache.decodeCount(), 3);
}

// Category names are CategoryNames' test, the language list DisplayLanguage's.
TEST_F(AppStateTest, LanguagesAreNamedInTheirOwnLanguage) {
    auto state = makeState();
    state->setPreference("languageCode", "de");
    EXPECT_EQ(state->languageDisplayName("fr"), "Français");
    EXPECT_EQ(state->languageDisplayName("zh-Hant"), "中文（繁體）");
    EXPECT_EQ(state->languageDisplayName(""), "");
}

} // namespace
} // namespace zelvane
