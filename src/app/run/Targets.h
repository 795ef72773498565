// Finds what a script names in the running program: windows by name (created on first
// reference, as code referring to them would), their controls, and the variables of the shared
// module. Anything that does not exist is a ScriptError with a message that says why.
#pragma once

#include <string>
#include <vector>

#include "app/run/ScriptCommand.h"
#include "app/run/ScriptError.h"
#include "board/cmnMod01.h"
#include "ui/Control.h"

namespace program { class Program; }
namespace ui { class Form; }

namespace runner {

// "a TextBox", "an UpDown".
std::string WithArticle(const std::string& noun);

class Targets {
public:
    explicit Targets(program::Program& program);

    ui::Form& form(const std::string& name);
    // Whether the window exists now; never creates it.
    bool isLoaded(const std::string& name) const;
    ui::Control& control(const ControlRef& ref);
    // The control as a T (ui::TextBox, ui::UpDown, ...); kind names T in the message.
    template <typename T>
    T& control(const ControlRef& ref, const std::string& kind) {
        ui::Control& found = control(ref);
        if (auto* typed = dynamic_cast<T*>(&found)) return *typed;
        throw ScriptError(describe(ref) + " is " + WithArticle(found.typeName()) + ", not " + WithArticle(kind));
    }
    const board::SharedVariable& shared(const std::string& name) const;

    // "FORM.CONTROL" or "FORM.CONTROL(INDEX)".
    static std::string describe(const ControlRef& ref);

private:
    void checkWindowName(const std::string& name) const;

    program::Program& program_;
    std::vector<board::SharedVariable> shared_;
};

}  // namespace runner
