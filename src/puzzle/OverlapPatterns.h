// The twelve overlap patterns of the double board, described by the corners of the two grids,
// and the mapping between grid cells and board cells that follows from them.
#pragma once

#include <array>

#include "puzzle/BoardGeometry.h"

namespace puzzle {

struct OverlapPattern {
    int grid1Row, grid1Column;  // top-left board cell of grid 1
    int grid2Row, grid2Column;  // top-left board cell of grid 2

    int rowOf(int grid) const { return grid == 1 ? grid1Row : grid2Row; }
    int columnOf(int grid) const { return grid == 1 ? grid1Column : grid2Column; }
};

constexpr int kPatternCount = 12;

// True for a pattern number of the table (1..12).
constexpr bool IsPattern(int p) { return p >= 1 && p <= kPatternCount; }

// Pattern p (1..12) of the table; throws std::out_of_range for any other number.
const OverlapPattern& Pattern(int p);

// Cell code of board cell c (1..225) in pattern p: 1 if it lies in grid 1, plus 2 if in grid 2.
int CellCode(const OverlapPattern& pattern, int c);

// Board cell of grid cell k (1..81) of grid g (1, 2).
inline int BoardCellOf(const OverlapPattern& pattern, int g, int k) {
    return GridToBoard(pattern.rowOf(g), pattern.columnOf(g), k);
}

// Grid cell (1..81) of board cell c in grid g, or 0 when the grid does not cover it.
int GridCellOf(const OverlapPattern& pattern, int g, int c);

}  // namespace puzzle
