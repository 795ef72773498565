#include "grid/GridCandidates.h"

#include "board/cmnMod01.h"
#include "puzzle/OverlapPatterns.h"

namespace grid {

int GridCandidates::boardCellOf(int index) const {
    const int pattern = cmn_.PatternNo;
    if (!puzzle::IsPattern(pattern) || index < 0 || index > 80) return 0;
    return cmn_.GridMasu[static_cast<std::size_t>(pattern)][static_cast<std::size_t>(gridNo_)][static_cast<std::size_t>(index + 1)];
}

int GridCandidates::indexOf(int c) const {
    const int pattern = cmn_.PatternNo;
    if (!puzzle::IsPattern(pattern) || c < 1 || c > puzzle::kBoardCells) return -1;
    return puzzle::GridCellOf(puzzle::Pattern(pattern), gridNo_, c) - 1;
}

void GridCandidates::setCellCandidates(int index, int mask) {
    // A cell of no board cell (no pattern yet) has nothing to set.
    if (const int c = boardCellOf(index); c > 0) state_.setCellCandidates(c, mask);
}

void GridCandidates::setCellCandidatesShown(int index, bool shown) {
    if (const int c = boardCellOf(index); c > 0) state_.setCellCandidatesShown(c, shown);
}

}  // namespace grid
