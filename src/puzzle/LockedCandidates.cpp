// Locked candidates: when the places of a digit in one unit all lie in another unit, the
// digit leaves the rest of that other unit. A box of the overlap is a unit of both grids, so
// a box can point along a line of either grid and a line of one grid can claim a box of the
// other.
#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

namespace {
bool IsBox(const Unit& u) { return u.kind == UnitKind::Box; }
}  // namespace

std::optional<Step> LockedCandidates(const LogicState& s, bool pointing) {
    const auto& units = s.units();
    for (std::size_t ai = 0; ai < units.size(); ++ai) {
        const Unit& a = units[ai];
        if (IsBox(a) != pointing) continue;
        Candidates placed = PlacedIn(s, a);
        for (int d = 1; d <= 9; ++d) {
            if (placed & Bit(d)) continue;
            std::bitset<kBoardCells + 1> places;
            for (int c : a.cells)
                if (s.digit(c) == 0 && (s.candidates(c) & Bit(d))) places.set(static_cast<std::size_t>(c));
            if (places.count() < 2) continue;
            Step step{pointing ? Technique::Pointing : Technique::Claiming, {}, {}, PlacesOf(s, a, d), {a}, {}, {d}, {}, {}, {}};
            for (std::size_t bi = 0; bi < units.size(); ++bi) {
                const auto& bCells = s.unitCells(bi);
                if (bCells == s.unitCells(ai) || (places & ~bCells).any()) continue;
                bool removes = false;
                for (int c : units[bi].cells)
                    if (!s.unitCells(ai).test(static_cast<std::size_t>(c)) && s.digit(c) == 0 && (s.candidates(c) & Bit(d))) {
                        step.remove.push_back({c, d});
                        removes = true;
                    }
                if (removes) step.targets.push_back(units[bi]);
            }
            if (step.remove.empty()) continue;
            Normalise(step.remove);
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace puzzle::search
