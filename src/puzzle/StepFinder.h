// The logic step finder: the simplest next step on a double board, searched technique by
// technique in the order of Technique.
#pragma once

#include <optional>

#include "puzzle/LogicState.h"

namespace puzzle {

// The first step of the simplest technique that applies, or nothing when none does.
std::optional<Step> FindStep(const LogicState& state);

// The first step of technique t alone, or nothing.
std::optional<Step> FindStepOf(const LogicState& state, Technique t);

}  // namespace puzzle
