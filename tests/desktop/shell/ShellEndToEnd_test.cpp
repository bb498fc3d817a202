// The real zelvane driven as a user would, on the X display of scripts/desktop-session.sh (keys
// and clicks through xdotool), and under faults of the process around it: many starts at once, a
// killed instance, the X server going away, a desktop without a tray host. Skipped without a
// display.
#include "AppProcesses.h"
#include "RavoDozu/CustomShare.h"

#include <QJsonDocument>
#include <QTest>

#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <csignal>

namespace {

using zelvane::testing::readFile;

class ShellEndToEnd : public zelvane::testing::AppProcesses {
  protected:
    /// Starts the instance as a later launch than the first, unless told.
    void launch(const QStringList& arguments = {}, bool first = false) {
        if (!first)
            writeDefault("mac.hasLaunched", "true");
        AppProcesses::launch(arguments);
    }
    /// A display of its own, without a window manager or a tray host; gone with `server`.
    static QString startDisplay(QProcess& server) {
        server.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
        if (!server.waitForReadyRead(10000))
            return {};
        return ":" + QString::fromUtf8(server.readLine()).trimmed();
    }
    bool panelVisibleOn(const QString& display) const {
        return !run("xdotool", {"search", "--onlyvisible", "--class", "zelvane"},
                    {{"DISPLAY", display}})
                    .text.isEmpty();
    }
    bool settingsAreValidJson() const {
        QJsonParseError error{};
        QJsonDocument::fromJson(QByteArray::fromStdString(readFile(settings())), &error);
        return error.error == QJsonParseError::NoError;
    }
};

/// Another X client holding Alt+Super+U, as a desktop's own shortcut would.
class ForeignGrab {
  public:
    ForeignGrab() : connection_(xcb_connect(nullptr, nullptr)) {}
    ~ForeignGrab() { xcb_disconnect(connection_); }
    /// Whether the keys (U with Mod1+Mod4, Num Lock off) could be grabbed by this client.
    bool grab() {
        const xcb_setup_t* setup = xcb_get_setup(connection_);
        const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
        const xcb_keycode_t u = keycodeOfU(setup);
        auto cookie = xcb_grab_key_checked(connection_, 1, root, XCB_MOD_MASK_1 | XCB_MOD_MASK_4, u,
                                           XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        xcb_generic_error_t* error = xcb_request_check(connection_, cookie);
        std::free(error);
        return error == nullptr;
    }

  private:
    xcb_keycode_t keycodeOfU(const xcb_setup_t* setup) {
        const int count = setup->max_keycode - setup->min_keycode + 1;
        auto* reply = xcb_get_keyboard_mapping_reply(
            connection_, xcb_get_keyboard_mapping(connection_, setup->min_keycode, count), nullptr);
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
        xcb_keycode_t found = 0;
        for (int index = 0; index < xcb_get_keyboard_mapping_keysyms_length(reply); ++index)
            if (syms[index] == 0x75) {
                found = setup->min_keycode + index / reply->keysyms_per_keycode;
                break;
            }
        std::free(reply);
        return found;
    }
    xcb_connection_t* connection_;
};

} // namespace

TEST_F(ShellEndToEnd, TheFirstLaunchShowsThePanelAndLaterOnesHandOverTheirCommand) {
    launch({}, true);
    EXPECT_TRUE(waitForPanel(true));
    EXPECT_EQ(readDefault("mac.hasLaunched"), "true");
    EXPECT_EQ(zelvane({"--quit"}).status, 0);
    ASSERT_TRUE(app_->waitForFinished(5000));
    EXPECT_EQ(app_->exitCode(), 0);

    launch();
    QTest::qWait(700);
    EXPECT_FALSE(panelShown());
    for (const auto& [arguments, shown] :
         {std::pair{QStringList{"--toggle"}, true}, {QStringList{"--toggle"}, false}, {{}, true}}) {
        EXPECT_EQ(zelvane(arguments).status, 0);
        EXPECT_TRUE(waitForPanel(shown)) << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(app_->state(), QProcess::Running);
}

TEST_F(ShellEndToEnd, ALinkGivenToALaterLaunchOpensItsPreviewAndReturnAddsIt) {
    launch({"--background"});
    ravodozu::CustomConversion brew;
    brew.name = "Brew";
    brew.units = {{"l", "Litre", "L", std::nullopt},
                  {"p", "Pint", "pt", ravodozu::CustomRule{ravodozu::CustomRule::Ratio{0.5}}}};
    const auto link = ravodozu::CustomShare::shareLink({brew});
    ASSERT_TRUE(link);
    // Longer than any item can be: refused by the launch, the running panel never hears of it.
    EXPECT_EQ(zelvane({"zelvane:" + QString(100'000, 'A')}).status, 2);
    EXPECT_EQ(zelvane({QString::fromStdString(*link)}).status, 0);
    ASSERT_TRUE(waitForPanel(true));
    EXPECT_EQ(readDefault("customLibrary"), "") << "nothing is added before the user accepts";
    key("Return"); // the preview's Add has the focus
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return readDefault("customLibrary").contains("Brew"); }, 5000));
    EXPECT_EQ(app_->state(), QProcess::Running);
}

TEST_F(ShellEndToEnd, TheHotKeyShowsAndHidesThePanel) {
    launch();
    key("alt+super+u");
    EXPECT_TRUE(waitForPanel(true));
    key("alt+super+u");
    EXPECT_TRUE(waitForPanel(false));
    // While held, no other program can have the keys.
    EXPECT_FALSE(ForeignGrab().grab());
}

TEST_F(ShellEndToEnd, NoHotKeyHoldsNoKeys) {
    writeDefault("mac.hotKey", "\"none\"");
    launch();
    EXPECT_TRUE(ForeignGrab().grab());
    key("alt+super+u");
    QTest::qWait(500);
    EXPECT_FALSE(panelShown());
}

TEST_F(ShellEndToEnd, KeysHeldByAnotherProgramAreReportedAndThePanelStillWorks) {
    ForeignGrab other;
    ASSERT_TRUE(other.grab());
    launch();
    EXPECT_TRUE(QTest::qWaitFor([&] { return appErrors().contains("held by another program"); }));
    EXPECT_EQ(zelvane({"--show"}).status, 0);
    EXPECT_TRUE(waitForPanel(true));
}

TEST_F(ShellEndToEnd, ClickingTheTrayIconToggles) {
    launch();
    QStringList icons;
    if (!QTest::qWaitFor([&] { return !(icons = windows(1, 64)).isEmpty(); }, 3000))
        GTEST_SKIP() << "no tray host (scripts/desktop-session.sh --tray)";
    run("xdotool", {"mousemove", "--window", icons.front(), "8", "8", "click", "1"});
    EXPECT_TRUE(waitForPanel(true));
    QTest::qWait(500);
    run("xdotool", {"mousemove", "--window", icons.front(), "8", "8", "click", "1"});
    EXPECT_TRUE(waitForPanel(false));
}

TEST_F(ShellEndToEnd, ClickingElsewhereHidesAPanelOutsideTheTaskbar) {
    writeDefault("mac.showsInDock", "false");
    launch({"--show"});
    ASSERT_TRUE(waitForPanel(true));
    run("xdotool", {"mousemove", "300", "800", "click", "1"});
    EXPECT_TRUE(waitForPanel(false));
}

TEST_F(ShellEndToEnd, TenStartsAtTheSameMomentEndWithOneInstance) {
    for (int index = 0; index < 10; ++index)
        start({"--background"});
    ASSERT_TRUE(listening());
    EXPECT_TRUE(QTest::qWaitFor([&] { return running() == 1; }, 8000)) << running() << " running";
    QTest::qWait(500);
    EXPECT_EQ(running(), 1);
    for (auto& process : processes_)
        EXPECT_TRUE(process->state() != QProcess::NotRunning || process->exitCode() == 0)
            << process->readAllStandardError().toStdString();
}

TEST_F(ShellEndToEnd, AnInstanceKilledOutrightIsReplacedByTheNextStart) {
    auto& killed = start({"--background"});
    ASSERT_TRUE(listening());
    ::kill(static_cast<pid_t>(killed.processId()), SIGKILL);
    ASSERT_TRUE(killed.waitForFinished(3000));
    ASSERT_TRUE(QFile::exists(socketPath())) << "the killed instance leaves its socket behind";

    auto& next = start({"--background"});
    QTest::qWait(1000);
    ASSERT_EQ(next.state(), QProcess::Running) << next.readAllStandardError().toStdString();
    EXPECT_TRUE(start({"--quit"}).waitForFinished(5000));
    EXPECT_TRUE(next.waitForFinished(5000)) << "the new instance took the socket";
    EXPECT_TRUE(settingsAreValidJson());
}

TEST_F(ShellEndToEnd, TheDisplayGoingAwayEndsTheProcessAndLeavesTheSettingsWhole) {
    QProcess server;
    const QString display = startDisplay(server);
    ASSERT_FALSE(display.isEmpty()) << "Xvfb did not start";
    auto& app = start({"--show"}, {{"DISPLAY", display}});
    ASSERT_TRUE(listening());
    QTest::qWait(500);
    server.terminate();
    server.waitForFinished(5000);
    EXPECT_TRUE(app.waitForFinished(5000)) << "still running with no display";
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit) << "not a crash";
    EXPECT_TRUE(settingsAreValidJson());
}

TEST_F(ShellEndToEnd, WithoutATrayHostTheAppSaysSoOnceAndAPlainLaunchShowsThePanel) {
    QProcess server;
    const QString display = startDisplay(server);
    ASSERT_FALSE(display.isEmpty()) << "Xvfb did not start";
    auto& app = start({"--background"}, {{"DISPLAY", display}});
    ASSERT_TRUE(listening());
    EXPECT_FALSE(panelVisibleOn(display));
    auto& again = start({}, {{"DISPLAY", display}});
    ASSERT_TRUE(again.waitForFinished(5000));
    EXPECT_EQ(again.exitCode(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return panelVisibleOn(display); }, 5000))
        << "nothing else could open it";

    ASSERT_TRUE(start({"--quit"}, {{"DISPLAY", display}}).waitForFinished(5000));
    ASSERT_TRUE(app.waitForFinished(5000));
    const QString errors = QString::fromUtf8(app.readAllStandardError());
    EXPECT_EQ(errors.count("no system tray here"), 1) << errors.toStdString();
    EXPECT_TRUE(errors.contains("with Alt+Super+U, by starting zelvane again"))
        << "the ways there are";
    server.terminate();
    server.waitForFinished(5000);
}
