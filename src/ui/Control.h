// The base of every model control: identity, geometry in twips, visibility, a change signal
// for the view, and the generic property access used by the script runner.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "ui/Field.h"
#include "ui/Property.h"
#include "ui/Signal.h"

namespace ui {

class Form;
class Journal;

class Control {
public:
    Control(Form& owner, std::string name, int index = -1);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }          // -1 when not in a control array
    int ordinal() const { return ordinal_; }      // place among its window's controls
    std::string path() const;                     // "name" or "name(index)"
    Form& form() const { return owner_; }
    virtual const char* typeName() const = 0;

    // The control's own visibility flag; true even while its window is hidden.
    bool visible() const { return visible_; }
    void setVisible(bool visible) { assign(Field::Visible, visible_, visible); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { assign(Field::Enabled, enabled_, enabled); }

    // Geometry is layout, not state: the journal leaves it alone.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v) { setBounds(v, top_, width_, height_); }
    void setTop(int v) { setBounds(left_, v, width_, height_); }
    void setWidth(int v) { setBounds(left_, top_, v, height_); }
    void setHeight(int v) { setBounds(left_, top_, width_, v); }
    void setBounds(int left, int top, int width, int height);

    // Generic access by classic property name; throws PropertyError for an unknown name or
    // a value of the wrong kind. A set behaves exactly like the typed setter.
    virtual std::vector<std::string> propertyNames() const;
    virtual PropertyValue property(std::string_view name) const;
    virtual void setProperty(std::string_view name, const PropertyValue& value);

    // Whether the control's state belongs to the puzzle, so that the journal records its
    // changes for undo (default). Off for controls such as the undo buttons themselves.
    bool journaled() const { return journaled_; }
    void setJournaled(bool journaled) { journaled_ = journaled; }

    // The journal's access to the state: every field as it stands, and a field put back
    // without any event firing (the view is told).
    virtual void captureFields(std::vector<std::pair<Field, FieldValue>>& out) const;
    virtual void restoreField(Field field, const FieldValue& value);

    // Fires after any property changed; the view listens to it.
    Signal<> changed;

protected:
    // Changes a field of the control's state: the journal notes the old value first.
    template <typename T>
    bool assign(Field f, T& field, const T& value) {
        if (field == value) return false;
        noteChange(f, field);
        field = value;
        changed.emit();
        return true;
    }
    // Tells the journal that a field is about to change, with its value as it stands.
    template <typename T>
    void noteChange(Field f, const T& field) {
        if (Journal* journal = recorder(f)) Record(*journal, *this, f, ToFieldValue(field));
    }
    // Puts a restored value into a field and tells the view.
    template <typename T>
    void putBack(T& field, const FieldValue& value) {
        FromFieldValue(value, field);
        changed.emit();
    }
    [[noreturn]] void unknownProperty(std::string_view name) const;

    static FieldValue ToFieldValue(bool v) { return std::int64_t{v}; }
    static FieldValue ToFieldValue(int v) { return std::int64_t{v}; }
    template <typename E>
        requires std::is_enum_v<E>
    static FieldValue ToFieldValue(E v) { return static_cast<std::int64_t>(v); }
    static FieldValue ToFieldValue(const std::string& v) { return v; }
    static FieldValue ToFieldValue(const std::vector<SurfaceLine>& v) { return v; }
    static void FromFieldValue(const FieldValue& from, bool& to) { to = std::get<std::int64_t>(from) != 0; }
    static void FromFieldValue(const FieldValue& from, int& to) { to = static_cast<int>(std::get<std::int64_t>(from)); }
    template <typename E>
        requires std::is_enum_v<E>
    static void FromFieldValue(const FieldValue& from, E& to) { to = static_cast<E>(std::get<std::int64_t>(from)); }
    static void FromFieldValue(const FieldValue& from, std::string& to) { to = std::get<std::string>(from); }
    static void FromFieldValue(const FieldValue& from, std::vector<SurfaceLine>& to) {
        to = std::get<std::vector<SurfaceLine>>(from);
    }

private:
    friend class Form;
    // The journal when it wants the old value of this field now, else nothing.
    Journal* recorder(Field f) const;
    static void Record(Journal& journal, const Control& control, Field f, FieldValue old);

    Form& owner_;
    std::string name_;
    int index_;
    int ordinal_ = 0;
    bool journaled_ = true;
    bool visible_ = true;
    bool enabled_ = true;
    int left_ = 0;
    int top_ = 0;
    int width_ = 1200;
    int height_ = 375;
};

}  // namespace ui
