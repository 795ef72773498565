// The journal behind undo and redo. It records every change of puzzle state where it happens:
// a control's field as its setter changes it, a window's or the program's variables (state
// blocks, compared as bytes), and the windows whose contents go with an undo step (a window
// unloaded or created by a user's action). Each user event is one group: everything that
// happens until the event returns. Undo puts a group's old values back in reverse order and
// redo its new ones in order, without any event firing. Nothing in a window's handlers knows
// about it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "ui/Field.h"
#include "ui/Signal.h"

namespace ui {

class Control;
class Form;
class FormRegistry;

// State kept outside the controls, compared and restored as bytes.
struct StateBlock {
    StateBlock(std::string name, std::function<std::string()> save, std::function<void(std::string_view)> load,
               std::function<std::string(std::string_view)> changes = {}, std::function<void(std::string&)> swap = {})
        : name(std::move(name)), save(std::move(save)), load(std::move(load)), changes(std::move(changes)), swap(std::move(swap)) {}

    std::string name;
    std::function<std::string()> save;
    std::function<void(std::string_view)> load;
    // Optional, for large state of which an event changes little: the entry to keep for a
    // change, made from the bytes save() gave at the event's start (what differs now, with its
    // old values), and that entry swapped with the live state (undo and redo alike). Without
    // them a step keeps the whole bytes and puts them back with load.
    std::function<std::string(std::string_view before)> changes;
    std::function<void(std::string& entry)> swap;
};

class Journal {
public:
    explicit Journal(FormRegistry& registry);
    ~Journal();
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Recording is off until the program has started: start-up is nobody's action.
    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }
    // The most steps kept; the oldest go first.
    void setDepth(std::size_t depth) { depth_ = depth; }

    // A user's event, opened and closed by the registry's outermost event scope.
    void beginGroup();
    void endGroup();

    // What the controls report: whether the old value of a field is wanted now (recording,
    // a control of a window past its start-up, a field not yet noted in this group), and
    // the old value.
    bool wants(const Control& control, Field field) const;
    void record(const Control& control, Field field, FieldValue old);

    // The registry reports windows: created (after their load step) and about to go; and the
    // end of the program, after which nothing is recorded or undone.
    void formCreated(Form& form);
    void formUnloading(Form& form);
    void programEnded();

    // State of the program's own, outside every window (the shared module).
    void addState(StateBlock block) { globals_.push_back(std::move(block)); }
    // Silences the program's dialogs while a window is made again for an undo step.
    void setQuietHook(std::function<void(bool quiet)> hook) { quietHook_ = std::move(hook); }

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Undoes the last step (or redoes the last undone one). Inside a user's event, that
    // event records nothing of its own.
    void undo();
    void redo();
    std::size_t steps() const { return undo_.size(); }
    // About how much memory the steps hold.
    std::size_t bytes() const;
    void clear();

    // After a step was added, undone or redone: the undo buttons follow.
    Signal<> changed;

private:
    // Most entries are fields: kept small, the rarer kinds behind a pointer.
    struct FieldEntry {
        std::uint32_t form;
        std::uint16_t control;
        Field field;
        FieldValue value;  // the value to put back next
    };
    struct BlockEntry {
        std::uint32_t form;  // 0: the program's own blocks
        std::uint32_t block;
        std::string value;
    };
    // A window that a step unloads or creates: undo and redo make it again (from the
    // snapshot) or take it away (keeping a snapshot), as it was at that point.
    struct Snapshot {
        std::vector<std::vector<std::pair<Field, FieldValue>>> controls;  // by ordinal
        std::vector<std::string> blocks;
    };
    struct FormEntry {
        std::string name;
        std::uint32_t form;
        Snapshot snapshot;
    };
    using Entry = std::variant<FieldEntry, std::unique_ptr<BlockEntry>, std::unique_ptr<FormEntry>>;
    using Group = std::vector<Entry>;
    using Steps = std::deque<Group>;

    static std::uint64_t Key(std::uint32_t form, std::uint32_t control, Field field);
    Form* live(std::uint32_t id) const;
    const std::vector<StateBlock>* blocksOf(std::uint32_t form) const;
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::string> saveBlocks() const;
    void blockChanges(std::uint32_t form, Group& group) const;
    Snapshot snapshot(const Form& form) const;
    void restore(Form& form, const Snapshot& snapshot);

    // Swaps the live state with the entry's: applying twice gives back what was there.
    void apply(Entry& entry);
    void apply(FieldEntry& entry);
    void apply(BlockEntry& entry);
    void apply(FormEntry& entry);
    void apply(std::unique_ptr<BlockEntry>& entry) { apply(*entry); }
    void apply(std::unique_ptr<FormEntry>& entry) { apply(*entry); }
    // Runs make (which creates a window) with recording off and the dialogs silent; whatever
    // it changed elsewhere is put back.
    void quietly(const std::function<void()>& make);
    void step(Steps& from, Steps& to, bool backwards);

    FormRegistry& registry_;
    bool enabled_ = false;
    std::size_t depth_ = 20000;
    std::vector<StateBlock> globals_;
    std::function<void(bool)> quietHook_;

    std::map<std::uint32_t, Form*> live_;
    std::uint32_t nextId_ = 0;
    std::uint32_t reusedId_ = 0;  // the id a window made again for an undo step takes

    bool open_ = false;        // a group is open
    int suspended_ = 0;        // undo, redo or a quiet creation is running
    bool discard_ = false;     // the open group undid or redid: it records nothing
    Group current_;
    std::unordered_map<std::uint64_t, std::size_t> noted_;  // field key -> its entry in current_
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::string> blocksAtBegin_;

    // A deque: the oldest step goes at the depth limit without moving the others.
    Steps undo_;
    Steps redo_;
};

}  // namespace ui
