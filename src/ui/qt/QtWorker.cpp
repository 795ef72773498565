#include "ui/qt/QtWorker.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace ui::qt {

QtWorker::~QtWorker() {
    for (std::thread& t : threads_) t.join();
}

void QtWorker::Run(std::function<void()> work, std::function<void()> done) {
    QObject* app = QCoreApplication::instance();
    threads_.emplace_back([app, work = std::move(work), done = std::move(done)]() mutable {
        work();
        QMetaObject::invokeMethod(app, std::move(done), Qt::QueuedConnection);
    });
}

}  // namespace ui::qt
