// What the board shows of the grids themselves: under the diagonal rule a light line through
// the cells on a diagonal of either grid, and the numbers of the grids' rows and columns.
#include "board/GridLabels.h"
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

void frmAllGamen::ShowGridLabels() {
    const int pattern = program_.state().pattern();
    for (int i = 1; i <= kGridLabelCount; ++i) lblBan(i).setVisible(puzzle::IsPattern(pattern));
    if (!puzzle::IsPattern(pattern)) return;
    int i = 1;
    for (int g = 1; g <= 2; ++g) {
        for (bool columns : {true, false}) {
            int n = 1;
            for (LabelSpot spot : GridLabelSpots(pattern, g, columns)) {
                const LabelBounds b = LabelBoundsOf(spot);
                lblBan(i).setBounds(b.left, b.top, b.width, b.height);
                lblBan(i).setCaption(std::to_string(n++));
                ++i;
            }
        }
    }
}

}  // namespace board
