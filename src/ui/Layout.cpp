#include "ui/Layout.h"

#include <stdexcept>
#include <string>

#include "ui/Buttons.h"
#include "ui/ImageCombo.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

namespace ui {
namespace {

[[noreturn]] void Unsupported(const Control& control, const char* what) {
    throw std::logic_error(control.path() + " (" + control.typeName() + ") has no " + what);
}

void SetCaption(Control& control, const std::string& caption) {
    if (auto* label = dynamic_cast<Label*>(&control)) return label->setCaption(caption);
    if (auto* button = dynamic_cast<Clickable*>(&control)) return button->setCaption(caption);
    if (auto* box = dynamic_cast<TextBox*>(&control)) return box->setText(caption);
    if (auto* combo = dynamic_cast<ImageCombo*>(&control)) return combo->setText(caption);
    Unsupported(control, "caption");
}

void SetFontSize(Control& control, int points) {
    if (auto* label = dynamic_cast<Label*>(&control)) return label->setFontSize(points);
    if (auto* button = dynamic_cast<Clickable*>(&control)) return button->setFontSize(points);
    if (auto* box = dynamic_cast<TextBox*>(&control)) return box->setFontSize(points);
    Unsupported(control, "font size");
}

}  // namespace

void LayOut(std::span<const LayoutRow> rows) {
    for (const LayoutRow& row : rows) {
        if (!row.caption.empty()) SetCaption(*row.control, std::string(row.caption));
        if (row.fontSize != 0) SetFontSize(*row.control, row.fontSize);
        row.control->setBounds(row.left, row.top, row.width, row.height);
    }
}

void SetBackColor(std::initializer_list<Control*> controls, Color color) {
    for (Control* control : controls) {
        if (auto* label = dynamic_cast<Label*>(control)) {
            label->setBackColor(color);
        } else if (auto* button = dynamic_cast<Clickable*>(control)) {
            button->setBackColor(color);
        } else if (auto* box = dynamic_cast<TextBox*>(control)) {
            box->setBackColor(color);
        } else {
            Unsupported(*control, "background colour");
        }
    }
}

}  // namespace ui
