// A settings file that is garbage, cut short or cannot be written: the panel's state starts
// from what it can read, keeps a damaged file aside, and says once what it could not save.
#include <filesystem>

#include <gtest/gtest.h>

#include "AppState.h"
#include "DesktopFixture.h"
#include "LoopbackServer.h"
#include "MessageLog.h"
#include "ScopedEnvironment.h"

namespace zelvane {
namespace {

namespace fs = std::filesystem;
using ravodozu::RegionProfile;
using ravodozu::UserPreferences;
using SettingsFaults = testing::DesktopFixture;

TEST_F(SettingsFaults, GarbageOrACutShortFileKeepsWhatCameBeforeTheDamageAndIsKeptAside) {
    UserPreferences stored;
    stored.region = RegionProfile::japan;
    stored.hasCompletedOnboarding = true;
    ASSERT_TRUE(UserState(store).setPreferences(stored));
    ASSERT_TRUE(store.set("zz.later", SettingData{R"({"a long":"value that the cut falls in"})"}));
    const auto whole = testing::readFile(store.path());
    const std::string garbage = "\x89PNG\r\n\x1a\n not settings at all {{{";
    for (const auto& damaged : {garbage, whole.substr(0, whole.size() - 20)}) {
        SCOPED_TRACE(damaged);
        auto file = home.write("zelvane/settings.json", damaged);
        auto state = makeState();
        const auto region = damaged == garbage ? state->preferences().region : stored.region;
        if (damaged == garbage)
            EXPECT_EQ(state->preferences().significantDigits, UserPreferences{}.significantDigits);
        else
            EXPECT_EQ(state->preferences(), stored);
        EXPECT_TRUE(state->setPreference("significantDigits", 7));
        EXPECT_EQ(testing::readFile(store.damagedCopyPath()), damaged);
        SettingsStore reread(file);
        EXPECT_EQ(reread.readProblem(), std::nullopt);
        EXPECT_EQ(UserState(reread).preferences().significantDigits, 7);
        EXPECT_EQ(UserState(reread).preferences().region, region);
    }
}

TEST_F(SettingsFaults, AFileThatCannotBeWrittenIsReportedOnceAndTheChangesStayInMemory) {
    // A folder where the file belongs refuses reads and writes even to root.
    fs::create_directories(store.path());
    testing::MessageLog warnings([](QtMsgType type, const QMessageLogContext&, const QString&) {
        return type == QtWarningMsg;
    });
    auto state = makeState(); // the first run stores the region it detected
    EXPECT_TRUE(state->setPreference("significantDigits", 6));
    EXPECT_TRUE(state->setPreference("region", "japan"));

    testing::LoopbackServer server;
    server.answer("/rates", 200, testing::relayRates);
    auto sources = testing::ScopedEnvironment::rateSources(server.base());
    state->refreshRates();
    EXPECT_TRUE(waitUntil([&] { return state->ratesStatus() == AppState::updated; }));

    EXPECT_EQ(state->preferences().significantDigits, 6);
    EXPECT_EQ(state->preferences().region, RegionProfile::japan);
    EXPECT_TRUE(state->hasRates());
    ASSERT_EQ(warnings.messages().size(), 1) << warnings.messages().join("\n").toStdString();
    EXPECT_TRUE(warnings.messages().front().contains(QString::fromStdString(store.path())));
    EXPECT_TRUE(fs::is_directory(store.path())) << "nothing was put in its place";
}

} // namespace
} // namespace zelvane
