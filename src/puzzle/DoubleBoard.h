// A double board as the engine sees it: an overlap pattern, the diagonal rule and a digit or
// nothing for each board cell.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "puzzle/OverlapPatterns.h"

namespace puzzle {

struct DoubleBoard {
    int pattern = 12;       // 1..12
    bool diagonal = false;  // each grid's two long diagonals are units too
    // Digit of board cell c (1..225), 0 for none; index 0 is unused. Cells outside the
    // pattern's two grids stay 0.
    std::array<uint8_t, kBoardCells + 1> digits{};

    // Digit of grid cell k (1..81) of grid g (1, 2).
    int at(int g, int k) const { return digits[static_cast<std::size_t>(BoardCellOf(Pattern(pattern), g, k))]; }
    void set(int g, int k, int d) {
        digits[static_cast<std::size_t>(BoardCellOf(Pattern(pattern), g, k))] = static_cast<uint8_t>(d);
    }

    bool operator==(const DoubleBoard&) const = default;
};

}  // namespace puzzle
