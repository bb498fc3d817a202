#include "DesktopFixture.h"
#include "DesktopSettings.h"
#include "GlobalShortcut.h"
#include "GnomeKeybinding.h"
#include "HotKey.h"
#include "KdeShortcut.h"
#include "PrivateBus.h"
#include "ShortcutPortal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

using namespace zelvane;
using zelvane::testing::PrivateBus;

namespace {

const QString desktopPath = "/org/freedesktop/portal/desktop";
const QString shortcutsInterface = "org.freedesktop.portal.GlobalShortcuts";

/// One entry of the a(sa{sv}) shortcut lists: those a bind asks for, and those it bound.
struct BoundShortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const BoundShortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, BoundShortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

/// What a client asked of BindShortcuts: shortcut id → its properties.
struct BindCall {
    QString session;
    QMap<QString, QVariantMap> shortcuts;
};

// The desktop's portal service as the client meets it: the GlobalShortcuts interface, a
// request object per call that answers with its Response signal, and session objects the
// client closes.
class StandInPortal : public QDBusVirtualObject {
  public:
    explicit StandInPortal(QDBusConnection bus) : bus_(std::move(bus)) {
        qDBusRegisterMetaType<BoundShortcut>();
        qDBusRegisterMetaType<QList<BoundShortcut>>();
        bus_.registerService("org.freedesktop.portal.Desktop");
        bus_.registerVirtualObject(desktopPath, this, QDBusConnection::SubPath);
    }

    /// The response code BindShortcuts' request answers with: 1 is the user's cancel.
    uint bindAnswer = 0;
    /// Whether a successful answer lists the bound shortcut, as a working portal does.
    bool listsBound = true;
    QList<BindCall> binds;
    QStringList openSessions, closedSessions;

    void activate(const QString& session, const QString& id) {
        auto signal = QDBusMessage::createSignal(desktopPath, shortcutsInterface, "Activated");
        signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(42)
               << QVariantMap();
        bus_.send(signal);
    }

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        const QString member = message.member();
        if (message.interface() == "org.freedesktop.DBus.Properties" && member == "Get")
            return reply(connection, message, QVariant::fromValue(QDBusVariant(uint(1))));
        if (member == "Close") {
            if (openSessions.removeOne(message.path()))
                closedSessions << message.path();
            return reply(connection, message, {});
        }
        if (member == "CreateSession")
            return createSession(connection, message);
        if (member == "BindShortcuts")
            return bindShortcuts(connection, message);
        return false;
    }

  private:
    static QString pathFor(const QDBusMessage& message, const QString& kind, const QString& token) {
        QString sender = message.service().mid(1);
        sender.replace('.', '_');
        return desktopPath + "/" + kind + "/" + sender + "/" + token;
    }
    static QVariantMap mapAt(const QDBusMessage& message, int index) {
        return qdbus_cast<QVariantMap>(message.arguments().at(index));
    }
    static bool reply(const QDBusConnection& connection, const QDBusMessage& message,
                      const QVariant& value) {
        connection.send(value.isValid() ? message.createReply(value) : message.createReply());
        return true;
    }
    // Replies with the request's path, then answers on it, as the portal does.
    bool answer(const QDBusConnection& connection, const QDBusMessage& message, int optionsAt,
                uint response, const QVariantMap& results) {
        const QString request =
            pathFor(message, "request", mapAt(message, optionsAt)["handle_token"].toString());
        reply(connection, message, QVariant::fromValue(QDBusObjectPath(request)));
        auto signal = QDBusMessage::createTargetedSignal(
            message.service(), request, "org.freedesktop.portal.Request", "Response");
        signal << response << results;
        connection.send(signal);
        return true;
    }
    bool createSession(const QDBusConnection& connection, const QDBusMessage& message) {
        const QString session =
            pathFor(message, "session", mapAt(message, 0)["session_handle_token"].toString());
        openSessions << session;
        return answer(connection, message, 0, 0, {{"session_handle", session}});
    }
    bool bindShortcuts(const QDBusConnection& connection, const QDBusMessage& message) {
        BindCall call{message.arguments().at(0).value<QDBusObjectPath>().path(), {}};
        for (const auto& [id, properties] :
             qdbus_cast<QList<BoundShortcut>>(message.arguments().at(1)))
            call.shortcuts.insert(id, properties);
        binds << call;
        QList<BoundShortcut> listed;
        if (listsBound)
            for (const auto& id : call.shortcuts.keys())
                listed << BoundShortcut{id, {{"trigger_description", "Press Alt+Super+U"}}};
        return answer(connection, message, 3, bindAnswer,
                      {{"shortcuts", QVariant::fromValue(listed)}});
    }

    QDBusConnection bus_;
};

// A client and a stand-in portal on a private bus, each on a connection of its own.
class ShortcutPortalTest : public zelvane::testing::DesktopFixture {
  protected:
    void SetUp() override { ASSERT_FALSE(bus_.address().isEmpty()) << "dbus-daemon did not start"; }

    /// Binds `choice` and waits for the portal's answer; whether it bound.
    bool bind(HotKeyChoice choice) {
        QSignalSpy bound(&client_, &ShortcutPortal::bound);
        QSignalSpy failed(&client_, &ShortcutPortal::failed);
        client_.bind(HotKey::combination(choice));
        waitUntil([&] { return bound.count() + failed.count() > 0; }, 3000);
        return bound.count() == 1;
    }

    PrivateBus bus_;
    StandInPortal portal_{bus_.connect()};
    ShortcutPortal client_{bus_.connect()};
};

} // namespace

TEST_F(ShortcutPortalTest, BindsTheToggleShortcutInANewSessionAndOnlyThatActivates) {
    ASSERT_TRUE(bind(HotKeyChoice::ctrlAltU));
    ASSERT_EQ(portal_.binds.size(), 1);
    const BindCall& call = portal_.binds[0];
    EXPECT_EQ(portal_.openSessions, QStringList{call.session});
    EXPECT_EQ(client_.session(), call.session);
    ASSERT_EQ(call.shortcuts.keys(), QStringList{"toggle"});
    EXPECT_EQ(call.shortcuts["toggle"]["preferred_trigger"].toString(), "CTRL+ALT+u");
    EXPECT_EQ(call.shortcuts["toggle"]["description"].toString(),
              qtTrId("panel.hotKey.portalDescription"));

    QSignalSpy activated(&client_, &ShortcutPortal::activated);
    portal_.activate(*client_.session(), "toggle");
    EXPECT_TRUE(waitUntil([&] { return activated.count() == 1; }));
    portal_.activate(*client_.session(), "another");
    portal_.activate(desktopPath + "/session/someone_else/zelvane1", "toggle");
    spin(100);
    EXPECT_EQ(activated.count(), 1);
}

TEST_F(ShortcutPortalTest, AChangedChoiceClosesTheOldSessionAndNoneBindsNothing) {
    ASSERT_TRUE(bind(HotKeyChoice::altSuperU));
    EXPECT_EQ(portal_.binds[0].shortcuts["toggle"]["preferred_trigger"].toString(), "ALT+LOGO+u");
    const QString first = *client_.session();
    ASSERT_TRUE(bind(HotKeyChoice::altSpace));
    EXPECT_TRUE(waitUntil([&] { return portal_.closedSessions == QStringList{first}; }));
    ASSERT_EQ(portal_.binds.size(), 2);
    EXPECT_NE(portal_.binds[1].session, first);
    EXPECT_EQ(portal_.binds[1].shortcuts["toggle"]["preferred_trigger"].toString(), "ALT+space");

    QSignalSpy activated(&client_, &ShortcutPortal::activated);
    portal_.activate(first, "toggle");
    const QString second = *client_.session();
    client_.bind(HotKey::combination(HotKeyChoice::none));
    EXPECT_TRUE(waitUntil([&] { return portal_.openSessions.isEmpty(); }));
    spin(100);
    EXPECT_EQ(portal_.closedSessions, (QStringList{first, second}));
    EXPECT_EQ(portal_.binds.size(), 2);
    EXPECT_FALSE(client_.session());
    EXPECT_EQ(activated.count(), 0);
}

// A cancelled bind, and a success that lists no shortcut (a portal that bound nothing).
TEST_F(ShortcutPortalTest, AFailedBindIsReportedAndALaterChoiceStillBindsAndNamesItsKeys) {
    for (auto [answer, lists, reason] :
         {std::tuple{1u, true, "cancelled"}, {0u, false, "bound none"}}) {
        portal_.bindAnswer = answer;
        portal_.listsBound = lists;
        QSignalSpy failed(&client_, &ShortcutPortal::failed);
        EXPECT_FALSE(bind(HotKeyChoice::altSuperU));
        ASSERT_EQ(failed.count(), 1);
        EXPECT_TRUE(failed[0][0].toString().contains(reason))
            << qPrintable(failed[0][0].toString());
    }
    EXPECT_TRUE(waitUntil([&] { return portal_.openSessions.isEmpty(); }));
    EXPECT_FALSE(client_.session());

    portal_.bindAnswer = 0;
    portal_.listsBound = true;
    QSignalSpy bound(&client_, &ShortcutPortal::bound);
    EXPECT_TRUE(bind(HotKeyChoice::altSuperU));
    EXPECT_EQ(bound[0][0].toString(), "Press Alt+Super+U");
}

TEST_F(ShortcutPortalTest, ABusWithoutThePortalIsReportedAtOnce) {
    PrivateBus empty;
    ShortcutPortal alone(empty.connect());
    QSignalSpy reported(&alone, &ShortcutPortal::failed);
    QElapsedTimer clock;
    clock.start();
    alone.bind(HotKey::combination(HotKeyChoice::altSuperU));
    ASSERT_TRUE(waitUntil([&] { return reported.count() == 1; }, 2000));
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_TRUE(reported[0][0].toString().contains("no global shortcuts portal"))
        << qPrintable(reported[0][0].toString());
    EXPECT_FALSE(alone.session());
}

namespace {

// GNOME's settings of this test's own config home, in a key file.
class GnomeShortcutTest : public zelvane::testing::DesktopFixture {
  protected:
    void SetUp() override {
        ::setenv("GSETTINGS_BACKEND", "keyfile", 1);
        ::setenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME", 1);
        ASSERT_TRUE(GnomeKeybinding::isAvailable()) << "GNOME's keybinding schemas are missing";
    }
    void TearDown() override {
        for (const char* name : {"GSETTINGS_BACKEND", "XDG_CURRENT_DESKTOP", "WAYLAND_DISPLAY"})
            ::unsetenv(name);
    }
    static QString gsettings(const QStringList& arguments) {
        QProcess process;
        process.start("gsettings", arguments);
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }
    static QString bindings() { return gsettings({"get", mediaKeys, "custom-keybindings"}); }

    static inline const QString mediaKeys = "org.gnome.settings-daemon.plugins.media-keys";
    static inline const QString usersOwn = "'/org/gnome/settings-daemon/plugins/media-keys/"
                                           "custom-keybindings/custom0/'";
    static inline const QString ours = "'/org/gnome/settings-daemon/plugins/media-keys/"
                                       "custom-keybindings/zelvane/'";
};

} // namespace

// A Wayland session on GNOME without the portal: the settings offer the desktop's own binding,
// which then counts as working, once and beside the user's own; choosing no keys takes it out.
TEST_F(GnomeShortcutTest, WithoutAPortalTheDesktopsOwnSettingsTakeTheShortcut) {
    gsettings({"set", mediaKeys, "custom-keybindings", "[" + usersOwn + "]"});
    ::setenv("WAYLAND_DISPLAY", "wayland-test", 1);
    DesktopSettings settings(store);
    GlobalShortcut shortcut(settings);
    ASSERT_TRUE(waitUntil([&] { return shortcut.canSetUpInDesktop(); }, 3000))
        << qPrintable(shortcut.problem());
    EXPECT_FALSE(shortcut.active());
    shortcut.setUpInDesktop();
    EXPECT_TRUE(shortcut.active());
    EXPECT_EQ(shortcut.keys(), "Alt+Super+U");

    settings.setHotKey(HotKeyChoice::ctrlAltU);
    ASSERT_TRUE(waitUntil([&] { return GnomeKeybinding::bound() == "<Primary><Alt>u"; }, 3000));
    EXPECT_EQ(bindings(), "[" + usersOwn + ", " + ours + "]");
    EXPECT_TRUE(shortcut.active());
    settings.setHotKey(HotKeyChoice::none);
    EXPECT_EQ(bindings(), "[" + usersOwn + "]");
    EXPECT_EQ(GnomeKeybinding::bound(), "");
    ::setenv("XDG_CURRENT_DESKTOP", "KDE", 1);
    EXPECT_FALSE(GnomeKeybinding::isAvailable());
}

namespace {

/// One key sequence as KDE's service marshals it.
struct KeyInts {
    QList<int> keys;
};

QDBusArgument& operator<<(QDBusArgument& argument, const KeyInts& sequence) {
    argument.beginStructure();
    argument << sequence.keys;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, KeyInts& sequence) {
    argument.beginStructure();
    argument >> sequence.keys;
    argument.endStructure();
    return argument;
}

// KDE's global shortcut service as a client meets it: it gives an action the keys asked for
// unless another action holds them, and tells of a press with its component's signal.
class StandInKGlobalAccel : public QDBusVirtualObject {
  public:
    explicit StandInKGlobalAccel(QDBusConnection bus) : bus_(std::move(bus)) {
        qDBusRegisterMetaType<KeyInts>();
        qDBusRegisterMetaType<QList<KeyInts>>();
        bus_.registerService("org.kde.kglobalaccel");
        bus_.registerVirtualObject("/kglobalaccel", this);
    }
    int heldElsewhere = 0;
    QStringList calls;

    void press() {
        auto signal = QDBusMessage::createSignal(
            "/component/zelvane", "org.kde.kglobalaccel.Component", "globalShortcutPressed");
        signal << QString("zelvane") << QString("toggle") << qlonglong(1);
        bus_.send(signal);
    }
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        calls << message.member();
        QVariantList answer;
        if (message.member() == "setShortcutKeys") {
            auto keys = qdbus_cast<QList<KeyInts>>(message.arguments().value(1));
            if (!keys.isEmpty() && keys.front().keys.value(0) == heldElsewhere)
                keys.clear();
            answer << QVariant::fromValue(keys);
        } else if (message.member() == "getComponent") {
            answer << QVariant::fromValue(QDBusObjectPath("/component/zelvane"));
        }
        return connection.send(message.createReply(answer));
    }

  private:
    QDBusConnection bus_;
};

} // namespace

// The service answers from a thread of its own, as another process would, while the client
// waits for it.
TEST_F(ShortcutPortalTest, KdesServiceTakesTheKeysTellsOfAPressAndForgetsThem) {
    QThread thread;
    thread.start();
    auto* service = new StandInKGlobalAccel(bus_.connect());
    service->moveToThread(&thread);
    const auto stop = qScopeGuard([&] {
        service->deleteLater();
        thread.quit();
        thread.wait();
    });
    KdeShortcut client(bus_.connect());
    QSignalSpy activated(&client, &KdeShortcut::activated);
    const auto keys = *HotKey::combination(HotKeyChoice::altSuperU);
    ASSERT_TRUE(client.bind(keys));
    EXPECT_EQ(KdeShortcut::qtKeys(keys), (Qt::ALT | Qt::META | Qt::Key_U).toCombined());
    service->press();
    EXPECT_TRUE(waitUntil([&] { return activated.count() == 1; }));
    ASSERT_TRUE(client.unbind());
    EXPECT_EQ(service->calls,
              QStringList({"doRegister", "setShortcutKeys", "getComponent", "unregister"}));

    service->heldElsewhere = KdeShortcut::qtKeys(keys);
    const auto refused = client.bind(keys);
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.error().contains("another action")) << qPrintable(refused.error());
    PrivateBus empty;
    EXPECT_FALSE(KdeShortcut(empty.connect()).bind(keys)) << "no service, no shortcut";
}
