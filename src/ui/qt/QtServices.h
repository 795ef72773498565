// The Qt services together, wired to each other: the printer dialog edits the printer's
// settings, and the printer's notices are message boxes.
#pragma once

#include "ui/Services.h"
#include "ui/qt/QtDialogs.h"
#include "ui/qt/QtPlatform.h"
#include "ui/qt/QtPrinter.h"
#include "ui/qt/QtWorker.h"

namespace ui::qt {

class QtServices {
public:
    explicit QtServices(const QString& lockFile = QtPlatform::DefaultLockFile());

    Services services() { return {dialogs, printer, platform, worker}; }

    QtPrinter printer;
    QtDialogs dialogs{printer};
    QtPlatform platform;
    QtWorker worker;
};

}  // namespace ui::qt
