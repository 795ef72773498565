// The numbers 1 to 9 along each grid's outer edges, so that a hint's 「グリッド2の9行5列」 is
// found at a glance: where they stand for a pattern.
#pragma once

#include <array>

namespace board {

// A place on the board, in board rows and columns 0..16: 1..15 are the board's cells, 0 and 16
// the margins around it.
struct LabelSpot {
    int row, column;
    bool operator==(const LabelSpot&) const = default;
};

// For grid g (1, 2) the spots of its column numbers (columns = true) or row numbers, 1..9 in
// order. Column numbers stand above the grid where that row is free, else below; row numbers
// left of it where that column is free, else right. Free means no cell of either grid and no
// number already placed (grid 1's are placed first).
std::array<LabelSpot, 9> GridLabelSpots(int pattern, int g, bool columns);

// A spot's rectangle in twips: a board cell's square, or the strip of margin beside the board.
struct LabelBounds {
    int left, top, width, height;
};
LabelBounds LabelBoundsOf(LabelSpot spot);

}  // namespace board
