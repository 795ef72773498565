#include "app/run/Interpreter.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "app/run/OutputLines.h"
#include "program/Program.h"
#include "ui/Form.h"
#include "ui/HeadlessServices.h"
#include "ui/ImageCombo.h"
#include "ui/TextBox.h"
#include "ui/UpDown.h"
#include "ui/UserInput.h"

namespace runner {
namespace {

// A window's "Loaded" is the runner's own: whether the window exists.
constexpr std::string_view kLoaded = "Loaded";

}  // namespace

Interpreter::Interpreter(program::Program& program, ui::HeadlessServices& services, std::ostream& out)
    : program_(program), services_(services), out_(out), targets_(program) {
    // Message boxes are answered OK at once; each shows in the output the moment it opens.
    services_.onRecord = [this](const ui::Recorded& record) { WriteLine(out_, RecordLine(record)); };
}

Interpreter::~Interpreter() { services_.onRecord = nullptr; }

void Interpreter::run(const Command& command) {
    ui::FormRegistry::EventScope scope(program_.forms());
    std::visit([this](const auto& c) { execute(c); }, command);
}

void Interpreter::execute(const InstanceRunning&) { services_.setAnotherInstanceRunning(true); }

void Interpreter::execute(const Start&) { program_.Start(); }

void Interpreter::execute(const AnswerOpen& command) { services_.queueOpen(command.path); }

void Interpreter::execute(const AnswerPrint& command) { services_.queuePrinter(command.ok); }

void Interpreter::execute(const AnswerMsgBox& command) { services_.queueAnswer(command.button); }

void Interpreter::execute(const Click& command) { ui::Click(program_.forms(), targets_.control(command.target)); }

void Interpreter::execute(const Key& command) {
    auto& box = targets_.control<ui::TextBox>(command.target, "TextBox");
    // A typed Enter reaches KeyPress as 13, as the keyboard sends it.
    std::string keys = command.text;
    std::replace(keys.begin(), keys.end(), '\n', '\r');
    ui::TypeText(program_.forms(), box, keys);
}

void Interpreter::execute(const Mouse& command) {
    ui::MouseDown(program_.forms(), targets_.control<ui::TextBox>(command.target, "TextBox"), command.button, command.x,
                  command.y);
}

void Interpreter::execute(const Pick& command) {
    auto& combo = targets_.control<ui::ImageCombo>(command.target, "ImageCombo");
    if (!ui::Pick(program_.forms(), combo, command.entry)) {
        throw ScriptError(Targets::describe(command.target) + " has no entry \"" + command.entry + "\"");
    }
}

void Interpreter::execute(const Spin& command) {
    auto& spinner = targets_.control<ui::UpDown>(command.target, "UpDown");
    command.up ? ui::SpinUp(program_.forms(), spinner) : ui::SpinDown(program_.forms(), spinner);
}

void Interpreter::execute(const Close& command) { ui::CloseWindow(program_.forms(), targets_.form(command.form)); }

void Interpreter::execute(const Get& command) {
    const PropertyRef& ref = command.ref;
    ui::PropertyValue value;
    switch (ref.kind) {
        case PropertyRef::Kind::Window:
            value = ref.name == kLoaded ? ui::PropertyValue(targets_.isLoaded(ref.form))
                                        : targets_.form(ref.form).property(ref.name);
            break;
        case PropertyRef::Kind::Control:
            value = targets_.control(ref.control).property(ref.name);
            break;
        case PropertyRef::Kind::Shared:
            value = targets_.shared(ref.name).get(ref.indexes);
            break;
    }
    WriteLine(out_, GetLine(ref.written, value));
}

void Interpreter::execute(const Set& command) {
    const PropertyRef& ref = command.ref;
    switch (ref.kind) {
        case PropertyRef::Kind::Window:
            if (ref.name == kLoaded) throw ScriptError(ref.form + ".Loaded can only be read");
            targets_.form(ref.form).setProperty(ref.name, command.value);
            break;
        case PropertyRef::Kind::Control:
            targets_.control(ref.control).setProperty(ref.name, command.value);
            break;
        case PropertyRef::Kind::Shared:
            targets_.shared(ref.name).set(ref.indexes, command.value);
            break;
    }
}

void Interpreter::execute(const Call& command) {
    ui::Form& form = targets_.form(command.form);
    const ui::Form::OperationEntry* operation = form.findOperation(command.operation);
    if (!operation) throw ScriptError(command.form + " has no operation " + command.operation);
    if (command.args.size() != operation->arity) {
        throw ScriptError(command.form + "." + command.operation + " takes " + std::to_string(operation->arity) +
                          " argument(s), got " + std::to_string(command.args.size()));
    }
    std::vector<int64_t> out = operation->run(command.args);
    if (!out.empty()) WriteLine(out_, CallLine(command.form, command.operation, out));
}

void Interpreter::execute(const Dump& command) { WriteLine(out_, DumpLine(targets_.form(command.form))); }

void Interpreter::execute(const Press& command) {
    ui::Press(program_.forms(), targets_.control(command.target), command.chord);
}

void Interpreter::execute(const Clipboard& command) { services_.SetClipboardText(command.text); }

void Interpreter::execute(const ClipboardPicture& command) {
    std::ifstream file(command.path, std::ios::binary);
    if (!file) throw ScriptError("cannot read the picture \"" + command.path + "\"");
    services_.setClipboardPicture({std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
}

void Interpreter::execute(const GetClipboard&) { WriteLine(out_, GetLine("clipboard", services_.ClipboardText())); }

void Interpreter::execute(const GetFocus&) {
    const ui::Control* focus = program_.forms().focus();
    WriteLine(out_, GetLine("focus", focus ? focus->form().name() + "." + focus->path() : std::string()));
}

}  // namespace runner
