// Random double problems with exactly one solution, reproducible from a seed, of any
// difficulty level or of a wanted one.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "puzzle/Difficulty.h"
#include "puzzle/DoubleBoard.h"

namespace puzzle {

// A random full double board of the pattern (1..12; any other throws std::invalid_argument)
// under the rule, drawn from seed.
DoubleBoard GenerateSolution(int pattern, bool diagonal, uint64_t seed);

// A problem with exactly one solution whose every given is needed: removing any one of them
// gives a second solution. The same arguments give the same problem on every machine.
DoubleBoard GenerateProblem(int pattern, bool diagonal, uint64_t seed);

struct GenerateRequest {
    int pattern = 12;                // 1..12
    bool diagonal = false;
    std::optional<Level> level;      // nothing: the problem of the first seed, whatever its level
    uint64_t seed = 0;               // the first seed tried
    int maxSeeds = 20000;            // seeds tried before giving up
};

struct GeneratedProblem {
    DoubleBoard problem;
    uint64_t seed = 0;   // the seed that made it
    Level level = Level::Singles;
    // The rating number in tenths: its path's hardest step, or for a guess problem the first
    // step of the guess level, where the generator stops following the path.
    int difficulty = 0;
};

// True where GenerateLeveled may keep givens that uniqueness does not need, so that the path
// stays within the level: with the diagonal rule below the guess level. Its problems are
// almost never of such a level when every given is needed.
bool KeepsGivensForLevel(bool diagonal, Level level);

// Makes a problem of the wanted level, trying seeds from request.seed in turn. Every problem
// has exactly one solution and, except where KeepsGivensForLevel, every given is needed, as
// in GenerateProblem's. A seed's problem made for uniqueness alone is taken when its path is
// of the level; when its path needs more, the problem is made again keeping also each given
// whose removal would make the path need a technique above the level, and taken only when each
// given so kept has become needed for uniqueness by the end (where KeepsGivensForLevel, in any
// case). Seeds whose problem is below the level, or not minimal, are passed over. A guess
// problem is one whose path needs forcing chains (or stops short); its path is not followed
// further. Without a wanted level the problem is GenerateProblem's for request.seed. Nothing
// when stop() says to stop (it is asked before each given and each step of a path, a few
// milliseconds apart) or when maxSeeds seeds gave no problem of the level. Keeps no state:
// safe on any thread.
std::optional<GeneratedProblem> GenerateLeveled(const GenerateRequest& request, const std::function<bool()>& stop = {});

}  // namespace puzzle
