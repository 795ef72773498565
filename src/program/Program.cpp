#include "program/Program.h"

#include <functional>

#include "board/frmAllGamen.h"
#include "candidates/frmKouho.h"
#include "collection/frmMondai.h"
#include "grid/frmMozelAuto.h"
#include "hint/frmHint.h"
#include "newproblem/frmNewProblem.h"
#include "options/frmOption01.h"
#include "pictureread/frmPictureRead.h"
#include "ui/TextBox.h"

namespace program {

Program::Program(ui::Services services) : services_(services) {
    forms_.add("frmAllGamen", [this] { return std::make_unique<board::frmAllGamen>(*this); });
    forms_.add("frmMozelAuto", [this] { return std::make_unique<grid::frmMozelAuto>(*this, 1); });
    forms_.add("frmMozelAuto2", [this] { return std::make_unique<grid::frmMozelAuto>(*this, 2); });
    forms_.add("frmKouho", [this] { return std::make_unique<candidates::frmKouho>(*this); });
    forms_.add("frmOption01", [this] { return std::make_unique<options::frmOption01>(*this); });
    forms_.add("frmMondai", [this] { return std::make_unique<collection::frmMondai>(*this); });
    forms_.add("frmNewProblem", [this] { return std::make_unique<newproblem::frmNewProblem>(*this); });
    forms_.add("frmHint", [this] { return std::make_unique<hint::frmHint>(*this); });
    forms_.add("frmPictureRead", [this] { return std::make_unique<pictureread::frmPictureRead>(*this); });
    cmn_.PatternNo.attach(state_);
    journal().addState(state_.journalBlock());
    journal().addState(board::SolvingState(cmn_));
    journal().setQuietHook([this](bool quiet) { quiet_ = quiet; });
    addShortcuts();
}

void Program::addShortcuts() {
    using ui::kCtrlMask;
    using ui::kShiftMask;
    auto undo = [this](ui::Control*) {
        journal().undo();
        return true;
    };
    auto redo = [this](ui::Control*) {
        journal().redo();
        return true;
    };
    forms_.addShortcut({'Z', kCtrlMask}, undo);
    forms_.addShortcut({'Y', kCtrlMask}, redo);
    forms_.addShortcut({'Z', kCtrlMask | kShiftMask}, redo);
    // A problem pasted onto a cell, or where no text box has the focus; in any other text box
    // Ctrl+V pastes as usual. A picture on the clipboard is read, unless the clipboard's text
    // is a problem: a picture copied from a web page often comes with its address as text.
    forms_.addShortcut({'V', kCtrlMask}, [this](ui::Control* focus) {
        if (dynamic_cast<ui::TextBox*>(focus) && !IsCell(*focus)) return false;
        const std::vector<unsigned char> picture = platform().ClipboardPicture();
        if (!picture.empty() && !frmAllGamen().ClipboardHoldsProblem()) {
            frmPictureRead().ReadBytes(picture);
            return true;
        }
        frmAllGamen().PasteMondai();
        return true;
    });
    forms_.addShortcut({'C', kCtrlMask}, [this](ui::Control*) {
        frmAllGamen().CopyMondai(false);
        return true;
    });
    forms_.addShortcut({'C', kCtrlMask | kShiftMask}, [this](ui::Control*) {
        frmAllGamen().CopyMondai(true);
        return true;
    });
    addButtonShortcuts();
}

void Program::addButtonShortcuts() {
    using ui::kCtrlMask;
    // A button's shortcut clicks it while it is shown and enabled; never while the user types
    // into a text box that is not a cell.
    auto typing = [](ui::Control* focus) { return dynamic_cast<ui::TextBox*>(focus) && !IsCell(*focus); };
    auto press = [this, typing](std::function<ui::Clickable&(board::frmAllGamen&)> button) {
        return [this, typing, button](ui::Control* focus) {
            if (typing(focus) || !forms_.isLoaded("frmAllGamen")) return false;
            ui::Clickable& b = button(frmAllGamen());
            if (!b.visible() || !b.enabled()) return false;
            b.click();
            return true;
        };
    };
    forms_.addShortcut({'H', kCtrlMask}, press([](board::frmAllGamen& f) -> ui::Clickable& { return f.cmdHint; }));
    forms_.addShortcut({'E', kCtrlMask}, press([](board::frmAllGamen& f) -> ui::Clickable& { return f.cmdKensyou; }));
    forms_.addShortcut({'K', kCtrlMask}, press([](board::frmAllGamen& f) -> ui::Clickable& { return f.chkKouho; }));
    forms_.addShortcut({'J', kCtrlMask}, press([](board::frmAllGamen& f) -> ui::Clickable& { return f.cmdHantei123; }));
    for (int d = 1; d <= 9; ++d)
        forms_.addShortcut({'0' + d, kCtrlMask}, press([d](board::frmAllGamen& f) -> ui::Clickable& { return f.cmdHantei(d); }));
    // Ctrl+Enter carries out the hint shown and shows the next, from the board or the hint window.
    forms_.addShortcut({ui::kKeyReturn, kCtrlMask}, [this, typing](ui::Control* focus) {
        if (typing(focus) || !forms_.isLoaded("frmAllGamen")) return false;
        frmAllGamen().ApplyLastHint();
        return true;
    });
    // Esc closes the hint window, from itself or from the board.
    forms_.addShortcut({ui::kKeyEscape, 0}, [this, typing](ui::Control* focus) {
        ui::Form* hint = forms_.find("frmHint");
        if (typing(focus) || !hint || !hint->visible()) return false;
        if (focus && &focus->form() != hint && focus->form().name() != "frmAllGamen") return false;
        hint->Hide();
        return true;
    });
}

bool Program::IsCell(const ui::Control& control) {
    const std::string& form = control.form().name();
    return (form == "frmAllGamen" && control.name() == "text1") ||
           ((form == "frmMozelAuto" || form == "frmMozelAuto2") && control.name() == "Text1");
}

Program::~Program() = default;

template <typename W>
W& Program::window(const char* name) {
    return static_cast<W&>(forms_.get(name));
}

void Program::Start() {
    {
        ui::FormRegistry::EventScope scope(forms_);
        frmAllGamen();
    }
    // The start-up is nobody's action to undo; from here on, every user event is one step.
    if (!ended()) journal().setEnabled(true);
}

void Program::End() {
    // The board of a program that started is kept for 続きから.
    if (auto* main = static_cast<board::frmAllGamen*>(forms_.find("frmAllGamen")); main && main->born()) main->KeepBoard();
    forms_.end();
}

board::frmAllGamen& Program::frmAllGamen() { return window<board::frmAllGamen>("frmAllGamen"); }
grid::frmMozelAuto& Program::frmMozelAuto() { return window<grid::frmMozelAuto>("frmMozelAuto"); }
grid::frmMozelAuto& Program::frmMozelAuto2() { return window<grid::frmMozelAuto>("frmMozelAuto2"); }
candidates::frmKouho& Program::frmKouho() { return window<candidates::frmKouho>("frmKouho"); }
void Program::digitColorsChanged() { frmAllGamen().ShowDigitColors(); }

options::frmOption01& Program::frmOption01() { return window<options::frmOption01>("frmOption01"); }
collection::frmMondai& Program::frmMondai() { return window<collection::frmMondai>("frmMondai"); }
newproblem::frmNewProblem& Program::frmNewProblem() { return window<newproblem::frmNewProblem>("frmNewProblem"); }
hint::frmHint& Program::frmHint() { return window<hint::frmHint>("frmHint"); }
pictureread::frmPictureRead& Program::frmPictureRead() { return window<pictureread::frmPictureRead>("frmPictureRead"); }

}  // namespace program
