#include "ui/UpDown.h"

#include <algorithm>
#include <cmath>

#include "ui/Value.h"

namespace ui {

void UpDown::step(int delta) {
    if (!buddy_) return;
    // The step is taken from the number as it stands; only its result is kept in the range.
    double next = std::clamp(std::trunc(Val(buddy_->text())) + delta, double(min_), double(max_));
    buddy_->setText(NumberText(next));
}

void UpDown::up() {
    step(+1);
    if (onUpClick) onUpClick();
}

void UpDown::down() {
    step(-1);
    if (onDownClick) onDownClick();
}

void UpDown::captureFields(std::vector<std::pair<Field, FieldValue>>& out) const {
    Control::captureFields(out);
    out.emplace_back(Field::Min, ToFieldValue(min_));
    out.emplace_back(Field::Max, ToFieldValue(max_));
}

void UpDown::restoreField(Field field, const FieldValue& value) {
    switch (field) {
        case Field::Min: return putBack(min_, value);
        case Field::Max: return putBack(max_, value);
        default: return Control::restoreField(field, value);
    }
}

std::vector<std::string> UpDown::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Min", "Max"});
    return names;
}

PropertyValue UpDown::property(std::string_view name) const {
    if (name == "Min") return int64_t{min_};
    if (name == "Max") return int64_t{max_};
    return Control::property(name);
}

void UpDown::setProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Min") return setMin(ToInt32(value));
    if (name == "Max") return setMax(ToInt32(value));
    Control::setProperty(name, value);
}

}  // namespace ui
