// Basic fish within one grid: when a digit's places in n rows lie in only n columns, each of
// those columns takes the digit in one of the n rows, so it leaves the rest of the columns;
// the same with rows and columns exchanged. Two rows make an X-wing, three a swordfish, four
// a jellyfish.
#include <algorithm>

#include "puzzle/FishLines.h"
#include "puzzle/StepWords.h"

namespace puzzle::search {

std::vector<FishLine> FishLines(const LogicState& s, int g, UnitKind baseKind, int d, int maxPlaces) {
    std::vector<FishLine> lines;
    for (int i = 1; i <= 9; ++i) {
        const Unit* u = s.unit(g, baseKind, i);
        if (u == nullptr || (PlacedIn(s, *u) & Bit(d))) continue;
        unsigned mask = 0;
        for (int j = 0; j < 9; ++j)
            if (s.has(u->cells[static_cast<std::size_t>(j)], d)) mask |= 1u << (j + 1);
        int count = CountOf(static_cast<Candidates>(mask));
        if (count >= 1 && count <= maxPlaces) lines.push_back({u, i, mask});
    }
    return lines;
}

// Fills the step's bases, covers and removals: every cell of a cover that is in no base and
// sees all the fins loses d.
bool FillFish(const LogicState& s, Step& step, const std::vector<const FishLine*>& bases, int g, UnitKind coverKind,
              unsigned covers, int d, const std::vector<int>& fins) {
    CellSet inBases;
    for (const FishLine* base : bases) {
        step.units.push_back(*base->unit);
        for (int c : base->unit->cells) {
            inBases.set(static_cast<std::size_t>(c));
            if (s.has(c, d)) step.proof.push_back(c);
        }
    }
    for (int j : DigitRange(static_cast<Candidates>(covers))) {
        const Unit& line = *s.unit(g, coverKind, j);
        step.targets.push_back(line);
        for (int c : line.cells) {
            if (inBases[static_cast<std::size_t>(c)] || !s.has(c, d)) continue;
            if (std::all_of(fins.begin(), fins.end(), [&](int f) { return s.sees(c, f); })) step.remove.push_back({c, d});
        }
    }
    if (step.remove.empty()) return false;
    std::sort(step.proof.begin(), step.proof.end());
    Normalise(step.remove);
    return true;
}

namespace {

// Fish of n base lines (2 X-wing, 3 swordfish, 4 jellyfish) on digit d.
std::optional<Step> Fish(const LogicState& s, int n, int d) {
    const Technique kinds[] = {Technique::XWing, Technique::Swordfish, Technique::Jellyfish};
    for (int g = 1; g <= 2; ++g)
        for (UnitKind baseKind : {UnitKind::Row, UnitKind::Column}) {
            UnitKind coverKind = baseKind == UnitKind::Row ? UnitKind::Column : UnitKind::Row;
            std::vector<FishLine> lines = FishLines(s, g, baseKind, d, n);
            std::erase_if(lines, [](const FishLine& l) { return CountOf(static_cast<Candidates>(l.mask)) < 2; });
            std::optional<Step> found;
            Combinations(static_cast<int>(lines.size()), n, [&](const std::vector<int>& idx) {
                unsigned cover = 0;
                std::vector<const FishLine*> bases;
                for (int i : idx) {
                    cover |= lines[static_cast<std::size_t>(i)].mask;
                    bases.push_back(&lines[static_cast<std::size_t>(i)]);
                }
                if (CountOf(static_cast<Candidates>(cover)) != n) return false;
                Step step = StepOf(kinds[n - 2]);
                step.digits = {d};
                if (!FillFish(s, step, bases, g, coverKind, cover, d, {})) return false;
                found = std::move(step);
                return true;
            });
            if (found) return found;
        }
    return std::nullopt;
}

}  // namespace

std::optional<Step> XWing(const LogicState& s, int d) { return Fish(s, 2, d); }
std::optional<Step> Swordfish(const LogicState& s, int d) { return Fish(s, 3, d); }
std::optional<Step> Jellyfish(const LogicState& s, int d) { return Fish(s, 4, d); }

std::string FishWording(const Step& step, int pattern, int g) {
    const std::string digits = DigitList(step.digits);
    return digits + "が入るのは、" + UnitList(pattern, step.units) + "のどれでも" + UnitList(pattern, step.targets) + "の上だけです。そのため" +
           UnitList(pattern, step.targets) + "の他のマス（" + CellList(pattern, CellsOf(step.remove), g) + "）には" + digits + "が入りません。";
}

}  // namespace puzzle::search
