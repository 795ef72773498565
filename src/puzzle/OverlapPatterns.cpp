#include "puzzle/OverlapPatterns.h"

#include <stdexcept>

#include <string>

namespace puzzle {
namespace {

// Grid 1 always starts in board row 1; grid 2 in row 1, 4 or 7. A grid starting in board
// column 7 has its box lines at x 4125 as grid 1 but at 4140 as grid 2.
constexpr std::array<OverlapPattern, kPatternCount> kPatterns{{
    {1, 1, 1, 4, 900, 1260, 2520, 1260},
    {1, 1, 1, 7, 900, 1260, 4140, 1260},
    {1, 7, 4, 1, 4125, 1260, 900, 2970},
    {1, 7, 4, 4, 4125, 1260, 2520, 2970},
    {1, 1, 4, 1, 900, 1260, 900, 2970},
    {1, 1, 4, 4, 900, 1260, 2520, 2970},
    {1, 1, 4, 7, 900, 1260, 4140, 2970},
    {1, 7, 7, 1, 4125, 1260, 900, 4680},
    {1, 7, 7, 4, 4125, 1260, 2520, 4680},
    {1, 1, 7, 1, 900, 1260, 900, 4680},
    {1, 1, 7, 4, 900, 1260, 2520, 4680},
    {1, 1, 7, 7, 900, 1260, 4140, 4680},
}};

bool InGrid(int row, int column, int c) {
    int r = BoardRow(c);
    int k = BoardColumn(c);
    return r >= row && r < row + kGridSize && k >= column && k < column + kGridSize;
}

}  // namespace

const OverlapPattern& Pattern(int p) {
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
