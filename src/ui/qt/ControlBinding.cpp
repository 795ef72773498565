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

bool ShownFont::apply(QWidget& widget, const Scale& scale, int points, bool bold, int stretch) {
    if (points == points_ && bold == bold_ && stretch == stretch_ && scale.factor() == factor_) return false;
    points_ = points;
    bold_ = bold;
    stretch_ = stretch;
    factor_ = scale.factor();
    QFont font = scale.font(points, bold);
    if (stretch != 100) font.setStretch(stretch);
    if (widget.font() != font) widget.setFont(font);
    return true;
}

bool ShownColors::differ(Color first, Color second) {
    if (shown_ && first == first_ && second == second_) return false;
    shown_ = true;
    first_ = first;
    second_ = second;
    return true;
}

}  // namespace ui::qt
