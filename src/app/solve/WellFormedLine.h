// A problem line read without allocating anything, for batches. puzzle's ParseProblemLine
// stays the reader that says what any line is and words its errors; this reads exactly the
// lines it reads as a problem, into the same board (a test holds the two together), and
// leaves every other line (comments, blank lines, errors) to it.
#pragma once

#include <string_view>

#include "puzzle/DoubleBoard.h"

namespace solve {

// Reads a line of the plain form (a pattern 1..12 of one or two digits, two fields of exactly
// 81 bytes '1'..'9', '.' or '0' whose shared cells agree, an optional x or X, separated by
// blanks or tabs, an optional '\r' at the end) into board, as ParseProblemLine reads it. False
// for any other line, board then undefined: ParseProblemLine decides what it is.
bool ReadWellFormedLine(std::string_view line, puzzle::DoubleBoard& board);

}  // namespace solve
