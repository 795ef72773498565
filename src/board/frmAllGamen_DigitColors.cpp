// The digits' colours on the board: whose a digit is, and whether it repeats in a unit. Only
// the digit is coloured; the cell's background keeps the judgement colours.
#include <array>

#include "board/DigitColors.h"
#include "board/PatternTables.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "puzzle/LogicState.h"
#include "puzzle/OverlapPatterns.h"
#include "state/CellRules.h"

namespace board {

void frmAllGamen::ShowDigitColors() {
    std::vector<bool> all(kBoardCells + 1, true);
    ShowDigitColors(all);
}

void frmAllGamen::ShowDigitColors(const std::vector<bool>& which) {
    const state::PuzzleState& board = program_.state();
    std::array<int, kBoardCells + 1> digits{};
    for (int c = 1; c <= kBoardCells; ++c) digits[static_cast<std::size_t>(c)] = state::BoardDigit(board.cellText(c));
    const bool marks = cmn.MarkRepeats && puzzle::IsPattern(board.pattern());
    const puzzle::Topology* topology = marks ? &puzzle::TopologyOf(board.pattern(), board.diagonal()) : nullptr;
    for (int c = 1; c <= kBoardCells; ++c) {
        if (!which[static_cast<std::size_t>(c)]) continue;
        const int d = digits[static_cast<std::size_t>(c)];
        ui::Color color = kGivenColor;
        if (d != 0 && !board.cellLocked(c)) color = kEntryColor;
        if (d != 0 && topology && board.inPattern(c)) {
            for (int peer : topology->peerList[static_cast<std::size_t>(c)]) {
                if (digits[static_cast<std::size_t>(peer)] != d) continue;
                color = kRepeatColor;
                break;
            }
        }
        if (text1(c).foreColor() != color) text1(c).setForeColor(color);
    }
}

}  // namespace board
