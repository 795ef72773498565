// Locked candidates: when the places of a digit in one unit all lie in another unit, the
// digit leaves the rest of that other unit. A box of the overlap is a unit of both grids, so
// a box can point along a line of either grid and a line of one grid can claim a box of the
// other.
#include "puzzle/StepWords.h"
#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

namespace {
bool IsBox(const Unit& u) { return u.kind == UnitKind::Box; }

// Pointing when the source unit is a box, claiming when it is a line.
std::optional<Step> LockedCandidates(const LogicState& s, bool pointing) {
    const auto& units = s.units();
    for (std::size_t ai = 0; ai < units.size(); ++ai) {
        const Unit& a = units[ai];
        if (IsBox(a) != pointing) continue;
        Candidates placed = PlacedIn(s, a);
        for (int d = 1; d <= 9; ++d) {
            if (placed & Bit(d)) continue;
            unsigned places = 0;
            for (std::size_t i = 0; i < 9; ++i)
                if (s.has(a.cells[i], d)) places |= 1u << i;
            if (CountOf(static_cast<Candidates>(places)) < 2) continue;
            Step step{pointing ? Technique::Pointing : Technique::Claiming, {}, {}, {}, {a}, {}, {d}, {}, {}, {}};
            for (const UnitOverlap& o : s.overlaps(ai)) {
                if (places & ~o.mask) continue;
                const Unit& b = units[static_cast<std::size_t>(o.other)];
                bool removes = false;
                for (int c : b.cells)
                    if (!s.unitCells(ai).test(static_cast<std::size_t>(c)) && s.has(c, d)) {
                        step.remove.push_back({c, d});
                        removes = true;
                    }
                if (removes) step.targets.push_back(b);
            }
            if (step.remove.empty()) continue;
            step.proof = PlacesOf(s, a, d);
            Normalise(step.remove);
            return step;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> Pointing(const LogicState& s, BoardContext&) { return LockedCandidates(s, true); }
std::optional<Step> Claiming(const LogicState& s, BoardContext&) { return LockedCandidates(s, false); }

std::string LockedCandidatesWording(const Step& step, int pattern, int g) {
    const std::string digits = DigitList(step.digits);
    return Named(pattern, step.units.front()) + "では、" + digits + "が入るのは" + CellList(pattern, step.proof, g) + "のどれかで、どれも" +
           UnitList(pattern, step.targets) + "にあります。そのため" + UnitList(pattern, step.targets) + "の他のマス（" +
           CellList(pattern, CellsOf(step.remove), g) + "）には" + digits + "が入りません。";
}

}  // namespace puzzle::search
