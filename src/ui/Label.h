// A label: a caption the user cannot edit.
#pragma once

#include <functional>
#include <string>

#include "ui/Color.h"
#include "ui/Control.h"
#include "ui/TextBox.h"

namespace ui {

// A label's background is see-through (the window's colour) until one is set.
constexpr Color kTransparent = -1;

class Label : public Control {
public:
    using Control::Control;
    const char* typeName() const override { return "Label"; }

    const std::string& caption() const { return caption_; }
    // Fires Change when the caption really changes.
    void setCaption(const std::string& caption);

    Color backColor() const { return backColor_; }
    void setBackColor(Color c) { assign(Field::BackColor, backColor_, c); }
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color c) { assign(Field::ForeColor, foreColor_, c); }
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a) { assign(Field::Alignment, alignment_, a); }
    int fontSize() const { return fontSize_; }
    void setFontSize(int points) { assign(Field::FontSize, fontSize_, points); }
    bool fontBold() const { return fontBold_; }
    void setFontBold(bool v) { assign(Field::FontBold, fontBold_, v); }

    std::function<void()> onChange;

    std::vector<std::string> propertyNames() const override;
    PropertyValue property(std::string_view name) const override;
    void setProperty(std::string_view name, const PropertyValue& value) override;
    void captureFields(std::vector<std::pair<Field, FieldValue>>& out) const override;
    void restoreField(Field field, const FieldValue& value) override;

private:
    std::string caption_;
    Color backColor_ = kTransparent;
    Color foreColor_ = kBlack;
    Alignment alignment_ = Alignment::Left;
    int fontSize_ = 9;
    bool fontBold_ = false;
};

}  // namespace ui
