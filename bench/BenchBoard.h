// A started program with a double problem typed onto its board, for the benchmarks.
#pragma once

#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "board/frmAllGamen.h"
#include "program/Program.h"

namespace bench {

// The givens of both grids (81 characters each, '.' for empty) of a puzzle file.
inline std::array<std::string, 2> ReadGivens(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() == 81 && line.find(' ') == std::string::npos) lines.push_back(line);
    }
    if (lines.size() < 2) return {};
    return {lines[0], lines[1]};
}

// Switches to the pattern and writes the givens onto the board, "" in empty cells.
inline void TypeIn(program::Program& program, int pattern, const std::array<std::string, 2>& givens) {
    auto& board = program.frmAllGamen();
    auto& cmn = program.cmn();
    while (cmn.PatternNo != pattern) board.cmdPattern.click();
    for (int c = 1; c <= 225; ++c) board.text1(c).setText("  ");
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= 81; ++k) {
            char c = givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
            board.text1(cmn.GridMasu[pattern][g][k]).setText(c >= '1' && c <= '9' ? std::string(1, c) : "");
        }
    }
    board.lblSetCount.setCaption("40");
}

constexpr int kPattern = 6;
inline const char* kProblem = MOZEL_BENCH_DATA "/sensei-4-180705-104524.40.VeryEasy.txt";

}  // namespace bench
