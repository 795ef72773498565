#include "ui/qt/UpDownView.h"

#include <QSignalBlocker>

#include "ui/UserInput.h"

namespace ui::qt {

UpDownView::UpDownView(UpDown& model, FormRegistry& registry, Scale scale, QWidget* parent)
    : QWidget(parent), BoundTo<UpDown>(model, registry, scale), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    setObjectName(ToQString(model.path()));
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] {
        if (model_) SpinUp(registry_, *model_);
    });
    connect(down_, &QToolButton::clicked, this, [this] {
        if (model_) SpinDown(registry_, *model_);
    });
}

void UpDownView::sync() {
    if (!model_) return;
    QSignalBlocker block(this);
    SyncCommon(*this, *model_, scale_);
}

void UpDownView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    int w = width();
    int h = height();
    if (h >= w) {
        up_->setArrowType(Qt::UpArrow);
        down_->setArrowType(Qt::DownArrow);
        up_->setGeometry(0, 0, w, h / 2);
        down_->setGeometry(0, h / 2, w, h - h / 2);
    } else {
        // Side by side: left steps down, right steps up.
        down_->setArrowType(Qt::LeftArrow);
        up_->setArrowType(Qt::RightArrow);
        down_->setGeometry(0, 0, w / 2, h);
        up_->setGeometry(w / 2, 0, w - w / 2, h);
    }
}

}  // namespace ui::qt
