#include "AppState.h"
#include "ConverterModel.h"
#include "DesktopFixture.h"
#include "DesktopSettings.h"
#include "PanelController.h"
#include "PanelPlacement.h"
#include "ResultCopier.h"
#include "TrayIcon.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QQuickWindow>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTest>

#include <gtest/gtest.h>

using namespace zelvane;

namespace {

// A controller over real state objects with a fresh settings file, and an empty window as the
// panel, on the offscreen platform (no tray, no X11).
class PanelControllerTest : public zelvane::testing::DesktopFixture {
  protected:
    ShownConversion kilometresToMiles() const {
        return ShownConversion::build("length", "km", "5", "mi", app_.context());
    }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }
    RecentsModel& recents() const { return *controller_.copier().recents(); }
    static QStringList titles(const QMenu& menu) {
        QStringList texts;
        for (const QAction* action : menu.actions())
            texts << (action->isSeparator() ? "-" : action->text());
        return texts;
    }

    AppState app_{catalog(), store};
    DesktopSettings settings_{
        store, AutostartEntry(home.path() / "autostart" / "zelvane.desktop", "/usr/bin/zelvane")};
    QQuickWindow window_;
    PanelController controller_{app_, settings_, window_, QIcon()};
};

} // namespace

TEST_F(PanelControllerTest, ShowingOpensOnThePageAtTheComputedFrameAndHidingReturnsToTheConverter) {
    controller_.show(PanelController::settings);
    EXPECT_TRUE(window_.isVisible());
    EXPECT_EQ(controller_.page(), PanelController::settings);
    EXPECT_EQ(controller_.openCount(), 1);
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window_.geometry(),
              QRect(available.right() + 1 - 560 - 12, available.top() + 6, 560, 420));

    controller_.hide();
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(controller_.page(), PanelController::converter);

    controller_.toggle();
    EXPECT_TRUE(window_.isVisible());
    EXPECT_EQ(controller_.openCount(), 2);
    // Shown but not active (buried under another window): a toggle brings it forward.
    if (!window_.isActive()) {
        controller_.toggle();
        EXPECT_TRUE(window_.isVisible());
        EXPECT_EQ(controller_.openCount(), 3);
    }
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    controller_.toggle();
    EXPECT_FALSE(window_.isVisible());
}

TEST_F(PanelControllerTest, LosingActivationClosesOnlyAnUnpinnedPanelOutsideTheTaskbar) {
    settings_.setShowsInTaskbar(false);
    controller_.show(PanelController::converter);
    settings_.setPinned(true);
    controller_.closeIfAllowed();
    EXPECT_TRUE(window_.isVisible());
    settings_.setPinned(false);
    settings_.setShowsInTaskbar(true);
    controller_.closeIfAllowed();
    EXPECT_TRUE(window_.isVisible());
    settings_.setShowsInTaskbar(false);
    controller_.placement().beginResize(0, {0, 0});
    controller_.closeIfAllowed();
    EXPECT_TRUE(window_.isVisible());
    controller_.placement().endResize();
    controller_.closeIfAllowed();
    EXPECT_FALSE(window_.isVisible());
}

TEST_F(PanelControllerTest, CopyingPutsTheTextOnTheClipboardAndRecordsTheConversion) {
    settings_.setCopiesUnit(false);
    auto shown = kilometresToMiles();
    ASSERT_TRUE(shown.targetIndex);
    const std::size_t miles = *shown.targetIndex;
    controller_.copier().copyRow(shown, miles, "5");
    EXPECT_EQ(clipboard(), "3.107");
    // The last copied text always carries the unit.
    EXPECT_EQ(settings_.lastCopied(), "3.107 mi");
    EXPECT_EQ(settings_.recents(), (std::vector<Recent>{{"length", "km", "mi", "5"}}));
    EXPECT_EQ(controller_.toast(), qtTrId("panel.copied").arg("3.107"));
    EXPECT_EQ(recents().count(), 1) << "a copy is among the recents at once";

    settings_.setCopiesUnit(true);
    controller_.copier().copyRow(shown, shown.rowCount(), "6");
    EXPECT_EQ(clipboard(), "3.107") << "a row past the end copies nothing";
    shown.fromUnit = nullptr;
    controller_.copier().copyRow(shown, miles, "7");
    EXPECT_EQ(clipboard(), "3.107 mi");
    EXPECT_EQ(settings_.recents().size(), 1u) << "no source unit, no recent";
}

TEST_F(PanelControllerTest, ANewerToastGetsItsFullTime) {
    controller_.showToast("first");
    QTest::qWait(1000);
    controller_.showToast("second");
    QTest::qWait(1000);
    EXPECT_EQ(controller_.toast(), "second");
    QTRY_VERIFY_WITH_TIMEOUT(!controller_.toast().has_value(), 1000);
}

TEST_F(PanelControllerTest, RecentEntriesSkipConversionsThatNoLongerResolve) {
    settings_.setRecents({{"length", "km", "mi", "5"},
                          {"length", "km", "no-such-unit", "5"},
                          {"no-such-category", "km", "mi", "5"},
                          {"length", "m", "ft", "2"}});
    ASSERT_EQ(recents().count(), 2);
    const auto& first = recents().entry(0);
    EXPECT_EQ(first.sourceText, "5 km");
    EXPECT_TRUE(first.resultText.startsWith("3.1"));
    EXPECT_TRUE(first.resultText.endsWith(" mi"));
    EXPECT_EQ(first.title(), "5 km = " + first.resultText);
    EXPECT_EQ(first.recent.toUnitId, "mi");
    EXPECT_EQ(recents().entry(1).recent.fromUnitId, "m");
    const QModelIndex row = recents().index(0);
    EXPECT_EQ(row.data(RecentsModel::titleRole).toString(), first.title());
}

TEST_F(PanelControllerTest, TheTrayMenuIsBuiltFromTheCurrentState) {
    QMenu menu;
    controller_.tray().fillMenu(menu);
    EXPECT_EQ(titles(menu), QStringList({qtTrId("panel.menu.open"), "-",
                                         qtTrId("panel.menu.settings"), qtTrId("panel.quit")}));

    settings_.setRecents({{"length", "km", "mi", "5"}});
    settings_.setPanelTopLeft(QPointF(10, 10));
    controller_.tray().fillMenu(menu);
    const QString title = recents().entry(0).title();
    EXPECT_EQ(titles(menu),
              QStringList({qtTrId("panel.menu.open"), "-", qtTrId("panel.menu.recents"), title, "-",
                           qtTrId("panel.menu.resetPosition"), qtTrId("panel.menu.settings"),
                           qtTrId("panel.quit")}));
    EXPECT_FALSE(menu.actions()[2]->isEnabled());
    EXPECT_EQ(menu.actions()[3]->toolTip(), qtTrId("panel.menu.copyHint"));

    // Choosing a recent copies its result with the unit, without recording it again.
    menu.actions()[3]->trigger();
    const QString result = recents().entry(0).resultText;
    EXPECT_EQ(clipboard(), result);
    EXPECT_EQ(settings_.lastCopied(), result.toStdString());
    EXPECT_EQ(settings_.recents().size(), 1u);
    EXPECT_FALSE(controller_.toast().has_value());

    settings_.setShowsLastResult(true);
    controller_.tray().fillMenu(menu);
    EXPECT_EQ(menu.actions()[0]->text(), result);
    EXPECT_FALSE(menu.actions()[0]->isEnabled());
    EXPECT_TRUE(controller_.tray().icon().toolTip().endsWith("\n" + result));
}

TEST_F(PanelControllerTest, OpeningARecentSetsTheConverterUp) {
    controller_.show(PanelController::formula);
    settings_.setRecents({{"length", "km", "mi", "5"}});
    controller_.openRecent(0);
    ConverterModel* model = app_.converter();
    EXPECT_EQ(model->categoryId(), "length");
    EXPECT_EQ(model->fromUnitId(), "km");
    EXPECT_EQ(model->input(), "5");
    EXPECT_EQ(controller_.page(), PanelController::converter);
}

TEST_F(PanelControllerTest, ResizingFromTheLeftKeepsTheRightEdgeAndRemembersAKnownPlace) {
    settings_.setPanelTopLeft(QPointF(150, 100));
    controller_.show(PanelController::converter);
    ASSERT_EQ(window_.geometry(), QRect(150, 100, 560, 420));
    controller_.placement().beginResize(0, {150, 300});
    controller_.placement().resizeDrag({100, 300});
    EXPECT_TRUE(controller_.placement().isResizing());
    EXPECT_EQ(settings_.panelSizeF(), QSizeF(610, 420));
    EXPECT_EQ(window_.geometry(), QRect(100, 100, 610, 420));
    controller_.placement().endResize();
    EXPECT_FALSE(controller_.placement().isResizing());
    EXPECT_EQ(settings_.panelTopLeft(), QPointF(100, 100));
}

TEST_F(PanelControllerTest, MovingStoresTheClampedPlaceAndResettingForgetsIt) {
    controller_.show(PanelController::converter);
    const QPoint start = window_.position();
    controller_.placement().beginMove(QPointF(start) + QPointF(20, 20));
    controller_.placement().moveDrag({-80, 120});
    EXPECT_EQ(window_.position(), QPoint(-100, 100));
    controller_.placement().endMove();
    EXPECT_EQ(window_.position(), QPoint(0, 100));
    EXPECT_EQ(settings_.panelTopLeft(), QPointF(0, 100));

    controller_.placement().resetPosition();
    EXPECT_FALSE(settings_.panelTopLeft().has_value());
    EXPECT_EQ(window_.position(), start);
    EXPECT_EQ(controller_.toast(), qtTrId("panel.move.reset"));
}

TEST_F(PanelControllerTest, MaximizeGrowsAPanelOnTheRightHalfToTheLeft) {
    controller_.show(PanelController::converter);
    const QRect before = window_.geometry();
    controller_.placement().toggleMaximize();
    EXPECT_EQ(settings_.panelSizeF(), QSizeF(760, 560));
    EXPECT_EQ(window_.geometry().right(), before.right());
    EXPECT_EQ(window_.geometry().top(), before.top());
    controller_.placement().toggleMaximize();
    EXPECT_EQ(settings_.panelSizeF(), QSizeF(560, 420));
}

TEST_F(PanelControllerTest, ForcedAppearancesDecideDarkness) {
    app_.setPreference("appearance", "dark");
    EXPECT_TRUE(controller_.dark());
    app_.setPreference("appearance", "light");
    EXPECT_FALSE(controller_.dark());
}
