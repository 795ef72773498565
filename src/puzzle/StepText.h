// A step in words: at most three Japanese sentences that name the grid, the unit and the cells
// by grid, row and column; a chain as its list of links, a forcing chain with one line per
// branch.
#pragma once

#include <string>
#include <vector>

#include "puzzle/LogicState.h"

namespace puzzle {

// A board cell by grid, row and column, 1..9. A shared cell is named through the preferred
// grid (1 or 2); a cell only one grid covers, through that grid.
struct GridPosition {
    int grid = 1;
    int row = 1;
    int column = 1;
};
GridPosition PositionOf(int pattern, int c, int preferredGrid);

// "グリッド1の3行5列".
std::string CellName(int pattern, int c, int preferredGrid);
// "グリッド1の3行目", "グリッド2の5列目", "グリッド1のブロック4", "グリッド1の対角線（左上から右下）".
std::string UnitName(const Unit& u);
// The grid a step's cells are best named through: the grid of its first unit, else grid 1.
int StepGrid(const Step& step);

// The step's sentences.
std::string StepText(const Step& step, int pattern);

}  // namespace puzzle
