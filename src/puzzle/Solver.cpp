// The calls of the exact engine on top of its search (EngineSearch.h). Every question whose
// answer does not depend on the order of search goes to the fast search; the solutions a caller
// sees by name (the two of a board with several, a random full board) come from the search in
// board order, which meets them in the order the engine always has.
#include "puzzle/Solver.h"

#include <array>
#include <stdexcept>
#include <string>

#include "puzzle/EngineSearch.h"

namespace puzzle {

[[gnu::hot]] SolveResult Solve(const DoubleBoard& board) {
    std::array<DoubleBoard, 2> found{board, board};
    int count = engine::Search(board, {.limit = 2}, &found);
    if (count == 2) engine::Search(board, {.limit = 2, .mode = engine::Mode::Stable}, &found);
    SolveResult result;
    result.verdict = count == 0 ? Verdict::None : count == 1 ? Verdict::Unique : Verdict::Multiple;
    result.solution = found[0];
    result.second = found[1];
    return result;
}

[[gnu::hot]] int CountSolutions(const DoubleBoard& board, int limit) { return engine::Search(board, {.limit = limit}, nullptr); }

[[gnu::hot]] bool SolvableWithout(const DoubleBoard& board, int cell, int digit, const DoubleBoard* near) {
    if (cell < 1 || cell > kBoardCells) throw std::invalid_argument("no board cell " + std::to_string(cell));
    return engine::Search(board, {.limit = 1, .excludeCell = cell, .excludeDigit = digit, .near = near}, nullptr) > 0;
}

std::optional<DoubleBoard> RandomSolution(const DoubleBoard& board, std::mt19937_64& rng) {
    std::array<DoubleBoard, 2> found{board, board};
    if (engine::Search(board, {.limit = 1, .mode = engine::Mode::Stable, .rng = &rng}, &found) == 0) return std::nullopt;
    return found[0];
}

}  // namespace puzzle
