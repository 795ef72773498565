// Random double problems with exactly one solution, reproducible from a seed.
#pragma once

#include <cstdint>

#include "puzzle/DoubleBoard.h"

namespace puzzle {

// A random full double board of the pattern (1..12; any other throws std::invalid_argument)
// under the rule, drawn from seed.
DoubleBoard GenerateSolution(int pattern, bool diagonal, uint64_t seed);

// A problem with exactly one solution whose every given is needed: removing any one of them
// gives a second solution. The same arguments give the same problem on every machine.
DoubleBoard GenerateProblem(int pattern, bool diagonal, uint64_t seed);

}  // namespace puzzle
