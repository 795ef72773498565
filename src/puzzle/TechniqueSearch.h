// The searches behind the step finder, one per technique family, and the small helpers
// they share. Private to src/puzzle.
#pragma once

#include <optional>

#include "puzzle/LogicState.h"

namespace puzzle::search {

std::optional<Step> LastCell(const LogicState& s);
std::optional<Step> NakedSingle(const LogicState& s);
std::optional<Step> HiddenSingle(const LogicState& s);
// Pointing when the source unit is a box, claiming when it is a line.
std::optional<Step> LockedCandidates(const LogicState& s, bool pointing);
std::optional<Step> NakedSubset(const LogicState& s, int size);
std::optional<Step> HiddenSubset(const LogicState& s, int size);
std::optional<Step> Fish(const LogicState& s, int size);
std::optional<Step> XYWing(const LogicState& s);
std::optional<Step> XYZWing(const LogicState& s);

// Digits placed in a unit.
Candidates PlacedIn(const LogicState& s, const Unit& u);
// Cells of a unit that may still take digit d.
std::vector<int> PlacesOf(const LogicState& s, const Unit& u, int d);
bool Contains(const Unit& u, int c);
bool SameCells(const Unit& a, const Unit& b);
// Sorts the removals and drops repeats.
void Normalise(std::vector<CellDigit>& removals);
// Calls f with every combination of k indexes out of 0..n-1, in lexicographic order, until f
// returns true; returns whether it did.
template <class F>
bool Combinations(int n, int k, F f) {
    std::vector<int> idx(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i) idx[static_cast<std::size_t>(i)] = i;
    if (k > n || k <= 0) return false;
    while (true) {
        if (f(idx)) return true;
        int i = k - 1;
        while (i >= 0 && idx[static_cast<std::size_t>(i)] == n - k + i) --i;
        if (i < 0) return false;
        ++idx[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j) idx[static_cast<std::size_t>(j)] = idx[static_cast<std::size_t>(j - 1)] + 1;
    }
}

}  // namespace puzzle::search
