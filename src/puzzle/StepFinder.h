// The logic step finder: the simplest next step on a double board, searched technique by
// technique in the order of Technique.
#pragma once

#include <optional>

#include "puzzle/LogicState.h"
#include "puzzle/StepMemo.h"

namespace puzzle {

struct FindOptions {
    // The board has exactly one solution (the engine says so): uniqueness techniques may be
    // used, and the nested forcing chains are searched.
    bool unique = false;
    // No technique harder than this one is tried.
    Technique hardest = Technique::NestedForcingChain;
};

// The first step of the simplest technique that applies, or nothing when none does.
std::optional<Step> FindStep(const LogicState& state, const FindOptions& options = {});
// The same, skipping the single-digit searches the memo knows to find nothing, and telling it
// those that found nothing now. The step is the one found without a memo.
std::optional<Step> FindStep(const LogicState& state, const FindOptions& options, StepMemo& memo);

// The first step of technique t alone, or nothing. Uniqueness techniques are tried as asked:
// the caller knows that the board has one solution.
std::optional<Step> FindStepOf(const LogicState& state, Technique t);

}  // namespace puzzle
