// Carries out script commands on a running program. What the user would have seen (message
// boxes, beeps, print jobs) and what the commands print go to one stream, in the order they
// happen.
#pragma once

#include <ostream>

#include "app/run/ScriptCommand.h"
#include "app/run/Targets.h"

namespace program { class Program; }
namespace ui { class HeadlessServices; }

namespace runner {

class Interpreter {
public:
    Interpreter(program::Program& program, ui::HeadlessServices& services, std::ostream& out);
    ~Interpreter();
    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    // Runs one command as one event: windows it unloads are destroyed once it has returned.
    // Throws ScriptError for a command that cannot be carried out; errors of the program
    // (ui::PropertyError, std::out_of_range, ...) pass through.
    void run(const Command& command);

private:
    void execute(const InstanceRunning&);
    void execute(const Start&);
    void execute(const AnswerOpen& command);
    void execute(const AnswerPrint& command);
    void execute(const AnswerMsgBox& command);
    void execute(const Click& command);
    void execute(const Key& command);
    void execute(const Mouse& command);
    void execute(const Pick& command);
    void execute(const Spin& command);
    void execute(const Close& command);
    void execute(const Get& command);
    void execute(const Set& command);
    void execute(const Call& command);
    void execute(const Dump& command);
    void execute(const Press& command);
    void execute(const Clipboard& command);
    void execute(const ClipboardPicture& command);
    void execute(const GetClipboard& command);
    void execute(const GetFocus& command);

    program::Program& program_;
    ui::HeadlessServices& services_;
    std::ostream& out_;
    Targets targets_;
};

}  // namespace runner
