// The cell rules of the puzzle state, under the names the board window uses.
#pragma once

#include "state/CellRules.h"

namespace board {

using state::CellValue;
using state::IsDigitCell;
using state::IsFilledCell;

}  // namespace board
