// A double puzzle read from a test data file: the givens and the solution of both grids as
// 81-character lines ('.' or '0' for an empty cell).
#pragma once

#include <array>
#include <fstream>
#include <string>
#include <vector>

struct DoubleProblem {
    std::array<std::string, 2> givens;
    std::array<std::string, 2> solution;

    static DoubleProblem Load(const std::string& name) {
        std::ifstream in(std::string(MOZEL_TEST_DATA) + "/" + name);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.size() == 81 && line.find(' ') == std::string::npos) lines.push_back(line);
        }
        DoubleProblem p;
        if (lines.size() >= 4) {
            p.givens = {lines[0], lines[1]};
            p.solution = {lines[2], lines[3]};
        }
        return p;
    }
    bool valid() const { return givens[0].size() == 81 && solution[1].size() == 81; }
};
