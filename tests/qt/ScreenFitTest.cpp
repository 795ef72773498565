// The arithmetic of fitting windows to the screen: the zoom steps, the readable limit, the fit
// factor, the factor a window is shown at, and a place inside the screen's free area.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "ui/qt/ScreenFit.h"

namespace {

using namespace ui::qt;

TEST(ZoomSteps, InAndOutWalkEveryStepAndStopAtTheEnds) {
    double zoom = kZoomSteps.front();
    for (size_t i = 1; i < kZoomSteps.size(); ++i) {
        zoom = ZoomIn(zoom);
        EXPECT_DOUBLE_EQ(zoom, kZoomSteps[i]);
    }
    EXPECT_DOUBLE_EQ(ZoomIn(zoom), kZoomSteps.back());
    for (size_t i = kZoomSteps.size() - 1; i-- > 0;) {
        zoom = ZoomOut(zoom);
        EXPECT_DOUBLE_EQ(zoom, kZoomSteps[i]);
    }
    EXPECT_DOUBLE_EQ(ZoomOut(zoom), kZoomSteps.front());
}

TEST(ZoomSteps, AZoomBetweenStepsGoesToTheNearestStepThatWay) {
    EXPECT_DOUBLE_EQ(ZoomIn(1.05), 1.1);
    EXPECT_DOUBLE_EQ(ZoomOut(1.05), 1.0);
    // A step read back with its last digits lost is still that step.
    EXPECT_DOUBLE_EQ(ZoomIn(1.0999999999), 1.25);
    EXPECT_DOUBLE_EQ(ZoomOut(1.1000000001), 1.0);
}

TEST(ZoomSteps, ASavedZoomIsClampedToTheStepsRange) {
    EXPECT_DOUBLE_EQ(ClampZoom(1.25), 1.25);
    EXPECT_DOUBLE_EQ(ClampZoom(40.0), kZoomSteps.back());
    EXPECT_DOUBLE_EQ(ClampZoom(0.0), kZoomSteps.front());
    EXPECT_DOUBLE_EQ(ClampZoom(-2.0), kZoomSteps.front());
    EXPECT_DOUBLE_EQ(ClampZoom(std::numeric_limits<double>::quiet_NaN()), 1.0);
    EXPECT_DOUBLE_EQ(ClampZoom(std::numeric_limits<double>::infinity()), 1.0);
}

TEST(ReadableFactor, KeepsTheInterfaceFontAtNineDevicePixels) {
    // 9 points are 12 pixels at 96 dpi.
    EXPECT_DOUBLE_EQ(ReadableFactor(96, 1.0), 0.75);
    // Pixels twice as dense may be twice as small, and a higher dpi too.
    EXPECT_DOUBLE_EQ(ReadableFactor(96, 2.0), 0.375);
    EXPECT_DOUBLE_EQ(ReadableFactor(144, 1.0), 0.5);
    EXPECT_DOUBLE_EQ(ReadableFactor(96, 1.5), 0.5);
}

TEST(FitFactor, IsLimitedByTheTighterSide) {
    // The main window (680 x 793) on a laptop screen's 733 free rows.
    EXPECT_DOUBLE_EQ(FitFactor(QSize(680, 793), QSize(1365, 733)), 733.0 / 793);
    // A wide window on a narrow screen.
    EXPECT_DOUBLE_EQ(FitFactor(QSize(860, 690), QSize(800, 1000)), 800.0 / 860);
    EXPECT_DOUBLE_EQ(FitFactor(QSize(400, 300), QSize(1600, 1200)), 4.0);
    // A window of no size fits anything; no room fits nothing.
    EXPECT_TRUE(std::isinf(FitFactor(QSize(0, 300), QSize(800, 600))));
    EXPECT_DOUBLE_EQ(FitFactor(QSize(400, 300), QSize(-5, 600)), 0.0);
}

TEST(WindowFactor, AWindowThatFitsIsShownAtItsSizeTimesTheZoom) {
    const double readable = 0.75;
    EXPECT_DOUBLE_EQ(WindowFactor(2.0, 1.0, readable), 1.0);
    EXPECT_DOUBLE_EQ(WindowFactor(2.0, 1.5, readable), 1.5);
    EXPECT_DOUBLE_EQ(WindowFactor(2.0, 0.8, readable), 0.8);
    // No larger than the screen.
    EXPECT_DOUBLE_EQ(WindowFactor(2.0, 3.0, readable), 2.0);
}

TEST(WindowFactor, AWindowLargerThanTheScreenIsFittedAndZoomedFromThere) {
    const double readable = 0.5;
    EXPECT_DOUBLE_EQ(WindowFactor(0.9, 1.0, readable), 0.9);
    EXPECT_DOUBLE_EQ(WindowFactor(0.9, 0.8, readable), 0.9 * 0.8);
    // Zooming in cannot push it past the screen.
    EXPECT_DOUBLE_EQ(WindowFactor(0.9, 1.25, readable), 0.9);
}

TEST(WindowFactor, TextStaysReadableOnAScreenTooSmallForTheWindow) {
    EXPECT_DOUBLE_EQ(WindowFactor(0.6, 1.0, 0.75), 0.75);
    EXPECT_DOUBLE_EQ(WindowFactor(0.9, 0.5, 0.75), 0.75);
    EXPECT_DOUBLE_EQ(WindowFactor(0.0, 1.0, 0.375), 0.375);
}

TEST(PlaceInside, AFrameInsideStaysWhereItIs) {
    EXPECT_EQ(PlaceInside(QRect(100, 50, 400, 300), QRect(0, 0, 1366, 768)), QPoint(100, 50));
    EXPECT_EQ(PlaceInside(QRect(966, 468, 400, 300), QRect(0, 0, 1366, 768)), QPoint(966, 468));
}

TEST(PlaceInside, AFramePastAnEdgeMovesBackJustInside) {
    const QRect screen(0, 0, 1366, 768);
    // The collection window placed right of the main window on a narrow screen.
    EXPECT_EQ(PlaceInside(QRect(1300, 1, 424, 200), screen), QPoint(942, 1));
    EXPECT_EQ(PlaceInside(QRect(10, 700, 400, 300), screen), QPoint(10, 468));
    EXPECT_EQ(PlaceInside(QRect(-50, -20, 400, 300), screen), QPoint(0, 0));
    // A free area that starts below a panel, on a second screen.
    EXPECT_EQ(PlaceInside(QRect(1400, 0, 400, 300), QRect(1366, 27, 1920, 1053)), QPoint(1400, 27));
    EXPECT_EQ(PlaceInside(QRect(3500, 900, 400, 300), QRect(1366, 27, 1920, 1053)), QPoint(2886, 780));
}

TEST(PlaceInside, AFrameLargerThanTheAreaShowsItsTopLeftCorner) {
    EXPECT_EQ(PlaceInside(QRect(300, 200, 700, 900), QRect(0, 27, 1366, 741)), QPoint(300, 27));
    EXPECT_EQ(PlaceInside(QRect(300, 200, 1400, 900), QRect(0, 27, 1366, 741)), QPoint(0, 27));
    // Exactly as large: at the corner.
    EXPECT_EQ(PlaceInside(QRect(5, 5, 1366, 741), QRect(0, 27, 1366, 741)), QPoint(0, 27));
}

}  // namespace
