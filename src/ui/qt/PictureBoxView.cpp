#include "ui/qt/PictureBoxView.h"

#include <QPainter>

namespace ui::qt {

PictureBoxView::PictureBoxView(PictureBox& model, FormRegistry& registry, Scale scale, QWidget* parent)
    : QWidget(parent), BoundTo<PictureBox>(model, registry, scale) {
    setObjectName(ToQString(model.path()));
}

void PictureBoxView::sync() {
    if (!model_) return;
    SyncCommon(*this, *model_, scale_);
    if (shown_ != model_->picture()) {
        shown_ = model_->picture();
        pixmap_ = QPixmap();
        if (!shown_.empty()) pixmap_.loadFromData(reinterpret_cast<const uchar*>(shown_.data()), static_cast<uint>(shown_.size()));
        update();
    }
}

void PictureBoxView::paintEvent(QPaintEvent*) {
    if (pixmap_.isNull()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QSizeF size = pixmap_.size();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    const QRectF target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(), size.height());
    painter.drawPixmap(target, pixmap_, QRectF(pixmap_.rect()));
}

}  // namespace ui::qt
