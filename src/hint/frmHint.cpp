#include "hint/frmHint.h"

#include "board/BoardLayout.h"
#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "ui/Layout.h"

namespace hint {
namespace {

constexpr ui::Color kBackColor = 0xF0FFFF;

}  // namespace

frmHint::frmHint(program::Program& program) : ui::Form("frmHint"), program_(program) {
    setCaption("ヒント");
    setBackColor(kBackColor);
    setWidth(6000);
    setHeight(4680);
    // What the window shows is no puzzle state; the steps it carries out are the board's.
    setJournaled(false);
    // Beside the main window, never over its 15x15 board.
    setBeside({.owner = "frmAllGamen", .keepClear = board::layout::kBoardArea});
    layOutControls();
    cmdApply.onClick = [this] { cmdApply_Click(); };
    cmdNext.onClick = [this] { cmdNext_Click(); };
}

void frmHint::layOutControls() {
    const ui::LayoutRow rows[] = {
        {&lblText, "", 120, 120, 5760, 3840},
        {&cmdApply, "適用", 120, 4080, 2700, 480},
        {&cmdNext, "次のヒント", 3180, 4080, 2700, 480},
    };
    ui::LayOut(rows);
    lblText.setBackColor(ui::kWhite);
    cmdApply.setToolTip("この一手を盤面に入れて、次のヒントを出します（Ctrl+Enter）");
    cmdNext.setToolTip("この一手は入れずに、次のヒントを出します（Ctrl+H）");
}

void frmHint::ShowStep(const std::string& text) {
    lblText.setCaption(text);
    Show();
}

void frmHint::cmdApply_Click() { program_.frmAllGamen().ApplyLastHint(); }

void frmHint::cmdNext_Click() { program_.frmAllGamen().cmdHint_Click(); }

}  // namespace hint
