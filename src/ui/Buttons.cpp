#include "ui/Buttons.h"

#include "ui/Form.h"

namespace ui {

std::vector<std::string> Clickable::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Caption", "BackColor", "FontSize", "ToolTip"});
    return names;
}

PropertyValue Clickable::property(std::string_view name) const {
    if (name == "Caption") return caption_;
    if (name == "BackColor") return int64_t{backColor_};
    if (name == "FontSize") return int64_t{fontSize_};
    if (name == "ToolTip") return toolTip_;
    return Control::property(name);
}

void Clickable::setProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Caption") return setCaption(ToText(value));
    if (name == "BackColor") return setBackColor(ToColor(value));
    if (name == "FontSize") return setFontSize(ToInt32(value));
    if (name == "ToolTip") return setToolTip(ToText(value));
    Control::setProperty(name, value);
}

void Clickable::captureFields(std::vector<std::pair<Field, FieldValue>>& out) const {
    Control::captureFields(out);
    out.emplace_back(Field::Caption, ToFieldValue(caption_));
    out.emplace_back(Field::BackColor, ToFieldValue(backColor_));
    out.emplace_back(Field::FontSize, ToFieldValue(fontSize_));
    out.emplace_back(Field::ToolTip, ToFieldValue(toolTip_));
}

void Clickable::restoreField(Field field, const FieldValue& value) {
    switch (field) {
        case Field::Caption: return putBack(caption_, value);
        case Field::BackColor: return putBack(backColor_, value);
        case Field::FontSize: return putBack(fontSize_, value);
        case Field::ToolTip: return putBack(toolTip_, value);
        default: return Control::restoreField(field, value);
    }
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2) throw PropertyError("a check box value is 0, 1 or 2");
    if (assign(Field::Value, value_, value)) fireClick();
}

void CheckBox::captureFields(std::vector<std::pair<Field, FieldValue>>& out) const {
    Clickable::captureFields(out);
    out.emplace_back(Field::Value, ToFieldValue(value_));
}

void CheckBox::restoreField(Field field, const FieldValue& value) {
    if (field == Field::Value) return putBack(value_, value);
    Clickable::restoreField(field, value);
}

std::vector<std::string> CheckBox::propertyNames() const {
    auto names = Clickable::propertyNames();
    names.push_back("Value");
    return names;
}

PropertyValue CheckBox::property(std::string_view name) const {
    if (name == "Value") return int64_t{value_};
    return Clickable::property(name);
}

void CheckBox::setProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Value") return setValue(ToInt32(value));
    Clickable::setProperty(name, value);
}

void OptionButton::setValue(bool value) {
    if (value_ == value) return;
    if (value) {
        for (Control* other : form().controls()) {
            auto* option = dynamic_cast<OptionButton*>(other);
            if (option && option != this && option->group_ == group_ && option->value_) {
                option->assign(Field::Value, option->value_, false);
            }
        }
    }
    assign(Field::Value, value_, value);
    if (value) fireClick();
}

void OptionButton::captureFields(std::vector<std::pair<Field, FieldValue>>& out) const {
    Clickable::captureFields(out);
    out.emplace_back(Field::Value, ToFieldValue(value_));
}

void OptionButton::restoreField(Field field, const FieldValue& value) {
    if (field == Field::Value) return putBack(value_, value);
    Clickable::restoreField(field, value);
}

std::vector<std::string> OptionButton::propertyNames() const {
    auto names = Clickable::propertyNames();
    names.push_back("Value");
    return names;
}

PropertyValue OptionButton::property(std::string_view name) const {
    if (name == "Value") return value_;
    return Clickable::property(name);
}

void OptionButton::setProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Value") return setValue(ToBool(value));
    Clickable::setProperty(name, value);
}

}  // namespace ui
