#include "ui/FormRegistry.h"

#include <algorithm>
#include <stdexcept>

#include "ui/Control.h"
#include "ui/Form.h"

namespace ui {

FormRegistry::FormRegistry() = default;

FormRegistry::~FormRegistry() {
    // Windows refer to each other through the registry: drop them all before any is destroyed.
    std::vector<std::unique_ptr<Form>> all = std::move(graveyard_);
    for (auto& e : entries_) {
        if (e.form) all.push_back(std::move(e.form));
    }
    creationOrder_.clear();
    all.clear();
}

void FormRegistry::add(std::string name, Factory factory) {
    if (knows(name)) throw std::logic_error("window registered twice: " + name);
    entries_.push_back({std::move(name), std::move(factory), nullptr, false});
}

bool FormRegistry::knows(const std::string& name) const { return entry(name) != nullptr; }

std::vector<std::string> FormRegistry::names() const {
    std::vector<std::string> result;
    for (const auto& e : entries_) result.push_back(e.name);
    return result;
}

FormRegistry::Entry* FormRegistry::entry(const std::string& name) {
    for (auto& e : entries_) {
        if (e.name == name) return &e;
    }
    return nullptr;
}

const FormRegistry::Entry* FormRegistry::entry(const std::string& name) const {
    for (const auto& e : entries_) {
        if (e.name == name) return &e;
    }
    return nullptr;
}

Form& FormRegistry::get(const std::string& name) {
    Entry* e = entry(name);
    if (!e) throw std::out_of_range("no window named " + name);
    if (e->form) return *e->form;
    // The window is reachable by name while its own start-up runs.
    e->form = e->factory();
    e->unloading = false;
    Form& form = *e->form;
    form.registry_ = this;
    creationOrder_.push_back(&form);
    form.Form_Initialize();
    // The start-up may have unloaded the window again, or ended the program.
    if (find(name) == &form) form.Form_Load();
    if (find(name) == &form) {
        form.born_ = true;
        journal_.formCreated(form);
        formCreated.emit(form);
    }
    return form;
}

Form* FormRegistry::make(const std::string& name) {
    if (find(name)) return nullptr;
    Form& form = get(name);
    return find(name) == &form ? &form : nullptr;
}

void FormRegistry::drop(Form& form) {
    Entry* e = entry(form.name());
    if (!e || e->form.get() != &form) return;
    form.Hide();
    std::erase(creationOrder_, &form);
    graveyard_.push_back(std::move(e->form));
}

Form* FormRegistry::find(const std::string& name) const {
    const Entry* e = entry(name);
    return e ? e->form.get() : nullptr;
}

std::vector<Form*> FormRegistry::loaded() const { return creationOrder_; }

bool FormRegistry::unload(const std::string& name) {
    Form* form = find(name);
    return form ? unload(*form) : true;
}

bool FormRegistry::unload(Form& form, Form::UnloadMode mode) {
    Entry* e = entry(form.name());
    if (!e || e->form.get() != &form || e->unloading) return true;
    e->unloading = true;
    form.unloadMode_ = mode;
    bool cancel = false;
    form.Form_QueryUnload(cancel);
    if (cancel || ended_) {
        e->unloading = false;
        return !cancel;
    }
    form.Form_Unload();
    journal_.formUnloading(form);
    form.Hide();
    // The window may have been dropped meanwhile (the program ended inside its Unload).
    if (e->form.get() == &form) {
        std::erase(creationOrder_, &form);
        graveyard_.push_back(std::move(e->form));
    }
    e->unloading = false;
    return true;
}

void FormRegistry::end() {
    if (ended_) return;
    ended_ = true;
    journal_.programEnded();
    for (auto& e : entries_) {
        if (e.form) {
            e.form->Hide();
            graveyard_.push_back(std::move(e.form));
        }
    }
    creationOrder_.clear();
    programEnded.emit();
}

void FormRegistry::flush() {
    while (!graveyard_.empty()) {
        std::vector<std::unique_ptr<Form>> dying = std::move(graveyard_);
        graveyard_.clear();
        for (auto& form : dying) {
            if (focus_ && &focus_->form() == form.get()) focus_ = nullptr;
            formDestroyed.emit(*form);
        }
        dying.clear();
    }
}

void FormRegistry::setFocus(Control& control) {
    focus_ = &control;
    focusRequested.emit(control);
}

bool FormRegistry::runShortcut(const KeyChord& chord, Control* focus) {
    for (auto& [key, handler] : shortcuts_) {
        if (key == chord && handler(focus)) return true;
    }
    return false;
}

FormRegistry::EventScope::EventScope(FormRegistry& registry) : registry_(registry) {
    if (registry_.depth_++ == 0) registry_.journal_.beginGroup();
}

FormRegistry::EventScope::~EventScope() {
    if (--registry_.depth_ == 0) {
        registry_.flush();
        registry_.journal_.endGroup();
    }
}

}  // namespace ui
