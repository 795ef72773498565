// What follows from assuming a digit in a cell, by singles and locked candidates only: the
// engine of the forcing chains' search. It keeps no explanation (TracedBranch.h retraces the
// branches a step names) and no heap memory, so a branch is a copy of a few kilobytes and the
// searches can follow thousands of them. Private to src/puzzle.
#pragma once

#include <array>
#include <cstdint>

#include "puzzle/LogicState.h"

namespace puzzle::search {

struct PropagationTables;

class Propagation {
public:
    // Every unit of a board, a shared box or line counted once.
    static constexpr int kMaxUnits = 58;

    explicit Propagation(const LogicState& s);

    // Places d in c and follows naked and hidden singles and locked candidates until nothing
    // more follows. Locked candidates are looked for only where a digit lost a place since
    // the start: the step finder found none on the board the search starts from. False when a
    // cell or a unit is left without a digit (or a digit would go twice into a unit); the
    // state is then no longer meaningful.
    bool assume(int c, int d);
    // Takes d from c's candidates and follows what comes of it in the same way.
    bool exclude(int c, int d);

    bool contradiction() const { return contradiction_; }
    // The digit in cell c, given or placed, 0 for none.
    int digit(int c) const { return value_[static_cast<std::size_t>(c)]; }
    Candidates candidates(int c) const { return candidates_[static_cast<std::size_t>(c)]; }
    bool has(int c, int d) const { return (candidates_[static_cast<std::size_t>(c)] & Bit(d)) != 0; }
    // True when d can no longer go in c: another digit went there or d left its candidates.
    bool rulesOut(int c, int d) const { return digit(c) != d && !has(c, d); }

    // The board's units, a shared box or line once: u in 0..unitCount()-1.
    int unitCount() const;
    const Unit& unit(int u) const;
    // The unit's cells that may take d (bit k: its k-th cell), and the digits it holds.
    unsigned placesIn(int u, int d) const { return places_[static_cast<std::size_t>(u)][static_cast<std::size_t>(d)]; }
    bool holds(int u, int d) const { return (placed_[static_cast<std::size_t>(u)] & Bit(d)) != 0; }

private:
    // What waits to be looked at while propagating: cells that may be naked singles, (unit,
    // digit) pairs that may be hidden singles or empty, and the pairs marked dirty, in order.
    struct Work {
        std::array<uint8_t, kBoardCells + 1> naked;
        std::array<uint16_t, kMaxUnits * 9 * 2> hidden;
        std::array<uint16_t, kMaxUnits * 9> dirty;
        int nakedCount = 0, hiddenCount = 0, dirtyCount = 0;
    };

    void place(Work& w, int c, int d);
    void remove(Work& w, int c, int d);
    void lost(Work& w, int u, int position, int d);
    void singles(Work& w);
    bool locked(Work& w);
    bool run(Work& w);

    const PropagationTables* tables_;
    std::array<Candidates, kBoardCells + 1> candidates_{};
    std::array<uint8_t, kBoardCells + 1> value_{};
    // Per unit and digit: the unit's cells (bits 0..8, in unit order) that may take the digit.
    std::array<std::array<uint16_t, 10>, kMaxUnits> places_{};
    std::array<uint16_t, kMaxUnits> placed_{};  // per unit: the digits it holds
    // Per unit: digits that lost a place since the last look for locked candidates there.
    std::array<uint16_t, kMaxUnits> dirty_{};
    bool contradiction_ = false;
};

}  // namespace puzzle::search
