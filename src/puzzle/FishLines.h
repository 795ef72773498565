// The lines a fish is built on, shared by the basic and the finned fish. Private to src/puzzle.
#pragma once

#include <vector>

#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

struct FishLine {
    const Unit* unit;
    int index;      // row or column 1..9 of its grid
    unsigned mask;  // bit j (1..9): the line's j-th cell may take the digit
};

// The rows (or columns) of grid g where digit d is not placed and has 1..maxPlaces places.
std::vector<FishLine> FishLines(const LogicState& s, int g, UnitKind baseKind, int d, int maxPlaces);

// Fills the step's base units, proof, cover units and removals (cells of the covers outside the
// bases that see every fin); false when nothing is removed.
bool FillFish(const LogicState& s, Step& step, const std::vector<const FishLine*>& bases, int g, UnitKind coverKind,
              unsigned covers, int d, const std::vector<int>& fins);

}  // namespace puzzle::search
