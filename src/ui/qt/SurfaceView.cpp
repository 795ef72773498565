#include "ui/qt/SurfaceView.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <algorithm>

namespace ui::qt {

SurfaceView::SurfaceView(Surface& model, FormRegistry& registry, Scale scale, QWidget* canvas)
    : QObject(canvas), BoundTo<Surface>(model, registry, scale), canvas_(canvas) {
    setObjectName(ToQString(model.path()));
}

void SurfaceView::sync() { canvas_->update(); }

void SurfaceView::paint(QPainter& painter, const QRegion& area) const {
    if (!model_ || !model_->visible()) return;
    painter.save();
    // Crisp lines with round ends, as wide lines are drawn on a window.
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QPalette& palette = canvas_->palette();
    for (const SurfaceLine& line : model_->lines()) {
        const int width = scale_.pen(line.width);
        const QPoint from(scale_.px(line.x1), scale_.px(line.y1));
        const QPoint to(scale_.px(line.x2), scale_.px(line.y2));
        // A repaint of some cells skips the lines between them and elsewhere (a round end
        // reaches half the width past the end point).
        if (!area.intersects(QRect(from, to).normalized().adjusted(-width, -width, width, width))) continue;
        painter.setPen(QPen(ToQColor(line.color, palette), width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
    }
    painter.restore();
}

}  // namespace ui::qt
