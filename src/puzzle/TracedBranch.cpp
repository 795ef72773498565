#include "puzzle/TracedBranch.h"

#include <algorithm>

#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

TracedBranch::TracedBranch(const LogicState& start, CellDigit assumed)
    : state_(start), startState_(&start), dirtyMark_(state_.units().size(), 0) {
    for (auto& row : remover_) row.fill(-1);
    place(assumed.cell, assumed.digit, -1);
    run();
}

// The outer branch ran to its end, so nothing waits and no pair is dirty.
TracedBranch::TracedBranch(const TracedBranch& outer, CellDigit assumed) : TracedBranch(outer) {
    firstOwn_ = static_cast<int>(placements_.size());
    place(assumed.cell, assumed.digit, -1);
    run();
}

void TracedBranch::exclude(CellDigit x, int dependsOn) {
    if (contradiction_ || !state_.has(x.cell, x.digit)) return;
    const int index = static_cast<int>(placements_.size());
    placements_.push_back(x);
    parent_.push_back(dependsOn);
    excluded_.push_back(true);
    remover_[static_cast<std::size_t>(x.cell)][static_cast<std::size_t>(x.digit)] = index;
    state_.removeCandidate(x.cell, x.digit);
    removed(x.cell, x.digit);
    run();
}

int TracedBranch::decider(int c, int d) const {
    if (placed(c) != 0)
        for (std::size_t i = 0; i < placements_.size(); ++i)
            if (placements_[i].cell == c && !excluded_[i]) return static_cast<int>(i);
    return remover_[static_cast<std::size_t>(c)][static_cast<std::size_t>(d)];
}

std::vector<int> TracedBranch::chainTo(int i) const {
    std::vector<int> chain;
    for (; i >= 0; i = parent_[static_cast<std::size_t>(i)]) chain.push_back(i);
    std::reverse(chain.begin(), chain.end());
    return chain;
}

std::vector<CellDigit> TracedBranch::linksTo(int i) const {
    std::vector<CellDigit> links;
    for (int k : chainTo(i)) links.push_back(placements_[static_cast<std::size_t>(k)]);
    return links;
}

void TracedBranch::place(int c, int d, int parent) {
    if (state_.digit(c) != 0) {
        contradiction_ = contradiction_ || state_.digit(c) != d;
        return;
    }
    if (!state_.has(c, d)) {
        contradiction_ = true;
        return;
    }
    const int index = static_cast<int>(placements_.size());
    placements_.push_back({c, d});
    parent_.push_back(parent);
    excluded_.push_back(false);
    for (int e : DigitRange(state_.candidates(c)))
        if (e != d) {
            remover_[static_cast<std::size_t>(c)][static_cast<std::size_t>(e)] = index;
            for (int u : state_.unitsOf(c)) lostPlace(u, e);
        }
    std::vector<int> touched;
    for (int p : state_.peerList(c))
        if (state_.has(p, d)) {
            remover_[static_cast<std::size_t>(p)][static_cast<std::size_t>(d)] = index;
            touched.push_back(p);
        }
    state_.place(c, d);
    for (int p : touched) removed(p, d);
}

// The latest placement among those that removed candidates (or digit d) from the cells.
template <class Cells>
int TracedBranch::latestRemover(const Cells& cells, int d, int except) const {
    int latest = -1;
    for (int c : cells) {
        if (c == except || state_.digit(c) != 0) continue;
        if (d != 0) {
            latest = std::max(latest, remover_[static_cast<std::size_t>(c)][static_cast<std::size_t>(d)]);
        } else {
            for (int e = 1; e <= 9; ++e) latest = std::max(latest, remover_[static_cast<std::size_t>(c)][static_cast<std::size_t>(e)]);
        }
    }
    return latest;
}

// Locked candidates: a digit whose places in one unit all lie in another leaves the rest of
// that other unit. The removals are credited to the latest placement that shaped the unit.
// Only units where a digit lost a place since the last pass can lock it anew, as in
// Propagation.
bool TracedBranch::locked() {
    bool any = false;
    const auto& units = state_.units();
    std::vector<std::pair<int, int>> dirty;
    dirty.swap(dirty_);
    for (auto [u, d] : dirty) {
        const auto a = static_cast<std::size_t>(u);
        dirtyMark_[a] = static_cast<uint16_t>(dirtyMark_[a] & ~Bit(d));
        if (contradiction_ || (PlacedIn(state_, units[a]) & Bit(d))) continue;
        unsigned places = 0;
        for (std::size_t i = 0; i < 9; ++i)
            if (state_.has(units[a].cells[i], d)) places |= 1u << i;
        if (CountOf(static_cast<Candidates>(places)) < 2) continue;
        for (const UnitOverlap& o : state_.overlaps(a)) {
            if (places & ~o.mask) continue;
            const int cause = latestRemover(units[a].cells, d, 0);
            for (int c : units[static_cast<std::size_t>(o.other)].cells) {
                if (state_.unitCells(a)[c] || !state_.has(c, d)) continue;
                remover_[static_cast<std::size_t>(c)][static_cast<std::size_t>(d)] = cause;
                state_.removeCandidate(c, d);
                removed(c, d);
                any = true;
            }
        }
    }
    return any;
}

// A candidate gone: its cell may be a single now, its units may have one place left.
void TracedBranch::removed(int p, int d) {
    if (CountOf(state_.candidates(p)) == 0) contradiction_ = true;
    if (CountOf(state_.candidates(p)) == 1) pending_.push_back(p);
    for (int u : state_.unitsOf(p)) lostPlace(u, d);
}

// Digit d lost a place in unit u: a hidden single or locked candidates may follow.
void TracedBranch::lostPlace(int u, int d) {
    pendingUnits_.push_back({u, d});
    auto& mark = dirtyMark_[static_cast<std::size_t>(u)];
    if (!(mark & Bit(d))) {
        mark = static_cast<uint16_t>(mark | Bit(d));
        dirty_.push_back({u, d});
    }
}

void TracedBranch::run() {
    do singles();
    while (!contradiction_ && locked());
}

void TracedBranch::singles() {
    while (!contradiction_ && (!pending_.empty() || !pendingUnits_.empty())) {
        if (!pending_.empty()) {
            int c = pending_.back();
            pending_.pop_back();
            if (state_.digit(c) != 0 || CountOf(state_.candidates(c)) != 1) continue;
            place(c, DigitsOf(state_.candidates(c)).front(), latestRemover(std::array<int, 1>{c}, 0, 0));
            continue;
        }
        auto [u, d] = pendingUnits_.back();
        pendingUnits_.pop_back();
        const Unit& unit = state_.units()[static_cast<std::size_t>(u)];
        if (PlacedIn(state_, unit) & Bit(d)) continue;
        int only = 0, count = 0;
        for (int c : unit.cells)
            if (state_.has(c, d)) only = c, ++count;
        if (count == 0) {
            contradiction_ = true;
        } else if (count == 1) {
            place(only, d, latestRemover(unit.cells, d, only));
        }
    }
}

}  // namespace puzzle::search
