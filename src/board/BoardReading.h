// The main window's board read as the exact engine takes it: the current pattern, the diagonal
// rule as the main window shows it, and a digit or nothing per board cell.
#pragma once

#include <optional>
#include <string>

#include "puzzle/DoubleBoard.h"

namespace board {

class frmAllGamen;
struct cmnMod01;

struct BoardReading {
    puzzle::DoubleBoard board;
    // The first cell (in board order) whose text is neither blank nor a digit 1..9.
    std::optional<int> notDigit;
    std::string notDigitText;
};

// Blank cells read as empty, a digit 1..9 (blanks around it allowed) as that digit; every other
// text makes the board unreadable at that cell. The diagonal rule is on exactly when the main
// window's diagonal controls are shown.
BoardReading ReadBoard(const frmAllGamen& w, const cmnMod01& m);

}  // namespace board
