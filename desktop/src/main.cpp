// zelvane: the panel. One instance per user; later starts hand their arguments to it.
#include <QApplication>
#include <QQmlEngine>
#include <QQuickView>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSystemTrayIcon>
#include <QtPlugin>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AppState.h"
#include "CommandLine.h"
#include "DesktopSettings.h"
#include "IconProvider.h"
#include "LaunchCommand.h"
#include "LauncherService.h"
#include "LocalizationBundle.h"
#include "PanelController.h"
#include "QtConversions.h"
#include "SaveFailures.h"
#include "SettingsWatcher.h"
#include "SingleInstance.h"

Q_IMPORT_QML_PLUGIN(ZelvanePlugin)

using namespace zelvane;

namespace {

void chooseRendering() {
    // Software rendering starts faster and needs a third of the memory of GL through llvmpipe,
    // and works where no GL driver exists.
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // Only X11 lets the panel place itself and grab its hot key: prefer XWayland when present.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int index = 1; index < argc; ++index)
        arguments << QString::fromLocal8Bit(argv[index]);
    return arguments;
}

/// Whether this start shows the panel: the very first start does, and so does an explicit
/// request; a plain start does too when no tray exists to open it from.
bool showsAtStart(const launch::Command& command, SettingsStore& store) {
    if (std::holds_alternative<launch::Background>(command))
        return false;
    DesktopState state(store);
    const bool firstLaunch = !state.hasLaunched();
    if (firstLaunch)
        SaveFailures::instance().report(state.setHasLaunched());
    return firstLaunch || !std::holds_alternative<launch::Reopen>(command) ||
           !QSystemTrayIcon::isSystemTrayAvailable();
}

// The desktop's launcher is a convenience: the panel works the same without it.
void warnUnlessPublished(const ravodozu::Result<std::monostate, QString>& published) {
    if (!published)
        std::fprintf(stderr, "zelvane: no launcher search: %s\n", qPrintable(published.error()));
}

} // namespace

int main(int argc, char** argv) {
    if (const auto answer = CommandLine::answer(std::vector<std::string>(argv + 1, argv + argc))) {
        std::fputs(answer->text.c_str(), stdout);
        return answer->exitCode;
    }
    const QStringList arguments = argumentsOf(argc, argv);
    const auto command = launch::parse(arguments);
    if (!command) {
        std::fprintf(stderr, "zelvane: %s\n%s", qPrintable(command.error()),
                     qPrintable(launch::usage()));
        return 2;
    }

    chooseRendering();
    QApplication application(argc, argv);
    // Our own warnings go out on the "zelvane" category and read "zelvane: …".
    qSetMessagePattern("%{if-category}%{category}: %{endif}%{message}");
    QApplication::setApplicationName("zelvane");
    QApplication::setApplicationDisplayName("Zelvane");
    QApplication::setDesktopFileName("zelvane");
    QApplication::setQuitOnLastWindowClosed(false);

    // Without a private folder there is no one-instance rule: a second panel would start beside
    // the first, so this one does not.
    const auto folder = SingleInstance::runtimeFolder();
    if (!folder) {
        std::fprintf(stderr, "zelvane: %s\n", qPrintable(folder.error()));
        return 1;
    }
    SingleInstance instance(*folder);
    const auto role = instance.start(arguments, qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"));
    if (!role) {
        std::fprintf(stderr, "zelvane: %s\n", qPrintable(role.error()));
        return 1;
    }
    if (*role == SingleInstance::Role::handedOver)
        return 0;
    // Asked to leave, or to hide, with nothing running: nothing to do.
    if (std::holds_alternative<launch::Quit>(*command))
        return 0;

    auto catalog = ravodozu::UnitCatalog::loadBundled();
    if (!catalog) {
        std::fputs("The bundled unit data is missing\n", stderr);
        return 1;
    }
    SettingsStore& store = SettingsStore::standard();
    AppState app(std::make_shared<const ravodozu::UnitCatalog>(std::move(catalog).value()), store);
    DesktopSettings settings(store);
    SettingsWatcher watcher(store.path());
    QObject::connect(&watcher, &SettingsWatcher::changed, &app, &AppState::reload);
    QObject::connect(&watcher, &SettingsWatcher::changed, &settings, &DesktopSettings::reload);
    LocalizationBundle translations;
    translations.installFor(app.preferences());

    QQmlEngine engine;
    engine.addImportPath("qrc:/");
    // The panel's Ctrl+Q and its settings page quit through Qt.quit().
    QObject::connect(&engine, &QQmlEngine::quit, qApp, &QCoreApplication::quit);
    QQuickView panel(&engine, nullptr);
    panel.setResizeMode(QQuickView::SizeRootObjectToView);
    PanelController controller(app, settings, panel, IconProvider::trayIcon());
    // The panel's LanguageScope rebuilds its pages with the new texts once they are installed;
    // the few bindings outside it (the converter's hint line) are translated again here.
    QObject::connect(&app, &AppState::preferencesChanged, &engine, [&] {
        if (translations.installFor(app.preferences()))
            engine.retranslate();
        controller.retranslate();
    });
    panel.setSource(QUrl("qrc:/Zelvane/qml/PanelView.qml"));
    if (panel.status() == QQuickView::Error) {
        for (const auto& error : panel.errors())
            std::fprintf(stderr, "zelvane: %s\n", qPrintable(error.toString()));
        return 1;
    }

    LauncherService launcher(app, controller);
    warnUnlessPublished(launcher.publish(QDBusConnection::sessionBus()));

    QObject::connect(&instance, &SingleInstance::argumentsReceived, &controller,
                     [&controller](const QStringList& received) {
                         if (const auto later = launch::parse(received))
                             controller.handle(*later);
                     });
    // Started before the session's bus: the start the bus makes for a launcher's query brings
    // its address, and the query then reaches this process. That start is answered once the
    // name is taken there, which is what the bus waits for.
    instance.setBusHandler([&launcher](const QString& address, std::function<void()> done) {
        launcher.offerBus(address, [done = std::move(done)](const auto& published) {
            warnUnlessPublished(published);
            done();
        });
    });
    if (showsAtStart(*command, store))
        controller.handle(std::holds_alternative<launch::Reopen>(*command)
                              ? launch::Command{launch::Show{"converter"}}
                              : *command);
    return QApplication::exec();
}
