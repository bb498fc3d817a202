#include "DesktopDecoration.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

namespace zelvane {

namespace {

// The GSettings schema that holds `button-layout` on a desktop of the GNOME family, or "".
QString gnomeSchema(QString desktop) {
    if (desktop.startsWith(QLatin1String("X-")))
        desktop.remove(0, 2);
    desktop = desktop.toLower();
    if (desktop == "gnome" || desktop == "unity" || desktop == "budgie" || desktop == "pantheon")
        return QStringLiteral("org.gnome.desktop.wm.preferences");
    if (desktop == "cinnamon")
        return QStringLiteral("org.cinnamon.desktop.wm.preferences");
    if (desktop == "mate")
        return QStringLiteral("org.mate.Marco.general");
    return {};
}

QString configHome(const QProcessEnvironment& environment) {
    const QString home = environment.value("XDG_CONFIG_HOME");
    return home.isEmpty() ? environment.value("HOME") + "/.config" : home;
}

} // namespace

DesktopDecoration::DesktopDecoration(const QProcessEnvironment& environment, QObject* parent)
    : QObject(parent) {
    const auto desktops = environment.value("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
    for (const QString& desktop : desktops) {
        if (desktop.compare(QLatin1String("KDE"), Qt::CaseInsensitive) == 0) {
            readKwin(environment);
            return;
        }
        if (const QString schema = gnomeSchema(desktop); !schema.isEmpty()) {
            askGsettings(schema, environment);
            return;
        }
    }
}

DesktopDecoration::~DesktopDecoration() {
    if (gsettings_.state() != QProcess::NotRunning) {
        gsettings_.kill();
        gsettings_.waitForFinished();
    }
}

DesktopDecoration* DesktopDecoration::create(QQmlEngine*, QJSEngine*) {
    return new DesktopDecoration(QProcessEnvironment::systemEnvironment());
}

void DesktopDecoration::readKwin(const QProcessEnvironment& environment) {
    QSettings kwin(configHome(environment) + "/kwinrc", QSettings::IniFormat);
    kwin.beginGroup("org.kde.kdecoration2");
    // KWin's own defaults when the user never changed them.
    adopt(WindowButtonLayout::fromKde(kwin.value("ButtonsOnLeft", "MS").toString(),
                                      kwin.value("ButtonsOnRight", "HIAX").toString()));
}

void DesktopDecoration::askGsettings(const QString& schema,
                                     const QProcessEnvironment& environment) {
    const QString program = QStandardPaths::findExecutable(
        "gsettings", environment.value("PATH").split(u':', Qt::SkipEmptyParts));
    if (program.isEmpty())
        return;
    connect(&gsettings_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        if (status == QProcess::NormalExit && code == 0)
            adopt(WindowButtonLayout::fromGnome(
                QString::fromUtf8(gsettings_.readAllStandardOutput())));
    });
    gsettings_.setProcessEnvironment(environment);
    gsettings_.setStandardErrorFile(QProcess::nullDevice());
    gsettings_.start(program, {"get", schema, "button-layout"});
    QTimer::singleShot(gsettingsMilliseconds, &gsettings_, [this] {
        if (gsettings_.state() != QProcess::NotRunning)
            gsettings_.kill();
    });
}

void DesktopDecoration::adopt(const std::optional<WindowButtonLayout>& layout) {
    if (!layout || *layout == layout_)
        return;
    layout_ = *layout;
    emit layoutChanged();
}

} // namespace zelvane
