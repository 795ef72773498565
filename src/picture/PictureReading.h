// Reading a double board from a picture (a screenshot, a scan or a photo taken straight on):
// the two grids are found by their lines, the overlap pattern and the diagonal marks follow
// from where they stand, and each cell is read as empty or a printed digit with a confidence.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "puzzle/BoardGeometry.h"
#include "puzzle/DoubleBoard.h"

namespace picture {

struct CellRead {
    int digit = 0;            // 1..9, 0 for an empty cell
    float confidence = 0.0F;  // 0..1: how sure the reader is of `digit` (empty included)
    bool doubtful = false;    // read with low confidence: the user should look at it
};

struct PictureReading {
    bool found = false;   // a double board was found and read
    std::string message;  // why not, in Japanese, when !found
    puzzle::DoubleBoard board;  // pattern, diagonal marks and digits as read (when found)
    // By board cell 1..225 (index 0 unused); cells outside the pattern's grids stay empty.
    std::array<CellRead, puzzle::kBoardCells + 1> cells{};

    // Board cells read with low confidence, in board order.
    std::vector<int> doubtfulCells() const;
};

// Reads an encoded picture (PNG, JPEG or BMP bytes). Never throws for bad input: a file that
// is no picture, a damaged or too large one, or a picture without a double board gives
// found == false and a message.
PictureReading ReadPicture(std::span<const unsigned char> encoded);

// Reads a picture file; a file that cannot be opened gives found == false and a message.
PictureReading ReadPictureFile(const std::string& path);

}  // namespace picture
