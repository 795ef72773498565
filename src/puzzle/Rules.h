// The rule a board's givens can break on their own: a digit twice in one unit.
#pragma once

#include <optional>

#include "puzzle/DoubleBoard.h"
#include "puzzle/Units.h"

namespace puzzle {

struct Duplicate {
    Unit unit;      // the unit (grid, kind, index) that holds the digit twice
    int digit;
    int first;      // the two board cells, in the unit's order
    int second;
};

// The first unit (grid 1's rows, columns, boxes, diagonals, then grid 2's) that holds a digit
// twice, naming the first two cells holding it; nullopt when no unit does. The board's pattern
// must be 1..12.
std::optional<Duplicate> FindDuplicate(const DoubleBoard& board);

}  // namespace puzzle
