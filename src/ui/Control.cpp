#include "ui/Control.h"

#include <stdexcept>

#include "ui/Form.h"
#include "ui/FormRegistry.h"
#include "ui/Journal.h"

namespace ui {

Control::Control(Form& owner, std::string name, int index)
    : owner_(owner), name_(std::move(name)), index_(index) {
    owner_.registerControl(*this);
}

Control::~Control() = default;

std::string Control::path() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::setBounds(int left, int top, int width, int height) {
    bool moved = left_ != left || top_ != top || width_ != width || height_ != height;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (moved) changed.emit();
}

Journal* Control::recorder(Field f) const {
    FormRegistry* registry = owner_.registry();
    if (!registry || !journaled_) return nullptr;
    Journal& journal = registry->journal();
    return journal.wants(*this, f) ? &journal : nullptr;
}

void Control::Record(Journal& journal, const Control& control, Field f, FieldValue old) {
    journal.record(control, f, std::move(old));
}

void Control::captureFields(std::vector<std::pair<Field, FieldValue>>& out) const {
    out.emplace_back(Field::Visible, ToFieldValue(visible_));
    out.emplace_back(Field::Enabled, ToFieldValue(enabled_));
}

void Control::restoreField(Field field, const FieldValue& value) {
    switch (field) {
        case Field::Visible: return putBack(visible_, value);
        case Field::Enabled: return putBack(enabled_, value);
        default: break;
    }
    throw std::logic_error(path() + " has no journaled field " + std::to_string(static_cast<int>(field)));
}

std::vector<std::string> Control::propertyNames() const {
    return {"Visible", "Enabled", "Left", "Top", "Width", "Height"};
}

PropertyValue Control::property(std::string_view name) const {
    if (name == "Visible") return visible_;
    if (name == "Enabled") return enabled_;
    if (name == "Left") return int64_t{left_};
    if (name == "Top") return int64_t{top_};
    if (name == "Width") return int64_t{width_};
    if (name == "Height") return int64_t{height_};
    unknownProperty(name);
}

void Control::setProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Visible") return setVisible(ToBool(value));
    if (name == "Enabled") return setEnabled(ToBool(value));
    if (name == "Left") return setLeft(ToInt32(value));
    if (name == "Top") return setTop(ToInt32(value));
    if (name == "Width") return setWidth(ToInt32(value));
    if (name == "Height") return setHeight(ToInt32(value));
    unknownProperty(name);
}

void Control::unknownProperty(std::string_view name) const {
    throw PropertyError(std::string(typeName()) + " " + path() + " has no property " + std::string(name));
}

}  // namespace ui
