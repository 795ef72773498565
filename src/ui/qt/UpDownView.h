// A spinner: two small arrow buttons in the spinner's own rectangle beside its buddy, stacked
// (or side by side when the rectangle is wider than high). Each press is ui::SpinUp or
// ui::SpinDown; holding a button repeats it.
#pragma once

#include <QToolButton>
#include <QWidget>

#include "ui/UpDown.h"
#include "ui/qt/ControlBinding.h"

namespace ui::qt {

class UpDownView : public QWidget, public BoundTo<UpDown> {
public:
    UpDownView(UpDown& model, FormRegistry& registry, Scale scale, QWidget* parent);

    void sync() override;
    QObject* object() override { return this; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace ui::qt
