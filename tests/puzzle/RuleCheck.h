// A rule checker for the engine's tests, written apart from the engine: it walks each grid's
// rows, columns, boxes and diagonals from the grid corners alone.
#pragma once

#include <string>

#include "puzzle/DoubleBoard.h"

namespace rulecheck {

// Digit of grid g (1, 2) at grid row r, column c (0-based), read straight off the board.
inline int At(const puzzle::DoubleBoard& b, int g, int r, int c) {
    const puzzle::OverlapPattern& p = puzzle::Pattern(b.pattern);
    int row = (g == 1 ? p.grid1Row : p.grid2Row) + r;  // 1-based board row
    int column = (g == 1 ? p.grid1Column : p.grid2Column) + c;
    return b.digits[static_cast<std::size_t>((row - 1) * 15 + column)];
}

// Empty when every unit of both grids holds each digit 1..9 once; else what is wrong.
inline std::string Broken(const puzzle::DoubleBoard& b) {
    for (int g = 1; g <= 2; ++g) {
        for (int u = 0; u < 9 + 9 + 9 + 2; ++u) {
            if (u >= 27 && !b.diagonal) break;
            unsigned seen = 0;
            for (int i = 0; i < 9; ++i) {
                int r, c;
                if (u < 9) r = u, c = i;
                else if (u < 18) r = i, c = u - 9;
                else if (u < 27) r = (u - 18) / 3 * 3 + i / 3, c = (u - 18) % 3 * 3 + i % 3;
                else if (u == 27) r = i, c = i;
                else r = i, c = 8 - i;
                int d = At(b, g, r, c);
                if (d < 1 || d > 9) return "grid " + std::to_string(g) + " has an empty cell";
                seen |= 1u << d;
            }
            if (seen != 0x3FE) return "grid " + std::to_string(g) + " unit " + std::to_string(u) + " repeats a digit";
        }
    }
    return {};
}

// True when the solution keeps every given of the problem.
inline bool KeepsGivens(const puzzle::DoubleBoard& problem, const puzzle::DoubleBoard& solution) {
    for (std::size_t c = 1; c < problem.digits.size(); ++c)
        if (problem.digits[c] != 0 && problem.digits[c] != solution.digits[c]) return false;
    return true;
}

}  // namespace rulecheck
