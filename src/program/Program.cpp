#include "program/Program.h"

#include "board/frmAllGamen.h"

namespace program {

Program::Program(ui::Services services) : services_(services) {
    forms_.add("frmAllGamen", [this] { return std::make_unique<board::frmAllGamen>(*this); });
}

Program::~Program() = default;

template <typename W>
W& Program::window(const char* name) {
    return static_cast<W&>(forms_.get(name));
}

void Program::Start() {
    ui::FormRegistry::EventScope scope(forms_);
    frmAllGamen();
}

void Program::End() { forms_.end(); }

board::frmAllGamen& Program::frmAllGamen() { return window<board::frmAllGamen>("frmAllGamen"); }

}  // namespace program
