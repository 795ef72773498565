#include "ui/qt/ScreenFit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ui::qt {
namespace {

// Zooms written back and forth as text may have lost their last digits.
constexpr double kSameStep = 1e-6;

}  // namespace

double ZoomIn(double zoom) {
    auto next = std::find_if(kZoomSteps.begin(), kZoomSteps.end(), [zoom](double step) { return step > zoom + kSameStep; });
    return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
}

double ZoomOut(double zoom) {
    auto next = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(), [zoom](double step) { return step < zoom - kSameStep; });
    return next == kZoomSteps.rend() ? kZoomSteps.front() : *next;
}

double ClampZoom(double zoom) {
    if (!std::isfinite(zoom)) return 1.0;
    return std::clamp(zoom, kZoomSteps.front(), kZoomSteps.back());
}

double ReadableFactor(double dpi, double devicePixelRatio) {
    // 9 points are 9 * dpi / 72 logical pixels, each devicePixelRatio device pixels wide.
    constexpr double kPoints = 9.0;
    constexpr double kDevicePixels = 9.0;
    return kDevicePixels / (kPoints * dpi / 72.0 * devicePixelRatio);
}

double FitFactor(QSize natural, QSize available) {
    if (natural.isEmpty()) return std::numeric_limits<double>::infinity();
    double across = static_cast<double>(std::max(0, available.width())) / natural.width();
    double down = static_cast<double>(std::max(0, available.height())) / natural.height();
    return std::min(across, down);
}

double WindowFactor(double fit, double zoom, double readable) {
    double fitted = std::min(1.0, fit);
    return std::max(readable, std::min(fitted * zoom, fit));
}

QPoint PlaceInside(const QRect& frame, const QRect& available) {
    auto along = [](int at, int length, int first, int room) {
        if (length >= room) return first;
        return std::clamp(at, first, first + room - length);
    };
    return QPoint(along(frame.left(), frame.width(), available.left(), available.width()),
                  along(frame.top(), frame.height(), available.top(), available.height()));
}

}  // namespace ui::qt
