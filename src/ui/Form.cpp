#include "ui/Form.h"

#include "ui/Control.h"
#include "ui/FormRegistry.h"

namespace ui {

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() = default;

namespace {
template <typename T>
bool Assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    return true;
}
}  // namespace

void Form::setCaption(const std::string& caption) { if (Assign(caption_, caption)) changed.emit(); }
void Form::setLeft(int v) { if (Assign(left_, v)) changed.emit(); }
void Form::setTop(int v) { if (Assign(top_, v)) changed.emit(); }
void Form::setWidth(int v) { if (Assign(width_, v)) changed.emit(); }
void Form::setHeight(int v) { if (Assign(height_, v)) changed.emit(); }
void Form::setBackColor(Color c) { if (Assign(backColor_, c)) changed.emit(); }

void Form::Show() { if (Assign(visible_, true)) changed.emit(); }
void Form::Hide() { if (Assign(visible_, false)) changed.emit(); }

void Form::registerControl(Control& control) {
    control.ordinal_ = static_cast<int>(controls_.size());
    controls_.push_back(&control);
}

void Form::Refresh() {
    ++refreshCount_;
    refreshRequested.emit();
}

void Form::Unload() {
    if (registry_) registry_->unload(*this);
}

Control* Form::findControl(std::string_view name, int index) const {
    for (Control* control : controls_) {
        if (control->name() == name && control->index() == index) return control;
    }
    return nullptr;
}

const Form::OperationEntry* Form::findOperation(std::string_view name) const {
    for (const auto& entry : operations_) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

void Form::addOperation(std::string name, size_t arity, Operation run) {
    operations_.push_back({std::move(name), arity, std::move(run)});
}

void Form::addOperation(std::string name, std::function<void()> run) {
    addOperation(std::move(name), 0, [run](const std::vector<int64_t>&) {
        run();
        return std::vector<int64_t>{};
    });
}

void Form::addOperation(std::string name, std::function<void(int)> run) {
    addOperation(std::move(name), 1, [run](const std::vector<int64_t>& args) {
        run(static_cast<int>(args.at(0)));
        return std::vector<int64_t>{};
    });
}

std::vector<std::string> Form::propertyNames() const {
    return {"Caption", "Visible", "Left", "Top", "Width", "Height", "BackColor"};
}

PropertyValue Form::property(std::string_view name) const {
    if (name == "Caption") return caption_;
    if (name == "Visible") return visible_;
    if (name == "Left") return int64_t{left_};
    if (name == "Top") return int64_t{top_};
    if (name == "Width") return int64_t{width_};
    if (name == "Height") return int64_t{height_};
    if (name == "BackColor") return int64_t{backColor_};
    throw PropertyError("window " + name_ + " has no property " + std::string(name));
}

void Form::setProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Caption") return setCaption(ToText(value));
    if (name == "Visible") return ToBool(value) ? Show() : Hide();
    if (name == "Left") return setLeft(ToInt32(value));
    if (name == "Top") return setTop(ToInt32(value));
    if (name == "Width") return setWidth(ToInt32(value));
    if (name == "Height") return setHeight(ToInt32(value));
    if (name == "BackColor") return setBackColor(ToColor(value));
    throw PropertyError("window " + name_ + " has no property " + std::string(name));
}

}  // namespace ui
