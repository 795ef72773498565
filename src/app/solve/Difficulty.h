// Difficulty levels of mozeldouble-solve's generator, named on the command line by --rating:
// the family of the hardest technique a problem's logical path needs, or "guess" when the
// path cannot finish without guessing.
#pragma once

#include <optional>
#include <string_view>

#include "puzzle/StepPath.h"

namespace solve {

enum class Level {
    Singles,  // last cell, naked and hidden singles only
    Locked,   // pointing or claiming
    Subsets,  // naked or hidden pairs, triples, quads
    Fish,     // X-wing or swordfish
    Wings,    // XY-wing or XYZ-wing
    Guess,    // the techniques do not finish the problem
};

// "singles", "locked", "subsets", "fish", "wings", "guess".
std::string_view LevelName(Level level);
std::optional<Level> LevelNamed(std::string_view name);

// The level of a path: Guess when it did not finish, otherwise its hardest technique's family
// (a path without any step, on a board already full, counts as Singles).
Level LevelOf(const puzzle::Rating& rating);

}  // namespace solve
