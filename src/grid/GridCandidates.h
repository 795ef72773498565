// What a grid window's cells show of the puzzle state: the candidates, and whether they are
// shown, of each cell's board cell in the current pattern. The grid window keeps its own
// texts and colours; the candidates exist once, in the state.
#pragma once

#include "state/PuzzleState.h"
#include "ui/CellStore.h"

namespace board { struct cmnMod01; }

namespace grid {

class GridCandidates : public ui::CellStore {
public:
    GridCandidates(state::PuzzleState& state, const board::cmnMod01& cmn, int gridNo)
        : state_(state), cmn_(cmn), gridNo_(gridNo) {}

    // Board cell of the window's cell Text1(index) (0..80); 0 while the pattern is none.
    int boardCellOf(int index) const;
    // The window's cell index (0..80) of board cell c, or -1 when the grid does not cover it.
    int indexOf(int c) const;

    // Only candidates are left to the state; a grid cell keeps its own text and lock.
    const std::string& cellText(int) const override { return kNoText; }
    void setCellText(int, const std::string&) override {}
    bool cellLocked(int) const override { return false; }
    void setCellLocked(int, bool) override {}
    int cellCandidates(int index) const override { return state_.cellCandidates(boardCellOf(index)); }
    void setCellCandidates(int index, int mask) override;
    bool cellCandidatesShown(int index) const override { return state_.cellCandidatesShown(boardCellOf(index)); }
    void setCellCandidatesShown(int index, bool shown) override;

private:
    static inline const std::string kNoText;
    state::PuzzleState& state_;
    const board::cmnMod01& cmn_;
    int gridNo_;
};

}  // namespace grid
