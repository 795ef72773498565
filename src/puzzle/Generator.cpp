// A full board comes from the solver run on an empty board with its branches tried in random
// order. The problem starts as that full board; its cells are visited in random order and each
// given is taken away unless that lets a second solution in, that is unless the board without
// it has a solution with another digit there. A given kept stays needed: taking givens away
// never removes solutions, so a second solution that appeared without it still appears once
// more givens are gone.
#include "puzzle/Generator.h"

#include <optional>
#include <random>
#include <stdexcept>
#include <vector>

#include "puzzle/Random.h"
#include "puzzle/Solver.h"
#include "puzzle/Units.h"

namespace puzzle {

DoubleBoard GenerateSolution(int pattern, bool diagonal, uint64_t seed) {
    std::mt19937_64 rng(seed);
    DoubleBoard empty;
    empty.pattern = pattern;
    empty.diagonal = diagonal;
    std::optional<DoubleBoard> full = RandomSolution(empty, rng);
    if (!full) throw std::logic_error("an empty double board has no solution");
    return *full;
}

DoubleBoard GenerateProblem(int pattern, bool diagonal, uint64_t seed) {
    DoubleBoard problem = GenerateSolution(pattern, diagonal, seed);
    // A second stream, so that the order of removal does not depend on how many draws the
    // full board took.
    std::mt19937_64 rng(seed ^ 0x9E3779B97F4A7C15ULL);
    std::vector<int> cells = CoveredCells(pattern);
    Shuffle(cells.data(), static_cast<int>(cells.size()), rng);
    for (int c : cells) {
        auto uc = static_cast<std::size_t>(c);
        uint8_t given = problem.digits[uc];
        problem.digits[uc] = 0;
        if (SolvableWithout(problem, c, given)) problem.digits[uc] = given;
    }
    return problem;
}

}  // namespace puzzle
