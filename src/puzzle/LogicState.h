// The candidates of every board cell of a double board under the units of both grids, and
// one logical step: digits placed or candidates removed, with what proves it.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "puzzle/DoubleBoard.h"
#include "puzzle/Techniques.h"
#include "puzzle/Units.h"

namespace puzzle {

struct CellDigit {
    int cell;   // board cell 1..225
    int digit;  // 1..9
    bool operator==(const CellDigit&) const = default;
};

struct Step {
    Technique technique = Technique::LastCell;
    std::vector<CellDigit> place;   // digits the step places
    std::vector<CellDigit> remove;  // candidates the step removes
    std::vector<int> proof;         // board cells whose digits or candidates prove the step
    std::vector<Unit> units;        // the units the reasoning runs through
    std::vector<Unit> targets;      // the units the removals are made in, where they differ
    std::vector<int> digits;        // the digits the step is about
    std::vector<uint16_t> proofCandidates;  // candidates of the proof cells (wings: pivot, pincers)
};

// Bit d (1..9) set when digit d may still go in a cell.
using Candidates = uint16_t;
constexpr Candidates kAllCandidates = 0x3FE;
constexpr Candidates Bit(int d) { return static_cast<Candidates>(1u << d); }
int CountOf(Candidates m);
// Digits of a candidate set, in increasing order.
std::vector<int> DigitsOf(Candidates m);

class LogicState {
public:
    // Candidates follow from the digits: each empty cell keeps the digits none of its units holds.
    explicit LogicState(const DoubleBoard& board);

    const DoubleBoard& board() const { return board_; }
    int digit(int c) const { return board_.digits[static_cast<std::size_t>(c)]; }
    Candidates candidates(int c) const { return candidates_[static_cast<std::size_t>(c)]; }
    const std::vector<Unit>& units() const { return units_; }
    // The cells of unit u (an index into units()) as a set of board cells.
    const std::bitset<kBoardCells + 1>& unitCells(std::size_t u) const { return unitCells_[u]; }
    // Indexes into units() of the units that hold board cell c.
    const std::vector<int>& unitsOf(int c) const { return unitsOf_[static_cast<std::size_t>(c)]; }
    // The board cells the two grids cover, in board order.
    const std::vector<int>& cells() const { return cells_; }
    // True when two different cells share a unit of either grid.
    bool sees(int a, int b) const { return peers_[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)]; }
    bool solved() const;

    void place(int c, int d);
    void removeCandidate(int c, int d);
    void apply(const Step& step);

private:
    DoubleBoard board_;
    std::vector<Unit> units_;
    std::vector<int> cells_;
    std::vector<std::bitset<kBoardCells + 1>> unitCells_;
    std::vector<std::vector<int>> unitsOf_;
    std::vector<std::bitset<kBoardCells + 1>> peers_;
    std::vector<Candidates> candidates_;
};

}  // namespace puzzle
