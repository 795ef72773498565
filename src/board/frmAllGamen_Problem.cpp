// A problem placed on the board and both grid windows, as a load from a collection places it,
// and the ways to the same place without a collection: 問題にする (the board's own digits
// become the problem) and a problem pasted as text; and the board copied as text.
#include <string>
#include <vector>

#include "board/BoardCheck.h"
#include "board/PatternTables.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "candidates/frmKouho.h"
#include "grid/frmMozelAuto.h"
#include "newproblem/frmNewProblem.h"
#include "options/frmOption01.h"
#include "pictureread/frmPictureRead.h"
#include "program/Program.h"
#include "puzzle/ProblemLine.h"
#include "puzzle/ProblemText.h"
#include "puzzle/Rules.h"
#include "puzzle/Solver.h"

namespace board {

void frmAllGamen::ClearForProblem() {
    cmn.OmedetouZumi = 0;
    program_.frmKouho();
    cmdClear01_Click();
    auto& grid1 = program_.frmMozelAuto();
    for (int k = 0; k <= 80; ++k) grid1.Text1(k).setText("");
    for (int c = 0; c <= kBoardCells; ++c) program_.state().erase(c);
}

void frmAllGamen::ShowProblemPattern(int pattern) {
    cmn.PatternNo = static_cast<int16_t>(pattern);
    ShowPatternCells();
}

void frmAllGamen::PlaceGivens(grid::frmMozelAuto& window, const std::vector<int>& cells, const std::vector<int>& digits) {
    // The grid window's own cells, then the puzzle's givens, then their colours on the board.
    for (std::size_t i = 0; i < cells.size() && i < digits.size(); ++i) {
        ui::TextBox& gridCell = window.Text1(static_cast<int>(i));
        if (digits[i] == 0) {
            gridCell.setText("");
            continue;
        }
        gridCell.setText(std::string(1, static_cast<char>('0' + digits[i])));
        gridCell.setForeColor(ui::kBlack);
        gridCell.setBackColor(ui::kWhite);
    }
    program_.state().placeGivens(cells, digits);
    for (std::size_t i = 0; i < cells.size() && i < digits.size(); ++i)
        if (digits[i] != 0) text1(cells[i]).setBackColor(ui::kWhite);
}

void frmAllGamen::ShowProblemTexts(const ProblemTexts& texts) {
    lblMondaiNum.setCaption(texts.number);
    txtQuestion.setText(texts.question);
    txtQuestion2.setText(texts.question2);
    txtMondaiMemo.setText(texts.memo);
    if (texts.nanido) txtNanido.setText(*texts.nanido);
}

void frmAllGamen::SetDiagonal(bool on) {
    // The diagonal controls follow the state's rule.
    program_.state().setDiagonal(on);
    program_.frmOption01().chkTaikakusen.setValue(on ? 1 : 0);
}

void frmAllGamen::EmptyGridWindow(int g) {
    auto& window = g == 1 ? program_.frmMozelAuto() : program_.frmMozelAuto2();
    for (int k = 0; k <= 80; ++k) window.Text1(k).setText("");
}

void frmAllGamen::FinishProblem() {
    Refresh();
    PLineClear();
    PLine();
    for (int i = 1; i <= 3; ++i) cmdHanteiA(i).setVisible(true);
    ShowCounts();
    // A new problem's candidates start from its givens.
    RecalculateCandidates();
    placedAt_ = program_.platform().Timer();
    hintsShown_ = 0;
}

void frmAllGamen::PlaceProblem(const puzzle::DoubleBoard& problem, const ProblemTexts* texts) {
    ClearForProblem();
    ShowProblemPattern(problem.pattern);
    for (int g = 1; g <= 2; ++g) {
        std::vector<int> cells, digits;
        for (int k = 1; k <= kGridCells; ++k) {
            cells.push_back(cmn.GridMasu[static_cast<std::size_t>(problem.pattern)][static_cast<std::size_t>(g)][static_cast<std::size_t>(k)]);
            digits.push_back(problem.at(g, k));
        }
        if (g == 2) EmptyGridWindow(2);
        PlaceGivens(g == 1 ? program_.frmMozelAuto() : program_.frmMozelAuto2(), cells, digits);
        if (g == 1 && texts) ShowProblemTexts(*texts);
        if (g == 1) SetDiagonal(problem.diagonal);
    }
    FinishProblem();
}

void frmAllGamen::cmdMondaiNiSuru_Click() {
    const state::BoardReading reading = program_.state().reading();
    const BoardCheck check = CheckBoard(reading, program_.state().lockedCells());
    if (check.fault) return program_.dialogs().MsgBox(check.fault->text, check.fault->icon);
    program_.dialogs().MsgBox(check.solved.verdict == puzzle::Verdict::Unique
                                  ? UniqueText() + "\n盤面の数字を問題にします。"
                                  : "解が2つ以上あります。\n盤面の数字を問題にしますが、解が1つに決まるには数字が足りません。",
                              ui::MsgIcon::Information);
    // The problem keeps the texts the user gave it.
    PlaceProblem(reading.board, nullptr);
}

bool frmAllGamen::PasteMondai() {
    puzzle::ProblemText read =
        puzzle::ReadProblemText(program_.platform().ClipboardText(), cmn.PatternNo, program_.state().diagonal());
    if (!read.board) {
        program_.dialogs().MsgBox(read.error, ui::MsgIcon::Exclamation);
        return false;
    }
    if (auto fault = CheckDuplicates(*read.board)) {
        program_.dialogs().MsgBox("貼り付けた問題は使えません。\n" + fault->text, ui::MsgIcon::Exclamation);
        return false;
    }
    ProblemTexts texts{"", "", "", "貼り付けた問題", std::string("0")};
    PlaceProblem(*read.board, &texts);
    CheckFinish();
    return true;
}

bool frmAllGamen::ClipboardHoldsProblem() {
    return puzzle::ReadProblemText(program_.platform().ClipboardText(), cmn.PatternNo, program_.state().diagonal()).board.has_value();
}

void frmAllGamen::cmdAtarasiiMondai_Click() {
    auto& window = program_.frmNewProblem();
    window.setLeft(10300);
    window.setTop(3100);
    window.Show();
}

void frmAllGamen::cmdGazou_Click() { program_.frmPictureRead().cmdHiraku_Click(); }

void frmAllGamen::CopyMondai(bool picture) {
    const puzzle::DoubleBoard board = program_.state().board();
    program_.platform().SetClipboardText(picture ? puzzle::BoardPicture(board) : puzzle::FormatProblemLine(board) + "\n");
}

}  // namespace board
