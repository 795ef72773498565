#include "ui/PictureBox.h"

namespace ui {

std::vector<std::string> PictureBox::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"HasPicture", "PictureBytes"});
    return names;
}

PropertyValue PictureBox::property(std::string_view name) const {
    if (name == "HasPicture") return !picture_.empty();
    if (name == "PictureBytes") return static_cast<int64_t>(picture_.size());
    return Control::property(name);
}

void PictureBox::captureFields(std::vector<std::pair<Field, FieldValue>>& out) const {
    Control::captureFields(out);
    out.emplace_back(Field::Picture, ToFieldValue(picture_));
}

void PictureBox::restoreField(Field field, const FieldValue& value) {
    if (field == Field::Picture) return putBack(picture_, value);
    Control::restoreField(field, value);
}

}  // namespace ui
