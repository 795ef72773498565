// One branch of a forcing chain retraced for its explanation: the same singles and locked
// candidates as Propagation, but each placement remembers the placement that made it a single
// (its parent), and each removed candidate the placement that removed it, so the way from the
// assumption to any conclusion reads as a list of links. Private to src/puzzle.
#pragma once

#include <array>
#include <vector>

#include "puzzle/LogicState.h"

namespace puzzle::search {

class TracedBranch {
public:
    // Assumes d in c on the state and follows what comes of it.
    TracedBranch(const LogicState& start, CellDigit assumed);
    // A branch inside another: assumes d in c where the outer branch ended and follows it. The
    // outer branch's placements stay, so a link may lead back into them.
    TracedBranch(const TracedBranch& outer, CellDigit assumed);

    bool contradiction() const { return contradiction_; }
    const LogicState& state() const { return state_; }
    // Takes d out of c because a deeper branch showed it impossible, and follows what comes of
    // it; the exclusion becomes a link whose parent is dependsOn (a placement index or -1).
    void exclude(CellDigit x, int dependsOn);

    // Every link so far (placements and exclusions), outer ones first, each with its parent
    // (-1 for an assumption).
    const std::vector<CellDigit>& placements() const { return placements_; }
    bool isExclusion(int i) const { return excluded_[static_cast<std::size_t>(i)]; }
    int parentOf(int i) const { return parent_[static_cast<std::size_t>(i)]; }
    // The index of the first placement of this branch (0 unless it lies inside another).
    int firstOwn() const { return firstOwn_; }

    // The digit the branch placed in cell c, 0 for none.
    int placed(int c) const { return state_.digit(c) != startState_->digit(c) ? state_.digit(c) : 0; }
    // True when the branch rules digit d out of cell c (c empty at the start).
    bool rulesOut(int c, int d) const {
        return (placed(c) != 0 && placed(c) != d) || (placed(c) == 0 && startState_->has(c, d) && !state_.has(c, d));
    }
    // The placement that decided (c, d): placing d in c, or the placement that removed d from c.
    int decider(int c, int d) const;
    // The placement the contradiction came with: the last one made.
    int contradictionIndex() const { return static_cast<int>(placements_.size()) - 1; }
    // The placements from the root assumption to placement i, in order.
    std::vector<int> chainTo(int i) const;
    // Their cells and digits.
    std::vector<CellDigit> linksTo(int i) const;

private:
    void place(int c, int d, int parent);
    template <class Cells>
    int latestRemover(const Cells& cells, int d, int except) const;
    bool locked();
    void removed(int p, int d);
    void lostPlace(int u, int d);
    void run();
    void singles();

    LogicState state_;
    const LogicState* startState_;
    std::vector<CellDigit> placements_;
    std::vector<int> parent_;
    std::vector<bool> excluded_;
    int firstOwn_ = 0;
    std::vector<std::array<int, 10>> remover_ = std::vector<std::array<int, 10>>(kBoardCells + 1);
    std::vector<int> pending_;
    std::vector<std::pair<int, int>> pendingUnits_;
    // (unit, digit) pairs where the digit lost a place since the last locked-candidates pass.
    std::vector<std::pair<int, int>> dirty_;
    std::vector<uint16_t> dirtyMark_;
    bool contradiction_ = false;
};

}  // namespace puzzle::search
