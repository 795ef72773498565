// Where the grid window's controls stand, in twips.
#pragma once

namespace grid::layout {

// Cells: 555 square, 600 apart, with a further 60 between boxes.
constexpr int kCellSize = 555;
constexpr int kGridLeft = 600;
constexpr int kGridTop = 480;
constexpr int CellLeft(int column) { return kGridLeft + (column - 1) * 600 + ((column - 1) / 3) * 60; }
constexpr int CellTop(int row) { return kGridTop + (row - 1) * 600 + ((row - 1) / 3) * 60; }
constexpr int kGridRight = CellLeft(9) + kCellSize;
constexpr int kGridBottom = CellTop(9) + kCellSize;

// The designed client areas: grid 1 shows everything, grid 2 only the cells and what is near.
constexpr int kClientWidth1 = 12900;
constexpr int kClientHeight1 = 10020;
constexpr int kClientWidth2 = 6840;
constexpr int kClientHeight2 = 6165;

}  // namespace grid::layout
