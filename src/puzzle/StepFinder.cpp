#include "puzzle/StepFinder.h"

#include <algorithm>

#include "puzzle/ForcingSearch.h"

namespace puzzle {

namespace search {

Candidates PlacedIn(const LogicState& s, const Unit& u) {
    Candidates m = 0;
    for (int c : u.cells)
        if (s.digit(c) != 0) m |= Bit(s.digit(c));
    return m;
}

std::vector<int> PlacesOf(const LogicState& s, const Unit& u, int d) {
    std::vector<int> places;
    for (int c : u.cells)
        if (s.has(c, d)) places.push_back(c);
    return places;
}

bool Contains(const Unit& u, int c) { return std::find(u.cells.begin(), u.cells.end(), c) != u.cells.end(); }

bool SameCells(const Unit& a, const Unit& b) {
    auto x = a.cells, y = b.cells;
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return x == y;
}

bool SeesAll(const LogicState& s, int c, const std::vector<int>& cells) {
    for (int x : cells)
        if (x == c || !s.sees(c, x)) return false;
    return true;
}

std::vector<CellDigit> RemovalsSeeingAll(const LogicState& s, int d, const std::vector<int>& cells) {
    std::vector<CellDigit> removals;
    for (int c : s.cells())
        if (s.has(c, d) && SeesAll(s, c, cells)) removals.push_back({c, d});
    return removals;
}

void Normalise(std::vector<CellDigit>& removals) {
    std::sort(removals.begin(), removals.end(),
              [](const CellDigit& a, const CellDigit& b) { return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit; });
    removals.erase(std::unique(removals.begin(), removals.end()), removals.end());
}

std::vector<StrongLink> StrongLinksOf(const LogicState& s, int d) {
    std::vector<StrongLink> links;
    for (std::size_t u = 0; u < s.units().size(); ++u) {
        int a = 0, b = 0, n = 0;
        for (int c : s.units()[u].cells)
            if (s.has(c, d)) (++n == 1 ? a : b) = c;
        if (n != 2 || (PlacedIn(s, s.units()[u]) & Bit(d))) continue;
        bool known = std::any_of(links.begin(), links.end(), [&](const StrongLink& l) { return l.a == a && l.b == b; });
        if (!known) links.push_back({a, b, static_cast<int>(u)});
    }
    return links;
}

}  // namespace search

namespace {

// One technique's search; the forcing chains follow their branches in `followed`, made on first
// use, so that the techniques tried on one board share them.
std::optional<Step> Find(const LogicState& s, Technique t, std::optional<search::Assumptions>& followed) {
    if (t >= Technique::CellForcingChain && !followed) followed.emplace(s);
    switch (t) {
        case Technique::LastCell: return search::LastCell(s);
        case Technique::NakedSingle: return search::NakedSingle(s);
        case Technique::HiddenSingle: return search::HiddenSingle(s);
        case Technique::Pointing: return search::LockedCandidates(s, true);
        case Technique::Claiming: return search::LockedCandidates(s, false);
        case Technique::NakedPair: return search::NakedSubset(s, 2);
        case Technique::HiddenPair: return search::HiddenSubset(s, 2);
        case Technique::NakedTriple: return search::NakedSubset(s, 3);
        case Technique::HiddenTriple: return search::HiddenSubset(s, 3);
        case Technique::NakedQuad: return search::NakedSubset(s, 4);
        case Technique::HiddenQuad: return search::HiddenSubset(s, 4);
        case Technique::XWing: return search::Fish(s, 2);
        case Technique::Swordfish: return search::Fish(s, 3);
        case Technique::Jellyfish: return search::Fish(s, 4);
        case Technique::FinnedXWing: return search::FinnedFish(s, 2, false);
        case Technique::SashimiXWing: return search::FinnedFish(s, 2, true);
        case Technique::FinnedSwordfish: return search::FinnedFish(s, 3, false);
        case Technique::SashimiSwordfish: return search::FinnedFish(s, 3, true);
        case Technique::FinnedJellyfish: return search::FinnedFish(s, 4, false);
        case Technique::SashimiJellyfish: return search::FinnedFish(s, 4, true);
        case Technique::Skyscraper: return search::Skyscraper(s);
        case Technique::TwoStringKite: return search::TwoStringKite(s);
        case Technique::EmptyRectangle: return search::EmptyRectangle(s);
        case Technique::XYWing: return search::XYWing(s);
        case Technique::XYZWing: return search::XYZWing(s);
        case Technique::WWing: return search::WWing(s);
        case Technique::XChain: return search::XChain(s);
        case Technique::XYChain: return search::XYChain(s);
        case Technique::AlternatingChain: return search::AlternatingChain(s);
        case Technique::UniqueRectangle1: return search::UniqueRectangle(s, 1);
        case Technique::UniqueRectangle2: return search::UniqueRectangle(s, 2);
        case Technique::UniqueRectangle3: return search::UniqueRectangle(s, 3);
        case Technique::UniqueRectangle4: return search::UniqueRectangle(s, 4);
        case Technique::BugPlusOne: return search::BugPlusOne(s);
        case Technique::AlsXZ: return search::AlsXZ(s);
        case Technique::AlsXYWing: return search::AlsXYWing(s);
        case Technique::CellForcingChain: return search::CellForcingChain(s, *followed);
        case Technique::UnitForcingChain: return search::UnitForcingChain(s, *followed);
        case Technique::NestedForcingChain: return search::NestedForcingChain(s, *followed);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindStepOf(const LogicState& s, Technique t) {
    std::optional<search::Assumptions> followed;
    return Find(s, t, followed);
}

std::optional<Step> FindStep(const LogicState& s, const FindOptions& options) {
    std::optional<search::Assumptions> followed;
    for (const TechniqueName& t : kTechniqueNames) {
        if (t.technique > options.hardest) break;
        if (NeedsUniqueness(t.technique) && !options.unique) continue;
        // On a board with several solutions most candidates lie in one of them and cannot be
        // refuted, so the nested chains' search would look through every one in vain.
        if (t.technique == Technique::NestedForcingChain && !options.unique) continue;
        if (auto step = Find(s, t.technique, followed)) return step;
    }
    return std::nullopt;
}

}  // namespace puzzle
