// Finding a double board in a grey picture by its lines: the outline of the largest connected
// piece of lines is matched against each overlap pattern's outline, and the lattice each fit
// predicts (the cell lines of both grids) is checked against the picture.
#pragma once

#include <string>

#include <opencv2/core.hpp>

namespace picture {

// Pattern number of a lone 9x9 grid among the outlines tried.
constexpr int kLoneGrid = 0;

struct FoundBoard {
    int pattern = kLoneGrid;  // 1..12, or kLoneGrid
    // Board coordinates in cell units (x = column - 1, y = row - 1 at a cell's top-left corner,
    // 0..15) to picture pixels.
    cv::Matx33d toPicture = cv::Matx33d::eye();
    double lattice = 0.0;     // share of the expected line samples that show a line, 0..1
    double cellPixels = 0.0;  // a cell's side in the picture, about
};

// The best fitting board, or nothing (with a message in Japanese) when no double board is
// there; a lone 9x9 grid gives its own message.
bool FindBoard(const cv::Mat& grey, FoundBoard& found, std::string& message);

// Maps a point of board coordinates to the picture.
cv::Point2f ToPicture(const cv::Matx33d& h, cv::Point2f board);

}  // namespace picture
