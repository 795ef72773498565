// A bare Qt window: the yardstick for the program's start-up. Shows an empty window and exits
// once it has been painted, as `mozeldouble --quit-after-paint` does.
#include <QApplication>
#include <QWidget>

#include "ui/qt/QuitAfterPaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(680, 790);
    ui::qt::QuitAfterPaint quit;
    app.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
