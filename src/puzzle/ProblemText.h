// A problem as text a person copies from a web page or a file, in three forms, and the board
// written back in two of them:
// - the line of mozeldouble-solve: pattern, 81 characters of grid 1, 81 of grid 2, maybe x;
// - a picture of the board: up to 15 lines of up to 15 characters, a digit for a given, '.' or
//   '0' for an empty cell, any other character (blank, '#', '-', '*') outside both grids; the
//   pattern is the one with that shape;
// - 162 characters, grid 1 then grid 2 of the current pattern, whitespace ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "puzzle/DoubleBoard.h"

namespace puzzle {

struct ProblemText {
    std::optional<DoubleBoard> board;  // the problem, when the text is one
    std::string error;                 // what is wrong with the text, for the user
};

// The problem the text holds. The 162-character form takes the current pattern and diagonal
// rule; a picture keeps the current diagonal rule. A digit twice in a unit is not checked here.
ProblemText ReadProblemText(std::string_view text, int currentPattern, bool currentDiagonal);

// The board as the picture form: 15 lines of 15 characters, a blank outside both grids.
std::string BoardPicture(const DoubleBoard& board);

}  // namespace puzzle
