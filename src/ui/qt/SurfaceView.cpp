#include "ui/qt/SurfaceView.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace ui::qt {

SurfaceView::SurfaceView(Surface& model, FormRegistry& registry, Scale scale, QWidget* canvas)
    : QObject(canvas), BoundTo<Surface>(model, registry, scale), canvas_(canvas) {
    setObjectName(ToQString(model.path()));
}

void SurfaceView::sync() { canvas_->update(); }

void SurfaceView::paint(QPainter& painter) const {
    if (!model_ || !model_->visible()) return;
    painter.save();
    // Crisp lines with round ends, as wide lines are drawn on a window.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPalette& palette = canvas_->palette();
    for (const SurfaceLine& line : model_->lines()) {
        QPen pen(ToQColor(line.color, palette), std::max(1, line.width), Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(scale_.px(line.x1), scale_.px(line.y1), scale_.px(line.x2), scale_.px(line.y2));
    }
    painter.restore();
}

}  // namespace ui::qt
