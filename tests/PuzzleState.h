// The puzzle state of a running program as text, read through the generic property access (not
// through the journal), for tests of undo: every property of every control of the windows
// asked for (placement left out), the shared module's variables and the windows' own
// variables. Two dumps are equal exactly when the puzzle state is.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "board/cmnMod01.h"
#include "program/Program.h"
#include "ui/Control.h"
#include "ui/Form.h"

namespace puzzlestate {

inline void Append(std::string& out, const ui::PropertyValue& value) {
    if (const auto* b = std::get_if<bool>(&value)) {
        out += *b ? "true" : "false";
    } else if (const auto* n = std::get_if<int64_t>(&value)) {
        out += std::to_string(*n);
    } else {
        out += '"';
        out += std::get<std::string>(value);
        out += '"';
    }
}

inline std::string Text(const ui::PropertyValue& value) {
    std::string out;
    Append(out, value);
    return out;
}

// The properties a control type shows, placement left out; the same for every control of a type.
inline const std::vector<std::string>& StateProperties(const ui::Control& control) {
    static std::map<std::string, std::vector<std::string>> byType;
    auto [it, fresh] = byType.try_emplace(control.typeName());
    if (fresh) {
        for (const std::string& name : control.propertyNames()) {
            if (name != "Left" && name != "Top" && name != "Width" && name != "Height") it->second.push_back(name);
        }
    }
    return it->second;
}

inline void DumpForm(const ui::Form& form, std::string& out) {
    out += '[';
    out += form.name();
    out += "]\n";
    for (const ui::Control* control : form.controls()) {
        if (!control->journaled()) continue;
        out += control->name();
        out += std::to_string(control->index());
        for (const std::string& name : StateProperties(*control)) {
            out += ' ';
            out += name;
            out += '=';
            Append(out, control->property(name));
        }
        out += '\n';
    }
    for (const ui::StateBlock& block : form.states()) {
        out += "state ";
        out += block.name;
        out += ": ";
        out += block.save();
        out += '\n';
    }
}

// The marking colours (Iro...) are settings of the options window, not puzzle state; they are
// left out when settings is false.
inline std::string DumpModule(board::cmnMod01& cmn, bool settings = true) {
    std::string out = "[cmnMod01]\n";
    for (const board::SharedVariable& v : board::SharedVariables(cmn)) {
        if (!settings && v.name.starts_with("Iro")) continue;
        // Walk every index of the variable.
        std::vector<int> ix(v.upperBounds.size(), 0);
        out += v.name + ":";
        for (bool more = true; more;) {
            out += " " + Text(v.get(ix));
            more = false;
            for (std::size_t i = ix.size(); i-- > 0;) {
                if (ix[i] < v.upperBounds[i]) {
                    ++ix[i];
                    std::fill(ix.begin() + static_cast<std::ptrdiff_t>(i) + 1, ix.end(), 0);
                    more = true;
                    break;
                }
            }
        }
        out += "\n";
    }
    return out;
}

// The windows named (those loaded), or every loaded window when none are named; with names
// given, the settings are left out.
inline std::string Dump(program::Program& program, const std::vector<std::string>& names = {}) {
    std::vector<ui::Form*> forms = program.forms().loaded();
    std::sort(forms.begin(), forms.end(), [](const ui::Form* a, const ui::Form* b) { return a->name() < b->name(); });
    std::string out;
    out.reserve(1 << 17);
    for (const ui::Form* form : forms) {
        if (names.empty() || std::find(names.begin(), names.end(), form->name()) != names.end()) DumpForm(*form, out);
    }
    out += DumpModule(program.cmn(), names.empty());
    return out;
}

// The first line where two dumps differ, for a failure message.
inline std::string FirstDifference(const std::string& a, const std::string& b) {
    std::size_t line = 0, start = 0;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) {
            std::size_t endA = a.find('\n', i), endB = b.find('\n', i);
            return "line " + std::to_string(line + 1) + ":\n  " + a.substr(start, endA - start) + "\n  " +
                   b.substr(start, endB - start);
        }
        if (a[i] == '\n') {
            ++line;
            start = i + 1;
        }
    }
    return a.size() == b.size() ? "none" : "one dump ends early at line " + std::to_string(line + 1);
}

}  // namespace puzzlestate
