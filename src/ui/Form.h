// The base of every window: its own properties, the registry of its controls by
// (name, index), its public operations by name, and the lifecycle hooks.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/Color.h"
#include "ui/Journal.h"
#include "ui/Placement.h"
#include "ui/Property.h"
#include "ui/Signal.h"

namespace ui {

class Control;
class FormRegistry;

class Form {
public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    // Position of the window and size of its client area, in twips.
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    Color backColor() const { return backColor_; }
    void setBackColor(Color c);
    bool visible() const { return visible_; }

    // A window that accompanies another: on screen it stands beside `owner`, leaving
    // `keepClear` (twips in the owner's client area) uncovered (ui/Placement.h), instead of at
    // its Left and Top.
    struct Beside {
        std::string owner;
        Rect keepClear;
    };
    const std::optional<Beside>& beside() const { return beside_; }
    void setBeside(Beside beside) { beside_ = std::move(beside); }

    void Show();
    void Hide();
    // Repaints the window at once (counted, so that tests can see when it happens).
    void Refresh();
    int refreshCount() const { return refreshCount_; }
    // Unloads this window; it is destroyed after the event that asked for it has returned.
    void Unload();

    // Who asked for the current unload: the user's close box or program code. Valid while
    // Form_QueryUnload and Form_Unload run.
    enum class UnloadMode { User, Code };
    UnloadMode unloadMode() const { return unloadMode_; }

    // Lifecycle hooks, run by the registry.
    virtual void Form_Initialize() {}
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(bool& cancel) { (void)cancel; }
    virtual void Form_Unload() {}

    // Controls in the order they were declared.
    const std::vector<Control*>& controls() const { return controls_; }
    Control* findControl(std::string_view name, int index = -1) const;

    // Public operations that other windows (and the script runner) call by name. Arguments
    // and by-reference results are integers; the result lists the by-reference values.
    using Operation = std::function<std::vector<int64_t>(const std::vector<int64_t>&)>;
    struct OperationEntry {
        std::string name;
        size_t arity;
        Operation run;
    };
    const OperationEntry* findOperation(std::string_view name) const;
    const std::vector<OperationEntry>& operations() const { return operations_; }

    std::vector<std::string> propertyNames() const;
    PropertyValue property(std::string_view name) const;
    void setProperty(std::string_view name, const PropertyValue& value);

    FormRegistry* registry() const { return registry_; }

    // Undo: whether the window's state is puzzle state (default), and whether a user's action
    // that unloads or creates the window takes its contents with the step (for a window whose
    // contents belong to the puzzle, such as the candidates window). Variables of the window
    // that are puzzle state are declared as state blocks.
    bool journaled() const { return journaled_; }
    bool undoRestoresWindow() const { return undoRestoresWindow_; }
    const std::vector<StateBlock>& states() const { return states_; }
    // Past its load step: from then on its changes are a user's doing.
    bool born() const { return born_; }
    std::uint32_t journalId() const { return journalId_; }
    void setJournalId(std::uint32_t id) { journalId_ = id; }

    Signal<> changed;           // caption, position, size, colour or visibility
    Signal<> refreshRequested;  // Refresh()

protected:
    void addOperation(std::string name, size_t arity, Operation run);
    // Convenience for operations without by-reference results.
    void addOperation(std::string name, std::function<void()> run);
    void addOperation(std::string name, std::function<void(int)> run);
    void setJournaled(bool journaled) { journaled_ = journaled; }
    void setUndoRestoresWindow(bool restores) { undoRestoresWindow_ = restores; }
    void addState(StateBlock block) { states_.push_back(std::move(block)); }

private:
    friend class Control;
    friend class FormRegistry;
    void registerControl(Control& control);

    std::string name_;
    std::string caption_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 4800;
    int height_ = 3600;
    Color backColor_ = kButtonFace;
    bool visible_ = false;
    int refreshCount_ = 0;
    UnloadMode unloadMode_ = UnloadMode::Code;
    std::vector<Control*> controls_;
    std::vector<OperationEntry> operations_;
    FormRegistry* registry_ = nullptr;
    bool journaled_ = true;
    bool undoRestoresWindow_ = false;
    bool born_ = false;
    std::uint32_t journalId_ = 0;
    std::vector<StateBlock> states_;
    std::optional<Beside> beside_;
};

}  // namespace ui
