// The yardstick between a bare Qt window and the program: the main window as it starts, drawn
// with stock Qt widgets (labels, buttons, option buttons, check boxes, and line edits for the
// boxes that hold text) at the controls' places, without the program's views and without the
// empty board cells. It shows what Qt's first drawing of this window's text costs by itself.
// Exits once painted, as `mozeldouble --quit-after-paint` does.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "ui/Buttons.h"
#include "ui/HeadlessServices.h"
#include "ui/Label.h"
#include "ui/TextBox.h"
#include "ui/qt/Convert.h"
#include "ui/qt/QuitAfterPaint.h"

namespace {

QWidget* StockWidgetOf(ui::Control& control) {
    using ui::qt::ToQString;
    using ui::qt::UiFont;
    if (auto* label = dynamic_cast<ui::Label*>(&control)) {
        auto* widget = new QLabel(ToQString(label->caption()));
        widget->setWordWrap(true);
        widget->setFont(UiFont(label->fontSize(), label->fontBold()));
        return widget;
    }
    if (auto* option = dynamic_cast<ui::OptionButton*>(&control)) return new QRadioButton(ToQString(option->caption()));
    if (auto* check = dynamic_cast<ui::CheckBox*>(&control)) return new QCheckBox(ToQString(check->caption()));
    if (auto* button = dynamic_cast<ui::CommandButton*>(&control)) return new QPushButton(ToQString(button->caption()));
    if (auto* box = dynamic_cast<ui::TextBox*>(&control)) {
        if (box->text().find_first_not_of(' ') == std::string::npos) return nullptr;
        auto* widget = new QLineEdit(ToQString(box->text()));
        widget->setFont(UiFont(box->fontSize(), box->fontBold()));
        return widget;
    }
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(ui::qt::UiFont(9));
    ui::HeadlessServices services;
    // As the program does: the collection file it opens lies beside it.
    services.setProgramFolder(QCoreApplication::applicationDirPath().toStdString());
    program::Program program(services.services());
    program.Start();
    ui::Form& form = program.frmAllGamen();

    QWidget window;
    const ui::qt::Scale scale = ui::qt::Scale::Of(window);
    window.resize(scale.px(form.width()), scale.px(form.height()));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, ui::qt::ToQColor(form.backColor(), palette));
    window.setPalette(palette);
    for (ui::Control* control : form.controls()) {
        if (!control->visible()) continue;
        if (QWidget* widget = StockWidgetOf(*control)) {
            widget->setParent(&window);
            widget->setGeometry(scale.rect(control->left(), control->top(), control->width(), control->height()));
        }
    }
    ui::qt::QuitAfterPaint quit;
    app.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}
