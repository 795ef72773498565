// How the board reads a cell's text, in one place for the counters, the lock, the cross-grid
// rule and the pattern switch: a text is a number only as a whole (blanks around it allowed),
// so "5a" is an empty cell everywhere, as it is to the grid windows' rules.
#pragma once

#include <string_view>

#include "ui/Value.h"

namespace state {

// The number the cell holds; 0 when its text is none.
inline double CellValue(std::string_view text) { return ui::IsNumeric(text) ? ui::Val(text) : 0; }

// Filled: the text reads as a number greater than 0.
inline bool IsFilledCell(std::string_view text) { return CellValue(text) > 0; }

// Holds a digit the lock protects: a number from 1 to 9.
inline bool IsDigitCell(std::string_view text) {
    double v = CellValue(text);
    return v >= 1 && v <= 9;
}

// The digit the engine reads in a cell: one character 1..9 between blanks; 0 for a blank cell
// or any other text.
inline int BoardDigit(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos || text.find_last_not_of(' ') != first) return 0;
    return text[first] >= '1' && text[first] <= '9' ? text[first] - '0' : 0;
}

}  // namespace state
