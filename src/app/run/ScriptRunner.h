// Runs a whole script on a program: line by line until the script's end, the program's end or
// the first line that cannot be carried out.
#pragma once

#include <istream>
#include <ostream>

#include "app/run/Interpreter.h"

namespace runner {

// Exit status of the runner after a line that could not be carried out.
constexpr int kScriptFailed = 2;

class ScriptRunner {
public:
    ScriptRunner(program::Program& program, ui::HeadlessServices& services, std::ostream& out);

    // Returns the exit status: 0 when the script ran to its end or the program ended (printing
    // {"end":true}), kScriptFailed after printing the error line of a line that failed.
    int run(std::istream& script);

private:
    // False when the line failed (its error line is printed).
    bool runLine(const std::string& line, int number);

    program::Program& program_;
    std::ostream& out_;
    Interpreter interpreter_;
};

}  // namespace runner
