// A bare Qt window: the yardstick for the program's start-up. Shows an empty window and exits
// once it has been painted, as `mozeldouble --quit-after-paint` does.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

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

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(680, 790);
    QuitAfterPaint quit;
    app.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
