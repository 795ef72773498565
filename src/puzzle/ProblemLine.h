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

// Reads 81 characters ('1'..'9', '.' or '0') into grid g of the board (its pattern set); why
// not, or empty: a character that is no cell, a length other than 81, a shared cell that the
// other grid already gave another digit.
std::string ReadGridText(std::string_view field, int g, DoubleBoard& board);

}  // namespace puzzle
