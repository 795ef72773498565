#include "puzzle/StepFinder.h"

#include <algorithm>

#include "puzzle/TechniqueSearch.h"

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
        if (s.digit(c) == 0 && (s.candidates(c) & Bit(d))) places.push_back(c);
    return places;
}

bool Contains(const Unit& u, int c) { return std::find(u.cells.begin(), u.cells.end(), c) != u.cells.end(); }

bool SameCells(const Unit& a, const Unit& b) {
    auto x = a.cells, y = b.cells;
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return x == y;
}

void Normalise(std::vector<CellDigit>& removals) {
    std::sort(removals.begin(), removals.end(),
              [](const CellDigit& a, const CellDigit& b) { return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit; });
    removals.erase(std::unique(removals.begin(), removals.end()), removals.end());
}

}  // namespace search

std::optional<Step> FindStepOf(const LogicState& s, Technique t) {
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
        case Technique::XYWing: return search::XYWing(s);
        case Technique::XYZWing: return search::XYZWing(s);
    }
    return std::nullopt;
}

std::optional<Step> FindStep(const LogicState& s) {
    for (const TechniqueName& t : kTechniqueNames)
        if (auto step = FindStepOf(s, t.technique)) return step;
    return std::nullopt;
}

}  // namespace puzzle
