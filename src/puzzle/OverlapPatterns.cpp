#include "puzzle/OverlapPatterns.h"

#include <stdexcept>

#include <string>

namespace puzzle {
namespace {

// Grid 1 always starts in board row 1; grid 2 in row 1, 4 or 7.
constexpr std::array<OverlapPattern, kPatternCount> kPatterns{{
    {.grid1Row = 1, .grid1Column = 1, .grid2Row = 1, .grid2Column = 4},
    {.grid1Row = 1, .grid1Column = 1, .grid2Row = 1, .grid2Column = 7},
    {.grid1Row = 1, .grid1Column = 7, .grid2Row = 4, .grid2Column = 1},
    {.grid1Row = 1, .grid1Column = 7, .grid2Row = 4, .grid2Column = 4},
    {.grid1Row = 1, .grid1Column = 1, .grid2Row = 4, .grid2Column = 1},
    {.grid1Row = 1, .grid1Column = 1, .grid2Row = 4, .grid2Column = 4},
    {.grid1Row = 1, .grid1Column = 1, .grid2Row = 4, .grid2Column = 7},
    {.grid1Row = 1, .grid1Column = 7, .grid2Row = 7, .grid2Column = 1},
    {.grid1Row = 1, .grid1Column = 7, .grid2Row = 7, .grid2Column = 4},
    {.grid1Row = 1, .grid1Column = 1, .grid2Row = 7, .grid2Column = 1},
    {.grid1Row = 1, .grid1Column = 1, .grid2Row = 7, .grid2Column = 4},
    {.grid1Row = 1, .grid1Column = 1, .grid2Row = 7, .grid2Column = 7},
}};

bool InGrid(int row, int column, int c) {
    int r = BoardRow(c);
    int k = BoardColumn(c);
    return r >= row && r < row + kGridSize && k >= column && k < column + kGridSize;
}

}  // namespace

[[gnu::hot]] const OverlapPattern& Pattern(int p) {
    if (p < 1 || p > kPatternCount) throw std::out_of_range("no overlap pattern " + std::to_string(p));
    return kPatterns[static_cast<size_t>(p - 1)];
}

int CellCode(const OverlapPattern& pattern, int c) {
    return (InGrid(pattern.grid1Row, pattern.grid1Column, c) ? 1 : 0) +
           (InGrid(pattern.grid2Row, pattern.grid2Column, c) ? 2 : 0);
}

int GridCellOf(const OverlapPattern& pattern, int g, int c) {
    int r = BoardRow(c) - pattern.rowOf(g) + 1;
    int k = BoardColumn(c) - pattern.columnOf(g) + 1;
    if (r < 1 || r > kGridSize || k < 1 || k > kGridSize) return 0;
    return GridCell(r, k);
}

}  // namespace puzzle
