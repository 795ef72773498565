// Under the diagonal rule the board shows which cells lie on a diagonal of either grid: a
// light line through each, drawn by the view over the cell's colour.
#include "board/PatternTables.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "puzzle/OverlapPatterns.h"

namespace board {

void frmAllGamen::ShowDiagonals() {
    const state::PuzzleState& board = program_.state();
    std::vector<int> marks(kBoardCells + 1, 0);
    if (board.diagonal() && puzzle::IsPattern(board.pattern())) {
        for (int g = 1; g <= 2; ++g) {
            for (int k = 1; k <= kGridCells; ++k) {
                const int row = (k - 1) / 9, column = (k - 1) % 9;
                int& mark = marks[static_cast<std::size_t>(cmn.GridMasu[board.pattern()][g][k])];
                if (row == column) mark |= ui::TextBox::kFalling;
                if (row + column == 8) mark |= ui::TextBox::kRising;
            }
        }
    }
    for (int c = 1; c <= kBoardCells; ++c) text1(c).setDiagonals(marks[static_cast<std::size_t>(c)]);
}

}  // namespace board
