// A label: QLabel with the caption wrapped to the label's width. A label without a background
// colour of its own (ui::kTransparent) shows the window and its lines through it.
// Wrapped lines are set 1.2 font sizes apart, capital height centred in each: the CJK font's
// own line height (almost 1.5) and ascent would push the last lines of a label laid out for
// the usual desktop fonts out of it.
#pragma once

#include <QLabel>

#include "ui/Label.h"
#include "ui/qt/ControlBinding.h"

namespace ui::qt {

class LabelView : public QLabel, public BoundTo<Label> {
public:
    LabelView(Label& model, FormRegistry& registry, Scale scale, QWidget* parent);

    void sync() override;
    QObject* object() override { return this; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ShownFont font_;
    ShownColors colors_;
};

}  // namespace ui::qt
