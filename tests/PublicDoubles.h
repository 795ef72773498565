// The public double problems of tests/data as engine boards: two grids of a file placed in
// an overlap pattern, made unique by adding digits of the file's solution where the engine
// finds two solutions.
#pragma once

#include <array>
#include <fstream>
#include <string>
#include <vector>

#include "GattaiPairs.h"
#include "UniqueProblem.h"
#include "puzzle/Solver.h"

struct PublicDouble {
    std::string name;  // file and grids, for messages
    puzzle::DoubleBoard givens;
    puzzle::DoubleBoard solution;
    int added = 0;  // digits added from the solution to make it unique
};

namespace public_doubles {

// Grids first and second (0-based, in file order) of the file as grids 1 and 2 of pattern p.
inline PublicDouble Make(const std::string& folder, const std::string& file, int p, int first, int second) {
    std::vector<std::string> lines = gattai_detail::GridLines(folder + "/" + file);
    PublicDouble d;
    d.name = file + " grids " + std::to_string(first + 1) + "+" + std::to_string(second + 1);
    if (lines.empty() || lines.size() % 2 != 0) return d;
    std::size_t grids = lines.size() / 2;
    d.givens.pattern = d.solution.pattern = p;
    gattai_detail::Put(d.givens, 1, lines[static_cast<std::size_t>(first)]);
    gattai_detail::Put(d.givens, 2, lines[static_cast<std::size_t>(second)]);
    gattai_detail::Put(d.solution, 1, lines[grids + static_cast<std::size_t>(first)]);
    gattai_detail::Put(d.solution, 2, lines[grids + static_cast<std::size_t>(second)]);
    d.added = GiveUntilUnique(d.givens, d.solution);
    return d;
}

// The double problems the tests and the benchmark run over.
inline std::vector<PublicDouble> All(const std::string& folder) {
    struct Source { const char* file; int pattern, first, second; };
    const Source sources[] = {
        {"sensei-1-180422-185709.easy.txt", 12, 0, 1},
        {"sensei-1-180423-125610.medium.txt", 12, 0, 1},
        {"sensei-1-180501-144448.hard.txt", 12, 0, 1},
        {"sensei-2-180422-202556.easy.txt", 11, 0, 1},
        {"sensei-2-180423-131154.medium.txt", 11, 0, 1},
        {"sensei-2-180503-105056.hard.txt", 11, 0, 1},
        {"sensei-4-180705-104524.40.VeryEasy.txt", 6, 0, 1},
        {"sensei-4-180705-135510.36.Fishy.txt", 6, 0, 1},
        // Samurai: top-left, top-right, centre, bottom-left, bottom-right; each corner shares
        // one box with the centre.
        {"samurai-nj3h-01.txt", 12, 0, 2},
        {"samurai-nj3h-01.txt", 8, 1, 2},
        {"samurai-nj3h-01.txt", 8, 2, 3},
        {"samurai-nj3h-01.txt", 12, 2, 4},
        {"samurai-ruud-01.hard.txt", 12, 0, 2},
        {"samurai-ruud-01.hard.txt", 8, 1, 2},
        {"samurai-ruud-01.hard.txt", 8, 2, 3},
        {"samurai-ruud-01.hard.txt", 12, 2, 4},
        {"samurai-ruud-10.moderate.txt", 12, 0, 2},
        {"samurai-ruud-10.moderate.txt", 8, 1, 2},
        {"samurai-ruud-10.moderate.txt", 8, 2, 3},
        {"samurai-ruud-10.moderate.txt", 12, 2, 4},
    };
    std::vector<PublicDouble> all;
    for (const Source& s : sources) all.push_back(Make(folder, s.file, s.pattern, s.first, s.second));
    return all;
}

}  // namespace public_doubles
