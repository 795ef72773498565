// The generic window registry: each window by name, created hidden on first reference
// (initialize, then load), unloaded on request and destroyed only after the event that asked
// for it has returned; and the end of the program.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/Journal.h"
#include "ui/Keys.h"
#include "ui/Signal.h"

namespace ui {

class FormRegistry {
public:
    using Factory = std::function<std::unique_ptr<Form>()>;

    FormRegistry();
    ~FormRegistry();
    FormRegistry(const FormRegistry&) = delete;
    FormRegistry& operator=(const FormRegistry&) = delete;

    void add(std::string name, Factory factory);
    bool knows(const std::string& name) const;
    std::vector<std::string> names() const;

    // The window, created on first reference as code referring to it would.
    Form& get(const std::string& name);
    // The window if it exists, else nothing; never creates.
    Form* find(const std::string& name) const;
    bool isLoaded(const std::string& name) const { return find(name) != nullptr; }
    // Existing windows in creation order.
    std::vector<Form*> loaded() const;

    // The journal of the windows' changes, for undo and redo.
    Journal& journal() { return journal_; }

    // The control that has the keyboard focus; nothing when no control of the program has it.
    Control* focus() const { return focus_; }
    // Code moves the focus (the view follows it through focusRequested); a view reports
    // where the user moved it.
    void setFocus(Control& control);
    void noteFocus(Control* control) { focus_ = control; }
    Signal<Control&> focusRequested;

    // Keys that act wherever the focus is; a handler returns whether it took the key.
    using Shortcut = std::function<bool(Control* focus)>;
    void addShortcut(KeyChord chord, Shortcut handler) { shortcuts_.push_back({chord, std::move(handler)}); }
    bool runShortcut(const KeyChord& chord, Control* focus);
    // For the journal: a window made again without being referred to (it must not exist), and
    // a window taken away without its unload events. Nothing when the window cannot be made.
    Form* make(const std::string& name);
    void drop(Form& form);

    // Runs the window's QueryUnload (which may cancel) and Unload, hides it and takes it out of
    // the registry; the object itself lives until the current event has returned. An unload of
    // a window that is already unloading is ignored. Returns false when cancelled.
    bool unload(Form& form, Form::UnloadMode mode = Form::UnloadMode::Code);
    bool unload(const std::string& name);

    // Ends the program: every window is dropped without further events, and no user input is
    // taken any more.
    void end();
    bool ended() const { return ended_; }

    // Brackets one event from outside the program (a user's action). Windows unloaded during
    // it are destroyed when the outermost scope closes.
    class EventScope {
    public:
        explicit EventScope(FormRegistry& registry);
        ~EventScope();
        EventScope(const EventScope&) = delete;
        EventScope& operator=(const EventScope&) = delete;

    private:
        FormRegistry& registry_;
    };
    // Destroys the windows waiting for destruction. Runs when the outermost event scope closes;
    // code outside any event (a test) may call it once no handler of those windows is running.
    void flush();

    Signal<Form&> formCreated;    // after the window's load step
    Signal<Form&> formDestroyed;  // just before the object is destroyed
    Signal<> programEnded;

private:
    struct Entry {
        std::string name;
        Factory factory;
        std::unique_ptr<Form> form;
        bool unloading = false;
    };
    Entry* entry(const std::string& name);
    const Entry* entry(const std::string& name) const;

    std::vector<Entry> entries_;
    Journal journal_{*this};
    Control* focus_ = nullptr;
    std::vector<std::pair<KeyChord, Shortcut>> shortcuts_;
    std::vector<Form*> creationOrder_;
    std::vector<std::unique_ptr<Form>> graveyard_;
    int depth_ = 0;
    bool ended_ = false;
};

}  // namespace ui
