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
    int difficulty = 0;  // the rating number in tenths: its path's hardest step
    bool finished = false;  // its path filled every cell
};

// Makes a problem of the wanted level, trying seeds from request.seed in turn. A seed's
// problem made for uniqueness alone is taken when its path is of the level; when its path
// needs more, the problem is made again keeping also each given whose removal would make the
// path need a technique above the level. The seeds that fail are those whose path needs no
// technique of the level itself. Without a wanted level the problem is GenerateProblem's for request.seed. Nothing
// when stop() says to stop (it is asked before each given and each step of a path, a few
// milliseconds apart) or when maxSeeds seeds gave no problem of the level. Keeps no state:
// safe on any thread.
std::optional<GeneratedProblem> GenerateLeveled(const GenerateRequest& request, const std::function<bool()>& stop = {});

}  // namespace puzzle
