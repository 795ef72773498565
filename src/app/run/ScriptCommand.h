// One parsed line of a script. Names are kept as written; the interpreter resolves them
// against the running program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "ui/Keys.h"
#include "ui/Property.h"

namespace runner {

// FORM.CONTROL or FORM.CONTROL(INDEX).
struct ControlRef {
    std::string form;
    std::string control;
    int index = -1;  // -1 when written without an index
    bool operator==(const ControlRef&) const = default;
};

// What `get` and `set` address: a window's property, a control's property, or a variable of
// the shared module.
struct PropertyRef {
    enum class Kind { Window, Control, Shared };
    Kind kind = Kind::Window;
    std::string form;          // Window, Control
    ControlRef control;        // Control
    std::string name;          // the property, or the shared variable
    std::vector<int> indexes;  // Shared
    std::string written;       // the reference as the script wrote it, echoed in the output
    bool operator==(const PropertyRef&) const = default;
};

struct InstanceRunning {};
struct Start {};
// A queued answer for the next Open box; nothing means cancel.
struct AnswerOpen {
    std::optional<std::string> path;
};
struct AnswerPrint {
    bool ok = false;
};
// The button that the next message box offering it is answered with.
struct AnswerMsgBox {
    std::string button;
};
struct Click {
    ControlRef target;
};
struct Key {
    ControlRef target;
    std::string text;
};
struct Mouse {
    ControlRef target;
    int button = 1;  // ui::MouseButton
    int x = 0, y = 0;  // twips from the box's top left
};
struct Pick {
    ControlRef target;
    std::string entry;
};
struct Spin {
    ControlRef target;
    bool up = true;
};
struct Close {
    std::string form;
};
struct Get {
    PropertyRef ref;
};
struct Set {
    PropertyRef ref;
    ui::PropertyValue value;
};
struct Call {
    std::string form;
    std::string operation;
    std::vector<int64_t> args;
};
struct Dump {
    std::string form;
};
// A named key with its modifiers pressed on a control ("Left", "Ctrl+Z").
struct Press {
    ControlRef target;
    ui::KeyChord chord;
};
// Text put on the clipboard.
struct Clipboard {
    std::string text;
};
// A picture file's bytes put on the clipboard, as an image copied elsewhere would be.
struct ClipboardPicture {
    std::string path;
};
// What is on the clipboard; which control has the focus.
struct GetClipboard {};
struct GetFocus {};

using Command = std::variant<InstanceRunning, Start, AnswerOpen, AnswerPrint, AnswerMsgBox, Click, Key, Mouse, Pick, Spin,
                             Close, Get, Set, Call, Dump, Press, Clipboard, ClipboardPicture, GetClipboard,
                             GetFocus>;

}  // namespace runner
