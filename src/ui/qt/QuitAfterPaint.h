// Ends the event loop once any widget has painted: installed on the application by programs
// that time their start-up to the first painted window.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace ui::qt {

class QuitAfterPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        // exit, not quit: quit would first offer every window a close, which is no part of
        // the start-up.
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace ui::qt
