// The real zelvane operated as a screen reader operates it: through AT-SPI on the session's
// accessibility bus, its objects found by name and pressed by their actions, and keys typed where
// a person types. Skipped without a display or without the accessibility bus (at-spi2-core).
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <functional>
#include <optional>

#include "AppProcesses.h"
#include "LocalizationBundle.h"

namespace atspi {

/// An object of the tree: the bus name of its application and its path there.
struct Node {
    QString service;
    QDBusObjectPath path;
};

inline QDBusArgument& operator<<(QDBusArgument& argument, const Node& node) {
    argument.beginStructure();
    argument << node.service << node.path;
    argument.endStructure();
    return argument;
}
inline const QDBusArgument& operator>>(const QDBusArgument& argument, Node& node) {
    argument.beginStructure();
    argument >> node.service >> node.path;
    argument.endStructure();
    return argument;
}

constexpr const char* accessibleInterface = "org.a11y.atspi.Accessible";
constexpr const char* actionInterface = "org.a11y.atspi.Action";
constexpr unsigned showingState = 25; // ATSPI_STATE_SHOWING

} // namespace atspi

Q_DECLARE_METATYPE(atspi::Node)

namespace {

using atspi::Node;

class AccessibleEndToEnd : public zelvane::testing::AppProcesses {
  protected:
    void SetUp() override {
        AppProcesses::SetUp();
        if (IsSkipped())
            return;
        qDBusRegisterMetaType<Node>();
        qDBusRegisterMetaType<QList<Node>>();
        // Asking for the accessibility bus starts its launcher, as a screen reader's start does.
        const auto reply = QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                           "GetAddress"),
            QDBus::Block, 5000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            GTEST_SKIP() << "no accessibility bus: " << reply.errorMessage().toStdString();
        bus_ = QDBusConnection::connectToBus(reply.arguments().value(0).toString(), "a11y");
        ASSERT_TRUE(bus_.isConnected());
        texts_.install("en", {});
    }
    void TearDown() override {
        AppProcesses::TearDown();
        QDBusConnection::disconnectFromBus("a11y");
    }

    QDBusMessage call(const Node& node, const char* interface, const char* method,
                      const QVariantList& arguments = {}) const {
        auto message =
            QDBusMessage::createMethodCall(node.service, node.path.path(), interface, method);
        message.setArguments(arguments);
        return bus_.call(message, QDBus::Block, 5000);
    }
    template <class T> T answer(const QDBusMessage& reply) const {
        T value{};
        if (reply.type() == QDBusMessage::ReplyMessage)
            reply.arguments().value(0).value<QDBusArgument>() >> value;
        return value;
    }
    QVariant property(const Node& node, const char* interface, const char* name) const {
        const auto reply = call(node, "org.freedesktop.DBus.Properties", "Get", {interface, name});
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }
    QList<Node> children(const Node& node) const {
        return answer<QList<Node>>(call(node, atspi::accessibleInterface, "GetChildren"));
    }
    QString name(const Node& node) const {
        return property(node, atspi::accessibleInterface, "Name").toString();
    }
    bool showing(const Node& node) const {
        const auto states = answer<QList<uint>>(call(node, atspi::accessibleInterface, "GetState"));
        return !states.isEmpty() && (states[0] & (1u << atspi::showingState));
    }
    QStringList actions(const Node& node) const {
        QStringList names;
        const int count = property(node, atspi::actionInterface, "NActions").toInt();
        for (int index = 0; index < count; ++index)
            names << call(node, atspi::actionInterface, "GetName", {index})
                         .arguments()
                         .value(0)
                         .toString();
        return names;
    }

    /// The panel's application: the child of the registry that our process owns.
    std::optional<Node> application() const {
        const Node root{"org.a11y.atspi.Registry",
                        QDBusObjectPath("/org/a11y/atspi/accessible/root")};
        for (const Node& child : children(root))
            if (bus_.interface()->servicePid(child.service).value() == app_->processId())
                return child;
        return std::nullopt;
    }
    /// The first shown object of the panel named as `matches` wants; with `press`, one that
    /// can be pressed.
    std::optional<Node> find(const std::function<bool(const QString&)>& matches, bool press) {
        std::optional<Node> found;
        const bool shown = QTest::qWaitFor(
            [&] {
                const auto root = application();
                return root && (found = findFrom(*root, matches, press));
            },
            5000);
        return shown ? found : std::nullopt;
    }
    std::optional<Node> findFrom(const Node& from,
                                 const std::function<bool(const QString&)>& matches,
                                 bool press) const {
        for (const Node& child : children(from)) {
            if (!showing(child))
                continue;
            if (matches(name(child)) && (!press || actions(child).contains("Press")))
                return child;
            if (auto found = findFrom(child, matches, press))
                return found;
        }
        return std::nullopt;
    }
    std::optional<Node> named(const QString& wanted, bool press = false) {
        return find([&](const QString& text) { return text == wanted; }, press);
    }
    /// Runs the object's "Press" action; whether it ran.
    bool press(const Node& node) const {
        const int index = int(actions(node).indexOf("Press"));
        return index >= 0 && call(node, atspi::actionInterface, "DoAction", {index})
                                 .arguments()
                                 .value(0)
                                 .toBool();
    }

    QDBusConnection bus_{QString()};
    zelvane::LocalizationBundle texts_;
};

TEST_F(AccessibleEndToEnd, SettingsBackTypingAndARowThroughTheAccessibilityTree) {
    writeDefault("mac.hasLaunched", "true");
    launch({"--show"}, {{"QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1"}});
    ASSERT_TRUE(waitForPanel(true));

    auto gear = named(qtTrId("settings.title"), true);
    ASSERT_TRUE(gear) << "the panel's settings button in the accessibility tree";
    ASSERT_TRUE(press(*gear));
    auto back = named(qtTrId("panel.back"), true);
    ASSERT_TRUE(back) << "the settings page's Back button";
    EXPECT_TRUE(named(qtTrId("panel.size.title"))) << "a row of the settings page";
    ASSERT_TRUE(press(*back));
    ASSERT_TRUE(named(qtTrId("converter.value"))) << "the converter's field again";

    run("xdotool", {"windowactivate", "--sync", windows(300).front()});
    run("xdotool", {"type", "--delay", "20", "5 km to mi"});
    // A row reads "<value> <unit> — <name>"; one whose value needs no exponent is pressed.
    auto row =
        find([](const QString& text) { return text.contains(" — ") && !text.contains("×"); }, true);
    ASSERT_TRUE(row) << "a result row of the phrase";
    const QString shown = name(*row).section(" — ", 0, 0);
    ASSERT_TRUE(press(*row));
    EXPECT_TRUE(QTest::qWaitFor([&] { return clipboard() == shown; }))
        << clipboard().toStdString() << " copied, the row shows " << shown.toStdString();
    EXPECT_TRUE(readDefault("mac.recents").contains("\"fromUnitId\":\"km\""));
}

} // namespace
