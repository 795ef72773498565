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
    for (const Unit& a : units) {
        if (IsBox(a) != pointing) continue;
        Candidates placed = PlacedIn(s, a);
        for (int d = 1; d <= 9; ++d) {
            if (placed & Bit(d)) continue;
            std::vector<int> places = PlacesOf(s, a, d);
            if (places.size() < 2) continue;
            Step step{pointing ? Technique::Pointing : Technique::Claiming, {}, {}, places, {a}, {}, {d}, {}};
            for (const Unit& b : units) {
                if (SameCells(a, b)) continue;
                bool holdsAll = true;
                for (int p : places) holdsAll = holdsAll && Contains(b, p);
                if (!holdsAll) continue;
                bool removes = false;
                for (int c : b.cells)
                    if (!Contains(a, c) && s.digit(c) == 0 && (s.candidates(c) & Bit(d))) {
                        step.remove.push_back({c, d});
                        removes = true;
                    }
                if (removes) step.targets.push_back(b);
            }
            if (step.remove.empty()) continue;
            Normalise(step.remove);
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace puzzle::search
