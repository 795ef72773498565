// A progress bar: QProgressBar, busy (moving on its own) while the model's range is 0..0.
#pragma once

#include <QProgressBar>

#include "ui/ProgressBar.h"
#include "ui/qt/ControlBinding.h"
#include "ui/qt/Convert.h"

namespace ui::qt {

class ProgressBarView : public QProgressBar, public BoundTo<ProgressBar> {
public:
    ProgressBarView(ProgressBar& model, FormRegistry& registry, Scale scale, QWidget* parent);

    void sync() override;
    QObject* object() override { return this; }
};

}  // namespace ui::qt
