// The panel follows the settings file: another process's change reaches the running state
// objects, and the panel's own edits never write an older copy over it.
#include <gtest/gtest.h>

#include "AppState.h"
#include "CliFixture.h"
#include "DesktopFixture.h"
#include "DesktopSettings.h"
#include "SettingsWatcher.h"
#include "UserState.h"

namespace zelvane {
namespace {

class SettingsFollowTest : public testing::DesktopFixture {
  protected:
    void cli(std::vector<std::string> words) {
        ASSERT_EQ(testing::runCli(std::move(words)).exitCode, 0);
    }

    AppState app_{catalog(), store};
    DesktopSettings settings_{store};
    SettingsWatcher watcher_{store.path()};
};

TEST_F(SettingsFollowTest, AnEditAppliesToTheLatestFileAndKeepsAnotherProcessesChange) {
    // Another process changes the digits; the panel has not seen it yet when it pins a unit.
    ravodozu::UserPreferences other = UserState(store).preferences();
    other.significantDigits = 7;
    SettingsStore elsewhere(store.path());
    ASSERT_TRUE(UserState(elsewhere).setPreferences(other));

    const bool wasPinned = app_.pinnedUnits("length").contains("ft");
    app_.togglePinned("ft", "length");
    const auto stored = UserState(store).preferences();
    EXPECT_EQ(stored.significantDigits, 7) << "the pin must not write the old digits back";
    EXPECT_NE(app_.pinnedUnits("length").contains("ft"), wasPinned);
    EXPECT_EQ(app_.preferences().significantDigits, 7);
}

TEST_F(SettingsFollowTest, AChangeMadeWithTheCliReachesTheRunningPanel) {
    QObject::connect(&watcher_, &SettingsWatcher::changed, &app_, &AppState::reload);
    QObject::connect(&watcher_, &SettingsWatcher::changed, &settings_, &DesktopSettings::reload);
    auto preferences = nlohmann::json(app_.preferences().encode());
    preferences["significantDigits"] = 6;
    cli({"defaults", "write", "preferences", preferences.dump()});
    cli({"defaults", "write", "mac.copiesUnit", "false"});
    cli({"adopt", "pace"});

    EXPECT_TRUE(waitUntil([&] { return app_.preferences().significantDigits == 6; }, 2000));
    EXPECT_TRUE(waitUntil([&] { return !settings_.copiesUnit(); }, 2000));
    EXPECT_TRUE(waitUntil([&] { return !app_.customLibrary().conversions.empty(); }, 2000))
        << "an adopted template appears without a restart";
}

} // namespace
} // namespace zelvane
