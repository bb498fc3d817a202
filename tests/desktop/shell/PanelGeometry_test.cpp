#include "PanelGeometry.h"

#include <gtest/gtest.h>

using namespace zelvane::panel;

namespace {

// A 1440 × 900 screen with a 25-point top panel, and a second one to its right.
const ScreenArea mainScreen{{0, 0, 1440, 900}, {0, 25, 1440, 875}};
const ScreenArea rightScreen{{1440, 0, 1280, 1024}, {1440, 0, 1280, 1024}};
const std::vector<ScreenArea> screens{mainScreen, rightScreen};

} // namespace

TEST(PanelFrame, AnchorsTopRightWithoutAUsableTrayIcon) {
    const QRectF expected(868, 31, 560, 420); // 12 in from the right, 6 below the top panel
    EXPECT_EQ(panelFrame(mediumSize, std::nullopt, std::nullopt, screens), expected);
    EXPECT_EQ(panelFrame(mediumSize, std::nullopt, QRectF(), screens), expected);
    // An icon reported off every screen counts as not shown.
    EXPECT_EQ(panelFrame(mediumSize, std::nullopt, QRectF(5000, 0, 24, 24), screens), expected);
    EXPECT_EQ(panelFrame(mediumSize, std::nullopt, std::nullopt, {}), QRectF(868, 6, 560, 420));
}

TEST(PanelFrame, CentresUnderTheTrayIconButKeepsEightFromTheSides) {
    EXPECT_EQ(panelFrame(mediumSize, std::nullopt, QRectF(988, 0, 24, 24), screens),
              QRectF(720, 31, 560, 420));
    EXPECT_EQ(panelFrame(mediumSize, std::nullopt, QRectF(1410, 0, 24, 24), screens).x(), 872);
    EXPECT_EQ(panelFrame(mediumSize, std::nullopt, QRectF(10, 0, 24, 24), screens).x(), 8);
    // The icon's screen is the one the panel opens on.
    EXPECT_EQ(panelFrame(mediumSize, std::nullopt, QRectF(2000, 0, 24, 24), screens),
              QRectF(1732, 6, 560, 420));
}

TEST(PanelFrame, ARememberedTopLeftWinsOnAConnectedScreenAndIsClampedIntoIt) {
    EXPECT_EQ(panelFrame(mediumSize, QPointF(200, 300), std::nullopt, screens),
              QRectF(200, 300, 560, 420));
    EXPECT_EQ(panelFrame(mediumSize, QPointF(1300, 10), std::nullopt, screens),
              QRectF(880, 25, 560, 420));
    EXPECT_EQ(panelFrame(mediumSize, QPointF(100, 800), std::nullopt, screens).y(), 480);
    // One point outside the frame still belongs to it.
    EXPECT_EQ(panelFrame(mediumSize, QPointF(-1, 100), std::nullopt, screens).x(), 0);
    // On a screen that is gone, the panel opens under the tray icon instead.
    EXPECT_EQ(panelFrame(mediumSize, QPointF(-2000, 100), QRectF(988, 0, 24, 24), screens),
              QRectF(720, 31, 560, 420));
}

TEST(PanelFrame, APanelLargerThanTheAreaKeepsItsTopAndRightEdgeInside) {
    const QRectF tiny(0, 20, 500, 300);
    EXPECT_EQ(clampedInto(QRectF(100, 100, 560, 420), tiny), QRectF(-60, 20, 560, 420));
}

TEST(ResizeDrag, TheDraggedEdgeFollowsTheMouseWithinTheLimits) {
    const QPointF m0(100, 500);
    EXPECT_EQ(resizedSize(ResizeEdge::left, m0, mediumSize, {0, 480}), QSizeF(660, 420));
    EXPECT_EQ(resizedSize(ResizeEdge::left, m0, mediumSize, {-200, 500}), QSizeF(760, 420));
    EXPECT_EQ(resizedSize(ResizeEdge::right, m0, mediumSize, {-200, 500}), QSizeF(364, 420));
    EXPECT_EQ(resizedSize(ResizeEdge::bottom, m0, mediumSize, {300, 550}), QSizeF(560, 470));
    EXPECT_EQ(resizedSize(ResizeEdge::bottom, m0, mediumSize, {100, 100}), QSizeF(560, 382));
    EXPECT_EQ(resizedSize(ResizeEdge::bottomLeft, m0, mediumSize, {90, 510}), QSizeF(570, 430));
    EXPECT_EQ(resizedSize(ResizeEdge::bottomRight, m0, mediumSize, {110.5, 499.5}),
              QSizeF(571, 420)); // halves round away from zero
}

TEST(ResizeDrag, OnlyDragsOnTheLeftKeepTheRightEdge) {
    EXPECT_FALSE(keepsLeftEdge(ResizeEdge::left));
    EXPECT_FALSE(keepsLeftEdge(ResizeEdge::bottomLeft));
    EXPECT_TRUE(keepsLeftEdge(ResizeEdge::right));
    EXPECT_TRUE(keepsLeftEdge(ResizeEdge::bottom));
    EXPECT_TRUE(keepsLeftEdge(ResizeEdge::bottomRight));
}

TEST(MoveDrag, FollowsTheMouseButNeverRisesAboveTheTopPanel) {
    const QPointF m0(500, 100), o0(400, 80);
    EXPECT_EQ(movedTopLeft(m0, o0, {600, 300}, screens, mainScreen), QPointF(500, 280));
    EXPECT_EQ(movedTopLeft(m0, o0, {600, 30}, screens, mainScreen), QPointF(500, 25));
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

TEST(Maximize, SwitchesBetweenLargeAndMedium) {
    EXPECT_EQ(maximizeToggled(largeSize), mediumSize);
    EXPECT_EQ(maximizeToggled(mediumSize), largeSize);
    EXPECT_EQ(maximizeToggled(QSizeF(400, 400)), largeSize);
}
