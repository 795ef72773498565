// The searches behind the step finder, one per technique family, and the small helpers
// they share. Private to src/puzzle.
#pragma once

#include <memory>
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
// The single-digit techniques search digit d alone: what they find depends on d's places and
// nothing else, so the step finder can skip a digit whose places have not changed.
// Basic fish of n lines (2 X-wing, 3 swordfish, 4 jellyfish).
std::optional<Step> Fish(const LogicState& s, int n, int d);
// Finned fish of n lines; sashimi when a base line keeps fewer than two places in the covers.
std::optional<Step> FinnedFish(const LogicState& s, int n, bool sashimi, int d);
std::optional<Step> Skyscraper(const LogicState& s, int d);
std::optional<Step> TwoStringKite(const LogicState& s, int d);
std::optional<Step> EmptyRectangle(const LogicState& s, int d);
std::optional<Step> XYWing(const LogicState& s);
std::optional<Step> XYZWing(const LogicState& s);
std::optional<Step> WWing(const LogicState& s);
std::optional<Step> XChain(const LogicState& s, int d);
std::optional<Step> XYChain(const LogicState& s);
std::optional<Step> AlternatingChain(const LogicState& s);
// Unique rectangle of type 1..4, among the board's rectangles that may be one: worked out
// once per board for the four types.
class Rectangles;
std::shared_ptr<const Rectangles> FindRectangles(const LogicState& s);
std::optional<Step> UniqueRectangle(const LogicState& s, int type, const Rectangles& rectangles);
std::optional<Step> BugPlusOne(const LogicState& s);
// The almost locked sets of a board and the pairs of them with a restricted common digit:
// worked out once per board for both ALS techniques.
class AlsSets;
std::shared_ptr<const AlsSets> FindAlsSets(const LogicState& s);
std::optional<Step> AlsXZ(const LogicState& s, const AlsSets& sets);
std::optional<Step> AlsXYWing(const LogicState& s, const AlsSets& sets);
// The forcing chains share the branches they follow from the board (ForcingSearch.h).
class Assumptions;
std::optional<Step> CellForcingChain(const LogicState& s, Assumptions& followed);
std::optional<Step> UnitForcingChain(const LogicState& s, Assumptions& followed);
std::optional<Step> NestedForcingChain(const LogicState& s, Assumptions& followed);

// A step of technique t with nothing decided yet.
inline Step StepOf(Technique t) {
    Step step;
    step.technique = t;
    return step;
}

// Digits placed in a unit.
Candidates PlacedIn(const LogicState& s, const Unit& u);
// Cells of a unit that may still take digit d.
std::vector<int> PlacesOf(const LogicState& s, const Unit& u, int d);
bool Contains(const Unit& u, int c);
bool SameCells(const Unit& a, const Unit& b);
// True when cell c sees every one of the cells (and is none of them).
bool SeesAll(const LogicState& s, int c, const std::vector<int>& cells);
// Removals of digit d from every cell that may take it and sees all the given cells.
std::vector<CellDigit> RemovalsSeeingAll(const LogicState& s, int d, const std::vector<int>& cells);
// Sorts the removals and drops repeats.
void Normalise(std::vector<CellDigit>& removals);

// A conjugate pair: the only two places of a digit in a unit.
struct StrongLink {
    int a, b;
    int unit;  // index into s.units()
};
// Every conjugate pair of digit d, each pair of cells once (a shared box or a line two grids
// share is one unit for this).
std::vector<StrongLink> StrongLinksOf(const LogicState& s, int d);

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
