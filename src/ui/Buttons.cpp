#include "ui/Buttons.h"

#include "ui/Form.h"

namespace ui {

std::vector<std::string> Clickable::propertyNames() const {
    auto names = Control::propertyNames();
    names.insert(names.end(), {"Caption", "BackColor"});
    return names;
}

PropertyValue Clickable::property(std::string_view name) const {
    if (name == "Caption") return caption_;
    if (name == "BackColor") return int64_t{backColor_};
    return Control::property(name);
}

void Clickable::setProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Caption") return setCaption(ToText(value));
    if (name == "BackColor") return setBackColor(ToColor(value));
    Control::setProperty(name, value);
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2) throw PropertyError("a check box value is 0, 1 or 2");
    if (assign(value_, value)) fireClick();
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
                option->value_ = false;
                option->changed.emit();
            }
        }
    }
    assign(value_, value);
    if (value) fireClick();
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
