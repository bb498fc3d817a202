#include "GnomeKeybinding.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

namespace zelvane {
namespace {

const QString listSchema = "org.gnome.settings-daemon.plugins.media-keys";
const QString listKey = "custom-keybindings";
const QString ourPath = "/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/zelvane/";
const QString ourSchema = listSchema + ".custom-keybinding:" + ourPath;

// The desktop's settings answer at once; a hung daemon must not hang the panel.
constexpr int gsettingsTimeoutMs = 3000;

ravodozu::Result<QString, QString> gsettings(const QStringList& arguments) {
    QProcess process;
    process.start("gsettings", arguments);
    if (!process.waitForFinished(gsettingsTimeoutMs) ||
        process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        const QString why = QString::fromUtf8(process.readAllStandardError()).trimmed();
        return ravodozu::fail(
            QString("gsettings %1 failed: %2")
                .arg(arguments.value(0), why.isEmpty() ? process.errorString() : why));
    }
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// GVariant text of a string: single quotes, with quotes and backslashes escaped.
QString quoted(QString text) {
    text.replace("\\", "\\\\").replace("'", "\\'");
    return "'" + text + "'";
}

// "['/a/', '/b/']" or "@as []": the paths are GSettings paths, which hold no quotes.
QStringList pathsOf(const QString& list) {
    QStringList paths;
    static const QRegularExpression item("'([^']*)'");
    for (const auto& match : item.globalMatch(list))
        paths << match.captured(1);
    return paths;
}

QString listOf(const QStringList& paths) {
    QStringList items;
    for (const auto& path : paths)
        items << quoted(path);
    return "[" + items.join(", ") + "]";
}

GnomeKeybinding::Done setPaths(const QStringList& paths) {
    auto written = gsettings({"set", listSchema, listKey, listOf(paths)});
    if (!written)
        return ravodozu::fail(written.error());
    return std::monostate{};
}

} // namespace

bool GnomeKeybinding::isAvailable() {
    const auto desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(':');
    return desktops.contains("GNOME", Qt::CaseInsensitive) &&
           gsettings({"list-keys", listSchema}).hasValue();
}

QString GnomeKeybinding::accelerator(HotKeyChoice choice) {
    switch (choice) {
    case HotKeyChoice::altSuperU:
        return "<Alt><Super>u";
    case HotKeyChoice::ctrlAltU:
        return "<Primary><Alt>u";
    case HotKeyChoice::altSpace:
        return "<Alt>space";
    case HotKeyChoice::none:
        break;
    }
    return {};
}

QString GnomeKeybinding::bound() {
    const auto list = gsettings({"get", listSchema, listKey});
    if (!list || !pathsOf(*list).contains(ourPath))
        return {};
    const auto binding = gsettings({"get", ourSchema, "binding"});
    return binding ? pathsOf(*binding).value(0) : QString();
}

GnomeKeybinding::Done GnomeKeybinding::bind(const QString& accelerator, const QString& command) {
    for (const auto& [key, value] : {std::pair{QString("name"), QString("Zelvane")},
                                     {"command", command},
                                     {"binding", accelerator}})
        if (auto set = gsettings({"set", ourSchema, key, quoted(value)}); !set)
            return ravodozu::fail(set.error());
    const auto list = gsettings({"get", listSchema, listKey});
    if (!list)
        return ravodozu::fail(list.error());
    auto paths = pathsOf(*list);
    if (paths.contains(ourPath))
        return std::monostate{};
    return setPaths(paths << ourPath);
}

GnomeKeybinding::Done GnomeKeybinding::unbind() {
    const auto list = gsettings({"get", listSchema, listKey});
    if (!list)
        return ravodozu::fail(list.error());
    auto paths = pathsOf(*list);
    if (paths.removeAll(ourPath) > 0)
        if (auto written = setPaths(paths); !written)
            return written;
    for (const char* key : {"name", "command", "binding"})
        if (auto reset = gsettings({"reset", ourSchema, key}); !reset)
            return ravodozu::fail(reset.error());
    return std::monostate{};
}

QString GnomeKeybinding::toggleCommand() {
    QString program = QCoreApplication::applicationFilePath();
    // The desktop splits the command as a shell would.
    static const QRegularExpression plain("^[A-Za-z0-9/._+-]+$");
    if (!plain.match(program).hasMatch())
        program = "'" + program.replace("'", "'\\''") + "'";
    return program + " --toggle";
}

} // namespace zelvane
