// A double problem made to have exactly one solution: while the engine finds two, the first
// board cell where they differ is given from the known solution.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "puzzle/Solver.h"

// Gives cells of the known solution until the board has at most one solution; returns how many
// were given. Each given rules out one of the two solutions found, so the loop ends.
inline int GiveUntilUnique(puzzle::DoubleBoard& givens, const puzzle::DoubleBoard& solution) {
    int added = 0;
    for (;;) {
        puzzle::SolveResult r = puzzle::Solve(givens);
        if (r.verdict != puzzle::Verdict::Multiple) return added;
        std::size_t c = 1;
        while (r.solution.digits[c] == r.second.digits[c]) ++c;
        givens.digits[c] = solution.digits[c];
        ++added;
    }
}

struct UniqueGivens {
    std::array<std::string, 2> givens;
    int added = 0;  // cells given from the solution
    bool unique = false;
};

// The same for a problem as two 81-character lines per grid ('.' or '0' for empty).
inline UniqueGivens MakeUnique(int pattern, const std::array<std::string, 2>& givens,
                               const std::array<std::string, 2>& solution) {
    auto board = [pattern](const std::array<std::string, 2>& lines) {
        puzzle::DoubleBoard b;
        b.pattern = pattern;
        for (int g = 1; g <= 2; ++g)
            for (int k = 1; k <= 81; ++k) {
                char c = lines[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(k - 1)];
                if (c >= '1' && c <= '9') b.set(g, k, c - '0');
            }
        return b;
    };
    puzzle::DoubleBoard b = board(givens);
    UniqueGivens result;
    result.added = GiveUntilUnique(b, board(solution));
    result.unique = puzzle::Solve(b).verdict == puzzle::Verdict::Unique;
    // The givens of both grids as the board now holds them (shared cells in both).
    for (int g = 1; g <= 2; ++g) {
        std::string& line = result.givens[static_cast<std::size_t>(g - 1)];
        line.assign(81, '.');
        for (int k = 1; k <= 81; ++k)
            if (int d = b.at(g, k)) line[static_cast<std::size_t>(k - 1)] = static_cast<char>('0' + d);
    }
    return result;
}
