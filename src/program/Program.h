// The program: its windows by name (each created hidden on first reference), the shared
// module and the services. Every window holds a reference to it.
#pragma once

#include <functional>

#include "board/cmnMod01.h"
#include "state/PuzzleState.h"
#include "ui/FormRegistry.h"
#include "ui/Services.h"
#include "ui/SilentDialogs.h"

namespace board { class frmAllGamen; }
namespace grid { class frmMozelAuto; }
namespace candidates { class frmKouho; }
namespace options { class frmOption01; }
namespace collection { class frmMondai; }
namespace newproblem { class frmNewProblem; }
namespace hint { class frmHint; }
namespace pictureread { class frmPictureRead; }

namespace program {

class Program {
public:
    explicit Program(ui::Services services);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The program's start-up: the main window loads (as one event).
    void Start();
    // Ends the program: every window goes, no further event is taken. The caller returns
    // at once afterwards.
    void End();
    bool ended() const { return forms_.ended(); }

    // The windows, created on first reference.
    board::frmAllGamen& frmAllGamen();
    grid::frmMozelAuto& frmMozelAuto();
    grid::frmMozelAuto& frmMozelAuto2();
    candidates::frmKouho& frmKouho();
    options::frmOption01& frmOption01();
    collection::frmMondai& frmMondai();
    newproblem::frmNewProblem& frmNewProblem();
    hint::frmHint& frmHint();
    pictureread::frmPictureRead& frmPictureRead();

    ui::FormRegistry& forms() { return forms_; }
    // The board's digits coloured again, after a switch that decides their colours changed.
    void digitColorsChanged();
    // A cell of the board or of a grid window (where a pasted problem goes).
    static bool IsCell(const ui::Control& control);
    // Undo and redo of the user's actions.
    ui::Journal& journal() { return forms_.journal(); }
    board::cmnMod01& cmn() { return cmn_; }
    // What the puzzle on the board is; every window asks it what the board holds.
    state::PuzzleState& state() { return state_; }
    // The dialogs; silent while a window is made again for an undo step.
    ui::Dialogs& dialogs() { return quiet_ ? static_cast<ui::Dialogs&>(silent_) : services_.dialogs; }
    ui::Printer& printer() { return services_.printer; }
    ui::Platform& platform() { return services_.platform; }
    ui::Worker& worker() { return services_.worker; }

private:
    template <typename W>
    W& window(const char* name);
    // Keys that act in every window: undo, redo, paste and copy of a problem.
    void addShortcuts();
    void addButtonShortcuts();

    ui::Services services_;
    state::PuzzleState state_;
    board::cmnMod01 cmn_;
    ui::FormRegistry forms_;
    ui::SilentDialogs silent_;
    bool quiet_ = false;
};

}  // namespace program
