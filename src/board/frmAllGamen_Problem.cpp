// A problem placed on the board and both grid windows, as a load from a collection places it,
// and the ways to the same place without a collection: 問題にする (the board's own digits
// become the problem) and a problem pasted as text; and the board copied as text.
#include <string>
#include <vector>

#include "board/BoardCheck.h"
#include "board/BoardReading.h"
#include "board/PatternTables.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "candidates/frmKouho.h"
#include "grid/frmMozelAuto.h"
#include "newproblem/frmNewProblem.h"
#include "options/frmOption01.h"
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
    for (int c = 0; c <= kBoardCells; ++c) text1(c).setText("");
}

void frmAllGamen::ShowProblemPattern(int pattern) {
    cmn.PatternNo = static_cast<int16_t>(pattern);
    ShowPatternCells();
}

void frmAllGamen::PlaceGivens(grid::frmMozelAuto& window, const std::vector<int>& cells, const std::vector<int>& digits) {
    for (std::size_t i = 0; i < cells.size() && i < digits.size(); ++i) {
        ui::TextBox& gridCell = window.Text1(static_cast<int>(i));
        ui::TextBox& boardCell = text1(cells[i]);
        if (digits[i] == 0) {
            gridCell.setText("");
            boardCell.setText("");
            continue;
        }
        std::string text(1, static_cast<char>('0' + digits[i]));
        gridCell.setText(text);
        gridCell.setForeColor(ui::kBlack);
        gridCell.setBackColor(ui::kWhite);
        boardCell.setText(text);
        boardCell.setForeColor(ui::kBlack);
        boardCell.setBackColor(ui::kWhite);
        boardCell.setLocked(true);
    }
}

void frmAllGamen::ShowProblemTexts(const ProblemTexts& texts) {
    lblMondaiNum.setCaption(texts.number);
    txtQuestion.setText(texts.question);
    txtQuestion2.setText(texts.question2);
    txtMondaiMemo.setText(texts.memo);
    if (texts.nanido) txtNanido.setText(*texts.nanido);
}

void frmAllGamen::SetDiagonal(bool on) {
    for (ui::Control* c : std::initializer_list<ui::Control*>{&cmdNaname01, &txtNaname01, &cmdNaname02, &txtNaname02}) {
        c->setVisible(on);
    }
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
    BoardReading reading = ReadBoard(*this, cmn);
    if (auto fault = CheckReadable(reading)) return program_.dialogs().MsgBox(fault->text, ui::MsgIcon::Information);
    puzzle::SolveResult result = puzzle::Solve(reading.board);
    if (result.verdict == puzzle::Verdict::None) return program_.dialogs().MsgBox(NoSolutionText(), ui::MsgIcon::Information);
    program_.dialogs().MsgBox(result.verdict == puzzle::Verdict::Unique
                                  ? UniqueText() + "\n盤面の数字を問題にします。"
                                  : "解が2つ以上あります。\n盤面の数字を問題にしますが、解が1つに決まるには数字が足りません。",
                              ui::MsgIcon::Information);
    // The problem keeps the texts the user gave it.
    PlaceProblem(reading.board, nullptr);
}

bool frmAllGamen::PasteMondai() {
    puzzle::ProblemText read =
        puzzle::ReadProblemText(program_.platform().ClipboardText(), cmn.PatternNo, cmdNaname01.visible());
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
    return true;
}

void frmAllGamen::cmdAtarasiiMondai_Click() {
    auto& window = program_.frmNewProblem();
    window.setLeft(10300);
    window.setTop(3100);
    window.Show();
}

void frmAllGamen::CopyMondai(bool picture) {
    puzzle::DoubleBoard board = ReadBoard(*this, cmn).board;
    program_.platform().SetClipboardText(picture ? puzzle::BoardPicture(board) : puzzle::FormatProblemLine(board) + "\n");
}

}  // namespace board
