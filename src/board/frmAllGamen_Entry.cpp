// Cell entry on the board, the two counters and the rule that offers either the pattern
// switch or the judge buttons, the four clears and the lock of the given digits.
#include "board/BoardCell.h"
#include "board/CellNavigation.h"
#include "board/PatternTables.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "grid/frmMozelAuto.h"
#include "options/frmOption01.h"
#include "program/Program.h"
#include "ui/Value.h"

namespace board {
namespace {

constexpr ui::Color kUnlockedColor = 0x00FF00;
constexpr ui::Color kLockedColor = 255;

}  // namespace

void frmAllGamen::text1_KeyPress(int Index, int& KeyAscii) {
    if (KeyAscii == 8) {
        // Backspace empties the cell at once, as Delete does.
        KeyAscii = 0;
        EmptyCell(Index);
        return;
    }
    const bool digit = KeyAscii >= '1' && KeyAscii <= '9';
    bool accepted = KeyAscii == ' ' || KeyAscii == 12 || digit;
    // A cell holds one digit: a digit typed over one replaces it. A locked cell takes the key
    // as before, and its text does not change.
    if (digit && IsDigitCell(text1(Index).text()) && !program_.state().cellLocked(Index)) {
        program_.state().placeDigit(Index, KeyAscii - '0');
        KeyAscii = 0;
        ShowSetCount();
        CheckFinish();
        return;
    }
    if (accepted) return;
    program_.dialogs().Beep();
    KeyAscii = 0;
    ShowSetCount();
}

void frmAllGamen::text1_KeyUp(int Index, int KeyAscii) {
    (void)Index, (void)KeyAscii;
    ShowSetCount();
    CheckFinish();
}

void frmAllGamen::EmptyCell(int Index) {
    if (program_.state().cellLocked(Index)) return;
    program_.state().erase(Index);
    ShowSetCount();
}

void frmAllGamen::text1_KeyDown(int Index, int& KeyCode, int Shift) {
    if (const CellEdit edit = CellEditOf(KeyCode, Shift)) {
        KeyCode = 0;
        return edit.empty ? EmptyCell(Index) : ToggleCandidate(Index, edit.candidate);
    }
    if (!IsNavigationKey(KeyCode, Shift)) return;
    const auto& codes = cmn.PatternMasu[static_cast<std::size_t>(cmn.PatternNo)];
    int next = NextCell(kBoardSize, Index, KeyCode, [&](int c) { return codes[static_cast<std::size_t>(c)] != 0; });
    program_.forms().setFocus(text1(next));
    KeyCode = 0;
}

void frmAllGamen::text1_MouseDown(int Index, int Button, int Shift, int X, int Y) {
    (void)Shift;
    // A right click on a small digit of an empty cell takes it out or puts it back.
    if (Button == ui::kRightButton && text1(Index).drawsCandidates() && !text1(Index).locked()) {
        ToggleCandidate(Index, CandidateUnder(text1(Index), X, Y));
        return;
    }
    if (text1(Index).locked()) {
        program_.dialogs().MsgBox("ロックがかかっています。");
        return;
    }
    int selected = 0;
    for (int d = 0; d <= 9; ++d) {
        if (SUUJI1(d).value()) {
            selected = d;
            break;
        }
    }
    text1(Index).setText(selected == 0 ? " " : std::to_string(selected));
    ShowSetCount();
    CheckFinish();
}

void frmAllGamen::lblSetCount_Change() {
    // What decides is the number shown, which may lag behind the board.
    bool filled = ui::Val(lblSetCount.caption()) > 0;
    cmdHanteiA(3).setVisible(filled);
    cmdHantei123.setVisible(filled);
    cmdPattern.setVisible(!filled);
    for (int d = 1; d <= 9; ++d) cmdHantei(d).setVisible(filled);
}

void frmAllGamen::cmdClear01_Click() {
    cmn.OmedetouZumi = 0;
    program_.state().clear();
    for (int c = 1; c <= kBoardCells; ++c) text1(c).setAlignment(ui::Alignment::Center);
    for (int i = 1; i <= 3; ++i) cmdHanteiA(i).setVisible(false);
    lblSetCount.setCaption("0");
    lblMasuSuu.setCaption("0");
    cmdClear02_Click();
    cmdClear03_Click();
    program_.frmOption01().chkAutoCheck1.setValue(1);
    program_.frmMozelAuto().lblAuto.setCaption("自動");
    cmn.ClearFlag = 1;
    for (int k = 1; k <= kGridCells; ++k) {
        for (int d = 1; d <= 9; ++d) cmn.KouhoTbl[k][d] = 0;
    }
    program_.forms().unload("frmKouho");
    RecalculateCandidates();
    // A board typed anew is timed from its clear.
    placedAt_ = program_.platform().Timer();
    hintsShown_ = 0;
}

void frmAllGamen::cmdClear02_Click() {
    for (int c = 1; c <= kBoardCells; ++c) text1(c).setBackColor(cmn.IroMiketei);
}

void frmAllGamen::cmdClear03_Click() {
    for (int d = 1; d <= 9; ++d) {
        Check1(d).setValue(0);
        program_.frmMozelAuto().Check1(d).setValue(0);
        program_.frmMozelAuto2().Check1(d).setValue(0);
    }
    cmn.OmedetouZumi = 0;
}

void frmAllGamen::cmdClear04_Click() {
    txtMondaiMemo.setText("問題の説明文章 漢字25文字以内");
    txtQuestion.setText("");
    txtQuestion2.setText("");
    txtNanido.setText("0");
}

void frmAllGamen::cmdLock_Click() {
    // Cells holding a digit follow the new state; the others keep their flag.
    LockState = !LockState;
    program_.state().lock(LockState);
    cmdLock.setBackColor(LockState ? kLockedColor : kUnlockedColor);
}

}  // namespace board
