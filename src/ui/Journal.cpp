#include "ui/Journal.h"

#include <algorithm>
#include <stdexcept>

#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/FormRegistry.h"

namespace ui {
namespace {

FieldValue ValueOf(const Control& control, Field field) {
    std::vector<std::pair<Field, FieldValue>> all;
    control.captureFields(all);
    for (auto& [f, value] : all) {
        if (f == field) return std::move(value);
    }
    throw std::logic_error(control.path() + " has no journaled field " + std::to_string(static_cast<int>(field)));
}

std::size_t BytesOf(const FieldValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return text->capacity();
    if (const auto* lines = std::get_if<std::vector<SurfaceLine>>(&value)) return lines->capacity() * sizeof(SurfaceLine);
    return 0;
}

}  // namespace

Journal::Journal(FormRegistry& registry) : registry_(registry) {}

Journal::~Journal() = default;

void Journal::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled) clear();
}

std::uint64_t Journal::Key(std::uint32_t form, std::uint32_t control, Field field) {
    return (std::uint64_t{form} << 40) | (std::uint64_t{control} << 8) | static_cast<std::uint64_t>(field);
}

Form* Journal::live(std::uint32_t id) const {
    auto found = live_.find(id);
    return found == live_.end() ? nullptr : found->second;
}

const std::vector<StateBlock>* Journal::blocksOf(std::uint32_t form) const {
    if (form == 0) return &globals_;
    Form* window = live(form);
    return window ? &window->states() : nullptr;
}

std::map<std::pair<std::uint32_t, std::uint32_t>, std::string> Journal::saveBlocks() const {
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::string> saved;
    for (std::uint32_t b = 0; b < globals_.size(); ++b) saved[{0, b}] = globals_[b].save();
    for (const auto& [id, form] : live_) {
        if (!form->journaled()) continue;
        const auto& blocks = form->states();
        for (std::uint32_t b = 0; b < blocks.size(); ++b) saved[{id, b}] = blocks[b].save();
    }
    return saved;
}

void Journal::blockChanges(std::uint32_t form, Group& group) const {
    const std::vector<StateBlock>* blocks = blocksOf(form);
    if (!blocks) return;
    for (std::uint32_t b = 0; b < blocks->size(); ++b) {
        auto before = blocksAtBegin_.find({form, b});
        if (before == blocksAtBegin_.end()) continue;  // born in this group: its start is no change
        const StateBlock& block = (*blocks)[b];
        if (block.save() == before->second) continue;
        std::string kept = block.changes ? block.changes(before->second) : before->second;
        group.emplace_back(std::in_place_type<std::unique_ptr<BlockEntry>>, new BlockEntry{form, b, std::move(kept)});
    }
}

void Journal::beginGroup() {
    if (!enabled_ || open_) return;
    open_ = true;
    discard_ = false;
    current_.clear();
    noted_.clear();
    blocksAtBegin_ = saveBlocks();
}

void Journal::endGroup() {
    if (!open_) return;
    open_ = false;
    Group group = std::move(current_);
    current_.clear();
    noted_.clear();
    if (discard_ || !enabled_) {
        discard_ = false;
        blocksAtBegin_.clear();
        changed.emit();
        return;
    }
    // Only what differs at the end is a change: a colour cleared and painted again is none.
    std::erase_if(group, [this](const Entry& entry) {
        const auto* field = std::get_if<FieldEntry>(&entry);
        if (!field) return false;
        Form* form = live(field->form);
        if (!form) return false;
        return ValueOf(*form->controls()[field->control], field->field) == field->value;
    });
    blockChanges(0, group);
    for (const auto& [id, form] : live_) {
        if (form->journaled()) blockChanges(id, group);
    }
    blocksAtBegin_.clear();
    if (group.empty()) return;
    group.shrink_to_fit();
    undo_.push_back(std::move(group));
    if (undo_.size() > depth_) undo_.pop_front();
    redo_.clear();
    changed.emit();
}

bool Journal::wants(const Control& control, Field field) const {
    if (!open_ || suspended_ > 0 || discard_) return false;
    const Form& form = control.form();
    if (!form.born() || !form.journaled()) return false;
    return !noted_.contains(Key(form.journalId(), static_cast<std::uint32_t>(control.ordinal()), field));
}

void Journal::record(const Control& control, Field field, FieldValue old) {
    const std::uint32_t form = control.form().journalId();
    const auto ordinal = static_cast<std::uint16_t>(control.ordinal());
    noted_.emplace(Key(form, ordinal, field), current_.size());
    current_.emplace_back(std::in_place_type<FieldEntry>, FieldEntry{form, ordinal, field, std::move(old)});
}

void Journal::formCreated(Form& form) {
    const bool remade = reusedId_ != 0;
    std::uint32_t id = remade ? reusedId_ : ++nextId_;
    reusedId_ = 0;
    form.setJournalId(id);
    live_[id] = &form;
    // A window whose contents belong to the step: undo takes it away again.
    if (!remade && open_ && suspended_ == 0 && !discard_ && form.journaled() && form.undoRestoresWindow()) {
        current_.emplace_back(std::in_place_type<std::unique_ptr<FormEntry>>, new FormEntry{form.name(), id, {}});
    }
}

void Journal::formUnloading(Form& form) {
    const std::uint32_t id = form.journalId();
    if (!live(id)) return;
    if (open_ && suspended_ == 0 && !discard_ && form.born() && form.journaled() && form.undoRestoresWindow()) {
        blockChanges(id, current_);
        current_.emplace_back(std::in_place_type<std::unique_ptr<FormEntry>>, new FormEntry{form.name(), id, snapshot(form)});
    }
    // Changes noted for a window that goes are kept as they are: its end is not known later.
    live_.erase(id);
}

Journal::Snapshot Journal::snapshot(const Form& form) const {
    Snapshot shot;
    for (const Control* control : form.controls()) {
        shot.controls.emplace_back();
        if (control->journaled()) control->captureFields(shot.controls.back());
    }
    for (const StateBlock& block : form.states()) shot.blocks.push_back(block.save());
    return shot;
}

void Journal::restore(Form& form, const Snapshot& shot) {
    const auto& controls = form.controls();
    for (std::size_t i = 0; i < controls.size() && i < shot.controls.size(); ++i) {
        for (const auto& [field, value] : shot.controls[i]) controls[i]->restoreField(field, value);
    }
    const auto& blocks = form.states();
    for (std::size_t b = 0; b < blocks.size() && b < shot.blocks.size(); ++b) blocks[b].load(shot.blocks[b]);
}

void Journal::apply(Entry& entry) {
    std::visit([this](auto& e) { apply(e); }, entry);
}

void Journal::apply(FieldEntry& entry) {
    Form* form = live(entry.form);
    if (!form) return;  // a window closed since, whose state is made anew when it opens
    Control& control = *form->controls()[entry.control];
    FieldValue now = ValueOf(control, entry.field);
    control.restoreField(entry.field, entry.value);
    entry.value = std::move(now);
}

void Journal::apply(BlockEntry& entry) {
    const std::vector<StateBlock>* blocks = blocksOf(entry.form);
    if (!blocks) return;
    const StateBlock& block = (*blocks)[entry.block];
    if (block.swap) return block.swap(entry.value);
    std::string now = block.save();
    block.load(entry.value);
    entry.value = std::move(now);
}

void Journal::apply(FormEntry& entry) {
    if (Form* form = live(entry.form)) {
        entry.snapshot = snapshot(*form);
        live_.erase(entry.form);
        registry_.drop(*form);
        return;
    }
    Form* made = nullptr;
    quietly([&] {
        reusedId_ = entry.form;
        made = registry_.make(entry.name);
        reusedId_ = 0;
    });
    if (made) restore(*made, entry.snapshot);
}

void Journal::quietly(const std::function<void()>& make) {
    // Whatever the window's start-up changes elsewhere is noted in a group of its own and put
    // back: the undo step is the window's state, nothing more.
    Group outer = std::move(current_);
    auto outerNoted = std::move(noted_);
    bool wasOpen = open_;
    bool wasDiscarding = discard_;
    int wasSuspended = suspended_;
    current_.clear();
    noted_.clear();
    open_ = true;
    discard_ = false;
    suspended_ = 0;
    auto blocksBefore = saveBlocks();
    if (quietHook_) quietHook_(true);
    make();
    if (quietHook_) quietHook_(false);
    for (auto it = current_.rbegin(); it != current_.rend(); ++it) apply(*it);
    for (const auto& [key, bytes] : blocksBefore) {
        const std::vector<StateBlock>* blocks = blocksOf(key.first);
        if (blocks && (*blocks)[key.second].save() != bytes) (*blocks)[key.second].load(bytes);
    }
    current_ = std::move(outer);
    noted_ = std::move(outerNoted);
    open_ = wasOpen;
    discard_ = wasDiscarding;
    suspended_ = wasSuspended;
}

void Journal::step(Steps& from, Steps& to, bool backwards) {
    if (from.empty()) return;
    FormRegistry::EventScope scope(registry_);
    // The event that asked for it records nothing of its own.
    discard_ = open_;
    ++suspended_;
    Group group = std::move(from.back());
    from.pop_back();
    if (backwards) {
        for (auto it = group.rbegin(); it != group.rend(); ++it) apply(*it);
    } else {
        for (Entry& entry : group) apply(entry);
    }
    --suspended_;
    to.push_back(std::move(group));
}

void Journal::undo() { step(undo_, redo_, true); }

void Journal::redo() { step(redo_, undo_, false); }

std::size_t Journal::bytes() const {
    std::size_t total = 0;
    auto count = [&](const Steps& groups) {
        for (const Group& group : groups) {
            total += group.capacity() * sizeof(Entry);
            for (const Entry& entry : group) {
                if (const auto* field = std::get_if<FieldEntry>(&entry)) total += BytesOf(field->value);
                if (const auto* block = std::get_if<std::unique_ptr<BlockEntry>>(&entry)) {
                    total += sizeof(BlockEntry) + (*block)->value.capacity();
                }
                if (const auto* formEntry = std::get_if<std::unique_ptr<FormEntry>>(&entry)) {
                    const FormEntry* form = formEntry->get();
                    total += sizeof(FormEntry);
                    for (const auto& control : form->snapshot.controls) {
                        total += control.capacity() * sizeof(std::pair<Field, FieldValue>);
                        for (const auto& [f, value] : control) total += BytesOf(value);
                    }
                    for (const auto& block : form->snapshot.blocks) total += block.capacity();
                }
            }
        }
    };
    count(undo_);
    count(redo_);
    return total;
}

void Journal::clear() {
    undo_.clear();
    redo_.clear();
    changed.emit();
}

void Journal::programEnded() {
    enabled_ = false;
    open_ = false;
    current_.clear();
    noted_.clear();
    live_.clear();
    undo_.clear();
    redo_.clear();
}

}  // namespace ui
