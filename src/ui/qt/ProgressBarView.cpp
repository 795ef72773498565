#include "ui/qt/ProgressBarView.h"

namespace ui::qt {

ProgressBarView::ProgressBarView(ProgressBar& model, FormRegistry& registry, Scale scale, QWidget* parent)
    : QProgressBar(parent), BoundTo<ProgressBar>(model, registry, scale) {
    setObjectName(ToQString(model.path()));
    setTextVisible(false);
}

void ProgressBarView::sync() {
    if (!model_) return;
    SyncCommon(*this, *model_, scale_);
    if (minimum() != model_->min() || maximum() != model_->max()) setRange(model_->min(), model_->max());
    if (value() != model_->value()) setValue(model_->value());
}

}  // namespace ui::qt
