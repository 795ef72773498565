#include "ui/qt/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <cstdio>

#include "ui/qt/Convert.h"
#include "ui/qt/QtPrinter.h"

namespace ui::qt {
namespace {

QMessageBox::Icon BoxIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::Exclamation: return QMessageBox::Warning;
        case MsgIcon::Critical: return QMessageBox::Critical;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtDialogs::QtDialogs(QtPrinter& printer) : printer_(printer) {}

void QtDialogs::MsgBox(const std::string& text, MsgIcon icon) {
    if (unattended_) {
        std::fprintf(stderr, "message (%s): %s\n", MsgIconName(icon), text.c_str());
        return;
    }
    QMessageBox box(BoxIcon(icon), QCoreApplication::applicationName(), ToQString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void QtDialogs::Beep() { QApplication::beep(); }

std::optional<std::string> QtDialogs::OpenFile(const std::string& initialPath) {
    if (unattended_) return std::nullopt;
    QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), ToQString(initialPath));
    if (path.isEmpty()) return std::nullopt;
    return ToUtf8(path);
}

bool QtDialogs::PrinterDialog() {
    if (unattended_) return false;
    return printer_.choosePrinter(QApplication::activeWindow());
}

}  // namespace ui::qt
