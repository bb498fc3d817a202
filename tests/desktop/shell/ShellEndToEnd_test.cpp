// The real zelvane driven as a user would, on the X display of scripts/desktop-session.sh: keys
// through xdotool, the clipboard through xclip. Skipped without a display.
#include "TempDirectory.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <memory>

namespace {

using zelvane::testing::TempDirectory;

struct Output {
    int status;
    QString text;
};

class ShellEndToEnd : public ::testing::Test {
  protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs an X display (scripts/desktop-session.sh)";
        QDir().mkpath(runtime());
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void TearDown() override {
        if (app_ && app_->state() != QProcess::NotRunning) {
            app_->kill();
            app_->waitForFinished();
        }
    }

    QString runtime() const { return QString::fromStdString(home_.path() / "run"); }

    QProcessEnvironment environment() const {
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(home_.path() / "config"));
        environment.insert("XDG_RUNTIME_DIR", runtime());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        return environment;
    }

    Output run(const QString& program, const QStringList& arguments) const {
        QProcess process;
        process.setProcessEnvironment(environment());
        process.start(program, arguments);
        process.waitForFinished(10000);
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()).trimmed()};
    }
    Output zelvane(const QStringList& arguments) const { return run(ZELVANE_APP, arguments); }
    void writeDefault(const QString& key, const QString& json) const {
        ASSERT_EQ(run(ZELVANE_CLI, {"defaults", "write", key, json}).status, 0);
    }
    QString readDefault(const QString& key) const {
        return run(ZELVANE_CLI, {"defaults", "read", key}).text;
    }

    /// Starts the instance and waits until it answers a second start.
    void launch(const QStringList& arguments = {}) {
        app_ = std::make_unique<QProcess>();
        app_->setProcessEnvironment(environment());
        app_->setProcessChannelMode(QProcess::SeparateChannels);
        app_->start(ZELVANE_APP, arguments);
        ASSERT_TRUE(app_->waitForStarted());
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(runtime() + "/zelvane.socket"); }));
        QTest::qWait(300);
    }
    QString appErrors() { return QString::fromUtf8(app_->readAllStandardError()); }

    /// The app's visible windows at least `minimumWidth` wide (the panel; the tray icon is small).
    QStringList windows(int minimumWidth, int maximumWidth = 100000) const {
        const QString pid = QString::number(app_->processId());
        QStringList found;
        for (const QString& id : run("xdotool", {"search", "--onlyvisible", "--pid", pid})
                                     .text.split('\n', Qt::SkipEmptyParts)) {
            const QString shape = run("xdotool", {"getwindowgeometry", "--shell", id}).text;
            const int width = shape.section("WIDTH=", 1).section('\n', 0, 0).toInt();
            if (width >= minimumWidth && width <= maximumWidth)
                found << id;
        }
        return found;
    }
    bool panelShown() const { return !windows(300).isEmpty(); }
    bool waitForPanel(bool shown) const {
        return QTest::qWaitFor([&] { return panelShown() == shown; }, 5000);
    }
    void key(const QString& keys) const { run("xdotool", {"key", "--clearmodifiers", keys}); }

    TempDirectory home_;
    std::unique_ptr<QProcess> app_;
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

TEST_F(ShellEndToEnd, TheFirstLaunchShowsThePanelAndLaterOnesStartHidden) {
    launch();
    EXPECT_TRUE(waitForPanel(true));
    EXPECT_EQ(readDefault("mac.hasLaunched"), "true");
    EXPECT_EQ(zelvane({"--quit"}).status, 0);
    ASSERT_TRUE(app_->waitForFinished(5000));
    EXPECT_EQ(app_->exitCode(), 0);

    launch();
    QTest::qWait(700);
    EXPECT_FALSE(panelShown());
}

TEST_F(ShellEndToEnd, ASecondLaunchHandsItsCommandToTheRunningPanel) {
    writeDefault("mac.hasLaunched", "true");
    launch();
    EXPECT_EQ(zelvane({"--toggle"}).status, 0);
    EXPECT_TRUE(waitForPanel(true));
    EXPECT_EQ(zelvane({"--toggle"}).status, 0);
    EXPECT_TRUE(waitForPanel(false));
    EXPECT_EQ(zelvane({}).status, 0);
    EXPECT_TRUE(waitForPanel(true));
    EXPECT_EQ(zelvane({"--hide"}).status, 0);
    EXPECT_TRUE(waitForPanel(false));
    EXPECT_EQ(zelvane({"--show", "nowhere"}).status, 2);
    EXPECT_EQ(app_->state(), QProcess::Running);
}

TEST_F(ShellEndToEnd, TheHotKeyShowsAndHidesThePanel) {
    writeDefault("mac.hasLaunched", "true");
    launch();
    key("alt+super+u");
    EXPECT_TRUE(waitForPanel(true));
    key("alt+super+u");
    EXPECT_TRUE(waitForPanel(false));
    // While held, no other program can have the keys.
    EXPECT_FALSE(ForeignGrab().grab());
}

TEST_F(ShellEndToEnd, NoHotKeyHoldsNoKeys) {
    writeDefault("mac.hasLaunched", "true");
    writeDefault("mac.hotKey", "\"none\"");
    launch();
    EXPECT_TRUE(ForeignGrab().grab());
    key("alt+super+u");
    QTest::qWait(500);
    EXPECT_FALSE(panelShown());
}

TEST_F(ShellEndToEnd, KeysHeldByAnotherProgramAreReportedAndThePanelStillWorks) {
    writeDefault("mac.hasLaunched", "true");
    ForeignGrab other;
    ASSERT_TRUE(other.grab());
    launch();
    EXPECT_TRUE(QTest::qWaitFor([&] { return appErrors().contains("held by another program"); }));
    EXPECT_EQ(zelvane({"--show"}).status, 0);
    EXPECT_TRUE(waitForPanel(true));
}

TEST_F(ShellEndToEnd, ReturnOnATypedPhraseCopiesTheResult) {
    writeDefault("mac.hasLaunched", "true");
    launch({"--show"});
    ASSERT_TRUE(waitForPanel(true));
    const QString panel = windows(300).front();
    run("xdotool", {"windowactivate", "--sync", panel});
    QTest::qWait(300);
    run("xdotool", {"type", "--delay", "20", "5 km to mi"});
    key("Return");
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return run("xclip", {"-o", "-selection", "clipboard"}).text.startsWith("3.1");
    }));
    EXPECT_TRUE(run("xclip", {"-o", "-selection", "clipboard"}).text.endsWith("mi"));
    EXPECT_TRUE(readDefault("mac.recents").contains("\"toUnitId\":\"mi\""));
}

TEST_F(ShellEndToEnd, ClickingTheTrayIconToggles) {
    writeDefault("mac.hasLaunched", "true");
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

TEST_F(ShellEndToEnd, ClickingElsewhereHidesThePanelUnlessItIsInTheTaskbar) {
    writeDefault("mac.hasLaunched", "true");
    writeDefault("mac.showsInDock", "false");
    launch({"--show"});
    ASSERT_TRUE(waitForPanel(true));
    run("xdotool", {"mousemove", "300", "800", "click", "1"});
    EXPECT_TRUE(waitForPanel(false));

    writeDefault("mac.showsInDock", "true");
    EXPECT_EQ(zelvane({"--quit"}).status, 0);
    ASSERT_TRUE(app_->waitForFinished(5000));
    launch({"--show"});
    ASSERT_TRUE(waitForPanel(true));
    run("xdotool", {"mousemove", "300", "800", "click", "1"});
    QTest::qWait(500);
    EXPECT_TRUE(panelShown());
}
