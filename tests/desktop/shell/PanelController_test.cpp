// The panel controller over real state objects: showing and hiding, copying and recents, the tray
// menu, placement; and the geometry it places the panel by.
#include "AppState.h"
#include "DesktopFixture.h"
#include "DesktopSettings.h"
#include "PanelController.h"
#include "PanelGeometry.h"
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
    auto shown = ShownConversion::build("length", "km", "5", "mi", app_.context());
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
    EXPECT_EQ(recents().index(0).data(RecentsModel::titleRole).toString(), "5 km = 3.107 mi");
    EXPECT_EQ(recents().entry(1).recent.fromUnitId, "m");
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

    // Choosing a recent copies its result with the unit, without recording it again, and
    // without a toast in a panel that may be hidden.
    const auto toastBefore = controller_.toast();
    menu.actions()[3]->trigger();
    const QString result = recents().entry(0).resultText;
    EXPECT_EQ(clipboard(), result);
    EXPECT_EQ(settings_.lastCopied(), result.toStdString());
    EXPECT_EQ(settings_.recents().size(), 1u);
    EXPECT_EQ(controller_.toast(), toastBefore);

    settings_.setShowsLastResult(true);
    controller_.tray().fillMenu(menu);
    EXPECT_EQ(menu.actions()[0]->text(), result);
    EXPECT_FALSE(menu.actions()[0]->isEnabled());
    EXPECT_TRUE(controller_.tray().icon().toolTip().endsWith("\n" + result));
}

// The drags' geometry is PanelGeometry's (below); here what the controller does with it.
TEST_F(PanelControllerTest, DragsPlaceThePanelAndStoreAKnownPlaceAndMaximizeToggles) {
    settings_.setPanelTopLeft(QPointF(150, 100));
    controller_.show(PanelController::converter);
    auto& placement = controller_.placement();
    placement.beginResize(0, {150, 300});
    placement.resizeDrag({100, 300});
    EXPECT_TRUE(placement.isResizing());
    EXPECT_EQ(window_.geometry(), QRect(100, 100, 610, 420)) << "the right edge stays";
    placement.endResize();
    EXPECT_FALSE(placement.isResizing());
    EXPECT_EQ(settings_.panelTopLeft(), QPointF(100, 100));

    placement.beginMove(QPointF(120, 120));
    placement.moveDrag({-80, 120});
    EXPECT_EQ(window_.position(), QPoint(-100, 100));
    placement.endMove();
    EXPECT_EQ(settings_.panelTopLeft(), QPointF(0, 100)) << "clamped into the screen";
    placement.resetPosition();
    EXPECT_FALSE(settings_.panelTopLeft().has_value());
    EXPECT_EQ(controller_.toast(), qtTrId("panel.move.reset"));

    settings_.setPanelSizeF(QSizeF(400, 400));
    placement.toggleMaximize();
    EXPECT_EQ(settings_.panelSizeF(), QSizeF(760, 560)) << "any size but the largest maximizes";
    placement.toggleMaximize();
    EXPECT_EQ(settings_.panelSizeF(), QSizeF(560, 420));
}

// Where the panel opens and how drags move and size it, on screens of given sizes.
using namespace zelvane::panel;

// A 1440 × 900 screen with a 25-point top panel, and a second one to its right.
const ScreenArea mainScreen{{0, 0, 1440, 900}, {0, 25, 1440, 875}};
const ScreenArea rightScreen{{1440, 0, 1280, 1024}, {1440, 0, 1280, 1024}};
const std::vector<ScreenArea> screens{mainScreen, rightScreen};

} // namespace

// Without a usable tray icon: top right; under one: centred, eight from the sides, on its
// screen; a remembered place wins while its screen is connected, clamped into it.
TEST(PanelFrame, OpensUnderTheIconOrAtTheRememberedPlace) {
    using Place = std::optional<QPointF>;
    using Icon = std::optional<QRectF>;
    const QRectF under(988, 0, 24, 24);
    const std::tuple<Place, Icon, QRectF> cases[] = {
        {std::nullopt, std::nullopt, {868, 31, 560, 420}}, // 12 in, 6 below the top panel
        {std::nullopt, QRectF(), {868, 31, 560, 420}},
        {std::nullopt, QRectF(5000, 0, 24, 24), {868, 31, 560, 420}}, // off every screen
        {std::nullopt, under, {720, 31, 560, 420}},
        {std::nullopt, QRectF(1410, 0, 24, 24), {872, 31, 560, 420}},
        {std::nullopt, QRectF(2000, 0, 24, 24), {1732, 6, 560, 420}},
        {QPointF(200, 300), std::nullopt, {200, 300, 560, 420}},
        {QPointF(1300, 10), std::nullopt, {880, 25, 560, 420}},
        {QPointF(-1, 100), std::nullopt, {0, 100, 560, 420}}, // one point out still belongs
        {QPointF(-2000, 100), under, {720, 31, 560, 420}},    // its screen is gone
    };
    for (const auto& [place, icon, expected] : cases)
        EXPECT_EQ(panelFrame(mediumSize, place, icon, screens), expected)
            << place.value_or(QPointF()).x() << " " << icon.value_or(QRectF()).x();
    EXPECT_EQ(panelFrame(mediumSize, std::nullopt, std::nullopt, {}), QRectF(868, 6, 560, 420));
    // Larger than the area: its top and right edge stay inside.
    EXPECT_EQ(clampedInto(QRectF(100, 100, 560, 420), QRectF(0, 20, 500, 300)),
              QRectF(-60, 20, 560, 420));
}

TEST(ResizeDrag, TheDraggedEdgeFollowsTheMouseWithinTheLimits) {
    const QPointF m0(100, 500);
    EXPECT_EQ(resizedSize(ResizeEdge::left, m0, mediumSize, {-200, 500}), QSizeF(760, 420));
    EXPECT_EQ(resizedSize(ResizeEdge::right, m0, mediumSize, {-200, 500}), QSizeF(364, 420));
    EXPECT_EQ(resizedSize(ResizeEdge::bottom, m0, mediumSize, {100, 100}), QSizeF(560, 382));
    EXPECT_EQ(resizedSize(ResizeEdge::bottomLeft, m0, mediumSize, {90, 510}), QSizeF(570, 430));
    EXPECT_EQ(resizedSize(ResizeEdge::bottomRight, m0, mediumSize, {110.5, 499.5}),
              QSizeF(571, 420)); // halves round away from zero
}

TEST(MoveDrag, FollowsTheMouseButNeverRisesAboveTheTopPanel) {
    const QPointF m0(500, 100), o0(400, 80);
    EXPECT_EQ(movedTopLeft(m0, o0, {600, 300}, screens, mainScreen), QPointF(500, 280));
    // Partly off the screen sideways is allowed while dragging.
    EXPECT_EQ(movedTopLeft(m0, o0, {50, 300}, screens, mainScreen), QPointF(-50, 280));
    // The screen under the mouse decides; off every screen the panel's own screen does.
    EXPECT_EQ(movedTopLeft(m0, o0, {1600, 10}, screens, mainScreen), QPointF(1500, 0));
    EXPECT_EQ(movedTopLeft(m0, o0, {600, -50}, screens, mainScreen), QPointF(500, 25));
    EXPECT_EQ(movedTopLeft(m0, o0, {600, -50}, screens, std::nullopt), QPointF(500, -70));
}

TEST(FollowSize, APanelOnTheRightHalfGrowsLeftAndOneOnTheLeftHalfGrowsRight) {
    const QRectF onRight(800, 31, 560, 420), onLeft(100, 31, 560, 420);
    ASSERT_FALSE(keepsLeftEdgeAt(onRight, mainScreen.available));
    ASSERT_TRUE(keepsLeftEdgeAt(onLeft, mainScreen.available));
    EXPECT_EQ(followedFrame(onRight, largeSize, false, mainScreen.available),
              QRectF(600, 31, 760, 560));
    EXPECT_EQ(followedFrame(onLeft, largeSize, true, mainScreen.available),
              QRectF(100, 31, 760, 560));
    // Growing past an edge of the area pushes the panel back inside.
    EXPECT_EQ(followedFrame(QRectF(900, 400, 560, 420), largeSize, true, mainScreen.available),
              QRectF(680, 340, 760, 560));
}
