#include "ui/qt/QtServices.h"

namespace ui::qt {

QtServices::QtServices(const QString& lockFile) : platform(lockFile) {
    printer.setNotice([this](const std::string& text) { dialogs.MsgBox(text, MsgIcon::Information); });
}

}  // namespace ui::qt
