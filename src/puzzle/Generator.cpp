// A full board comes from the solver run on an empty board with its branches tried in random
// order. The problem starts as that full board; its cells are visited in random order and each
// given is taken away unless that lets a second solution in, that is unless the board without
// it has a solution with another digit there. A given kept stays needed: taking givens away
// never removes solutions, so a second solution that appeared without it still appears once
// more givens are gone.
//
// For a wanted level, the seed's problem made for uniqueness alone serves when its path is of
// the level; one whose path needs more is made again, and then a given is also kept when the
// path of the board without it, limited to the level's techniques, no longer finishes. That
// path need only be followed until it places the given's digit again: from there it goes on as
// the path of the board with the given did.
#include "puzzle/Generator.h"

#include <random>
#include <stdexcept>
#include <vector>

#include "puzzle/Random.h"
#include "puzzle/Solver.h"
#include "puzzle/StepFinder.h"
#include "puzzle/Units.h"

namespace puzzle {

namespace {

// True when the path of the board, limited by the options, places a digit in the empty cell c.
// The board it then stands on holds every digit of the board with c given, and no more
// candidates, so when that board's path finishes so does this one's.
// Nothing when stopped.
std::optional<bool> PathReaches(const DoubleBoard& board, int c, const FindOptions& options, const std::function<bool()>& stop,
                                StepMemo& memo) {
    LogicState s(board);
    while (s.digit(c) == 0) {
        if (stop && stop()) return std::nullopt;
        std::optional<Step> step = FindStep(s, options, memo);
        if (!step) return false;
        s.apply(*step);
    }
    return true;
}

// For each given in the order of removal, whether the board without it had a second solution.
using Needed = std::vector<bool>;

// The problem of one seed, givens kept as the ceiling asks (none: only for uniqueness).
// `needed`, when given, is filled in. `known` is what a reduction of the same seed without a
// ceiling found: the same answers hold until this one first keeps a given for the ceiling, and
// are not worked out again. Nothing when stopped.
std::optional<DoubleBoard> Reduce(int pattern, bool diagonal, uint64_t seed, std::optional<Technique> ceiling,
                                  const std::function<bool()>& stop, StepMemo* memo = nullptr, Needed* needed = nullptr,
                                  const Needed* known = nullptr) {
    StepMemo own;
    if (!memo) memo = &own;
    DoubleBoard problem = GenerateSolution(pattern, diagonal, seed);
    const DoubleBoard solution = problem;
    // A second stream, so that the order of removal does not depend on how many draws the
    // full board took.
    std::mt19937_64 rng(seed ^ 0x9E3779B97F4A7C15ULL);
    std::vector<int> cells = CoveredCells(pattern);
    Shuffle(cells.data(), static_cast<int>(cells.size()), rng);
    FindOptions options;
    options.unique = true;
    if (ceiling) options.hardest = *ceiling;
    bool same = known != nullptr;  // the board is still the one the known reduction had
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (stop && stop()) return std::nullopt;
        const int c = cells[i];
        auto uc = static_cast<std::size_t>(c);
        uint8_t given = problem.digits[uc];
        problem.digits[uc] = 0;
        bool keep = same ? (*known)[i] : SolvableWithout(problem, c, given, &solution);
        if (needed) needed->push_back(keep);
        if (!keep && ceiling) {
            std::optional<bool> reaches = PathReaches(problem, c, options, stop, *memo);
            if (!reaches) return std::nullopt;
            keep = !*reaches;
            same = same && !keep;
        }
        if (keep) problem.digits[uc] = given;
    }
    return problem;
}

// Nothing when stopped.
std::optional<GeneratedProblem> Rated(const DoubleBoard& problem, uint64_t seed, const std::function<bool()>& stop,
                                      StepMemo* memo = nullptr) {
    FindOptions options;
    options.unique = true;
    StepPath path = RunPath(problem, options, 2000, stop, memo);
    if (path.stopped) return std::nullopt;
    return GeneratedProblem{problem, seed, LevelOf(path.rating), path.rating.difficulty(), path.rating.finished};
}

}  // namespace

DoubleBoard GenerateSolution(int pattern, bool diagonal, uint64_t seed) {
    std::mt19937_64 rng(seed);
    DoubleBoard empty;
    empty.pattern = pattern;
    empty.diagonal = diagonal;
    std::optional<DoubleBoard> full = RandomSolution(empty, rng);
    if (!full) throw std::logic_error("an empty double board has no solution");
    return *full;
}

DoubleBoard GenerateProblem(int pattern, bool diagonal, uint64_t seed) { return *Reduce(pattern, diagonal, seed, std::nullopt, {}); }

std::optional<GeneratedProblem> GenerateLeveled(const GenerateRequest& request, const std::function<bool()>& stop) {
    if (!request.level) {
        std::optional<DoubleBoard> problem = Reduce(request.pattern, request.diagonal, request.seed, std::nullopt, stop);
        if (!problem) return std::nullopt;
        return Rated(*problem, request.seed, stop);
    }
    // A guess is a path that needs forcing chains, nested ones included, and finishes.
    const Level wanted = *request.level;
    FindOptions options;
    options.unique = true;
    options.hardest = HardestOf(wanted);
    // The paths of all the seeds' problems share what the single-digit searches found.
    StepMemo memo;
    uint64_t seed = request.seed;
    for (int tries = 0; tries < request.maxSeeds; ++tries, ++seed) {
        // The seed's plain problem first: it takes few milliseconds to make, and when its path
        // finishes within the level it is of the level or below.
        Needed needed;
        std::optional<DoubleBoard> plain = Reduce(request.pattern, request.diagonal, seed, std::nullopt, stop, &memo, &needed);
        if (!plain) return std::nullopt;
        StepPath path = RunPath(*plain, options, 2000, stop, &memo);
        if (path.stopped) return std::nullopt;
        if (path.rating.finished) {
            // Below the level: made again with more givens kept it would, as a rule, be no
            // harder, so the seed is passed over.
            if (LevelOf(path.rating) != wanted) continue;
            return GeneratedProblem{*plain, seed, wanted, path.rating.difficulty(), true};
        }
        // Above the level: givens kept where taking them away needs more than the level.
        std::optional<DoubleBoard> problem =
            Reduce(request.pattern, request.diagonal, seed, options.hardest, stop, &memo, nullptr, &needed);
        if (!problem) return std::nullopt;
        std::optional<GeneratedProblem> rated = Rated(*problem, seed, stop, &memo);
        if (!rated) return std::nullopt;
        if (rated->level == wanted) return rated;
    }
    return std::nullopt;
}

}  // namespace puzzle
