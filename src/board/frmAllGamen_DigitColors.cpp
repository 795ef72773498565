// The digits' colours on the board: whose a digit is, and whether it repeats in a unit. Only
// the digit is coloured; the cell's background keeps the judgement colours.
#include "board/DigitColors.h"
#include "board/PatternTables.h"
#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "puzzle/OverlapPatterns.h"
#include "puzzle/Rules.h"
#include "state/CellRules.h"

namespace board {

void frmAllGamen::ShowDigitColors() {
    const state::PuzzleState& board = program_.state();
    std::vector<bool> repeated(kBoardCells + 1, false);
    if (puzzle::IsPattern(board.pattern()) && cmn.MarkRepeats)
        for (int c : puzzle::RepeatedCells(board.board())) repeated[static_cast<std::size_t>(c)] = true;
    for (int c = 1; c <= kBoardCells; ++c) {
        ui::Color color = kGivenColor;
        if (repeated[static_cast<std::size_t>(c)]) color = kRepeatColor;
        else if (state::IsDigitCell(board.cellText(c)) && !board.cellLocked(c)) color = kEntryColor;
        if (text1(c).foreColor() != color) text1(c).setForeColor(color);
    }
}

}  // namespace board
