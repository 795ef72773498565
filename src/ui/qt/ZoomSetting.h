// The user's zoom, kept between runs in the desktop program's settings. A value that is missing
// or unreadable (a hand-edited file) reads as the fitted size; one out of range as the nearest
// zoom the keys reach.
#pragma once

class QSettings;

namespace ui::qt {

double ReadZoom(const QSettings& settings);
void WriteZoom(QSettings& settings, double zoom);

}  // namespace ui::qt
