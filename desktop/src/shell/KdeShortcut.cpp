#include "KdeShortcut.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>

namespace zelvane {
namespace {

const QString service = "org.kde.kglobalaccel";
const QString path = "/kglobalaccel";
const QString interface = "org.kde.KGlobalAccel";
const QString component = "zelvane";
const QString action = "toggle";
// Keys given with both flags are taken as they are and the shortcut is live at once.
constexpr uint setPresent = 2;
constexpr uint noAutoloading = 4;
constexpr int callTimeoutMs = 2000;

QStringList actionId() {
    return {component, action, "Zelvane", "Show or hide the panel"};
}

} // namespace

/// One key sequence as the service marshals it: up to four key ints in a structure.
struct KeySequenceInts {
    QList<int> keys;
};

QDBusArgument& operator<<(QDBusArgument& argument, const KeySequenceInts& sequence) {
    argument.beginStructure();
    argument << sequence.keys;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, KeySequenceInts& sequence) {
    argument.beginStructure();
    argument >> sequence.keys;
    argument.endStructure();
    return argument;
}

} // namespace zelvane

Q_DECLARE_METATYPE(zelvane::KeySequenceInts)

namespace zelvane {

KdeShortcut::KdeShortcut(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
    qDBusRegisterMetaType<KeySequenceInts>();
    qDBusRegisterMetaType<QList<KeySequenceInts>>();
}

bool KdeShortcut::isKdeSession() {
    return qEnvironmentVariable("XDG_CURRENT_DESKTOP")
        .split(':')
        .contains("KDE", Qt::CaseInsensitive);
}

int KdeShortcut::qtKeys(const KeyCombination& keys) {
    const bool isLetter = keys.keysym >= 'a' && keys.keysym <= 'z';
    int value = int(isLetter ? keys.keysym - 'a' + Qt::Key_A : keys.keysym);
    if (keys.control)
        value |= int(Qt::CTRL);
    if (keys.alt)
        value |= int(Qt::ALT);
    if (keys.super)
        value |= int(Qt::META);
    return value;
}

ravodozu::Result<QDBusMessage, QString> KdeShortcut::call(const QString& method,
                                                          const QVariantList& arguments) const {
    auto message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    const auto reply = bus_.call(message, QDBus::Block, callTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage)
        return ravodozu::fail(
            QString("KDE's global shortcuts (%1): %2").arg(method, reply.errorMessage()));
    return reply;
}

KdeShortcut::Done KdeShortcut::bind(const KeyCombination& keys) {
    if (auto registered = call("doRegister", {actionId()}); !registered)
        return ravodozu::fail(registered.error());
    const QList<KeySequenceInts> wanted{{{qtKeys(keys), 0, 0, 0}}};
    const auto set = call("setShortcutKeys",
                          {actionId(), QVariant::fromValue(wanted), setPresent | noAutoloading});
    if (!set)
        return ravodozu::fail(set.error());
    const auto given = qdbus_cast<QList<KeySequenceInts>>(set->arguments().value(0));
    if (given.isEmpty() || given.front().keys.value(0) != qtKeys(keys))
        return ravodozu::fail(
            QString("KDE's global shortcuts gave %1 to another action").arg(keys.label));
    const auto found = call("getComponent", {component});
    if (!found)
        return ravodozu::fail(found.error());
    const QString componentPath = found->arguments().value(0).value<QDBusObjectPath>().path();
    if (componentPath != componentPath_) {
        componentPath_ = componentPath;
        bus_.connect(service, componentPath_, "org.kde.kglobalaccel.Component",
                     "globalShortcutPressed", this, SLOT(pressed(QString, QString, qlonglong)));
    }
    return std::monostate{};
}

KdeShortcut::Done KdeShortcut::unbind() {
    if (auto forgotten = call("unregister", {component, action}); !forgotten)
        return ravodozu::fail(forgotten.error());
    return std::monostate{};
}

void KdeShortcut::pressed(const QString& fromComponent, const QString& fromAction, qlonglong) {
    if (fromComponent == component && fromAction == action)
        emit activated();
}

} // namespace zelvane
