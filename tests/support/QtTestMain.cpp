// main() of the desktop tests: GoogleTest inside a QApplication (the tray menu is a widget), so
// QObjects, timers, the QML engine and windows work. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise (the end-to-end tests set it to xcb under Xvfb).
#include <QApplication>
#include <QtPlugin>
#include <QtQml/qqmlextensionplugin.h>

#include <gtest/gtest.h>

Q_IMPORT_QML_PLUGIN(ZelvanePlugin)

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
