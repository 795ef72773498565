// The candidates of every board cell of a double board under the units of both grids, and
// one logical step: digits placed or candidates removed, with what proves it.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "puzzle/CellSet.h"
#include "puzzle/DoubleBoard.h"
#include "puzzle/Techniques.h"
#include "puzzle/Units.h"

namespace puzzle {

struct CellDigit {
    int cell;   // board cell 1..225
    int digit;  // 1..9
    bool operator==(const CellDigit&) const = default;
};

// One node of a chain: a digit in one cell, or in a group of cells of one unit (grouped
// node), with the kind of link that leads to the next node.
struct ChainNode {
    std::vector<int> cells;  // board cells, one unless grouped
    int digit = 0;
    bool strongToNext = false;  // "=" (one of the two is true) or "-" (not both)
    bool operator==(const ChainNode&) const = default;
};

// One branch of a forcing chain: what is assumed and the links that lead from it to the
// conclusion (each link a digit placed in a cell).
struct ForcingBranch {
    CellDigit assumed;
    std::vector<CellDigit> links;  // placements in the order they follow, ending at the conclusion
    bool contradiction = false;    // the branch ends in a cell or unit left without a digit
    // Nested forcing chains: per link, true when the link takes the digit out of the cell
    // instead of placing it, because a branch one level deeper (the next in the step's list
    // at depth + 1, in the order of these links) shows that the digit there leads to a
    // contradiction. Empty for the other forcing chains.
    std::vector<bool> excluded;
    int depth = 0;
};

struct Step {
    Technique technique = Technique::LastCell;
    std::vector<CellDigit> place;   // digits the step places
    std::vector<CellDigit> remove;  // candidates the step removes
    std::vector<int> proof;         // board cells whose digits or candidates prove the step, in painting order
    std::vector<Unit> units;        // the units the reasoning runs through
    std::vector<Unit> targets;      // the units the removals are made in, where they differ
    std::vector<int> digits;        // the digits the step is about
    std::vector<uint16_t> proofCandidates;  // candidates of the proof cells (wings: pivot, pincers)
    std::vector<ChainNode> chain;           // chains: the nodes in order
    std::vector<ForcingBranch> branches;    // forcing chains: one per assumption
};

// Bit d (1..9) set when digit d may still go in a cell.
using Candidates = uint16_t;
constexpr Candidates kAllCandidates = 0x3FE;
constexpr Candidates Bit(int d) { return static_cast<Candidates>(1u << d); }
// Bits set in each 10-bit candidate mask; a table, since the portable build has no popcount
// instruction, and inline, since the step finder counts candidates everywhere.
inline constexpr std::array<uint8_t, 1024> kCandidateCounts = [] {
    std::array<uint8_t, 1024> t{};
    for (std::size_t m = 0; m < t.size(); ++m) t[m] = static_cast<uint8_t>(std::popcount(m));
    return t;
}();
inline int CountOf(Candidates m) { return kCandidateCounts[m & 0x3FF]; }
// Digits of a candidate set, in increasing order.
std::vector<int> DigitsOf(Candidates m);
// The same as a range to loop over, without making a list: the searches loop over candidate
// sets everywhere.
class DigitRange {
public:
    explicit constexpr DigitRange(Candidates m) : m_(m & kAllCandidates) {}
    struct iterator {
        unsigned rest;
        int operator*() const { return std::countr_zero(rest); }
        iterator& operator++() {
            rest &= rest - 1;
            return *this;
        }
        bool operator!=(const iterator& o) const { return rest != o.rest; }
    };
    iterator begin() const { return {m_}; }
    iterator end() const { return {0}; }

private:
    unsigned m_;
};

// Where a unit meets another unit in two or more cells (and is not the same cells): bit i
// (0..8) of the mask is set when the unit's i-th cell lies in the other unit.
struct UnitOverlap {
    int other;      // index into the units
    uint16_t mask;
};

// The fixed shape of one pattern under one rule: units, covered cells and who sees whom. Built
// once per pattern and rule on first use and never changed, so threads may share it.
struct Topology {
    std::vector<Unit> units;
    std::vector<int> cells;                // covered board cells, in board order
    std::vector<CellSet> unitCells;        // per unit
    std::vector<std::vector<int>> unitsOf;  // per board cell: indexes into units
    std::vector<CellSet> peers;            // per board cell
    std::vector<std::vector<int>> peerList;
    std::vector<std::vector<UnitOverlap>> overlaps;  // per unit
    // The three cells where a box meets a row or column, each set once: boxes in unit order,
    // each box's meetings in the order of its overlaps.
    std::vector<CellSet> boxLineMeets;
    // Index into units of (grid, kind, index), -1 when the unit does not exist.
    std::array<int, 2 * 5 * 10> lookup{};
};
const Topology& TopologyOf(int pattern, bool diagonal);

class LogicState {
public:
    // Candidates follow from the digits: each empty cell keeps the digits none of its units holds.
    explicit LogicState(const DoubleBoard& board);

    const DoubleBoard& board() const { return board_; }
    int digit(int c) const { return board_.digits[static_cast<std::size_t>(c)]; }
    Candidates candidates(int c) const { return candidates_[static_cast<std::size_t>(c)]; }
    // True when cell c is empty and may still take digit d.
    bool has(int c, int d) const { return (candidates_[static_cast<std::size_t>(c)] & Bit(d)) != 0; }
    // The empty cells that may still take digit d (1..9).
    const CellSet& placesOf(int d) const { return places_[static_cast<std::size_t>(d)]; }
    const std::vector<Unit>& units() const { return topology_->units; }
    // The cells of unit u (an index into units()) as a set of board cells.
    const CellSet& unitCells(std::size_t u) const { return topology_->unitCells[u]; }
    // Indexes into units() of the units that hold board cell c.
    const std::vector<int>& unitsOf(int c) const { return topology_->unitsOf[static_cast<std::size_t>(c)]; }
    // The units that meet unit u in two or more cells, with where they meet it.
    const std::vector<UnitOverlap>& overlaps(std::size_t u) const { return topology_->overlaps[u]; }
    const std::vector<CellSet>& boxLineMeets() const { return topology_->boxLineMeets; }
    // The board cells the two grids cover, in board order.
    const std::vector<int>& cells() const { return topology_->cells; }
    // True when two different cells share a unit of either grid.
    bool sees(int a, int b) const { return topology_->peers[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)]; }
    const CellSet& peers(int c) const { return topology_->peers[static_cast<std::size_t>(c)]; }
    const std::vector<int>& peerList(int c) const { return topology_->peerList[static_cast<std::size_t>(c)]; }
    // The unit of grid g (1, 2), kind and index, or nullptr when the board has none.
    const Unit* unit(int g, UnitKind kind, int index) const;
    bool solved() const;

    void place(int c, int d);
    void removeCandidate(int c, int d);
    void apply(const Step& step);

private:
    const Topology* topology_;
    DoubleBoard board_;
    std::array<Candidates, kBoardCells + 1> candidates_{};
    std::array<CellSet, 10> places_{};  // per digit, the same candidates by cell
};

}  // namespace puzzle
