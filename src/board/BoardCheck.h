// The board's faults as 検証 words them, for every command that refuses a faulty board (検証,
// 問題にする, a pasted problem): a cell that holds no digit, a digit twice in a unit, no
// solution. A check returns what it found; the words are the same wherever it is shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/BoardReading.h"
#include "puzzle/DoubleBoard.h"

namespace board {

struct BoardFinding {
    std::string text;        // the message
    std::vector<int> cells;  // the board cells it is about, to paint
};

// A cell that is not a digit (from the reading), else a digit twice in a unit; nothing when
// the board can be solved at all.
std::optional<BoardFinding> CheckReadable(const BoardReading& reading);
std::optional<BoardFinding> CheckDuplicates(const puzzle::DoubleBoard& board);

// The engine's answers in words.
std::string UniqueText();
std::string NoSolutionText();

}  // namespace board
