#include "ui/qt/ImageComboView.h"

#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

#include "ui/UserInput.h"

namespace ui::qt {

ImageComboView::ImageComboView(ImageCombo& model, FormRegistry& registry, Scale scale, QWidget* parent)
    : QComboBox(parent), BoundTo<ImageCombo>(model, registry, scale) {
    setObjectName(ToQString(model.path()));
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!model_ || index < 0 || index >= static_cast<int>(model_->items().size())) return;
        Pick(registry_, *model_, model_->items()[static_cast<size_t>(index)].name);
    });
}

QIcon ImageComboView::Swatch(Color color, const QSize& size) {
    QPixmap pixmap(size);
    pixmap.fill(ToQColor(color, QPalette()));
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

void ImageComboView::sync() {
    if (!model_) return;
    QSignalBlocker block(this);
    SyncCommon(*this, *model_, scale_);

    std::vector<std::pair<Color, std::string>> entries;
    for (const auto& item : model_->items()) {
        Color color = model_->imageList() ? model_->imageList()->picture(item.picture) : kBlack;
        entries.emplace_back(color, item.name);
    }
    if (entries != shown_) {
        clear();
        for (const auto& [color, name] : entries) addItem(Swatch(color, iconSize()), ToQString(name));
        shown_ = std::move(entries);
    }

    // The selected entry, or (none selected, or a text set by code) the text on its own.
    int selected = model_->selected();
    bool showsEntry = selected > 0 && model_->items()[static_cast<size_t>(selected - 1)].name == model_->text();
    if (showsEntry) {
        if (currentIndex() != selected - 1) setCurrentIndex(selected - 1);
    } else {
        setPlaceholderText(ToQString(model_->text()));
        if (currentIndex() != -1) setCurrentIndex(-1);
    }
}

}  // namespace ui::qt
