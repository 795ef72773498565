// Straight lines drawn on a window's surface, kept in drawing order so that the window can
// paint them again whenever it is repainted. A later line covers an earlier one.
#pragma once

#include <vector>

#include "ui/Color.h"
#include "ui/Control.h"

namespace ui {

struct SurfaceLine {
    int x1, y1, x2, y2;  // twips
    int width;           // pixels
    Color color;
    bool operator==(const SurfaceLine&) const = default;
};

class Surface : public Control {
public:
    using Control::Control;
    const char* typeName() const override { return "Surface"; }

    void line(int x1, int y1, int x2, int y2, int width, Color color);
    void clear();
    const std::vector<SurfaceLine>& lines() const { return lines_; }

    std::vector<std::string> propertyNames() const override;
    PropertyValue property(std::string_view name) const override;

private:
    std::vector<SurfaceLine> lines_;
};

}  // namespace ui
