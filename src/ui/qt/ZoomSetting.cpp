#include "ui/qt/ZoomSetting.h"

#include <QSettings>

#include "ui/qt/ScreenFit.h"

namespace ui::qt {
namespace {

const QString kZoomKey = QStringLiteral("windows/zoom");

}  // namespace

double ReadZoom(const QSettings& settings) {
    bool ok = false;
    double zoom = settings.value(kZoomKey).toDouble(&ok);
    return ok ? ClampZoom(zoom) : 1.0;
}

void WriteZoom(QSettings& settings, double zoom) { settings.setValue(kZoomKey, ClampZoom(zoom)); }

}  // namespace ui::qt
