// Double problems taken from the puzzle files of tests/data: a two-grid file is one problem;
// from a larger puzzle every two grids that overlap make one, placed on the board by the
// overlap pattern their offset gives. Each comes with the file's solution of its two grids.
#pragma once

#include <array>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "puzzle/DoubleBoard.h"

struct GattaiPair {
    std::string name;  // file and grid numbers, for messages
    puzzle::DoubleBoard givens;
    puzzle::DoubleBoard solution;
};

namespace gattai_detail {

// Top-left corners (row, column from 0) of the grids of each kind of file, in file order.
inline std::vector<std::pair<int, int>> Corners(const std::string& file) {
    if (file.rfind("sensei-1", 0) == 0) return {{0, 0}, {6, 6}};
    if (file.rfind("sensei-2", 0) == 0) return {{0, 0}, {6, 3}};
    if (file.rfind("sensei-4", 0) == 0) return {{0, 0}, {3, 3}};
    if (file.rfind("butterfly", 0) == 0) return {{0, 0}, {0, 3}, {3, 0}, {3, 3}};
    if (file.rfind("cross", 0) == 0) return {{0, 6}, {6, 0}, {6, 6}, {6, 12}, {12, 6}};
    if (file.rfind("samurai", 0) == 0) return {{0, 0}, {0, 12}, {6, 6}, {12, 0}, {12, 12}};
    return {};
}

inline std::vector<std::string> GridLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() == 81 && line.find(' ') == std::string::npos) lines.push_back(line);
    }
    return lines;
}

inline void Put(puzzle::DoubleBoard& b, int g, const std::string& grid) {
    for (int k = 1; k <= puzzle::kGridCells; ++k) {
        char ch = grid[static_cast<std::size_t>(k - 1)];
        if (ch >= '1' && ch <= '9') b.set(g, k, ch - '0');
    }
}

}  // namespace gattai_detail

inline std::vector<GattaiPair> LoadGattaiPairs(const std::string& folder, const std::string& file) {
    using namespace gattai_detail;
    std::vector<std::pair<int, int>> corners = Corners(file);
    std::vector<std::string> lines = GridLines(folder + "/" + file);
    std::vector<GattaiPair> pairs;
    if (corners.empty() || lines.size() != 2 * corners.size()) return pairs;
    const std::size_t n = corners.size();
    for (std::size_t a = 0; a < n; ++a) {
        for (std::size_t b = a + 1; b < n; ++b) {
            auto [ra, ca] = corners[a];
            auto [rb, cb] = corners[b];
            if (std::abs(ra - rb) >= 9 || std::abs(ca - cb) >= 9) continue;
            // Grid 1 is the upper one (the left one of two side by side).
            std::size_t first = a, second = b;
            if (rb < ra || (rb == ra && cb < ca)) std::swap(first, second);
            auto [r1, c1] = corners[first];
            auto [r2, c2] = corners[second];
            // Both move by the same number of columns: the left one to column 1, or grid 1
            // to column 7 when grid 2 lies to its left.
            int g1Row = 1, g2Row = r2 - r1 + 1;
            int g1Column = c1 <= c2 ? 1 : 7;
            int g2Column = g1Column + c2 - c1;
            int pattern = 0;
            for (int p = 1; p <= puzzle::kPatternCount; ++p) {
                const puzzle::OverlapPattern& o = puzzle::Pattern(p);
                if (o.grid1Row == g1Row && o.grid1Column == g1Column && o.grid2Row == g2Row && o.grid2Column == g2Column) pattern = p;
            }
            if (pattern == 0) continue;
            GattaiPair pair;
            pair.name = file + " grids " + std::to_string(first + 1) + "+" + std::to_string(second + 1) + " (pattern " +
                        std::to_string(pattern) + ")";
            pair.givens.pattern = pair.solution.pattern = pattern;
            Put(pair.givens, 1, lines[first]);
            Put(pair.givens, 2, lines[second]);
            Put(pair.solution, 1, lines[n + first]);
            Put(pair.solution, 2, lines[n + second]);
            pairs.push_back(pair);
        }
    }
    return pairs;
}

// Every problem of the test data files.
inline std::vector<GattaiPair> LoadAllGattaiPairs(const std::string& folder) {
    static const char* const kFiles[] = {
        "sensei-1-180422-185709.easy.txt",       "sensei-1-180423-125610.medium.txt",
        "sensei-1-180501-144448.hard.txt",       "sensei-2-180422-202556.easy.txt",
        "sensei-2-180423-131154.medium.txt",     "sensei-2-180503-105056.hard.txt",
        "sensei-4-180705-104524.40.VeryEasy.txt", "sensei-4-180705-135510.36.Fishy.txt",
        "butterfly-180705-153853.32.Medium.txt", "cross-180705-155409.76.Medium.txt",
        "samurai-ruud-01.hard.txt",              "samurai-nj3h-01.txt",
    };
    std::vector<GattaiPair> all;
    for (const char* f : kFiles) {
        std::vector<GattaiPair> pairs = LoadGattaiPairs(folder, f);
        all.insert(all.end(), pairs.begin(), pairs.end());
    }
    return all;
}
