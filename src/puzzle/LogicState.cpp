#include "puzzle/LogicState.h"

#include <bit>

namespace puzzle {

int CountOf(Candidates m) { return std::popcount(static_cast<unsigned>(m)); }

std::vector<int> DigitsOf(Candidates m) {
    std::vector<int> digits;
    for (int d = 1; d <= 9; ++d)
        if (m & Bit(d)) digits.push_back(d);
    return digits;
}

LogicState::LogicState(const DoubleBoard& board)
    : board_(board),
      units_(Units(board.pattern, board.diagonal)),
      cells_(CoveredCells(board.pattern)),
      unitCells_(units_.size()),
      unitsOf_(kBoardCells + 1),
      peers_(kBoardCells + 1),
      candidates_(kBoardCells + 1, 0) {
    for (std::size_t u = 0; u < units_.size(); ++u)
        for (int a : units_[u].cells) {
            unitCells_[u].set(static_cast<std::size_t>(a));
            unitsOf_[static_cast<std::size_t>(a)].push_back(static_cast<int>(u));
            for (int b : units_[u].cells)
                if (a != b) peers_[static_cast<std::size_t>(a)].set(static_cast<std::size_t>(b));
        }
    for (int c : cells_)
        if (digit(c) == 0) candidates_[static_cast<std::size_t>(c)] = kAllCandidates;
    for (int c : cells_)
        if (digit(c) != 0)
            for (int p : cells_)
                if (sees(c, p)) candidates_[static_cast<std::size_t>(p)] &= static_cast<Candidates>(~Bit(digit(c)));
}

bool LogicState::solved() const {
    for (int c : cells_)
        if (digit(c) == 0) return false;
    return true;
}

void LogicState::place(int c, int d) {
    board_.digits[static_cast<std::size_t>(c)] = static_cast<uint8_t>(d);
    candidates_[static_cast<std::size_t>(c)] = 0;
    for (int p : cells_)
        if (sees(c, p)) removeCandidate(p, d);
}

void LogicState::removeCandidate(int c, int d) {
    candidates_[static_cast<std::size_t>(c)] &= static_cast<Candidates>(~Bit(d));
}

void LogicState::apply(const Step& step) {
    for (const CellDigit& p : step.place) place(p.cell, p.digit);
    for (const CellDigit& r : step.remove) removeCandidate(r.cell, r.digit);
}

}  // namespace puzzle
