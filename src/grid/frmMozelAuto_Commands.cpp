// What the user does directly in a grid window: typing and clicking cells, the clears, the
// options window, and grid 2's lock-in and lock-out.
#include "board/CellNavigation.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "grid/GridCell.h"
#include "grid/frmMozelAuto.h"
#include "options/frmOption01.h"
#include "program/Program.h"
#include "ui/Keys.h"

namespace grid {

void frmMozelAuto::Text1_KeyPress(int, int& KeyAscii) {
    // Backspace edits as in any box: a cell holds one digit, so it empties it.
    bool accepted = (KeyAscii >= '1' && KeyAscii <= '9') || KeyAscii == 8 || KeyAscii == 12;
    if (accepted) return;
    KeyAscii = 0;
    program_.dialogs().Beep();
}

void frmMozelAuto::EmptyCell(int Index) {
    if (!Text1(Index).locked()) Text1(Index).setText(std::string(kClearedCell));
}

void frmMozelAuto::ToggleCandidate(int Index, int d) {
    // The candidates are the board's: the grid cell shows those of its board cell.
    if (Text1(Index).locked() || IsFilled(Text1(Index).text())) return;
    program_.state().toggleCandidate(candidates_.boardCellOf(Index), d);
}

void frmMozelAuto::Text1_KeyDown(int Index, int& KeyCode, int Shift) {
    if (const board::CellEdit edit = board::CellEditOf(KeyCode, Shift)) {
        KeyCode = 0;
        return edit.empty ? EmptyCell(Index) : ToggleCandidate(Index, edit.candidate);
    }
    if (!board::IsNavigationKey(KeyCode, Shift)) return;
    int next = board::NextCell(9, Index + 1, KeyCode, [](int) { return true; });
    program_.forms().setFocus(cell(next));
    KeyCode = 0;
}

void frmMozelAuto::Text1_MouseDown(int Index, int Button, int, int X, int Y) {
    // A right click on a small digit takes it out or puts it back.
    if (Button == ui::kRightButton && Text1(Index).drawsCandidates()) {
        return ToggleCandidate(Index, board::frmAllGamen::CandidateUnder(Text1(Index), X, Y));
    }
    int selection = 0;  // none
    for (int d = 0; d <= 9; ++d) {
        if (SUUJI1(d).value()) {
            selection = d == 0 ? 10 : d;
            break;
        }
    }
    ui::TextBox& cell = Text1(Index);
    const std::string text = cell.text();
    if (IsFilled(text) && ui::IsNumeric(text)) {
        const std::string digits = ui::NumberText(TruncatedValue(text));
        MaeSuuji = digits.substr(digits.size() - 1);
    } else if (IsFilled(text)) {
        program_.dialogs().MsgBox("数字以外がいれられました。数字に修正してください。" + std::to_string(Index + 1));
    } else {
        MaeSuuji = "空白";
    }
    // Only the grid cell changes; the board takes it at its next judgement, or not at all.
    if (!cell.locked()) cell.setText(selection >= 1 && selection <= 9 ? std::to_string(selection) : std::string(kClearedCell));
    txtMemo01.setText("前の数字 = " + MaeSuuji);
}

void frmMozelAuto::btnAllClear_Click() {
    btnColor_Click();
    btnSpace_Click();
    btnCheck_Click();
    Setting.setText("0");
    txtMondaiMemo.setText("問題の説明");
    for (ui::TextBox* box : {&txtQuestion, &txtQuestion2, &Text9, &Text10, &txtMemo01}) box->setText("");
    TB_NUN.setText("3");
    HanteiNUM.setText("1");
}

void frmMozelAuto::mnuAllClear_Click() {
    IroLock = 0;
    btnAllClear_Click();
    mnuHantei.setVisible(false);
}

void frmMozelAuto::mnuSuuji_Click() {
    btnSpace_Click();
    mnuHantei.setVisible(false);
}

void frmMozelAuto::OPT_INF_Click() {
    auto& options = program_.frmOption01();
    options.setTop(1000);
    options.setLeft(7250);
    // Grid 2 leaves the diagonal option as it is.
    if (gridNo_ == 1) options.chkTaikakusen.setValue(NanameMode() ? 1 : 0);
    options.Show();
}

void frmMozelAuto::mnuLockIn_Click() { LockFilledCells(true); }

void frmMozelAuto::mnuLockOut_Click() { LockFilledCells(false); }

void frmMozelAuto::LockFilledCells(bool lock) {
    // Grid 1's menu entries do nothing.
    if (gridNo_ != 2) return;
    for (int i = 0; i <= 80; ++i) {
        if (IsFilled(Text1(i).text())) {
            Text1(i).setLocked(lock);
        } else {
            Text1(i).setText("");
        }
    }
}

}  // namespace grid
