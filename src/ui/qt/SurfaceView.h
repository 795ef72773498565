// The lines of a Surface, painted by the window view behind its child widgets in drawing
// order (a later line covers an earlier one). Line ends are twips from the top-left corner of
// the window's client area; widths are pixels.
#pragma once

#include <QObject>

#include "ui/Surface.h"
#include "ui/qt/ControlBinding.h"

class QPainter;
class QRegion;

namespace ui::qt {

class SurfaceView : public QObject, public BoundTo<Surface> {
public:
    // canvas: the widget the lines are painted on.
    SurfaceView(Surface& model, FormRegistry& registry, Scale scale, QWidget* canvas);

    void sync() override;
    QObject* object() override { return this; }
    // The Surface shown; null once detached.
    const Surface* model() const { return model_; }
    // Paints the lines that reach into `area` (the region being repainted); the others
    // would be clipped away whole.
    void paint(QPainter& painter, const QRegion& area) const;

private:
    QWidget* canvas_;
};

}  // namespace ui::qt
