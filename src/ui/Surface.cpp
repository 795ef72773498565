#include "ui/Surface.h"

namespace ui {

void Surface::line(int x1, int y1, int x2, int y2, int width, Color color) {
    lines_.push_back({x1, y1, x2, y2, width, color});
    changed.emit();
}

void Surface::clear() {
    if (lines_.empty()) return;
    lines_.clear();
    changed.emit();
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
