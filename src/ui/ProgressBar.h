// A progress bar: Value within Min..Max; with Min and Max both 0 it shows that work is going on
// without saying how far (a busy indicator).
#pragma once

#include "ui/Control.h"

namespace ui {

class ProgressBar : public Control {
public:
    using Control::Control;
    const char* typeName() const override { return "ProgressBar"; }

    int min() const { return min_; }
    int max() const { return max_; }
    int value() const { return value_; }
    void setMin(int v) { assign(Field::Min, min_, v); }
    void setMax(int v) { assign(Field::Max, max_, v); }
    void setValue(int v) { assign(Field::Value, value_, v); }
    bool busy() const { return min_ == 0 && max_ == 0; }

    std::vector<std::string> propertyNames() const override;
    PropertyValue property(std::string_view name) const override;
    void setProperty(std::string_view name, const PropertyValue& value) override;
    void captureFields(std::vector<std::pair<Field, FieldValue>>& out) const override;
    void restoreField(Field field, const FieldValue& value) override;

private:
    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
};

}  // namespace ui
