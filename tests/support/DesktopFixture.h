// DesktopFixture: a fresh config home with its settings store for each desktop-object test,
// the bundled catalog, the panel's state over them, and waiting on the event loop.
#pragma once

#include <cstdlib>
#include <functional>
#include <memory>

#include <QTest>

#include <gtest/gtest.h>

#include "AppState.h"
#include "RavoDozu/UnitCatalog.h"
#include "SettingsStore.h"
#include "TempDirectory.h"

namespace zelvane::testing {

class DesktopFixture : public ::testing::Test {
  protected:
    DesktopFixture() { ::setenv("XDG_CONFIG_HOME", home.path().c_str(), 1); }

    static std::shared_ptr<const ravodozu::UnitCatalog> catalog() {
        static auto loaded = std::make_shared<const ravodozu::UnitCatalog>(
            ravodozu::UnitCatalog::loadBundled().value());
        return loaded;
    }
    std::unique_ptr<AppState> makeState() { return std::make_unique<AppState>(catalog(), store); }

    /// Runs the event loop until `done` holds or `milliseconds` pass; whether it held.
    static bool waitUntil(const std::function<bool()>& done, int milliseconds = 900) {
        return QTest::qWaitFor(done, milliseconds);
    }
    /// Runs the event loop for `milliseconds`.
    static void spin(int milliseconds) { QTest::qWait(milliseconds); }

    TempDirectory home;
    SettingsStore store{home.path() / "zelvane" / "settings.json"};
};

} // namespace zelvane::testing
