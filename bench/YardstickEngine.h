// The exact engine as it was before the band engine: the yardstick of the engine benchmark and
// the second opinion of the engine tests. Same contract as puzzle/Solver.h.
#pragma once

#include <optional>
#include <random>

#include "puzzle/Solver.h"

namespace yardstick {

puzzle::SolveResult Solve(const puzzle::DoubleBoard& board);
int CountSolutions(const puzzle::DoubleBoard& board, int limit);
bool SolvableWithout(const puzzle::DoubleBoard& board, int cell, int digit);
std::optional<puzzle::DoubleBoard> RandomSolution(const puzzle::DoubleBoard& board, std::mt19937_64& rng);

}  // namespace yardstick
