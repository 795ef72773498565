// Each technique's search and wording as its row of the technique table (TechniqueTable.h)
// names them, and the small helpers the searches share. Private to src/puzzle.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "puzzle/LogicState.h"

namespace puzzle::search {

class Assumptions;  // ForcingSearch.h
class AlsSets;      // Als.cpp
class Rectangles;   // Uniqueness.cpp

// What several techniques read from one board, each worked out on first use, so that the
// techniques tried on one board share it: the branches the forcing chains follow, the almost
// locked sets with their restricted common digits, and the rectangles that may be unique
// rectangles.
class BoardContext {
public:
    explicit BoardContext(const LogicState& s);
    ~BoardContext();
    BoardContext(const BoardContext&) = delete;
    BoardContext& operator=(const BoardContext&) = delete;

    Assumptions& followed();
    const AlsSets& alsSets();
    const Rectangles& rectangles();

private:
    const LogicState& state_;
    std::unique_ptr<Assumptions> followed_;
    std::shared_ptr<const AlsSets> als_;
    std::shared_ptr<const Rectangles> rectangles_;
};

// A technique's search of the whole board: its first step, or nothing.
using BoardSearch = std::optional<Step> (*)(const LogicState& s, BoardContext& context);
// A search of digit d alone: what it finds depends on d's places and nothing else, so the step
// finder tries the digits in turn and skips one whose places it knows to give nothing.
using DigitSearch = std::optional<Step> (*)(const LogicState& s, int d);
// A step in at most three sentences; its cells are named through grid where they can be.
using Wording = std::string (*)(const Step& step, int pattern, int grid);

// Singles.cpp
std::optional<Step> LastCell(const LogicState& s, BoardContext&);
std::optional<Step> NakedSingle(const LogicState& s, BoardContext&);
std::optional<Step> HiddenSingle(const LogicState& s, BoardContext&);
std::string LastCellWording(const Step& step, int pattern, int grid);
std::string NakedSingleWording(const Step& step, int pattern, int grid);
std::string HiddenSingleWording(const Step& step, int pattern, int grid);

// LockedCandidates.cpp
std::optional<Step> Pointing(const LogicState& s, BoardContext&);
std::optional<Step> Claiming(const LogicState& s, BoardContext&);
std::string LockedCandidatesWording(const Step& step, int pattern, int grid);

// Subsets.cpp
std::optional<Step> NakedPair(const LogicState& s, BoardContext&);
std::optional<Step> NakedTriple(const LogicState& s, BoardContext&);
std::optional<Step> NakedQuad(const LogicState& s, BoardContext&);
std::optional<Step> HiddenPair(const LogicState& s, BoardContext&);
std::optional<Step> HiddenTriple(const LogicState& s, BoardContext&);
std::optional<Step> HiddenQuad(const LogicState& s, BoardContext&);
std::string NakedSubsetWording(const Step& step, int pattern, int grid);
std::string HiddenSubsetWording(const Step& step, int pattern, int grid);

// Fish.cpp: basic fish within one grid.
std::optional<Step> XWing(const LogicState& s, int d);
std::optional<Step> Swordfish(const LogicState& s, int d);
std::optional<Step> Jellyfish(const LogicState& s, int d);
std::string FishWording(const Step& step, int pattern, int grid);

// FinnedFish.cpp
std::optional<Step> FinnedXWing(const LogicState& s, int d);
std::optional<Step> SashimiXWing(const LogicState& s, int d);
std::optional<Step> FinnedSwordfish(const LogicState& s, int d);
std::optional<Step> SashimiSwordfish(const LogicState& s, int d);
std::optional<Step> FinnedJellyfish(const LogicState& s, int d);
std::optional<Step> SashimiJellyfish(const LogicState& s, int d);
std::string FinnedFishWording(const Step& step, int pattern, int grid);

// SingleDigitPatterns.cpp (the skyscraper and the kite are worded as chains)
std::optional<Step> Skyscraper(const LogicState& s, int d);
std::optional<Step> TwoStringKite(const LogicState& s, int d);
std::optional<Step> EmptyRectangle(const LogicState& s, int d);
std::string EmptyRectangleWording(const Step& step, int pattern, int grid);

// Wings.cpp (the W-wing is worded as a chain)
std::optional<Step> XYWing(const LogicState& s, BoardContext&);
std::optional<Step> XYZWing(const LogicState& s, BoardContext&);
std::optional<Step> WWing(const LogicState& s, BoardContext&);
std::string XYWingWording(const Step& step, int pattern, int grid);
std::string XYZWingWording(const Step& step, int pattern, int grid);

// Uniqueness.cpp
std::shared_ptr<const Rectangles> FindRectangles(const LogicState& s);
std::optional<Step> UniqueRectangle1(const LogicState& s, BoardContext& context);
std::optional<Step> UniqueRectangle2(const LogicState& s, BoardContext& context);
std::optional<Step> UniqueRectangle3(const LogicState& s, BoardContext& context);
std::optional<Step> UniqueRectangle4(const LogicState& s, BoardContext& context);
std::optional<Step> BugPlusOne(const LogicState& s, BoardContext&);
std::string UniqueRectangle1Wording(const Step& step, int pattern, int grid);
std::string UniqueRectangle2Wording(const Step& step, int pattern, int grid);
std::string UniqueRectangle3Wording(const Step& step, int pattern, int grid);
std::string UniqueRectangle4Wording(const Step& step, int pattern, int grid);
std::string BugPlusOneWording(const Step& step, int pattern, int grid);

// Chains.cpp
std::optional<Step> XChain(const LogicState& s, int d);
std::optional<Step> XYChain(const LogicState& s, BoardContext&);
std::optional<Step> AlternatingChain(const LogicState& s, BoardContext&);
// A chain as its list of links and what its two ends allow; the skyscraper, the kite and the
// W-wing are worded so too.
std::string ChainWording(const Step& step, int pattern, int grid);

// Als.cpp
std::shared_ptr<const AlsSets> FindAlsSets(const LogicState& s);
std::optional<Step> AlsXZ(const LogicState& s, BoardContext& context);
std::optional<Step> AlsXYWing(const LogicState& s, BoardContext& context);
std::string AlsXZWording(const Step& step, int pattern, int grid);
std::string AlsXYWingWording(const Step& step, int pattern, int grid);

// ForcingChains.cpp, NestedForcing.cpp
std::optional<Step> CellForcingChain(const LogicState& s, BoardContext& context);
std::optional<Step> UnitForcingChain(const LogicState& s, BoardContext& context);
std::optional<Step> NestedForcingChain(const LogicState& s, BoardContext& context);
std::string ForcingChainWording(const Step& step, int pattern, int grid);
std::string NestedForcingChainWording(const Step& step, int pattern, int grid);

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
