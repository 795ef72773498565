// The clickable controls: check box, option button, command button and menu item.
#pragma once

#include <functional>
#include <string>

#include "ui/Color.h"
#include "ui/Control.h"

namespace ui {

// A control with a caption, a background and a Click event.
class Clickable : public Control {
public:
    using Control::Control;

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption) { assign(Field::Caption, caption_, caption); }
    Color backColor() const { return backColor_; }
    void setBackColor(Color c) { assign(Field::BackColor, backColor_, c); }
    int fontSize() const { return fontSize_; }
    void setFontSize(int points) { assign(Field::FontSize, fontSize_, points); }
    // Shown when the mouse rests on the control: what it does, and its shortcut.
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(const std::string& text) { assign(Field::ToolTip, toolTip_, text); }

    // What a user's click does to this control.
    virtual void click() = 0;

    std::function<void()> onClick;

    std::vector<std::string> propertyNames() const override;
    PropertyValue property(std::string_view name) const override;
    void setProperty(std::string_view name, const PropertyValue& value) override;
    void captureFields(std::vector<std::pair<Field, FieldValue>>& out) const override;
    void restoreField(Field field, const FieldValue& value) override;

protected:
    void fireClick() {
        if (onClick) onClick();
    }

private:
    std::string caption_;
    Color backColor_ = kButtonFace;
    int fontSize_ = 9;
    std::string toolTip_;
};

// Value 0 or 1. Click fires whenever the value changes, by code or by the user.
class CheckBox : public Clickable {
public:
    using Clickable::Clickable;
    const char* typeName() const override { return "CheckBox"; }

    int value() const { return value_; }
    void setValue(int value);
    void click() override { setValue(value_ == 0 ? 1 : 0); }

    std::vector<std::string> propertyNames() const override;
    PropertyValue property(std::string_view name) const override;
    void setProperty(std::string_view name, const PropertyValue& value) override;
    void captureFields(std::vector<std::pair<Field, FieldValue>>& out) const override;
    void restoreField(Field field, const FieldValue& value) override;

private:
    int value_ = 0;
};

// Option buttons of one group (same window, same group name) exclude each other; Click fires
// when one becomes selected.
class OptionButton : public Clickable {
public:
    using Clickable::Clickable;
    const char* typeName() const override { return "OptionButton"; }

    bool value() const { return value_; }
    void setValue(bool value);
    void click() override { setValue(true); }

    const std::string& group() const { return group_; }
    void setGroup(std::string group) { group_ = std::move(group); }

    std::vector<std::string> propertyNames() const override;
    PropertyValue property(std::string_view name) const override;
    void setProperty(std::string_view name, const PropertyValue& value) override;
    void captureFields(std::vector<std::pair<Field, FieldValue>>& out) const override;
    void restoreField(Field field, const FieldValue& value) override;

private:
    bool value_ = false;
    std::string group_;
};

class CommandButton : public Clickable {
public:
    using Clickable::Clickable;
    const char* typeName() const override { return "CommandButton"; }
    void click() override { fireClick(); }
};

// An entry of the window's menu bar: a top-level menu (no parent) or an item under one.
class MenuItem : public Clickable {
public:
    using Clickable::Clickable;
    const char* typeName() const override { return "MenuItem"; }
    void click() override { fireClick(); }

    const std::string& parentMenu() const { return parent_; }
    void setParentMenu(std::string parent) { parent_ = std::move(parent); }

private:
    std::string parent_;
};

}  // namespace ui
