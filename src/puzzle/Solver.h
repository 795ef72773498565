// The exact engine: does a double board have no solution, exactly one, or two or more?
// Stateless; every caller that needs the truth of a board asks it here.
#pragma once

#include <optional>
#include <random>

#include "puzzle/DoubleBoard.h"

namespace puzzle {

enum class Verdict { None, Unique, Multiple };

struct SolveResult {
    Verdict verdict = Verdict::None;
    DoubleBoard solution;  // the solution (Unique), or the first one found (Multiple)
    DoubleBoard second;    // a second, different solution (Multiple only)
};

// Solves the board, stopping at the second solution found. The board's pattern must be 1..12,
// its digits 0..9, and cells outside the pattern's grids empty; otherwise throws
// std::invalid_argument. Givens that break a rule (a digit twice in a unit) give Verdict::None.
SolveResult Solve(const DoubleBoard& board);

// Number of solutions, counted up to limit (1 or 2 is what callers need).
int CountSolutions(const DoubleBoard& board, int limit);

// True when the board has a solution in which board cell `cell` (empty on the board, inside
// the pattern) does not hold `digit`. With a board whose only solution has `digit` there, this
// says whether the board without that given still has exactly one: the generator's question,
// answered faster than by counting to two.
// `near`, when given, is that solution: the search then looks near it first, where another
// solution mostly lies, and answers the same sooner.
bool SolvableWithout(const DoubleBoard& board, int cell, int digit, const DoubleBoard* near = nullptr);

// One solution of the board, the candidates of each branch tried in an order drawn from rng,
// so that an empty board gives a random full board; nullopt when there is none.
std::optional<DoubleBoard> RandomSolution(const DoubleBoard& board, std::mt19937_64& rng);

}  // namespace puzzle
