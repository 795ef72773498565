#include "ui/ProgressBar.h"

namespace ui {

std::vector<std::string> ProgressBar::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Min", "Max", "Value"});
    return names;
}

PropertyValue ProgressBar::property(std::string_view name) const {
    if (name == "Min") return int64_t{min_};
    if (name == "Max") return int64_t{max_};
    if (name == "Value") return int64_t{value_};
    return Control::property(name);
}

void ProgressBar::setProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Min") return setMin(ToInt32(value));
    if (name == "Max") return setMax(ToInt32(value));
    if (name == "Value") return setValue(ToInt32(value));
    Control::setProperty(name, value);
}

void ProgressBar::captureFields(std::vector<std::pair<Field, FieldValue>>& out) const {
    Control::captureFields(out);
    out.emplace_back(Field::Min, ToFieldValue(min_));
    out.emplace_back(Field::Max, ToFieldValue(max_));
    out.emplace_back(Field::Value, ToFieldValue(value_));
}

void ProgressBar::restoreField(Field field, const FieldValue& value) {
    switch (field) {
        case Field::Min: return putBack(min_, value);
        case Field::Max: return putBack(max_, value);
        case Field::Value: return putBack(value_, value);
        default: return Control::restoreField(field, value);
    }
}

}  // namespace ui
