// A picture box: the picture drawn scaled to fit the widget, proportions kept, centred; a
// picture Qt cannot decode shows nothing.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "ui/PictureBox.h"
#include "ui/qt/ControlBinding.h"
#include "ui/qt/Convert.h"

namespace ui::qt {

class PictureBoxView : public QWidget, public BoundTo<PictureBox> {
public:
    PictureBoxView(PictureBox& model, FormRegistry& registry, Scale scale, QWidget* parent);

    void sync() override;
    QObject* object() override { return this; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_;
    std::string shown_;  // the bytes pixmap_ was decoded from
};

}  // namespace ui::qt
