#include "app/run/ScriptRunner.h"

#include <string>

#include "app/run/OutputLines.h"
#include "app/run/ScriptParser.h"
#include "program/Program.h"

namespace runner {

ScriptRunner::ScriptRunner(program::Program& program, ui::HeadlessServices& services, std::ostream& out)
    : program_(program), out_(out), interpreter_(program, services, out) {}

int ScriptRunner::run(std::istream& script) {
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        // A byte-order mark an editor may have put before the first line.
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        if (!runLine(line, number)) return kScriptFailed;
        if (program_.ended()) {
            WriteLine(out_, EndLine());
            return 0;
        }
    }
    return 0;
}

bool ScriptRunner::runLine(const std::string& line, int number) {
    try {
        if (auto command = ParseLine(line)) interpreter_.run(*command);
        return true;
    } catch (const std::exception& e) {
        // ScriptError, and the program's own: ui::PropertyError, std::out_of_range, ...
        WriteLine(out_, ErrorLine(e.what(), number));
    } catch (...) {
        WriteLine(out_, ErrorLine("unexpected failure", number));
    }
    return false;
}

}  // namespace runner
