// How large a window is shown and where it may stand: its fit to the screen's free area, the
// user's zoom, the smallest size at which its text stays readable, and a place inside the
// screen. Plain arithmetic on sizes and rectangles; the window view applies it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>

namespace ui::qt {

// The zooms that Ctrl++ and Ctrl+- step through, as factors of a window's fitted size.
inline constexpr std::array<double, 13> kZoomSteps{0.5, 0.67, 0.75, 0.8, 0.9, 1.0, 1.1, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// The next step up or down (from a zoom between steps, the nearest step that way); the
// largest and smallest steps stay where they are.
double ZoomIn(double zoom);
double ZoomOut(double zoom);
// Any zoom (a setting read back, say) within the steps' range; 1 when it is not a number.
double ClampZoom(double zoom);

// The smallest factor at which the 9-point interface font still has nine device pixels on a
// screen of that logical dpi and device pixel ratio: anything smaller is no longer readable.
double ReadableFactor(double dpi, double devicePixelRatio);

// The largest factor at which a window of the natural size (factor 1) fits the available size.
double FitFactor(QSize natural, QSize available);

// The factor a window is shown at: its fitted size (its natural size, or the fit when that is
// smaller) times the zoom, never larger than the screen allows, and never below readable (on
// a screen too small for both, readable text wins).
double WindowFactor(double fit, double zoom, double readable);

// The top-left corner that puts a window's frame inside the available area, moving it as
// little as possible; a frame larger than the area goes to the area's top-left corner, so that
// its title bar and menus stay within reach.
QPoint PlaceInside(const QRect& frame, const QRect& available);

}  // namespace ui::qt
