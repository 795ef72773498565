// The board's faults as 検証 words them, for every command that refuses a faulty board (検証,
// ヒント, 問題にする, a pasted problem): a cell that holds no digit, a digit twice in a unit, no
// solution, digits that contradict the locked problem's solution. A check returns what it
// found; the words and the icon are the same wherever it is shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "state/PuzzleState.h"
#include "puzzle/DoubleBoard.h"
#include "puzzle/Solver.h"
#include "ui/Services.h"

namespace board {

using state::BoardReading;

struct BoardFinding {
    std::string text;        // the message
    std::vector<int> cells;  // the board cells it is about, to paint
    ui::MsgIcon icon = ui::MsgIcon::Exclamation;
};

// The whole check of a board whose locked cells (givens) are marked: a finding, or the
// engine's answer for a board that has a solution. Without one, the locked cells alone are
// solved: when they have exactly one solution, the digits that differ from it are the finding.
struct BoardCheck {
    std::optional<BoardFinding> fault;
    puzzle::SolveResult solved;  // the board's own answer (verdict None when there is a fault)
};
BoardCheck CheckBoard(const BoardReading& reading, const std::vector<bool>& locked);

// A cell that is not a digit (from the reading), else a digit twice in a unit; nothing when
// the board can be solved at all.
std::optional<BoardFinding> CheckReadable(const BoardReading& reading);
std::optional<BoardFinding> CheckDuplicates(const puzzle::DoubleBoard& board);

// The engine's answers in words.
std::string UniqueText();
std::string NoSolutionText();

}  // namespace board
