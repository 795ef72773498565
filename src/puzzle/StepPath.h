// The logical path from a board's digits: steps applied one by one until the board is full
// or no technique applies, and its rating.
#pragma once

#include <optional>
#include <vector>

#include "puzzle/LogicState.h"

namespace puzzle {

struct Rating {
    std::optional<Technique> hardest;  // nothing when the path has no step
    bool finished = false;             // the path filled every cell without guessing
};

struct StepPath {
    std::vector<Step> steps;
    Rating rating;
    DoubleBoard end;  // the board's digits where the path stopped
};

// Runs the step finder from the board's digits. The path stops when every cell is filled,
// when no technique applies, or after maxSteps steps.
StepPath RunPath(const DoubleBoard& board, int maxSteps = 2000);

}  // namespace puzzle
