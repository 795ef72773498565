// A step in words: at most three Japanese sentences that name the grid, the unit and the cells
// by grid, row and column (through puzzle/GridPosition.h); a chain as its list of links, a forcing chain with one line per
// branch.
#pragma once

#include <string>
#include <vector>

#include "puzzle/GridPosition.h"
#include "puzzle/LogicState.h"

namespace puzzle {

// The grid a step's cells are best named through: the grid of its first unit, else grid 1.
int StepGrid(const Step& step);

// The step's sentences.
std::string StepText(const Step& step, int pattern);

}  // namespace puzzle
