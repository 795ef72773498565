// The clickable controls: CheckBox -> QCheckBox, OptionButton -> QRadioButton, CommandButton ->
// QPushButton. A click goes to the model (ui::Click); a check box or option button never
// changes its own state: the model decides and the widget mirrors its Value.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "ui/Buttons.h"
#include "ui/qt/ControlBinding.h"

namespace ui::qt {

class CheckBoxView : public QCheckBox, public BoundTo<CheckBox> {
public:
    CheckBoxView(CheckBox& model, FormRegistry& registry, Scale scale, QWidget* parent);
    void sync() override;
    QObject* object() override { return this; }

protected:
    void nextCheckState() override {}
    // The whole control answers a click, not only its indicator and caption.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    ShownColors colors_;
};

class OptionButtonView : public QRadioButton, public BoundTo<OptionButton> {
public:
    OptionButtonView(OptionButton& model, FormRegistry& registry, Scale scale, QWidget* parent);
    void sync() override;
    QObject* object() override { return this; }

protected:
    void nextCheckState() override {}
    // The whole control answers a click, not only its indicator and caption.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    ShownColors colors_;
};

class CommandButtonView : public QPushButton, public BoundTo<CommandButton> {
public:
    CommandButtonView(CommandButton& model, FormRegistry& registry, Scale scale, QWidget* parent);
    void sync() override;
    QObject* object() override { return this; }

private:
    ShownColors colors_;
};

}  // namespace ui::qt
