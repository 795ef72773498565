// The exact engine as it was before its kernels were dispatched by processor: the yardstick
// the engine benchmark races the engine against, and a second opinion for the engine tests.
// Same contract as puzzle/Solver.h.
#pragma once

#include <optional>
#include <random>

#include "puzzle/Solver.h"

namespace previous {

puzzle::SolveResult Solve(const puzzle::DoubleBoard& board);
int CountSolutions(const puzzle::DoubleBoard& board, int limit);
bool SolvableWithout(const puzzle::DoubleBoard& board, int cell, int digit, const puzzle::DoubleBoard* near = nullptr);
std::optional<puzzle::DoubleBoard> RandomSolution(const puzzle::DoubleBoard& board, std::mt19937_64& rng);

}  // namespace previous
