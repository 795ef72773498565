// The units of a double board: the rows, columns and boxes of each grid (and its two long
// diagonals under the diagonal rule), as lists of board cells. A box of the overlap is a unit
// of both grids and is listed once for each.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "puzzle/OverlapPatterns.h"

namespace puzzle {

enum class UnitKind { Row, Column, Box, MainDiagonal, AntiDiagonal };

struct Unit {
    int grid;        // 1 or 2
    UnitKind kind;
    int index;       // row, column or box 1..9 of its grid; 1 for a diagonal
    std::array<int, 9> cells;  // board cells, in grid order
};

// Grid cell k of box b (1..9, row by row over the 3x3 blocks), i-th cell (1..9) row by row.
constexpr int BoxCell(int b, int i) {
    return GridCell((b - 1) / 3 * 3 + (i - 1) / 3 + 1, (b - 1) % 3 * 3 + (i - 1) % 3 + 1);
}
// Box (1..9) of grid cell k.
constexpr int BoxOf(int k) { return (GridRow(k) - 1) / 3 * 3 + (GridColumn(k) - 1) / 3 + 1; }
// i-th cell (1..9) of the main diagonal (top-left to bottom-right) and of the anti-diagonal.
constexpr int MainDiagonalCell(int i) { return 10 * i - 9; }
constexpr int AntiDiagonalCell(int i) { return 8 * i + 1; }

// Every unit of pattern p: grid 1's rows, columns, boxes (and diagonals), then grid 2's.
std::vector<Unit> Units(int p, bool diagonal);

// The board cells either grid of pattern p covers, in board order.
std::vector<int> CoveredCells(int p);

}  // namespace puzzle
