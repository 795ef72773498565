// X-wing and swordfish within one grid: when a digit's places in n rows lie in only n
// columns, each of those columns takes the digit in one of the n rows, so it leaves the
// rest of the columns; the same with rows and columns exchanged.
#include <algorithm>

#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

namespace {
const Unit* FindUnit(const LogicState& s, int grid, UnitKind kind, int index) {
    for (const Unit& u : s.units())
        if (u.grid == grid && u.kind == kind && u.index == index) return &u;
    return nullptr;
}
}  // namespace

std::optional<Step> Fish(const LogicState& s, int n) {
    for (int d = 1; d <= 9; ++d)
        for (int g = 1; g <= 2; ++g)
            for (UnitKind baseKind : {UnitKind::Row, UnitKind::Column}) {
                UnitKind coverKind = baseKind == UnitKind::Row ? UnitKind::Column : UnitKind::Row;
                // Base lines holding 2..n places of d, with the line positions (1..9) of those places.
                std::vector<const Unit*> bases;
                std::vector<unsigned> positions;
                for (int i = 1; i <= 9; ++i) {
                    const Unit* u = FindUnit(s, g, baseKind, i);
                    if (PlacedIn(s, *u) & Bit(d)) continue;
                    unsigned mask = 0;
                    for (int j = 0; j < 9; ++j) {
                        int c = u->cells[static_cast<std::size_t>(j)];
                        if (s.digit(c) == 0 && (s.candidates(c) & Bit(d))) mask |= 1u << (j + 1);
                    }
                    int count = CountOf(static_cast<Candidates>(mask));
                    if (count >= 2 && count <= n) {
                        bases.push_back(u);
                        positions.push_back(mask);
                    }
                }
                std::optional<Step> found;
                Combinations(static_cast<int>(bases.size()), n, [&](const std::vector<int>& idx) {
                    unsigned cover = 0;
                    for (int i : idx) cover |= positions[static_cast<std::size_t>(i)];
                    if (CountOf(static_cast<Candidates>(cover)) != n) return false;
                    Step step{n == 2 ? Technique::XWing : Technique::Swordfish, {}, {}, {}, {}, {}, {d}, {}};
                    for (int i : idx) {
                        const Unit& base = *bases[static_cast<std::size_t>(i)];
                        step.units.push_back(base);
                        for (int c : base.cells)
                            if (s.digit(c) == 0 && (s.candidates(c) & Bit(d))) step.proof.push_back(c);
                    }
                    for (int j : DigitsOf(static_cast<Candidates>(cover))) {
                        const Unit& line = *FindUnit(s, g, coverKind, j);
                        step.targets.push_back(line);
                        for (int c : line.cells) {
                            bool inBase = false;
                            for (const Unit& base : step.units) inBase = inBase || Contains(base, c);
                            if (!inBase && s.digit(c) == 0 && (s.candidates(c) & Bit(d))) step.remove.push_back({c, d});
                        }
                    }
                    if (step.remove.empty()) return false;
                    std::sort(step.proof.begin(), step.proof.end());
                    Normalise(step.remove);
                    found = std::move(step);
                    return true;
                });
                if (found) return found;
            }
    return std::nullopt;
}

}  // namespace puzzle::search
