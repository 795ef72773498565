// The shared tables PatternMasu and GridMasu, built from the overlap patterns, and the
// board-numbering names the board window uses.
#pragma once

#include "board/cmnMod01.h"
#include "puzzle/BoardGeometry.h"
#include "puzzle/OverlapPatterns.h"

namespace board {

using puzzle::BoardCell;
using puzzle::BoardColumn;
using puzzle::BoardRow;
using puzzle::GridCell;
using puzzle::GridColumn;
using puzzle::GridRow;
using puzzle::GridToBoard;
using puzzle::kBoardCells;
using puzzle::kBoardSize;
using puzzle::kGridCells;
using puzzle::kGridSize;
using puzzle::kPatternCount;
using puzzle::OverlapPattern;
using puzzle::Pattern;

// Fills PatternMasu and GridMasu for every pattern and sets PatternNo to 12.
void BuildPatternTables(cmnMod01& module);

}  // namespace board
