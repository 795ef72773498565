#include "ui/qt/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <algorithm>
#include <cstdio>

#include "ui/qt/Convert.h"
#include "ui/qt/QtPrinter.h"

namespace ui::qt {

const char* const kDialogTitle = "モゼルダブル";

namespace {

QString BoxTitle() { return QString::fromUtf8(kDialogTitle); }

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
    QMessageBox box(BoxIcon(icon), BoxTitle(), ToQString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

int QtDialogs::Ask(const std::string& text, MsgIcon icon, const std::vector<std::string>& buttons, int focus) {
    if (unattended_) {
        std::fprintf(stderr, "message (%s): %s\n", MsgIconName(icon), text.c_str());
        return 0;
    }
    QMessageBox box(BoxIcon(icon), BoxTitle(), ToQString(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    std::vector<QPushButton*> added;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        // The first button accepts; the others, the last of them closing the box by Escape, reject.
        auto role = i == 0 ? QMessageBox::AcceptRole : QMessageBox::RejectRole;
        added.push_back(box.addButton(ToQString(buttons[i]), role));
    }
    if (focus >= 0 && static_cast<std::size_t>(focus) < added.size()) box.setDefaultButton(added[static_cast<std::size_t>(focus)]);
    if (!added.empty()) box.setEscapeButton(added.back());
    box.exec();
    auto chosen = std::find(added.begin(), added.end(), box.clickedButton());
    return chosen == added.end() ? static_cast<int>(added.size()) - 1 : static_cast<int>(chosen - added.begin());
}

void QtDialogs::Beep() { QApplication::beep(); }

std::optional<std::string> QtDialogs::OpenFile(const std::string& initialPath, const std::string& filter) {
    if (unattended_) return std::nullopt;
    QString path =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), ToQString(initialPath), ToQString(filter));
    if (path.isEmpty()) return std::nullopt;
    return ToUtf8(path);
}

bool QtDialogs::PrinterDialog() {
    if (unattended_) return false;
    return printer_.choosePrinter(QApplication::activeWindow());
}

}  // namespace ui::qt
