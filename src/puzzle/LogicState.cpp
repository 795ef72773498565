#include "puzzle/LogicState.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <mutex>

namespace puzzle {


std::vector<int> DigitsOf(Candidates m) {
    std::vector<int> digits;
    for (int d = 1; d <= 9; ++d)
        if (m & Bit(d)) digits.push_back(d);
    return digits;
}

namespace {

std::size_t LookupIndex(int g, UnitKind kind, int index) {
    return static_cast<std::size_t>(((g - 1) * 5 + static_cast<int>(kind)) * 10 + index);
}

std::unique_ptr<Topology> Build(int pattern, bool diagonal) {
    auto t = std::make_unique<Topology>();
    t->units = Units(pattern, diagonal);
    t->cells = CoveredCells(pattern);
    t->unitCells.resize(t->units.size());
    t->unitsOf.resize(kBoardCells + 1);
    t->peers.resize(kBoardCells + 1);
    t->peerList.resize(kBoardCells + 1);
    t->lookup.fill(-1);
    for (std::size_t u = 0; u < t->units.size(); ++u) {
        const Unit& unit = t->units[u];
        t->lookup[LookupIndex(unit.grid, unit.kind, unit.index)] = static_cast<int>(u);
        for (int a : unit.cells) {
            t->unitCells[u].set(a);
            t->unitsOf[static_cast<std::size_t>(a)].push_back(static_cast<int>(u));
            for (int b : unit.cells)
                if (a != b) t->peers[static_cast<std::size_t>(a)].set(b);
        }
    }
    for (int a : t->cells)
        for (int b : t->cells)
            if (t->peers[static_cast<std::size_t>(a)][b]) t->peerList[static_cast<std::size_t>(a)].push_back(b);
    t->overlaps.resize(t->units.size());
    for (std::size_t a = 0; a < t->units.size(); ++a)
        for (std::size_t b = 0; b < t->units.size(); ++b) {
            if (t->unitCells[a] == t->unitCells[b]) continue;
            uint16_t mask = 0;
            for (std::size_t i = 0; i < 9; ++i)
                if (t->unitCells[b][t->units[a].cells[i]]) mask = static_cast<uint16_t>(mask | 1u << i);
            if (std::popcount(static_cast<unsigned>(mask)) >= 2) t->overlaps[a].push_back({static_cast<int>(b), mask});
        }
    for (std::size_t b = 0; b < t->units.size(); ++b) {
        if (t->units[b].kind != UnitKind::Box) continue;
        for (const UnitOverlap& o : t->overlaps[b]) {
            const UnitKind kind = t->units[static_cast<std::size_t>(o.other)].kind;
            if ((kind != UnitKind::Row && kind != UnitKind::Column) || std::popcount(static_cast<unsigned>(o.mask)) != 3) continue;
            const CellSet meet = t->unitCells[b] & t->unitCells[static_cast<std::size_t>(o.other)];
            if (std::find(t->boxLineMeets.begin(), t->boxLineMeets.end(), meet) == t->boxLineMeets.end())
                t->boxLineMeets.push_back(meet);
        }
    }
    return t;
}

}  // namespace

const Topology& TopologyOf(int pattern, bool diagonal) {
    static std::array<std::once_flag, 2 * kPatternCount> once;
    static std::array<std::unique_ptr<Topology>, 2 * kPatternCount> built;
    Pattern(pattern);  // throws for a number outside the table
    auto i = static_cast<std::size_t>((pattern - 1) * 2 + (diagonal ? 1 : 0));
    std::call_once(once[i], [&] { built[i] = Build(pattern, diagonal); });
    return *built[i];
}

LogicState::LogicState(const DoubleBoard& board) : topology_(&TopologyOf(board.pattern, board.diagonal)), board_(board) {
    for (int c : cells())
        if (digit(c) == 0) {
            candidates_[static_cast<std::size_t>(c)] = kAllCandidates;
            for (int d = 1; d <= 9; ++d) places_[static_cast<std::size_t>(d)].set(c);
        }
    for (int c : cells())
        if (digit(c) != 0)
            for (int p : topology_->peerList[static_cast<std::size_t>(c)]) removeCandidate(p, digit(c));
}

const Unit* LogicState::unit(int g, UnitKind kind, int index) const {
    if (g < 1 || g > 2 || index < 1 || index > 9) return nullptr;
    int u = topology_->lookup[LookupIndex(g, kind, index)];
    return u < 0 ? nullptr : &topology_->units[static_cast<std::size_t>(u)];
}

bool LogicState::solved() const {
    for (int c : cells())
        if (digit(c) == 0) return false;
    return true;
}

void LogicState::place(int c, int d) {
    board_.digits[static_cast<std::size_t>(c)] = static_cast<uint8_t>(d);
    candidates_[static_cast<std::size_t>(c)] = 0;
    for (CellSet& places : places_) places.reset(c);
    for (int p : topology_->peerList[static_cast<std::size_t>(c)]) removeCandidate(p, d);
}

void LogicState::removeCandidate(int c, int d) {
    candidates_[static_cast<std::size_t>(c)] &= static_cast<Candidates>(~Bit(d));
    places_[static_cast<std::size_t>(d)].reset(c);
}

void LogicState::apply(const Step& step) {
    for (const CellDigit& p : step.place) place(p.cell, p.digit);
    for (const CellDigit& r : step.remove) removeCandidate(r.cell, r.digit);
}

}  // namespace puzzle
