// A picture box: shows a picture (the bytes of a PNG, JPEG or BMP file) scaled to fit its box,
// its proportions kept. Scripts see whether it holds one (HasPicture) and its size in bytes.
#pragma once

#include <span>
#include <string>

#include "ui/Control.h"

namespace ui {

class PictureBox : public Control {
public:
    using Control::Control;
    const char* typeName() const override { return "PictureBox"; }

    // The encoded picture; empty for none.
    const std::string& picture() const { return picture_; }
    void setPicture(std::span<const unsigned char> bytes) {
        assign(Field::Picture, picture_, std::string(bytes.begin(), bytes.end()));
    }

    std::vector<std::string> propertyNames() const override;
    PropertyValue property(std::string_view name) const override;
    void captureFields(std::vector<std::pair<Field, FieldValue>>& out) const override;
    void restoreField(Field field, const FieldValue& value) override;

private:
    std::string picture_;
};

}  // namespace ui
