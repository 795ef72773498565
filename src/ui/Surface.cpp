#include "ui/Surface.h"

namespace ui {

void Surface::line(int x1, int y1, int x2, int y2, int width, Color color) {
    noteChange(Field::Lines, lines_);
    lines_.push_back({x1, y1, x2, y2, width, color});
    changed.emit();
}

void Surface::clear() {
    if (lines_.empty()) return;
    noteChange(Field::Lines, lines_);
    lines_.clear();
    changed.emit();
}

void Surface::captureFields(std::vector<std::pair<Field, FieldValue>>& out) const {
    Control::captureFields(out);
    out.emplace_back(Field::Lines, ToFieldValue(lines_));
}

void Surface::restoreField(Field field, const FieldValue& value) {
    if (field == Field::Lines) return putBack(lines_, value);
    Control::restoreField(field, value);
}

std::vector<std::string> Surface::propertyNames() const {
    auto names = Control::propertyNames();
    names.push_back("LineCount");
    return names;
}

PropertyValue Surface::property(std::string_view name) const {
    if (name == "LineCount") return static_cast<int64_t>(lines_.size());
    return Control::property(name);
}

}  // namespace ui
