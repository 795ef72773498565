// The logical path from a board's digits: steps applied one by one until the board is full
// or no technique applies, and its rating.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "puzzle/StepFinder.h"

namespace puzzle {

struct Rating {
    std::optional<Technique> hardest;  // nothing when the path has no step
    bool finished = false;             // the path filled every cell
    // The rating number: the hardest step's difficulty in tenths, 0 without any step.
    int difficulty() const { return hardest ? Difficulty(*hardest) : 0; }
};

struct StepPath {
    std::vector<Step> steps;
    Rating rating;
    DoubleBoard end;       // the board's digits where the path stopped
    bool stopped = false;  // the caller's stop ended it early
};

// Runs the step finder from the board's digits. The path stops when every cell is filled,
// when no technique applies, or after maxSteps steps. Uniqueness techniques are used when
// the engine finds exactly one solution.
StepPath RunPath(const DoubleBoard& board, int maxSteps = 2000);

// The same with the options given (the caller says whether the board has one solution); stop,
// when given, is asked before each step and ends the path early when it says so. A memo the
// caller gives is shared with other paths on boards of the same pattern and rule; without one
// the path keeps its own.
StepPath RunPath(const DoubleBoard& board, const FindOptions& options, int maxSteps = 2000,
                 const std::function<bool()>& stop = {}, StepMemo* memo = nullptr);

}  // namespace puzzle
