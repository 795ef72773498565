#include "app/run/Targets.h"

#include <algorithm>

#include "program/Program.h"
#include "ui/Form.h"

namespace runner {

std::string WithArticle(const std::string& noun) {
    bool vowel = !noun.empty() && std::string_view("AEIOUaeiou").find(noun.front()) != std::string_view::npos;
    return (vowel ? "an " : "a ") + noun;
}

Targets::Targets(program::Program& program) : program_(program), shared_(board::SharedVariables(program.cmn())) {}

std::string Targets::describe(const ControlRef& ref) {
    std::string text = ref.form + "." + ref.control;
    if (ref.index >= 0) text += "(" + std::to_string(ref.index) + ")";
    return text;
}

void Targets::checkWindowName(const std::string& name) const {
    if (!program_.forms().knows(name)) throw ScriptError("no window named " + name);
}

ui::Form& Targets::form(const std::string& name) {
    checkWindowName(name);
    return program_.forms().get(name);
}

bool Targets::isLoaded(const std::string& name) const {
    checkWindowName(name);
    return program_.forms().isLoaded(name);
}

ui::Control& Targets::control(const ControlRef& ref) {
    ui::Form& window = form(ref.form);
    if (ui::Control* found = window.findControl(ref.control, ref.index)) return *found;

    // Say why: no such name, an array named without an index (or the other way round), or an
    // index outside the array.
    std::vector<int> indexes;
    for (const ui::Control* c : window.controls()) {
        if (c->name() == ref.control) indexes.push_back(c->index());
    }
    if (indexes.empty()) throw ScriptError(ref.form + " has no control " + ref.control);
    auto [low, high] = std::minmax_element(indexes.begin(), indexes.end());
    std::string range = ref.form + "." + ref.control + "(" + std::to_string(*low) + ".." + std::to_string(*high) + ")";
    if (*low < 0) throw ScriptError(ref.form + "." + ref.control + " is not a control array");
    if (ref.index < 0) throw ScriptError(ref.form + "." + ref.control + " is a control array: give an index, " + range);
    throw ScriptError("index " + std::to_string(ref.index) + " outside " + range);
}

const board::SharedVariable& Targets::shared(const std::string& name) const {
    for (const auto& variable : shared_) {
        if (variable.name == name) return variable;
    }
    throw ScriptError("cmnMod01 has no variable " + name);
}

}  // namespace runner
