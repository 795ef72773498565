// A double problem made to have exactly one solution: while the engine finds two, the cell
// where they differ is given from the known solution.
#pragma once

#include <array>
#include <string>

#include "puzzle/Solver.h"

struct UniqueGivens {
    std::array<std::string, 2> givens;
    int added = 0;  // cells given from the solution
    bool unique = false;
};

inline UniqueGivens MakeUnique(int pattern, std::array<std::string, 2> givens, const std::array<std::string, 2>& solution) {
    auto digit = [](char c) { return c >= '1' && c <= '9' ? c - '0' : 0; };
    puzzle::DoubleBoard board;
    board.pattern = pattern;
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= 81; ++k) board.set(g, k, digit(givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)]));
    }
    UniqueGivens result;
    for (int round = 0; round < 153; ++round) {
        puzzle::SolveResult r = puzzle::Solve(board);
        if (r.verdict != puzzle::Verdict::Multiple) {
            result.unique = r.verdict == puzzle::Verdict::Unique;
            break;
        }
        bool added = false;
        for (int g = 1; g <= 2 && !added; ++g) {
            for (int k = 1; k <= 81 && !added; ++k) {
                if (r.solution.at(g, k) == r.second.at(g, k)) continue;
                char known = solution[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
                board.set(g, k, digit(known));
                added = true;
            }
        }
        if (!added) break;
        ++result.added;
    }
    // The givens of both grids as the board now holds them (shared cells in both).
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= 81; ++k) {
            int d = board.at(g, k);
            givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)] = d ? static_cast<char>('0' + d) : '.';
        }
    }
    result.givens = givens;
    return result;
}
