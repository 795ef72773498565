// Finned and sashimi fish: n base lines whose places of a digit lie in n cover lines except
// for a few extra places, the fins, all in one box. Either a fin takes the digit or the fish
// holds, so a cell of a cover outside the bases that sees every fin cannot take it. Sashimi
// when, without its fins, a base line would keep fewer than two places in the covers.
#include <algorithm>

#include "puzzle/FishLines.h"
#include "puzzle/StepWords.h"

namespace puzzle::search {

namespace {
constexpr Technique KindOf(int n, bool sashimi) {
    if (n == 2) return sashimi ? Technique::SashimiXWing : Technique::FinnedXWing;
    if (n == 3) return sashimi ? Technique::SashimiSwordfish : Technique::FinnedSwordfish;
    return sashimi ? Technique::SashimiJellyfish : Technique::FinnedJellyfish;
}

// Finned fish of n base lines on digit d; sashimi when a base line keeps fewer than two places
// in the covers.
std::optional<Step> FinnedFish(const LogicState& s, int n, bool sashimi, int d) {
    for (int g = 1; g <= 2; ++g)
        for (UnitKind baseKind : {UnitKind::Row, UnitKind::Column}) {
            UnitKind coverKind = baseKind == UnitKind::Row ? UnitKind::Column : UnitKind::Row;
            std::vector<FishLine> lines = FishLines(s, g, baseKind, d, n + 3);
            std::optional<Step> found;
            std::vector<const FishLine*> bases;
            Combinations(static_cast<int>(lines.size()), n, [&](const std::vector<int>& idx) {
                bases.clear();
                unsigned all = 0, bands = 0;
                for (int i : idx) {
                    bases.push_back(&lines[static_cast<std::size_t>(i)]);
                    all |= bases.back()->mask;
                    bands |= 1u << ((bases.back()->index - 1) / 3);
                }
                // Outside the fins' stack every place lies on a cover: n positions at most.
                bool possible = false;
                for (int stack = 0; stack < 3; ++stack)
                    possible = possible || CountOf(static_cast<Candidates>(all & ~(7u << (3 * stack + 1)))) <= n;
                if (!possible) return false;
                // The fins' box: a band of the base lines and a stack of positions.
                for (int band = 0; band < 3; ++band)
                    for (int stack = 0; stack < 3 && (bands & (1u << band)); ++stack) {
                        const unsigned stackMask = 7u << (3 * stack + 1);
                        unsigned rest = 0;
                        for (const FishLine* b : bases) rest |= (b->index - 1) / 3 == band ? b->mask & ~stackMask : b->mask;
                        const int need = n - CountOf(static_cast<Candidates>(rest));
                        const unsigned spare = all & stackMask & ~rest;
                        if (need < 0 || need > CountOf(static_cast<Candidates>(spare))) continue;
                        // Fins: the base places in the fins' box outside the covers.
                        auto tryCovers = [&](unsigned covers) {
                            // Cheap test first: fins there, sashimi as asked, and a cell of the
                            // fins' box on a cover outside the bases that may take the digit.
                            unsigned finMask = 0, baseRows = 0;
                            bool thinLine = false;
                            for (const FishLine* b : bases) {
                                thinLine = thinLine || CountOf(static_cast<Candidates>(b->mask & covers)) < 2;
                                baseRows |= 1u << b->index;
                                if ((b->index - 1) / 3 == band) finMask |= b->mask & stackMask & ~covers;
                            }
                            if (finMask == 0 || thinLine != sashimi) return false;
                            bool target = false;
                            for (int r = 3 * band + 1; r <= 3 * band + 3 && !target; ++r) {
                                if (baseRows & (1u << r)) continue;
                                const Unit* line = s.unit(g, baseKind, r);
                                for (int j = 1; j <= 9; ++j)
                                    if ((covers & stackMask & (1u << j)) && s.has(line->cells[static_cast<std::size_t>(j - 1)], d)) target = true;
                            }
                            if (!target) return false;
                            std::vector<int> fins;
                            bool thin = false;
                            for (const FishLine* b : bases) {
                                thin = thin || CountOf(static_cast<Candidates>(b->mask & covers)) < 2;
                                if ((b->index - 1) / 3 != band) continue;
                                for (int j : DigitRange(static_cast<Candidates>(b->mask & stackMask & ~covers)))
                                    fins.push_back(b->unit->cells[static_cast<std::size_t>(j - 1)]);
                            }
                            if (fins.empty() || thin != sashimi) return false;
                            Step step = StepOf(KindOf(n, sashimi));
                            step.digits = {d};
                            if (!FillFish(s, step, bases, g, coverKind, covers, d, fins)) return false;
                            // The fins are painted last, after the body.
                            std::erase_if(step.proof, [&](int c) { return std::find(fins.begin(), fins.end(), c) != fins.end(); });
                            step.proof.insert(step.proof.end(), fins.begin(), fins.end());
                            found = std::move(step);
                            return true;
                        };
                        // Covers: the rest and `need` more positions of the stack.
                        for (unsigned extra = spare;; extra = (extra - 1) & spare) {
                            if (CountOf(static_cast<Candidates>(extra)) == need && tryCovers(rest | extra)) return true;
                            if (extra == 0) break;
                        }
                    }
                return false;
            });
            if (found) return found;
        }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FinnedXWing(const LogicState& s, int d) { return FinnedFish(s, 2, false, d); }
std::optional<Step> SashimiXWing(const LogicState& s, int d) { return FinnedFish(s, 2, true, d); }
std::optional<Step> FinnedSwordfish(const LogicState& s, int d) { return FinnedFish(s, 3, false, d); }
std::optional<Step> SashimiSwordfish(const LogicState& s, int d) { return FinnedFish(s, 3, true, d); }
std::optional<Step> FinnedJellyfish(const LogicState& s, int d) { return FinnedFish(s, 4, false, d); }
std::optional<Step> SashimiJellyfish(const LogicState& s, int d) { return FinnedFish(s, 4, true, d); }

std::string FinnedFishWording(const Step& step, int pattern, int g) {
    const std::string digits = DigitList(step.digits);
    std::vector<int> fins;
    for (int c : step.proof) {
        bool inCover = false;
        for (const Unit& t : step.targets) inCover = inCover || Contains(t, c);
        if (!inCover) fins.push_back(c);
    }
    return digits + "が入るのは、" + UnitList(pattern, step.units) + "のどれでも" + UnitList(pattern, step.targets) + "の上か、ひれ（" +
           CellList(pattern, fins, g) + "）だけです。ひれに" + digits + "が入らなければ" + UnitList(pattern, step.targets) + "の他のマスには" +
           digits + "が入らないので、その中でひれのすべてと同じ行・列・ブロックにあるマス（" + CellList(pattern, CellsOf(step.remove), g) +
           "）には" + digits + "が入りません。";
}

}  // namespace puzzle::search
