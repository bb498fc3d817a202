// The real panel in-process on the current display (run it under scripts/desktop-session.sh):
// a show to its next frame, a keystroke in the length category and a phrase keystroke that
// switches category to their next frames, and resident memory over 1,000 show/hide cycles and
// 10,000 keystrokes, and the longest of a few megabyte pastes. Prints milliseconds.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
#include <QtPlugin>
#include <QtQml/qqmlextensionplugin.h>
#include <QtTest/QTest>
#include <iostream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "AppState.h"
#include "ConverterModel.h"
#include "DesktopSettings.h"
#include "LocalizationBundle.h"
#include "PanelController.h"

Q_IMPORT_QML_PLUGIN(ZelvanePlugin)

using namespace zelvane;

namespace {

double residentMegabytes() {
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

/// Milliseconds from the start of `act` to the next frame the window swaps.
double toNextFrame(QQuickWindow& window, const std::function<void()>& act) {
    bool swapped = false;
    auto connection =
        QObject::connect(&window, &QQuickWindow::frameSwapped, [&] { swapped = true; });
    QElapsedTimer clock;
    clock.start();
    act();
    while (!swapped && clock.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    QObject::disconnect(connection);
    return clock.nsecsElapsed() / 1e6;
}

void settle(int milliseconds = 30) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void type(QQuickWindow& window, const QString& text) {
    for (QChar character : text)
        QTest::keyClick(&window, character.toLatin1());
}

} // namespace

int main(int argc, char** argv) {
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    QApplication application(argc, argv);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());

    SettingsStore store(config.path().toStdString() + "/zelvane/settings.json");
    AppState app(
        std::make_shared<const ravodozu::UnitCatalog>(*ravodozu::UnitCatalog::loadBundled()),
        store);
    app.setPreference("languageCode", "en");
    app.converter()->switchCategory("length");
    DesktopSettings settings(store);
    LocalizationBundle translations;
    translations.install("en", {"en"});
    QQuickView view;
    view.engine()->addImportPath("qrc:/");
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    // The controller first, as the program does: the view reaches it as a singleton.
    PanelController controller(app, settings, view, QIcon());
    view.setSource(QUrl("qrc:/Zelvane/qml/PanelView.qml"));
    controller.show(PanelController::converter);
    if (!QTest::qWaitForWindowExposed(&view)) {
        std::cerr << "the panel never appeared\n";
        return 1;
    }
    settle(500);
    controller.hide();
    settle(500);
    const double hiddenAfterOneShow = residentMegabytes();

    std::vector<double> shows;
    for (int cycle = 0; cycle < 1000; ++cycle) {
        shows.push_back(toNextFrame(view, [&] { controller.show(PanelController::converter); }));
        controller.hide();
        QCoreApplication::processEvents();
    }
    settle(500);
    const double afterCycles = residentMegabytes();

    controller.show(PanelController::converter);
    settle(300);
    auto* input = view.rootObject()->findChild<QQuickItem*>("inputField");
    input->forceActiveFocus();
    std::vector<double> lengthKeys;
    std::vector<double> switchingKeys;
    for (int round = 0; round < 1000; ++round) {
        QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
        type(view, "5 k");
        settle(5);
        switchingKeys.push_back(toNextFrame(view, [&] { QTest::keyClick(&view, 'g'); }));
        QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
        type(view, "12");
        settle(5);
        for (int key = 0; key < 6; ++key)
            lengthKeys.push_back(toNextFrame(view, [&] { QTest::keyClick(&view, '3'); }));
    }
    settle(500);
    const double afterKeys = residentMegabytes();

    QString megabyte = "5 km to mi ";
    while (megabyte.size() < 1 << 20)
        megabyte += megabyte;
    QGuiApplication::clipboard()->setText(megabyte);
    std::vector<double> pastes;
    for (int paste = 0; paste < 5; ++paste) {
        QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
        pastes.push_back(
            toNextFrame(view, [&] { QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier); }));
        settle(100);
    }

    std::printf("show to next frame, panel running (median of %zu): %.2f ms\n", shows.size(),
                median(shows));
    std::printf("keystroke to next frame, length (median of %zu): %.2f ms\n", lengthKeys.size(),
                median(lengthKeys));
    std::printf("phrase keystroke switching category (median of %zu): %.2f ms\n",
                switchingKeys.size(), median(switchingKeys));
    std::printf("resident memory: hidden after one show %.1f MB, after 1000 show/hide cycles "
                "%.1f MB, after ~10000 more keystrokes %.1f MB\n",
                hiddenAfterOneShow, afterCycles, afterKeys);
    std::printf("a megabyte paste to next frame (longest of %zu): %.2f ms\n", pastes.size(),
                *std::max_element(pastes.begin(), pastes.end()));
    return 0;
}
