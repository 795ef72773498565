// The hard 9x9 problems of tests/data/hard-9x9.txt as double boards of pattern 12: the problem
// is grid 1, turned so that its corner box with the most givens is the box it shares with
// grid 2, and grid 2 is complete, so that all the work left is grid 1's.
#pragma once

#include <array>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "puzzle/Solver.h"

struct Hard9x9 {
    std::string name;  // where it comes from, as the file says
    puzzle::DoubleBoard givens;
    puzzle::DoubleBoard solution;
};

namespace hard9x9_detail {

// The problem turned a quarter clockwise `turns` times: cell (r, c) goes to (c, 8 - r).
inline std::string Turned(std::string grid, int turns) {
    for (int t = 0; t < turns; ++t) {
        std::string next(81, '.');
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 9; ++c) next[static_cast<std::size_t>(c * 9 + 8 - r)] = grid[static_cast<std::size_t>(r * 9 + c)];
        grid = next;
    }
    return grid;
}

inline int GivensInBox(const std::string& grid, int boxRow, int boxColumn) {
    int n = 0;
    for (int r = boxRow; r < boxRow + 3; ++r)
        for (int c = boxColumn; c < boxColumn + 3; ++c) n += grid[static_cast<std::size_t>(r * 9 + c)] != '.';
    return n;
}

}  // namespace hard9x9_detail

inline Hard9x9 EmbedAsGrid1(const std::string& name, const std::string& problem) {
    using namespace hard9x9_detail;
    // Quarter turns that bring each corner box to the bottom right: top left 2, top right 1,
    // bottom right 0, bottom left 3.
    const std::array<std::array<int, 3>, 4> corners{{{0, 0, 2}, {0, 6, 1}, {6, 6, 0}, {6, 0, 3}}};
    int best = 0;
    for (int i = 1; i < 4; ++i)
        if (GivensInBox(problem, corners[static_cast<std::size_t>(i)][0], corners[static_cast<std::size_t>(i)][1]) >
            GivensInBox(problem, corners[static_cast<std::size_t>(best)][0], corners[static_cast<std::size_t>(best)][1]))
            best = i;
    std::string grid = Turned(problem, corners[static_cast<std::size_t>(best)][2]);
    Hard9x9 h;
    h.name = name;
    h.givens.pattern = 12;
    for (int k = 1; k <= puzzle::kGridCells; ++k) {
        char ch = grid[static_cast<std::size_t>(k - 1)];
        if (ch >= '1' && ch <= '9') h.givens.set(1, k, ch - '0');
    }
    // Grid 1 alone has one solution; grid 2 is then filled from a solution of the board.
    puzzle::SolveResult open = puzzle::Solve(h.givens);
    for (int k = 1; k <= puzzle::kGridCells; ++k) h.givens.set(2, k, open.solution.at(2, k));
    h.solution = open.solution;
    return h;
}

// Every problem of the file, embedded.
inline std::vector<Hard9x9> LoadHard9x9(const std::string& folder) {
    std::ifstream in(folder + "/hard-9x9.txt");
    std::vector<Hard9x9> all;
    for (std::string line; std::getline(in, line);) {
        if (line.size() < 83 || line[0] == '#') continue;
        all.push_back(EmbedAsGrid1(line.substr(82), line.substr(0, 81)));
    }
    return all;
}
