// A full board comes from the solver run on an empty board with its branches tried in random
// order. The problem starts as that full board; its cells are visited in random order and each
// given is taken away unless that lets a second solution in, that is unless the board without
// it has a solution with another digit there. A given kept stays needed: taking givens away
// never removes solutions, so a second solution that appeared without it still appears once
// more givens are gone.
//
// For a wanted level, the seed's problem made for uniqueness alone serves when its path is of
// the level. One whose path needs more is made again, and then a given is also kept when the
// path of the board without it, limited to the level's techniques, no longer finishes (that
// path need only be followed until it places the given's digit again: from there it goes on as
// the path of the board with the given did). Such a given may become needed for uniqueness as
// later givens go; the problem is taken only when every given kept for the level has, so that
// the problem is minimal, and otherwise the next seed is tried. With the diagonal rule below
// the guess level that almost never happens (the plain problems need forcing chains, and the
// ones made again keep about ten givens that uniqueness does not need), so there the givens
// kept for the level stay.
//
// A path is followed only as far as its level needs: a step of the guess level (a forcing
// chain) decides it, and the rest of such a path, often hundreds of forcing chains with the
// diagonal rule, is not followed.
#include "puzzle/Generator.h"

#include <algorithm>
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

// The level of a board's path, limited to the techniques up to options.hardest.
struct PathLevel {
    bool above = false;  // the path stops needing a technique above options.hardest
    Level level = Level::Singles;
    int difficulty = 0;  // tenths: the hardest step followed
};

// Follows the board's path until it finishes, stops, or takes its first step of the guess
// level, which decides the level whatever follows. A path that stops with every technique
// allowed is of the guess level too. Nothing when stopped.
std::optional<PathLevel> LevelOfPath(const DoubleBoard& board, const FindOptions& options, const std::function<bool()>& stop,
                                     StepMemo& memo) {
    LogicState s(board);
    PathLevel result;
    while (!s.solved()) {
        if (stop && stop()) return std::nullopt;
        std::optional<Step> step = FindStep(s, options, memo);
        if (!step) {
            if (LevelOf(options.hardest) == Level::Guess)
                result.level = Level::Guess;
            else
                result.above = true;
            return result;
        }
        result.difficulty = std::max(result.difficulty, Difficulty(step->technique));
        if (LevelOf(step->technique) == Level::Guess) {
            result.level = Level::Guess;
            return result;
        }
        s.apply(*step);
    }
    result.level = result.difficulty == 0 ? Level::Singles : LevelOfDifficulty(result.difficulty);
    return result;
}

// For each given in the order of removal, whether the board without it had a second solution.
using Needed = std::vector<bool>;

struct Reduced {
    DoubleBoard problem;
    DoubleBoard solution;
    std::vector<int> keptForLevel;  // cells whose givens were kept only for the ceiling
};

// The problem of one seed, givens kept as the ceiling asks (none: only for uniqueness).
// `needed`, when given, is filled in. `known` is what a reduction of the same seed without a
// ceiling found: the same answers hold until this one first keeps a given for the ceiling, and
// are not worked out again. Nothing when stopped.
std::optional<Reduced> Reduce(int pattern, bool diagonal, uint64_t seed, std::optional<Technique> ceiling,
                              const std::function<bool()>& stop, StepMemo* memo = nullptr, Needed* needed = nullptr,
                              const Needed* known = nullptr) {
    StepMemo own;
    if (!memo) memo = &own;
    Reduced r;
    r.solution = GenerateSolution(pattern, diagonal, seed);
    DoubleBoard& problem = r.problem;
    problem = r.solution;
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
        bool keep = same ? (*known)[i] : SolvableWithout(problem, c, given, &r.solution);
        if (needed) needed->push_back(keep);
        if (!keep && ceiling) {
            std::optional<bool> reaches = PathReaches(problem, c, options, stop, *memo);
            if (!reaches) return std::nullopt;
            keep = !*reaches;
            if (keep) r.keptForLevel.push_back(c);
            same = same && !keep;
        }
        if (keep) problem.digits[uc] = given;
    }
    return r;
}

// True when each given kept for the ceiling has become needed for uniqueness as later givens
// went. Those kept for uniqueness stay needed. Nothing when stopped.
std::optional<bool> Minimal(const Reduced& r, const std::function<bool()>& stop) {
    DoubleBoard problem = r.problem;
    for (int c : r.keptForLevel) {
        if (stop && stop()) return std::nullopt;
        auto uc = static_cast<std::size_t>(c);
        const uint8_t given = problem.digits[uc];
        problem.digits[uc] = 0;
        if (!SolvableWithout(problem, c, given, &r.solution)) return false;
        problem.digits[uc] = given;
    }
    return true;
}

}  // namespace

bool KeepsGivensForLevel(bool diagonal, Level level) { return diagonal && level != Level::Guess; }

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
    return Reduce(pattern, diagonal, seed, std::nullopt, {})->problem;
}

std::optional<GeneratedProblem> GenerateLeveled(const GenerateRequest& request, const std::function<bool()>& stop) {
    FindOptions options;
    options.unique = true;
    // The paths of all the seeds' problems share what the single-digit searches found.
    StepMemo memo;
    if (!request.level) {
        std::optional<Reduced> plain = Reduce(request.pattern, request.diagonal, request.seed, std::nullopt, stop);
        if (!plain) return std::nullopt;
        std::optional<PathLevel> path = LevelOfPath(plain->problem, options, stop, memo);
        if (!path) return std::nullopt;
        return GeneratedProblem{plain->problem, request.seed, path->level, path->difficulty};
    }
    const Level wanted = *request.level;
    options.hardest = HardestOf(wanted);
    uint64_t seed = request.seed;
    for (int tries = 0; tries < request.maxSeeds; ++tries, ++seed) {
        // The seed's plain problem first: it takes few milliseconds to make, and when its path
        // finishes within the level it is of the level or below.
        Needed needed;
        std::optional<Reduced> plain = Reduce(request.pattern, request.diagonal, seed, std::nullopt, stop, &memo, &needed);
        if (!plain) return std::nullopt;
        std::optional<PathLevel> path = LevelOfPath(plain->problem, options, stop, memo);
        if (!path) return std::nullopt;
        if (!path->above) {
            // Below the level: made again with more givens kept it would, as a rule, be no
            // harder, so the seed is passed over.
            if (path->level != wanted) continue;
            return GeneratedProblem{plain->problem, seed, wanted, path->difficulty};
        }
        // Above the level: givens kept where taking them away needs more than the level, and
        // the problem taken only when each of them has become needed for uniqueness too (with
        // the diagonal rule below the guess level, whatever they are).
        std::optional<Reduced> kept = Reduce(request.pattern, request.diagonal, seed, options.hardest, stop, &memo, nullptr, &needed);
        if (!kept) return std::nullopt;
        if (!KeepsGivensForLevel(request.diagonal, wanted)) {
            std::optional<bool> minimal = Minimal(*kept, stop);
            if (!minimal) return std::nullopt;
            if (!*minimal) continue;
        }
        path = LevelOfPath(kept->problem, options, stop, memo);
        if (!path) return std::nullopt;
        if (!path->above && path->level == wanted) return GeneratedProblem{kept->problem, seed, wanted, path->difficulty};
    }
    return std::nullopt;
}

}  // namespace puzzle
