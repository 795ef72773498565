// Difficulty levels of problems: seven named ranges of the difficulty number, from problems
// that singles solve to those whose path needs forcing chains. mozeldouble-solve names them
// on the command line (--rating); the generator makes problems of a wanted one.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "puzzle/StepPath.h"

namespace puzzle {

enum class Level {
    Singles,  // last cell, naked and hidden singles only
    Locked,   // pointing or claiming
    Subsets,  // naked or hidden pairs, triples, quads
    Fish,     // basic, finned and sashimi fish, skyscraper, 2-string kite, empty rectangle
    Wings,    // XY-, XYZ- and W-wing
    Chains,   // X-, XY- and alternating inference chains, uniqueness, almost locked sets
    Guess,    // forcing chains, or a path that does not finish
};

constexpr int kLevelCount = 7;

struct LevelRange {
    Level level;
    std::string_view name;  // the --rating word
    int low, high;          // difficulty numbers in tenths, both included
};

// Every level once, in order; the ranges follow each other without gaps from 1.0 to 10.0.
extern const std::array<LevelRange, kLevelCount> kLevels;

// "singles", "locked", "subsets", "fish", "wings", "chains", "guess".
std::string_view LevelName(Level level);
std::optional<Level> LevelNamed(std::string_view name);

// The level whose range holds a difficulty number (tenths).
Level LevelOfDifficulty(int tenths);
Level LevelOf(Technique t);
// The level of a path: Guess when it did not finish, otherwise its hardest step's level (a
// path without any step, on a board already full, counts as Singles).
Level LevelOf(const Rating& rating);
// The hardest technique a problem of the level may need.
Technique HardestOf(Level level);

}  // namespace puzzle
