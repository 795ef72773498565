// XY-wing and XYZ-wing: a pivot cell and two pincers it sees. Whatever the pivot takes, one
// pincer takes z, so z leaves every cell that sees both pincers (and the pivot, for XYZ).
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
                Step step{xyz ? Technique::XYZWing : Technique::XYWing, {}, {}, {pivot, a, b}, {}, {}, DigitsOf(pm), {}};
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
}  // namespace

std::optional<Step> XYWing(const LogicState& s) { return Wing(s, false); }
std::optional<Step> XYZWing(const LogicState& s) { return Wing(s, true); }

}  // namespace puzzle::search
