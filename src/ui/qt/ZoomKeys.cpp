#include "ui/qt/ZoomKeys.h"

#include <QKeyEvent>
#include <QWidget>

namespace ui::qt {

std::optional<ZoomKey> ZoomKeyOf(const QKeyEvent& event) {
    // Shift may be needed to type + (and on some layouts =); Alt or Meta make another chord.
    const Qt::KeyboardModifiers held = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (held != Qt::ControlModifier) return std::nullopt;
    switch (event.key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal: return ZoomKey::In;
        case Qt::Key_Minus: return ZoomKey::Out;
        case Qt::Key_0: return ZoomKey::Reset;
        default: return std::nullopt;
    }
}

ZoomKeyFilter::ZoomKeyFilter(std::function<bool(const QWidget&)> serves, std::function<void(ZoomKey)> zoom)
    : serves_(std::move(serves)), zoom_(std::move(zoom)) {}

bool ZoomKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
    if (!watched->isWidgetType()) return false;
    auto key = ZoomKeyOf(*static_cast<QKeyEvent*>(event));
    if (!key || !serves_(*static_cast<QWidget*>(watched)->window())) return false;
    // Claiming the override keeps a shortcut of the same keys from taking it; the press that
    // follows is the zoom.
    event->accept();
    if (event->type() == QEvent::KeyPress) zoom_(*key);
    return true;
}

}  // namespace ui::qt
