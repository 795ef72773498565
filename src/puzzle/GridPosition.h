// A board cell as a user reads it, by grid, row and column, both ways, and the Japanese names
// of grids, cells and units. Every message, step text and answer line that names a cell by
// grid, row and column, or a row, a column, a box or a diagonal, takes its words from here.
#pragma once

#include <string>

#include "puzzle/Units.h"

namespace puzzle {

// A board cell by grid (1 or 2), row and column of that grid (1..9).
struct GridPosition {
    int grid = 1;
    int row = 1;
    int column = 1;

    bool operator==(const GridPosition&) const = default;
};

// Board cell c of pattern p through the preferred grid (1 or 2) when that grid covers it, else
// through the other: a shared cell has a position in each grid. Throws std::out_of_range for a
// cell neither grid covers.
GridPosition PositionOf(int pattern, int c, int preferredGrid);
// The board cell at a position of pattern p.
int BoardCellAt(int pattern, const GridPosition& position);

// "グリッド1".
std::string GridName(int grid);
// "3行5列": a cell of a grid already named.
std::string RowColumnName(const GridPosition& position);
// "グリッド1の3行5列", through the preferred grid as PositionOf.
std::string CellName(int pattern, int c, int preferredGrid);
// A cell in a list that names each grid once: "3行5列" when lastGrid (the grid the list named
// last, 0 for none) is its grid, else "グリッド2の3行5列"; lastGrid becomes its grid.
std::string CellNameAfter(const GridPosition& position, int& lastGrid);
// "グリッド2のブロック1".
std::string BoxName(int grid, int box);
// "グリッド1の3行目", "グリッド2の5列目", "グリッド1のブロック4", "グリッド1の対角線（左上から右下）",
// "グリッド1の対角線（右上から左下）".
std::string UnitName(const Unit& u);

// The spaced and spelled-out forms stay beside the short ones: the findings of 検証 and the
// messages of mozeldouble-solve have always read so.

// "3 行 5 列": the two cells 検証 names after a digit twice in a unit.
std::string SpacedRowColumnName(const GridPosition& position);
// "グリッド1の 3 行 5 列": a cell as 検証 (a cell that is no digit) and mozeldouble-solve (a
// shared cell the two grids give differently) name it.
std::string SpacedCellName(int pattern, int c, int preferredGrid);
// "グリッド1の 3 行目", "グリッド2の 5 列目", "グリッド1の左上から 4 番目の3×3のブロック",
// "グリッド1の左上から右下への対角線", "グリッド1の右上から左下への対角線": the unit 検証 names
// as holding a digit twice.
std::string SpacedUnitName(const Unit& u);

}  // namespace puzzle
