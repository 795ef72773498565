// The ink of one cell, cut from the rectified board: what lies near the cell's middle (cell
// lines and specks touching the edge left out), and the features the digit classifier reads.
// The reader and the classifier's training both go through it, so they see cells alike.
#pragma once

#include <array>

#include <opencv2/core.hpp>

namespace picture {

// A cell's side in the rectified board, in pixels.
constexpr int kCellSide = 40;
// The ink is scaled into a square of this side for its gradient histogram.
constexpr int kInkSide = 20;
constexpr int kHogFeatures = 324;   // 3x3 blocks of 2x2 cells of 9 orientations
constexpr int kCoarseSide = 6;      // the ink averaged over a 6x6 lattice
constexpr int kShapeFeatures = 6;   // size, aspect, place and density of the ink
constexpr int kFeatureCount = kHogFeatures + kCoarseSide * kCoarseSide + kShapeFeatures;

struct CellInk {
    bool marked = false;  // ink enough near the middle to be read as a mark
    // 0..1: how close an unmarked cell comes to holding a mark (0: clean).
    float nearMark = 0.0F;
    std::array<float, kFeatureCount> features{};
};

// Which of the grid's diagonal lines cross a cell: bits of these.
constexpr int kMainDiagonal = 1;   // top left to bottom right
constexpr int kOtherDiagonal = 2;  // top right to bottom left

// The ink of a kCellSide x kCellSide grey cell whose ink is about `black` grey, cut from a
// picture of cellPixels a cell; the thin line along each diagonal drawn through the cell is
// left out.
CellInk ReadInk(const cv::Mat& cell, float black, int diagonals = 0, double cellPixels = kCellSide);

}  // namespace picture
