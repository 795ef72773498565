// Numbering of the 15x15 board and of a 9x9 grid, and the mapping between them. Rows,
// columns and cells count from 1.
#pragma once

namespace puzzle {

constexpr int kBoardSize = 15;
constexpr int kBoardCells = 225;
constexpr int kGridSize = 9;
constexpr int kGridCells = 81;

// Board cell c lies in row (c - 1) div 15 + 1 and column (c - 1) mod 15 + 1.
constexpr int BoardRow(int c) { return (c - 1) / kBoardSize + 1; }
constexpr int BoardColumn(int c) { return (c - 1) % kBoardSize + 1; }
constexpr int BoardCell(int row, int column) { return (row - 1) * kBoardSize + column; }

// Grid cell k lies in grid row (k - 1) div 9 + 1 and grid column (k - 1) mod 9 + 1.
constexpr int GridRow(int k) { return (k - 1) / kGridSize + 1; }
constexpr int GridColumn(int k) { return (k - 1) % kGridSize + 1; }
constexpr int GridCell(int row, int column) { return (row - 1) * kGridSize + column; }

// Board cell of grid cell k of a grid whose top-left corner is board row R, column C.
constexpr int GridToBoard(int R, int C, int k) { return BoardCell(R + GridRow(k) - 1, C + GridColumn(k) - 1); }

}  // namespace puzzle
