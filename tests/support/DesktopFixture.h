// DesktopFixture: a fresh config home with its settings store for each desktop-object test,
// the bundled catalog, and waiting on the event loop.
#pragma once

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

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

    /// Runs the event loop until `done` holds or `milliseconds` pass; whether it held.
    static bool waitUntil(const std::function<bool()>& done, int milliseconds = 900) {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > milliseconds)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(2);
        }
        return true;
    }
    /// Runs the event loop for `milliseconds`.
    static void spin(int milliseconds) {
        waitUntil([] { return false; }, milliseconds);
    }

    TempDirectory home;
    SettingsStore store{home.path() / "zelvane" / "settings.json"};
};

} // namespace zelvane::testing
