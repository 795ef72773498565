#include "puzzle/Propagation.h"

#include <bit>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <vector>

namespace puzzle::search {

// Where a unit meets another in two or more cells: the meeting cells as bits of the unit, the
// other unit, and the other unit's cells outside the meeting as bits of that unit.
struct Meeting {
    uint16_t mask;
    uint8_t other;
    uint16_t rest;
};

struct Membership {
    uint8_t unit;
    uint8_t position;  // 0..8 in the unit
};

struct PropagationTables {
    int unitCount = 0;
    std::array<std::array<uint8_t, 9>, Propagation::kMaxUnits> cells{};
    std::array<std::vector<Meeting>, Propagation::kMaxUnits> meetings;
    // Per unit and position: the unit's meetings (bit i: meetings[u][i]) that hold that cell.
    std::array<std::array<uint32_t, 9>, Propagation::kMaxUnits> meetingsAt{};
    std::array<std::array<Membership, 10>, kBoardCells + 1> memberships{};
    std::array<uint8_t, kBoardCells + 1> membershipCount{};
    const Topology* topology = nullptr;
    std::array<const Unit*, Propagation::kMaxUnits> units{};
};

namespace {

std::unique_ptr<PropagationTables> Build(int pattern, bool diagonal) {
    auto t = std::make_unique<PropagationTables>();
    const Topology& topology = TopologyOf(pattern, diagonal);
    t->topology = &topology;
    std::vector<std::size_t> distinct;  // indexes into topology.units
    for (std::size_t u = 0; u < topology.units.size(); ++u) {
        bool again = false;
        for (std::size_t v : distinct) again = again || topology.unitCells[v] == topology.unitCells[u];
        if (!again) distinct.push_back(u);
    }
    t->unitCount = static_cast<int>(distinct.size());
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        const Unit& unit = topology.units[distinct[i]];
        t->units[i] = &unit;
        for (std::size_t k = 0; k < 9; ++k) {
            const int c = unit.cells[k];
            t->cells[i][k] = static_cast<uint8_t>(c);
            auto& n = t->membershipCount[static_cast<std::size_t>(c)];
            t->memberships[static_cast<std::size_t>(c)][n++] = {static_cast<uint8_t>(i), static_cast<uint8_t>(k)};
        }
    }
    for (std::size_t i = 0; i < distinct.size(); ++i)
        for (std::size_t j = 0; j < distinct.size(); ++j) {
            const CellSet& a = topology.unitCells[distinct[i]];
            const CellSet& b = topology.unitCells[distinct[j]];
            if (i == j || (a & b).count() < 2) continue;
            Meeting m{0, static_cast<uint8_t>(j), 0};
            for (std::size_t k = 0; k < 9; ++k) {
                if (b[t->cells[i][k]]) m.mask = static_cast<uint16_t>(m.mask | 1u << k);
                if (!a[t->cells[j][k]]) m.rest = static_cast<uint16_t>(m.rest | 1u << k);
            }
            t->meetings[i].push_back(m);
        }
    for (std::size_t i = 0; i < distinct.size(); ++i) {
        if (t->meetings[i].size() > 32) throw std::logic_error("a unit meets more than 32 others");
        for (std::size_t k = 0; k < t->meetings[i].size(); ++k)
            for (std::size_t position = 0; position < 9; ++position)
                if (t->meetings[i][k].mask & (1u << position)) t->meetingsAt[i][position] |= uint32_t{1} << k;
    }
    return t;
}

const PropagationTables& TablesOf(int pattern, bool diagonal) {
    static std::array<std::once_flag, 2 * kPatternCount> once;
    static std::array<std::unique_ptr<PropagationTables>, 2 * kPatternCount> built;
    auto i = static_cast<std::size_t>((pattern - 1) * 2 + (diagonal ? 1 : 0));
    std::call_once(once[i], [&] { built[i] = Build(pattern, diagonal); });
    return *built[i];
}

int Lowest(unsigned m) { return std::countr_zero(m); }

// At most one bit set. Cheaper than std::popcount, which the portable build makes a library
// call: the propagation asks this for every candidate it takes away.
bool AtMostOne(unsigned m) { return (m & (m - 1)) == 0; }

}  // namespace

Propagation::Propagation(const LogicState& s) : tables_(&TablesOf(s.board().pattern, s.board().diagonal)) {
    for (int c : s.cells()) {
        const auto i = static_cast<std::size_t>(c);
        candidates_[i] = s.candidates(c);
        value_[i] = static_cast<uint8_t>(s.digit(c));
        for (int k = 0; k < tables_->membershipCount[i]; ++k) {
            const Membership m = tables_->memberships[i][static_cast<std::size_t>(k)];
            if (value_[i] != 0) placed_[m.unit] = static_cast<uint16_t>(placed_[m.unit] | Bit(value_[i]));
            for (int d = 1; d <= 9; ++d)
                if (candidates_[i] & Bit(d)) places_[m.unit][static_cast<std::size_t>(d)] |= static_cast<uint16_t>(1u << m.position);
        }
    }
}

int Propagation::unitCount() const { return tables_->unitCount; }
const Unit& Propagation::unit(int u) const { return *tables_->units[static_cast<std::size_t>(u)]; }

bool Propagation::assume(int c, int d) {
    Work w;
    place(w, c, d);
    return run(w);
}

bool Propagation::exclude(int c, int d) {
    Work w;
    if (has(c, d)) remove(w, c, d);
    return run(w);
}

bool Propagation::run(Work& w) {
    while (!contradiction_) {
        singles(w);
        if (contradiction_ || !locked(w)) break;
    }
    return !contradiction_;
}

void Propagation::place(Work& w, int c, int d) {
    const auto i = static_cast<std::size_t>(c);
    if (value_[i] != 0 || !(candidates_[i] & Bit(d))) {
        contradiction_ = contradiction_ || value_[i] != d;
        return;
    }
    const Candidates others = static_cast<Candidates>(candidates_[i] & ~Bit(d));
    value_[i] = static_cast<uint8_t>(d);
    candidates_[i] = 0;
    for (int k = 0; k < tables_->membershipCount[i]; ++k) {
        const Membership m = tables_->memberships[i][static_cast<std::size_t>(k)];
        if (placed_[m.unit] & Bit(d)) contradiction_ = true;
        placed_[m.unit] = static_cast<uint16_t>(placed_[m.unit] | Bit(d));
        for (unsigned rest = others; rest != 0; rest &= rest - 1) lost(w, m.unit, m.position, Lowest(rest));
    }
    for (int p : tables_->topology->peerList[i])
        if (candidates_[static_cast<std::size_t>(p)] & Bit(d)) remove(w, p, d);
}

void Propagation::remove(Work& w, int c, int d) {
    const auto i = static_cast<std::size_t>(c);
    candidates_[i] = static_cast<Candidates>(candidates_[i] & ~Bit(d));
    const int left = CountOf(candidates_[i]);
    if (left == 0) contradiction_ = true;
    if (left == 1) w.naked[static_cast<std::size_t>(w.nakedCount++)] = static_cast<uint8_t>(c);
    for (int k = 0; k < tables_->membershipCount[i]; ++k) {
        const Membership m = tables_->memberships[i][static_cast<std::size_t>(k)];
        lost(w, m.unit, m.position, d);
    }
}

// Digit d lost the place at `position` of unit u: it may now be a hidden single there, or have
// no place left, or lie locked in a meeting with another unit.
void Propagation::lost(Work& w, int u, int position, int d) {
    const auto ui = static_cast<std::size_t>(u);
    auto& places = places_[ui][static_cast<std::size_t>(d)];
    places = static_cast<uint16_t>(places & ~(1u << position));
    if (placed_[ui] & Bit(d)) return;
    if (AtMostOne(places)) w.hidden[static_cast<std::size_t>(w.hiddenCount++)] = static_cast<uint16_t>(u * 10 + d);
    if (!(dirty_[ui] & Bit(d))) {
        dirty_[ui] = static_cast<uint16_t>(dirty_[ui] | Bit(d));
        w.dirty[static_cast<std::size_t>(w.dirtyCount++)] = static_cast<uint16_t>(u * 10 + d);
    }
}

void Propagation::singles(Work& w) {
    while (!contradiction_ && (w.nakedCount > 0 || w.hiddenCount > 0)) {
        if (w.nakedCount > 0) {
            const int c = w.naked[static_cast<std::size_t>(--w.nakedCount)];
            const Candidates m = candidates_[static_cast<std::size_t>(c)];
            if (value_[static_cast<std::size_t>(c)] == 0 && CountOf(m) == 1) place(w, c, Lowest(m));
            continue;
        }
        const int code = w.hidden[static_cast<std::size_t>(--w.hiddenCount)];
        const auto u = static_cast<std::size_t>(code / 10);
        const int d = code % 10;
        if (placed_[u] & Bit(d)) continue;
        const unsigned places = places_[u][static_cast<std::size_t>(d)];
        if (places == 0) {
            contradiction_ = true;
        } else if (AtMostOne(places)) {
            place(w, tables_->cells[u][static_cast<std::size_t>(Lowest(places))], d);
        }
    }
}

// Locked candidates in the dirty pairs; true when a candidate went.
bool Propagation::locked(Work& w) {
    std::array<uint16_t, kMaxUnits * 9> pairs;
    const int count = w.dirtyCount;
    std::copy(w.dirty.begin(), w.dirty.begin() + count, pairs.begin());
    w.dirtyCount = 0;
    bool any = false;
    for (int k = 0; k < count && !contradiction_; ++k) {
        const auto u = static_cast<std::size_t>(pairs[static_cast<std::size_t>(k)] / 10);
        const int d = pairs[static_cast<std::size_t>(k)] % 10;
        dirty_[u] = static_cast<uint16_t>(dirty_[u] & ~Bit(d));
        const unsigned places = places_[u][static_cast<std::size_t>(d)];
        if ((placed_[u] & Bit(d)) || AtMostOne(places)) continue;
        // Only the meetings that hold the digit's first place can hold all of them.
        for (uint32_t at = tables_->meetingsAt[u][static_cast<std::size_t>(Lowest(places))]; at != 0; at &= at - 1) {
            const Meeting& m = tables_->meetings[u][static_cast<std::size_t>(std::countr_zero(at))];
            if (places & ~static_cast<unsigned>(m.mask)) continue;
            // The other unit's places of d outside the meeting, in its order; most locks were
            // found before and have none left.
            for (unsigned rest = places_[m.other][static_cast<std::size_t>(d)] & m.rest; rest != 0; rest &= rest - 1) {
                remove(w, tables_->cells[m.other][static_cast<std::size_t>(Lowest(rest))], d);
                any = true;
            }
        }
    }
    return any;
}

}  // namespace puzzle::search
