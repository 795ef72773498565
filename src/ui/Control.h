// The base of every model control: identity, geometry in twips, visibility, a change signal
// for the view, and the generic property access used by the script runner.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/Property.h"
#include "ui/Signal.h"

namespace ui {

class Form;

class Control {
public:
    Control(Form& owner, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }          // -1 when not in a control array
    std::string path() const;                     // "name" or "name(index)"
    Form& form() const { return owner_; }
    virtual const char* typeName() const = 0;

    // The control's own visibility flag; true even while its window is hidden.
    bool visible() const { return visible_; }
    void setVisible(bool visible) { assign(visible_, visible); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { assign(enabled_, enabled); }

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { assign(left_, v); }
    void setTop(int v) { assign(top_, v); }
    void setWidth(int v) { assign(width_, v); }
    void setHeight(int v) { assign(height_, v); }
    void setBounds(int left, int top, int width, int height);

    // Generic access by classic property name; throws PropertyError for an unknown name or
    // a value of the wrong kind. A set behaves exactly like the typed setter.
    virtual std::vector<std::string> propertyNames() const;
    virtual PropertyValue property(std::string_view name) const;
    virtual void setProperty(std::string_view name, const PropertyValue& value);

    // Fires after any property changed; the view listens to it.
    Signal<> changed;

protected:
    template <typename T>
    bool assign(T& field, const T& value) {
        if (field == value) return false;
        field = value;
        changed.emit();
        return true;
    }
    [[noreturn]] void unknownProperty(std::string_view name) const;

private:
    Form& owner_;
    std::string name_;
    int index_;
    bool visible_ = true;
    bool enabled_ = true;
    int left_ = 0;
    int top_ = 0;
    int width_ = 1200;
    int height_ = 375;
};

}  // namespace ui
