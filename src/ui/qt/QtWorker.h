// Work on threads of its own; when a piece of work is done, its end is posted to the
// application's thread, where the windows live. The threads are joined when the worker goes,
// so the program ends only once every piece has returned (the work is asked to stop first by
// whoever started it).
#pragma once

#include <list>
#include <thread>

#include "ui/Services.h"

namespace ui::qt {

class QtWorker : public Worker {
public:
    QtWorker() = default;
    ~QtWorker() override;
    QtWorker(const QtWorker&) = delete;
    QtWorker& operator=(const QtWorker&) = delete;

    void Run(std::function<void()> work, std::function<void()> done) override;

private:
    std::list<std::thread> threads_;
};

}  // namespace ui::qt
