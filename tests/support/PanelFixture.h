// PanelFixture: the panel's real QML with the real state objects and controller, its texts
// installed as the program installs them, in a config home of its own; keys typed into the
// window and items found by their object names.
#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

#include "AppState.h"
#include "ConverterModel.h"
#include "DesktopSettings.h"
#include "InputFlow.h"
#include "LocalizationBundle.h"
#include "PanelController.h"
#include "RavoDozu/UnitCatalog.h"
#include "SettingsStore.h"
#include "TempDirectory.h"

namespace zelvane::testing {

inline bool waitFor(const std::function<bool()>& done, int milliseconds = 2000) {
    return QTest::qWaitFor(done, milliseconds);
}

class PanelFixture : public ::testing::Test {
  protected:
    PanelFixture()
        : store_(home_ / "zelvane.conf"),
          app_(std::make_shared<const ravodozu::UnitCatalog>(*ravodozu::UnitCatalog::loadBundled()),
               store_),
          settings_(store_), view_(std::make_unique<QQuickView>()),
          controller_(std::make_unique<PanelController>(app_, settings_, *view_, QIcon())) {
        // As the program does: the new language's texts, then the bindings outside the pages.
        QObject::connect(&app_, &AppState::preferencesChanged, &app_, [this] {
            if (texts_.installFor(app_.preferences()))
                view_->engine()->retranslate();
            controller_->retranslate();
        });
        app_.setPreference("languageCode", "en");
        app_.converter()->switchCategory("length");
        view_->engine()->addImportPath("qrc:/");
        view_->setResizeMode(QQuickView::SizeRootObjectToView);
        view_->setSource(QUrl("qrc:/Zelvane/qml/PanelView.qml"));
        EXPECT_EQ(view_->status(), QQuickView::Ready);
        controller_->show(PanelController::converter);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view_.get()));
    }
    ~PanelFixture() override {
        controller_.reset();
        view_.reset();
    }

    // Looks through the visual tree too: the delegates of lists have no QObject parent.
    template <class T = QQuickItem> T* item(const char* name) const {
        return find<T>(view_->rootObject(), QString::fromLatin1(name));
    }
    template <class T> static T* find(QQuickItem* from, const QString& name) {
        if (from->objectName() == name)
            if (auto* found = qobject_cast<T*>(from))
                return found;
        if (auto* found = from->findChild<T*>(name))
            return found;
        for (auto* child : from->childItems())
            if (auto* found = find<T>(child, name))
                return found;
        return nullptr;
    }
    InputFlow& flow() { return *app_.converter()->flow(); }
    int selection() { return flow().selection(); }
    QString fieldText() const { return item("inputField")->property("text").toString(); }
    ConverterModel& model() { return *app_.converter(); }

    // Types into whatever has the focus.
    void type(const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(view_.get(), &press);
            QCoreApplication::sendEvent(view_.get(), &release);
        }
    }
    // Focuses the input field with its text selected, so that typing replaces it.
    void replaceInput(const QString& text) {
        item("inputField")->forceActiveFocus();
        press(Qt::Key_A, Qt::ControlModifier);
        type(text);
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(view_.get(), key, modifiers);
    }
    void click(const QQuickItem* target, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(
            view_.get(), button, modifiers,
            target->mapToScene({target->width() / 2, target->height() / 2}).toPoint());
    }
    // Presses on one item, moves over to another in steps and lets go there.
    void drag(const QQuickItem* from, const QQuickItem* onto) {
        auto centre = [](const QQuickItem* target) {
            return target->mapToScene({target->width() / 2, target->height() / 2}).toPoint();
        };
        const QPoint start = centre(from), end = centre(onto);
        QTest::mousePress(view_.get(), Qt::LeftButton, {}, start);
        for (int step = 1; step <= 10; ++step)
            QTest::mouseMove(view_.get(), start + (end - start) * step / 10, 10);
        QTest::mouseRelease(view_.get(), Qt::LeftButton, {}, end, 10);
    }
    int rowCount() { return flow().rows()->count(); }
    QString page() const { return view_->rootObject()->property("page").toString(); }
    void resize(int width, int height) {
        view_->resize(width, height);
        ASSERT_TRUE(waitFor([&] {
            return view_->rootObject()->width() == width && view_->rootObject()->height() == height;
        }));
    }

    // The autostart entry is written under the config home.
    static std::filesystem::path useAsConfigHome(const std::filesystem::path& folder) {
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        return folder;
    }

    TempDirectory config_;
    const std::filesystem::path home_ = useAsConfigHome(config_.path());
    SettingsStore store_;
    LocalizationBundle texts_;
    AppState app_;
    DesktopSettings settings_;
    std::unique_ptr<QQuickView> view_;
    std::unique_ptr<PanelController> controller_;
};

} // namespace zelvane::testing
