#include "ShortcutPortal.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "RavoDozu/Result.h"

namespace zelvane {

namespace {

const QString portalService = "org.freedesktop.portal.Desktop";
const QString desktopPath = "/org/freedesktop/portal/desktop";
const QString shortcutsInterface = "org.freedesktop.portal.GlobalShortcuts";
const QString requestInterface = "org.freedesktop.portal.Request";
const QString sessionInterface = "org.freedesktop.portal.Session";
/// Long enough for the bus to start the portal service, short enough that a session without
/// one hears of it soon.
constexpr int versionTimeoutMs = 3000;

constexpr std::uint32_t keysymSpace = 0x20;

/// One entry of BindShortcuts' a(sa{sv}).
struct Shortcut {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const Shortcut& shortcut) {
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, Shortcut& shortcut) {
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

void registerTypes() {
    static const bool registered = [] {
        qDBusRegisterMetaType<Shortcut>();
        qDBusRegisterMetaType<QList<Shortcut>>();
        return true;
    }();
    (void)registered;
}

QString nextToken() {
    static int count = 0;
    return QString("zelvane%1").arg(++count);
}

/// A key's name as the portal's trigger syntax writes it (the xkb keysym name).
QString keyName(std::uint32_t keysym) {
    return keysym == keysymSpace ? QString("space") : QString(QChar(char16_t(keysym)));
}

ravodozu::Result<QVariantMap, QString> answerOf(uint response, const QVariantMap& results) {
    switch (response) {
    case 0:
        return results;
    case 1:
        return ravodozu::fail(QString("the shortcut request was cancelled in the desktop"));
    default:
        return ravodozu::fail(
            QString("the desktop refused the shortcut (response %1)").arg(response));
    }
}

/// How the desktop describes the keys it bound to our shortcut ("" when it says nothing);
/// none when the answer does not list the shortcut.
std::optional<QString> triggerOf(const QVariant& listed) {
    if (!listed.canConvert<QDBusArgument>())
        return std::nullopt;
    for (const Shortcut& shortcut : qdbus_cast<QList<Shortcut>>(listed))
        if (shortcut.id == ShortcutPortal::shortcutId)
            return shortcut.properties.value("trigger_description").toString();
    return std::nullopt;
}

/// The portal hands the session back as a string or as an object path, by version.
QString pathIn(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

} // namespace

ShortcutPortal::ShortcutPortal(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
    registerTypes();
    bus_.connect(portalService, desktopPath, shortcutsInterface, "Activated", this,
                 SLOT(shortcutActivated(QDBusMessage)));
}

ShortcutPortal::~ShortcutPortal() {
    abandon();
}

QString ShortcutPortal::trigger(const KeyCombination& keys) {
    QStringList parts;
    if (keys.control)
        parts << "CTRL";
    if (keys.alt)
        parts << "ALT";
    if (keys.super)
        parts << "LOGO";
    parts << keyName(keys.keysym);
    return parts.join('+');
}

void ShortcutPortal::bind(const std::optional<KeyCombination>& keys) {
    abandon();
    keys_ = keys;
    if (keys_)
        askVersion();
}

void ShortcutPortal::askVersion() {
    // A call on a connection that never was gets no answer at all.
    if (!bus_.isConnected()) {
        QMetaObject::invokeMethod(
            this,
            [this, flow = flow_] {
                if (flow == flow_)
                    fail("there is no session bus to reach the desktop's portal on");
            },
            Qt::QueuedConnection);
        return;
    }
    auto message = QDBusMessage::createMethodCall(portalService, desktopPath,
                                                  "org.freedesktop.DBus.Properties", "Get");
    message.setArguments({shortcutsInterface, "version"});
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message, versionTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, flow = flow_] {
        watcher->deleteLater();
        if (flow != flow_)
            return;
        if (watcher->isError())
            fail(QString("the desktop offers no global shortcuts portal (%1)")
                     .arg(watcher->error().message()));
        else
            createSession();
    });
}

void ShortcutPortal::createSession() {
    const QString token = nextToken();
    session_ = objectPath("session", token);
    sendRequest("CreateSession", {QVariantMap{{"session_handle_token", token}}},
                Step::createSession);
}

void ShortcutPortal::bindShortcuts() {
    const QVariantMap properties{{"description", qtTrId("panel.hotKey.portalDescription")},
                                 {"preferred_trigger", trigger(*keys_)}};
    const QList<Shortcut> shortcuts{{shortcutId, properties}};
    sendRequest("BindShortcuts",
                {QVariant::fromValue(QDBusObjectPath(*session_)), QVariant::fromValue(shortcuts),
                 QString(), QVariantMap()},
                Step::bindShortcuts);
}

/// Calls a portal method whose last argument is its options and whose answer comes as the
/// Response of a request object.
void ShortcutPortal::sendRequest(const QString& method, QVariantList arguments, Step step) {
    const QString token = nextToken();
    QVariantMap options = arguments.takeLast().toMap();
    options.insert("handle_token", token);
    arguments << options;
    const QString request = objectPath("request", token);
    pending_ = Pending{request, step};
    // Before the call: the answer may come before the call's reply does.
    watchRequest(request, true);

    auto message =
        QDBusMessage::createMethodCall(portalService, desktopPath, shortcutsInterface, method);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, watcher, method, request, flow = flow_] {
                watcher->deleteLater();
                if (flow != flow_ || !pending_ || pending_->request != request)
                    return;
                const QDBusPendingReply<QDBusObjectPath> reply = *watcher;
                if (reply.isError()) {
                    fail(
                        QString("the portal's %1 failed: %2").arg(method, reply.error().message()));
                    return;
                }
                // Portals older than the predictable paths answer on a request of their own.
                const QString handle = reply.value().path();
                if (handle != request) {
                    watchRequest(request, false);
                    pending_->request = handle;
                    watchRequest(handle, true);
                }
            });
}

void ShortcutPortal::requestAnswered(uint response, const QVariantMap& results,
                                     const QDBusMessage& message) {
    if (!pending_ || message.path() != pending_->request)
        return;
    const Step step = pending_->step;
    watchRequest(pending_->request, false);
    pending_.reset();
    const auto answer = answerOf(response, results);
    if (!answer) {
        fail(answer.error());
        return;
    }
    if (step == Step::bindShortcuts) {
        // An answer of success that lists no shortcut bound nothing (a desktop whose shortcut
        // registry does not know the session's application answers so).
        const auto trigger = triggerOf(answer->value("shortcuts"));
        if (!trigger) {
            fail("the desktop accepted the shortcut but bound none");
            return;
        }
        emit bound(*trigger);
        return;
    }
    const QString session = pathIn(answer->value("session_handle"));
    if (session.isEmpty()) {
        fail("the portal opened no session");
        return;
    }
    session_ = session;
    bindShortcuts();
}

void ShortcutPortal::shortcutActivated(const QDBusMessage& message) {
    const QVariantList arguments = message.arguments();
    if (session_ && !pending_ && arguments.size() >= 2 && pathIn(arguments[0]) == *session_ &&
        arguments[1].toString() == shortcutId)
        emit activated();
}

void ShortcutPortal::fail(const QString& reason) {
    abandon();
    emit failed(reason);
}

/// Lets go of whatever the last bind() holds or waits for, on the portal's side too.
void ShortcutPortal::abandon() {
    ++flow_;
    if (pending_) {
        watchRequest(pending_->request, false);
        closeObject(pending_->request, requestInterface);
        pending_.reset();
    }
    if (session_) {
        closeObject(*session_, sessionInterface);
        session_.reset();
    }
}

QString ShortcutPortal::objectPath(const QString& kind, const QString& token) const {
    QString sender = bus_.baseService().mid(1);
    sender.replace('.', '_');
    return desktopPath + "/" + kind + "/" + sender + "/" + token;
}

void ShortcutPortal::watchRequest(const QString& request, bool watch) {
    const char* slot = SLOT(requestAnswered(uint, QVariantMap, QDBusMessage));
    if (watch)
        bus_.connect(portalService, request, requestInterface, "Response", this, slot);
    else
        bus_.disconnect(portalService, request, requestInterface, "Response", this, slot);
}

void ShortcutPortal::closeObject(const QString& path, const QString& interface) {
    bus_.send(QDBusMessage::createMethodCall(portalService, path, interface, "Close"));
}

} // namespace zelvane
