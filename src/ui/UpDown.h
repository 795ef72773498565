// A spinner: two arrows that step the number in a buddy text box within Min..Max.
#pragma once

#include <functional>

#include "ui/Control.h"
#include "ui/TextBox.h"

namespace ui {

class UpDown : public Control {
public:
    using Control::Control;
    const char* typeName() const override { return "UpDown"; }

    void setBuddy(TextBox* buddy) { buddy_ = buddy; }
    TextBox* buddy() const { return buddy_; }
    int min() const { return min_; }
    int max() const { return max_; }
    void setMin(int v) { assign(Field::Min, min_, v); }
    void setMax(int v) { assign(Field::Max, max_, v); }

    // A user's press on the up or down arrow: the buddy's number moves by one, the result
    // kept within the range, then UpClick or DownClick fires.
    void up();
    void down();

    std::function<void()> onUpClick;
    std::function<void()> onDownClick;

    std::vector<std::string> propertyNames() const override;
    PropertyValue property(std::string_view name) const override;
    void setProperty(std::string_view name, const PropertyValue& value) override;
    void captureFields(std::vector<std::pair<Field, FieldValue>>& out) const override;
    void restoreField(Field field, const FieldValue& value) override;

private:
    void step(int delta);

    TextBox* buddy_ = nullptr;
    int min_ = 0;
    int max_ = 10;
};

}  // namespace ui
