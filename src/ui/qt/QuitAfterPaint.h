// Ends the event loop once the first window has painted: installed on the application by
// programs that time their start-up to the first painted window. A window shown at the same
// time is not painted: its paint would be no part of the first window's.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace ui::qt {

class QuitAfterPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return QObject::eventFilter(watched, event);
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (!first_) {
            first_ = window;
            // exit, not quit: quit would first offer every window a close, which is no part
            // of the start-up.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return window != first_ || QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> first_;  // the window painted first
};

}  // namespace ui::qt
