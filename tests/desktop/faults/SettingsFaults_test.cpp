// A settings file that cannot be written: the panel says once what it could not save and keeps
// the changes in memory. What is kept of a damaged file is SettingsStoreLimits' test, against the
// store and zelvane-cli.
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
using SettingsFaults = testing::DesktopFixture;

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
