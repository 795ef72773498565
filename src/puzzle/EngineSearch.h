// The exact engine's search over a double board, behind the calls of Solver.h.
#pragma once

#include <array>
#include <random>

#include "puzzle/DoubleBoard.h"

namespace puzzle::engine {

enum class Mode {
    // Box-line intersections in the propagation, branching on a cell with two candidates: the
    // fewest guesses, for every question whose answer does not depend on the order of search.
    Fast,
    // Singles only, branching on the first cell in board order with the fewest candidates:
    // the search tree the engine has always had, so that a board and a random stream keep
    // giving the same solutions in the same order (the generator's full boards, the two
    // solutions named for a board with several).
    Stable,
};

struct Request {
    int limit = 2;                   // stop at this many solutions
    Mode mode = Mode::Fast;
    std::mt19937_64* rng = nullptr;  // when given, each branch's candidates in an order drawn from it
    int excludeCell = 0;             // board cell whose digit excludeDigit is taken away first; 0: none
    int excludeDigit = 0;
    // A full board whose digit each branch tries first (Fast mode without rng): a search for
    // a solution other than it then goes where the two differ least. Changes only the order.
    const DoubleBoard* near = nullptr;
};

// The engine's kernels: the portable ones run on any processor; the wide ones use AVX2, BMI1,
// BMI2 and POPCNT, on an x86-64 processor that has them. Chosen when the program starts;
// MOZEL_ENGINE_PORTABLE=1 in the environment forces the portable ones. Both give the same
// answers, solutions and order of search.
enum class Kernels { Portable, Wide };
Kernels ActiveKernels();
// For tests and benchmarks: true runs the portable kernels from now on, false the ones chosen.
void ForcePortableKernels(bool force);

// Number of solutions of the board, counted up to request.limit; the first two found go into
// solutions when it is given. Throws std::invalid_argument for a board or an exclusion it
// cannot read (a pattern other than 1..12, a digit above 9 or outside the pattern's grids).
int Search(const DoubleBoard& board, const Request& request, std::array<DoubleBoard, 2>* solutions);

}  // namespace puzzle::engine
