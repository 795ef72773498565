// A drop-down list of pictures: QComboBox whose entries show a colour swatch from the list's
// ImageList. The user's pick goes to the model (ui::Pick), which selects it and fires Click.
#pragma once

#include <QComboBox>
#include <string>
#include <utility>
#include <vector>

#include "ui/ImageCombo.h"
#include "ui/qt/ControlBinding.h"

namespace ui::qt {

class ImageComboView : public QComboBox, public BoundTo<ImageCombo> {
public:
    ImageComboView(ImageCombo& model, FormRegistry& registry, Scale scale, QWidget* parent);

    void sync() override;
    QObject* object() override { return this; }

    // An icon filled with the colour, framed so that a pale colour still shows.
    static QIcon Swatch(Color color, const QSize& size);

private:
    // The entries as last shown: swatch colour and name.
    std::vector<std::pair<Color, std::string>> shown_;
};

}  // namespace ui::qt
