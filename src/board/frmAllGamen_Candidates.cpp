// 候補: the candidates of every board cell, kept by the puzzle state beside the cell's text and
// drawn small while shown. They start from what the digits on the board allow; after that they
// are the user's: a digit placed takes itself out of its peers' candidates (and goes back when
// taken away), Shift+digit and a right click on a small digit take one out or put it back,
// 候補を再計算 starts them again from the board. The grid windows' cells show the same ones.
#include <algorithm>

#include "board/frmAllGamen.h"
#include "program/Program.h"

namespace board {

void frmAllGamen::chkKouho_Click() { ShowCandidates(chkKouho.value() == 1); }

void frmAllGamen::cmdKouhoSaikeisan_Click() { RecalculateCandidates(); }

void frmAllGamen::ShowCandidates(bool shown) {
    if (chkKouho.value() != (shown ? 1 : 0)) return chkKouho.setValue(shown ? 1 : 0);
    program_.state().showCandidates(shown);
}

void frmAllGamen::RecalculateCandidates() { program_.state().recalculateCandidates(); }

void frmAllGamen::ToggleCandidate(int c, int d) { program_.state().toggleCandidate(c, d); }

int frmAllGamen::CandidateUnder(const ui::TextBox& cell, int x, int y) {
    // The small digits stand in three rows of three: 1 2 3 / 4 5 6 / 7 8 9.
    int column = std::clamp(cell.width() > 0 ? x * 3 / cell.width() : 0, 0, 2);
    int row = std::clamp(cell.height() > 0 ? y * 3 / cell.height() : 0, 0, 2);
    return row * 3 + column + 1;
}

}  // namespace board
