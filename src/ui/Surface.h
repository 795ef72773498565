// Straight lines drawn on a window's surface, kept in drawing order so that the window can
// paint them again whenever it is repainted. A later line covers an earlier one.
#pragma once

#include <vector>

#include "ui/Color.h"
#include "ui/Control.h"

namespace ui {

class Surface : public Control {
public:
    using Control::Control;
    const char* typeName() const override { return "Surface"; }

    void line(int x1, int y1, int x2, int y2, int width, Color color);
    void clear();
    const std::vector<SurfaceLine>& lines() const { return lines_; }

    std::vector<std::string> propertyNames() const override;
    PropertyValue property(std::string_view name) const override;
    void captureFields(std::vector<std::pair<Field, FieldValue>>& out) const override;
    void restoreField(Field field, const FieldValue& value) override;

private:
    std::vector<SurfaceLine> lines_;
};

}  // namespace ui
