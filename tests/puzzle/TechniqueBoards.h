// The boards of tests/data/technique-boards.txt: one per technique, each the state of a
// generated problem's path where the technique was the first step found.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "puzzle/LogicState.h"
#include "puzzle/ProblemLine.h"

struct TechniqueBoard {
    std::string technique;  // English name
    bool across = false;    // the step involves a cell only grid 1 covers and one only grid 2 covers
    puzzle::DoubleBoard board;
    std::vector<std::pair<int, std::string>> kept;  // cell, the candidates it keeps

    // The board with its candidates cut back as the file says.
    puzzle::LogicState State() const {
        puzzle::LogicState s(board);
        for (const auto& [cell, digits] : kept)
            for (int d = 1; d <= 9; ++d)
                if (digits.find(static_cast<char>('0' + d)) == std::string::npos) s.removeCandidate(cell, d);
        return s;
    }
};

inline std::vector<TechniqueBoard> LoadTechniqueBoards() {
    std::ifstream in(MOZEL_TEST_DATA "/technique-boards.txt");
    std::vector<TechniqueBoard> boards;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    for (std::size_t i = 0; i + 2 < lines.size(); i += 3) {
        TechniqueBoard t;
        const std::string& head = lines[i];
        t.technique = head.substr(0, head.find(" |"));
        t.across = head.ends_with("| across");
        t.board = puzzle::ParseProblemLine(lines[i + 1]).board;
        std::istringstream kept(lines[i + 2]);
        for (std::string entry; kept >> entry;) {
            std::size_t colon = entry.find(':');
            if (colon != std::string::npos) t.kept.push_back({std::stoi(entry.substr(0, colon)), entry.substr(colon + 1)});
        }
        boards.push_back(std::move(t));
    }
    return boards;
}
