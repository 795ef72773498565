#include "ui/qt/ControlBinding.h"

#include <QWidget>

#include "ui/Control.h"

namespace ui::qt {

void SyncCommon(QWidget& widget, const Control& control, const Scale& scale) {
    QRect bounds = scale.rect(control.left(), control.top(), control.width(), control.height());
    if (widget.geometry() != bounds) widget.setGeometry(bounds);
    widget.setVisible(control.visible());
    widget.setEnabled(control.enabled());
}

void SyncFont(QWidget& widget, int points, bool bold) {
    QFont font = UiFont(points, bold);
    if (widget.font() != font) widget.setFont(font);
}

}  // namespace ui::qt
