// One line of mozeldouble-solve's input: the pattern number, grid 1 and grid 2 as 81 characters
// each ('1'..'9', '.' or '0' for an empty cell), and an optional 'x' for the diagonal rule,
// separated by blanks.
#pragma once

#include <string>
#include <string_view>

#include "puzzle/DoubleBoard.h"

namespace puzzle {

struct ProblemLine {
    enum class Kind { Skip, Problem, Error };
    Kind kind = Kind::Skip;  // Skip: a blank line or a comment starting with '#'
    DoubleBoard board;
    std::string message;  // why the line could not be read (Error); fields quoted by ShownField
};

ProblemLine ParseProblemLine(std::string_view line);

// The line that ParseProblemLine reads back as the board: '.' for an empty cell.
std::string FormatProblemLine(const DoubleBoard& board);

// Grid g (1, 2) of the board as 81 characters, '.' for an empty cell.
std::string GridText(const DoubleBoard& board, int g);

}  // namespace puzzle
