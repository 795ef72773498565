// A minimal change notification: listeners connect and are called in connection order.
#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace ui {

template <typename... Args>
class Signal {
public:
    using Slot = std::function<void(Args...)>;

    // Returns a token for disconnect().
    int connect(Slot slot) {
        slots_.push_back({++lastId_, std::move(slot)});
        return lastId_;
    }

    void disconnect(int token) {
        std::erase_if(slots_, [token](const Entry& e) { return e.id == token; });
    }

    void emit(Args... args) const {
        if (slots_.empty()) return;
        // A listener may disconnect while it runs: call over a copy.
        auto copy = slots_;
        for (const auto& entry : copy) entry.slot(args...);
    }

    bool connected() const { return !slots_.empty(); }

private:
    struct Entry {
        int id;
        Slot slot;
    };
    std::vector<Entry> slots_;
    int lastId_ = 0;
};

}  // namespace ui
