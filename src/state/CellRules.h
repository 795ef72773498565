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

}  // namespace state
