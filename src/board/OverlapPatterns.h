// The twelve overlap patterns of the double board, described by the corners of the two grids,
// and the building of the shared tables PatternMasu and GridMasu from them.
#pragma once

#include <array>

#include "board/cmnMod01.h"

namespace board {

struct OverlapPattern {
    int grid1Row, grid1Column;  // top-left board cell of grid 1
    int grid2Row, grid2Column;  // top-left board cell of grid 2
    // Origins (twips) of the thick box lines of each grid on the main window.
    int lineX1, lineY1;
    int lineX2, lineY2;

    int rowOf(int grid) const { return grid == 1 ? grid1Row : grid2Row; }
    int columnOf(int grid) const { return grid == 1 ? grid1Column : grid2Column; }
};

constexpr int kPatternCount = 12;

// Pattern p (1..12) of the table.
const OverlapPattern& Pattern(int p);

// Cell code of board cell c (1..225) in pattern p: 1 if it lies in grid 1, plus 2 if in grid 2.
int CellCode(const OverlapPattern& pattern, int c);

// Fills PatternMasu and GridMasu for every pattern and sets PatternNo to 12.
void BuildPatternTables(cmnMod01& module);

}  // namespace board
