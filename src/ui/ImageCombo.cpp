#include "ui/ImageCombo.h"

namespace ui {

Color ImageList::picture(int number) const {
    if (number < 1 || number > static_cast<int>(pictures.size())) return kBlack;
    return pictures[static_cast<size_t>(number - 1)];
}

void ImageCombo::clearItems() {
    items_.clear();
    selected_ = 0;
    changed.emit();
}

void ImageCombo::addItem(int picture, const std::string& name) {
    items_.push_back({picture, name});
    changed.emit();
}

void ImageCombo::select(int entry) {
    if (entry < 0 || entry > static_cast<int>(items_.size())) {
        throw PropertyError(path() + " has no entry " + std::to_string(entry));
    }
    noteChange(Field::Selected, selected_);
    noteChange(Field::Text, text_);
    selected_ = entry;
    if (entry > 0) text_ = items_[static_cast<size_t>(entry - 1)].name;
    changed.emit();
}

void ImageCombo::captureFields(std::vector<std::pair<Field, FieldValue>>& out) const {
    Control::captureFields(out);
    out.emplace_back(Field::Text, ToFieldValue(text_));
    out.emplace_back(Field::Selected, ToFieldValue(selected_));
}

void ImageCombo::restoreField(Field field, const FieldValue& value) {
    switch (field) {
        case Field::Text: return putBack(text_, value);
        case Field::Selected: return putBack(selected_, value);
        default: return Control::restoreField(field, value);
    }
}

bool ImageCombo::pick(const std::string& name) {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].name == name) {
            select(static_cast<int>(i) + 1);
            if (onClick) onClick();
            return true;
        }
    }
    return false;
}

std::vector<std::string> ImageCombo::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Text", "SelectedItem", "ListCount"});
    return names;
}

PropertyValue ImageCombo::property(std::string_view name) const {
    if (name == "Text") return text_;
    if (name == "SelectedItem") return int64_t{selected_};
    if (name == "ListCount") return static_cast<int64_t>(items_.size());
    return Control::property(name);
}

void ImageCombo::setProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Text") return setText(ToText(value));
    if (name == "SelectedItem") return select(ToInt32(value));
    Control::setProperty(name, value);
}

}  // namespace ui
