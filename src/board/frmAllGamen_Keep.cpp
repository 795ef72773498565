// 続きから: the board kept at the end of the program in the user's data folder, and put back
// on the board, as one step, when the user asks for it at a later start.
#include "board/BoardCell.h"
#include "board/KeptBoard.h"
#include "board/PatternTables.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"

namespace board {
namespace {

void RestoreJudged(frmAllGamen& board, program::Program& program, const KeptBoard::Judged& judged) {
    // The colours and ticks the judgements had left, on the board and in both grid windows, and
    // the digits, completion lines and 難易度 of the grid windows.
    for (int c = 1; c <= kBoardCells; ++c) board.text1(c).setBackColor(judged.backColors[static_cast<std::size_t>(c)]);
    for (int d = 1; d <= 9; ++d) board.Check1(d).setValue(judged.ticks[static_cast<std::size_t>(d)] ? 1 : 0);
    for (int g = 1; g <= 2; ++g) {
        grid::frmMozelAuto& window = g == 1 ? program.frmMozelAuto() : program.frmMozelAuto2();
        for (int k = 1; k <= kGridCells; ++k) {
            const KeptBoard::GridCell& cell = judged.gridCells[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(k - 1)];
            // The window's digits as they stood; a given it had not seen yet stays as placed.
            if (IsDigitCell(cell.text) || !IsDigitCell(window.cell(k).text())) window.cell(k).setText(cell.text);
            window.cell(k).setBackColor(cell.backColor);
        }
        for (int d = 1; d <= 9; ++d) window.Check1(d).setValue(judged.gridTicks[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(d)] ? 1 : 0);
        window.Text10.setText(judged.gridStatus[static_cast<std::size_t>(g - 1)]);
        window.TB_NUN.setText(judged.gridNanido[static_cast<std::size_t>(g - 1)]);
    }
}

}  // namespace

void frmAllGamen::KeepBoard() {
    KeptBoard kept;
    kept.pattern = cmn.PatternNo;
    const state::PuzzleState& current = program_.state();
    kept.diagonal = current.diagonal();
    for (int c = 1; c <= kBoardCells; ++c) kept.cells[static_cast<std::size_t>(c)] = {current.cellText(c), current.cellLocked(c)};
    kept.candidates = current.candidateMasks();
    kept.candidatesShown = chkKouho.value() == 1;
    kept.number = lblMondaiNum.caption();
    kept.question = txtQuestion.text();
    kept.question2 = txtQuestion2.text();
    kept.memo = txtMondaiMemo.text();
    kept.nanido = txtNanido.text();
    KeptBoard::Judged& judged = kept.judged.emplace();
    for (int c = 1; c <= kBoardCells; ++c) judged.backColors[static_cast<std::size_t>(c)] = text1(c).backColor();
    for (int d = 1; d <= 9; ++d) judged.ticks[static_cast<std::size_t>(d)] = Check1(d).value() == 1;
    for (int g = 1; g <= 2; ++g) {
        const grid::frmMozelAuto& window = g == 1 ? program_.frmMozelAuto() : program_.frmMozelAuto2();
        for (int k = 1; k <= kGridCells; ++k)
            judged.gridCells[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(k - 1)] = {window.cell(k).text(), window.cell(k).backColor()};
        for (int d = 1; d <= 9; ++d) judged.gridTicks[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(d)] = window.Check1(d).value() == 1;
        judged.gridStatus[static_cast<std::size_t>(g - 1)] = window.Text10.text();
        judged.gridNanido[static_cast<std::size_t>(g - 1)] = window.TB_NUN.text();
    }
    StoreKeptBoard(program_.platform().DataFolder(), kept);
}

void frmAllGamen::ShowKeptBoardButton() { cmdTudukikara.setVisible(HasKeptBoard(program_.platform().DataFolder())); }

void frmAllGamen::cmdTudukikara_Click() {
    std::string setAside;
    std::optional<KeptBoard> kept = FetchKeptBoard(program_.platform().DataFolder(), setAside);
    cmdTudukikara.setVisible(false);
    if (!kept) {
        program_.dialogs().MsgBox("前回の盤面を読めませんでした。" +
                                      (setAside.empty() ? std::string() : "\nファイルは次の名前で残してあります：" + setAside),
                                  ui::MsgIcon::Exclamation);
        return;
    }
    // The board starts anew as for a problem, then takes the kept cells: the givens placed as
    // a load places them (also in the grid windows), the user's own digits as they stood.
    ClearForProblem();
    ShowProblemPattern(kept->pattern);
    for (int g = 1; g <= 2; ++g) {
        std::vector<int> cells, digits;
        for (int k = 1; k <= kGridCells; ++k) {
            int c = cmn.GridMasu[static_cast<std::size_t>(kept->pattern)][static_cast<std::size_t>(g)][static_cast<std::size_t>(k)];
            const KeptBoard::Cell& cell = kept->cells[static_cast<std::size_t>(c)];
            cells.push_back(c);
            digits.push_back(cell.given && IsDigitCell(cell.text) ? static_cast<int>(CellValue(cell.text)) : 0);
        }
        if (g == 2) EmptyGridWindow(2);
        PlaceGivens(g == 1 ? program_.frmMozelAuto() : program_.frmMozelAuto2(), cells, digits);
    }
    for (int c = 1; c <= kBoardCells; ++c) {
        const KeptBoard::Cell& cell = kept->cells[static_cast<std::size_t>(c)];
        program_.state().setCellText(c, cell.text);
        program_.state().setCellLocked(c, cell.given);
    }
    ShowProblemTexts({kept->number, kept->question, kept->question2, kept->memo, kept->nanido});
    SetDiagonal(kept->diagonal);
    FinishProblem();
    if (kept->candidates) {
        for (int c = 1; c <= kBoardCells; ++c) program_.state().setCellCandidates(c, (*kept->candidates)[static_cast<std::size_t>(c)]);
        ShowCandidates(kept->candidatesShown);
    }
    if (kept->judged) RestoreJudged(*this, program_, *kept->judged);
}

}  // namespace board
