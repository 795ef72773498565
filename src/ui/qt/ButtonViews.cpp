#include "ui/qt/ButtonViews.h"

#include <QSignalBlocker>

#include "ui/UserInput.h"

namespace ui::qt {
namespace {

// Caption, background and the common properties. A check box or option button fills its own
// rectangle with its background colour; a push button tints its face with it.
void SyncClickable(QAbstractButton& button, const Clickable& model, const Scale& scale, ShownColors& shown,
                   bool fillsBackground) {
    SyncCommon(button, model, scale);
    QString caption = ToQString(model.caption());
    if (button.text() != caption) button.setText(caption);
    QString tip = ToQString(model.toolTip());
    if (button.toolTip() != tip) button.setToolTip(tip);
    // The interface font is the application's; a control asks for another size only by its own.
    if (model.fontSize() != 9 && button.font().pointSize() != model.fontSize()) button.setFont(UiFont(model.fontSize()));
    if (!shown.differ(model.backColor(), model.backColor())) return;
    QPalette palette = button.palette();
    QColor back = ToQColor(model.backColor(), palette);
    // Buttons fill with the Button role; the window role covers styles that use it.
    palette.setColor(QPalette::Button, back);
    if (fillsBackground) palette.setColor(QPalette::Window, back);
    if (palette != button.palette()) button.setPalette(palette);
    button.setAutoFillBackground(fillsBackground);
}

}  // namespace

CheckBoxView::CheckBoxView(CheckBox& model, FormRegistry& registry, Scale scale, QWidget* parent)
    : QCheckBox(parent), BoundTo<CheckBox>(model, registry, scale) {
    setObjectName(ToQString(model.path()));
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (model_) Click(registry_, *model_);
    });
}

void CheckBoxView::sync() {
    if (!model_) return;
    QSignalBlocker block(this);
    SyncClickable(*this, *model_, scale_, colors_, true);
    Qt::CheckState state = model_->value() == 1   ? Qt::Checked
                           : model_->value() == 2 ? Qt::PartiallyChecked
                                                  : Qt::Unchecked;
    if (checkState() != state) setCheckState(state);
}

OptionButtonView::OptionButtonView(OptionButton& model, FormRegistry& registry, Scale scale, QWidget* parent)
    : QRadioButton(parent), BoundTo<OptionButton>(model, registry, scale) {
    setObjectName(ToQString(model.path()));
    // The model keeps the options of a group exclusive.
    setAutoExclusive(false);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (model_) Click(registry_, *model_);
    });
}

void OptionButtonView::sync() {
    if (!model_) return;
    QSignalBlocker block(this);
    SyncClickable(*this, *model_, scale_, colors_, true);
    if (isChecked() != model_->value()) setChecked(model_->value());
}

CommandButtonView::CommandButtonView(CommandButton& model, FormRegistry& registry, Scale scale, QWidget* parent)
    : QPushButton(parent), BoundTo<CommandButton>(model, registry, scale) {
    setObjectName(ToQString(model.path()));
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (model_) Click(registry_, *model_);
    });
}

void CommandButtonView::sync() {
    if (!model_) return;
    QSignalBlocker block(this);
    SyncClickable(*this, *model_, scale_, colors_, false);
}

}  // namespace ui::qt
