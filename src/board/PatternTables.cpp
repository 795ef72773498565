#include "board/PatternTables.h"

namespace board {

void BuildPatternTables(cmnMod01& m) {
    for (int p = 1; p <= kPatternCount; ++p) {
        for (int c = 1; c <= kBoardCells; ++c)
            m.PatternMasu[p][c] = static_cast<int16_t>(puzzle::CellCode(Pattern(p), c));
    }
    for (int c = 1; c <= kBoardCells; ++c) m.PatternMasu[0][c] = 0;
    // The i-th board cell (in board order) with code g or 3 is grid cell i of grid g.
    for (int p = 1; p <= kPatternCount; ++p) {
        for (int g = 1; g <= 2; ++g) {
            int counter = 0;
            for (int c = 1; c <= kBoardCells; ++c) {
                int code = m.PatternMasu[p][c];
                if (code == g || code == 3) m.GridMasu[p][g][++counter] = static_cast<int16_t>(c);
            }
        }
    }
    m.PatternNo = 12;
}

}  // namespace board
