// XY-wing and XYZ-wing: a pivot cell and two pincers it sees. Whatever the pivot takes, one
// pincer takes z, so z leaves every cell that sees both pincers (and the pivot, for XYZ).
// W-wing: two cells with the same two candidates x and y, joined by a conjugate pair of x whose
// ends see one cell each: one of the two cells takes y, so y leaves every cell seeing both.
#include <array>

#include "puzzle/StepWords.h"
#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

namespace {
std::optional<Step> Wing(const LogicState& s, bool xyz) {
    const int pivotSize = xyz ? 3 : 2;
    for (int pivot : s.cells()) {
        Candidates pm = s.candidates(pivot);
        if (s.digit(pivot) != 0 || CountOf(pm) != pivotSize) continue;
        std::vector<int> pincers;
        for (int c : s.cells()) {
            Candidates cm = s.candidates(c);
            if (s.digit(c) != 0 || CountOf(cm) != 2 || !s.sees(pivot, c)) continue;
            // XY: shares one digit with the pivot; XYZ: both its digits are the pivot's.
            if (CountOf(static_cast<Candidates>(cm & pm)) == (xyz ? 2 : 1)) pincers.push_back(c);
        }
        for (std::size_t i = 0; i < pincers.size(); ++i)
            for (std::size_t j = i + 1; j < pincers.size(); ++j) {
                int a = pincers[i], b = pincers[j];
                Candidates am = s.candidates(a), bm = s.candidates(b);
                if (am == bm) continue;
                Candidates zm = static_cast<Candidates>(am & bm);
                if (CountOf(zm) != 1) continue;
                if (xyz ? !(zm & pm) : ((zm & pm) || CountOf(static_cast<Candidates>(am | bm | pm)) != 3)) continue;
                int z = DigitsOf(zm).front();
                Step step{xyz ? Technique::XYZWing : Technique::XYWing, {}, {}, {pivot, a, b}, {}, {}, DigitsOf(pm), {}, {}, {}};
                if (!xyz) step.digits.push_back(z);
                step.proofCandidates = {pm, am, bm};
                for (int c : s.cells()) {
                    if (c == pivot || c == a || c == b || s.digit(c) != 0 || !(s.candidates(c) & zm)) continue;
                    if (s.sees(c, a) && s.sees(c, b) && (!xyz || s.sees(c, pivot))) step.remove.push_back({c, z});
                }
                if (step.remove.empty()) continue;
                Normalise(step.remove);
                return step;
            }
    }
    return std::nullopt;
}

// proof: the pivot, then the two pincers.
std::string CandidatesOfWing(const Step& step, int pattern, int g) {
    const auto& m = step.proofCandidates;
    return "候補は、" + CellPair(pattern, step.proof[0], m[0], g) + "、" + CellPair(pattern, step.proof[1], m[1], g) + "、" +
           CellPair(pattern, step.proof[2], m[2], g) + "です。";
}
}  // namespace

std::optional<Step> XYWing(const LogicState& s, BoardContext&) { return Wing(s, false); }
std::optional<Step> XYZWing(const LogicState& s, BoardContext&) { return Wing(s, true); }

std::optional<Step> WWing(const LogicState& s, BoardContext&) {
    std::vector<int> pairs;
    for (int c : s.cells())
        if (CountOf(s.candidates(c)) == 2) pairs.push_back(c);
    std::array<std::vector<StrongLink>, 10> links;
    for (int d = 1; d <= 9; ++d) links[static_cast<std::size_t>(d)] = StrongLinksOf(s, d);
    for (std::size_t i = 0; i < pairs.size(); ++i)
        for (std::size_t j = i + 1; j < pairs.size(); ++j) {
            int a = pairs[i], b = pairs[j];
            if (s.candidates(a) != s.candidates(b) || s.sees(a, b)) continue;
            std::vector<int> xy = DigitsOf(s.candidates(a));
            for (int k = 0; k < 2; ++k) {
                int x = xy[static_cast<std::size_t>(k)], y = xy[static_cast<std::size_t>(1 - k)];
                for (const StrongLink& link : links[static_cast<std::size_t>(x)])
                    for (int flip = 0; flip < 2; ++flip) {
                        int p = flip ? link.b : link.a, q = flip ? link.a : link.b;
                        if (p == a || p == b || q == a || q == b || !s.sees(p, a) || !s.sees(q, b)) continue;
                        Step step = StepOf(Technique::WWing);
                        step.remove = RemovalsSeeingAll(s, y, {a, b});
                        if (step.remove.empty()) continue;
                        step.digits = {x, y};
                        step.proof = {a, p, q, b};
                        step.proofCandidates = {s.candidates(a), s.candidates(b)};
                        step.units = {s.units()[static_cast<std::size_t>(link.unit)]};
                        step.chain = {{{a}, y, true}, {{a}, x, false}, {{p}, x, true}, {{q}, x, false}, {{b}, x, true}, {{b}, y, false}};
                        Normalise(step.remove);
                        return step;
                    }
            }
        }
    return std::nullopt;
}

std::string XYWingWording(const Step& step, int pattern, int g) {
    const std::string z = Num(step.remove.front().digit);
    return CandidatesOfWing(step, pattern, g) + "最初のマスがどちらになっても残りの2マスのどちらかが" + z +
           "になるので、その2マスの両方と同じ行・列・ブロックにあるマス（" + CellList(pattern, CellsOf(step.remove), g) + "）には" + z +
           "が入りません。";
}

std::string XYZWingWording(const Step& step, int pattern, int g) {
    const std::string z = Num(step.remove.front().digit);
    return CandidatesOfWing(step, pattern, g) + "どの場合もこの3マスのどれかが" + z + "になるので、3マスすべてと同じ行・列・ブロックにあるマス（" +
           CellList(pattern, CellsOf(step.remove), g) + "）には" + z + "が入りません。";
}

}  // namespace puzzle::search
