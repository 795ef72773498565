// Naked and hidden subsets: n cells of a unit that between them take only n digits (naked),
// or n digits of a unit that between them have only n places (hidden).
#include <algorithm>

#include "puzzle/StepWords.h"
#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

namespace {
constexpr Technique NakedOf(int n) {
    return n == 2 ? Technique::NakedPair : n == 3 ? Technique::NakedTriple : Technique::NakedQuad;
}
constexpr Technique HiddenOf(int n) {
    return n == 2 ? Technique::HiddenPair : n == 3 ? Technique::HiddenTriple : Technique::HiddenQuad;
}

std::optional<Step> NakedSubset(const LogicState& s, int n) {
    const auto& units = s.units();
    for (const Unit& u : units) {
        std::vector<int> open;
        for (int c : u.cells)
            if (s.digit(c) == 0 && CountOf(s.candidates(c)) >= 2 && CountOf(s.candidates(c)) <= n) open.push_back(c);
        std::optional<Step> found;
        Combinations(static_cast<int>(open.size()), n, [&](const std::vector<int>& idx) {
            Candidates mask = 0;
            CellSet set;
            for (int i : idx) {
                const int c = open[static_cast<std::size_t>(i)];
                mask |= s.candidates(c);
                set.set(c);
            }
            if (CountOf(mask) != n) return false;
            // Every unit that holds all n cells loses the n digits elsewhere. A subset found
            // before has nothing left to take, so the step is built only when something goes.
            std::vector<CellDigit> remove;
            std::vector<Unit> targets;
            for (int v : s.unitsOf(open[static_cast<std::size_t>(idx[0])])) {
                const CellSet& inV = s.unitCells(static_cast<std::size_t>(v));
                if (!set.within(inV)) continue;
                bool removes = false;
                (inV - set).forEach([&](int c) {
                    for (int d : DigitRange(static_cast<Candidates>(s.candidates(c) & mask))) {
                        remove.push_back({c, d});
                        removes = true;
                    }
                });
                const Unit& unit = units[static_cast<std::size_t>(v)];
                if (removes && !SameCells(u, unit)) targets.push_back(unit);
            }
            if (remove.empty()) return false;
            std::vector<int> cells;
            for (int i : idx) cells.push_back(open[static_cast<std::size_t>(i)]);
            Step step{NakedOf(n), {}, {}, cells, {u}, {}, DigitsOf(mask), {}, {}, {}};
            step.remove = std::move(remove);
            step.targets = std::move(targets);
            Normalise(step.remove);
            found = std::move(step);
            return true;
        });
        if (found) return found;
    }
    return std::nullopt;
}

std::optional<Step> HiddenSubset(const LogicState& s, int n) {
    std::vector<int> digits;
    std::vector<unsigned> places;  // per digit: bit i when the unit's i-th cell may take it
    for (const Unit& u : s.units()) {
        Candidates placed = PlacedIn(s, u);
        digits.clear();
        places.clear();
        for (int d = 1; d <= 9; ++d) {
            if (placed & Bit(d)) continue;
            unsigned mask = 0;
            for (std::size_t i = 0; i < 9; ++i)
                if (s.has(u.cells[i], d)) mask |= 1u << i;
            int count = CountOf(static_cast<Candidates>(mask));
            if (count >= 2 && count <= n) {
                digits.push_back(d);
                places.push_back(mask);
            }
        }
        std::optional<Step> found;
        Combinations(static_cast<int>(digits.size()), n, [&](const std::vector<int>& idx) {
            unsigned cellMask = 0;
            Candidates mask = 0;
            for (int i : idx) {
                mask |= Bit(digits[static_cast<std::size_t>(i)]);
                cellMask |= places[static_cast<std::size_t>(i)];
            }
            if (CountOf(static_cast<Candidates>(cellMask)) != n) return false;
            bool removes = false;
            for (std::size_t i = 0; i < 9; ++i)
                if ((cellMask & (1u << i)) && (s.candidates(u.cells[i]) & ~mask)) removes = true;
            if (!removes) return false;
            std::vector<int> cells;
            for (std::size_t i = 0; i < 9; ++i)
                if (cellMask & (1u << i)) cells.push_back(u.cells[i]);
            std::sort(cells.begin(), cells.end());
            Step step{HiddenOf(n), {}, {}, cells, {u}, {}, DigitsOf(mask), {}, {}, {}};
            for (int c : cells)
                for (int d : DigitRange(static_cast<Candidates>(s.candidates(c) & ~mask))) step.remove.push_back({c, d});
            Normalise(step.remove);
            found = std::move(step);
            return true;
        });
        if (found) return found;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> NakedPair(const LogicState& s, BoardContext&) { return NakedSubset(s, 2); }
std::optional<Step> NakedTriple(const LogicState& s, BoardContext&) { return NakedSubset(s, 3); }
std::optional<Step> NakedQuad(const LogicState& s, BoardContext&) { return NakedSubset(s, 4); }
std::optional<Step> HiddenPair(const LogicState& s, BoardContext&) { return HiddenSubset(s, 2); }
std::optional<Step> HiddenTriple(const LogicState& s, BoardContext&) { return HiddenSubset(s, 3); }
std::optional<Step> HiddenQuad(const LogicState& s, BoardContext&) { return HiddenSubset(s, 4); }

std::string NakedSubsetWording(const Step& step, int pattern, int g) {
    const std::string digits = DigitList(step.digits);
    std::vector<Unit> all = step.units;
    all.insert(all.end(), step.targets.begin(), step.targets.end());
    return Named(pattern, step.units.front()) + "の" + CellList(pattern, step.proof, g, g) + "には" + digits + "しか入りません（" +
           Num(static_cast<int>(step.proof.size())) + "マスに" + Num(static_cast<int>(step.digits.size())) + "つの数字）。そのため" +
           UnitList(pattern, all) + "の他のマスから" + digits + "を消せます: " + RemovalList(pattern, step.remove, g) + "。";
}

std::string HiddenSubsetWording(const Step& step, int pattern, int g) {
    return Named(pattern, step.units.front()) + "では、" + DigitList(step.digits) + "が入るのは" + CellList(pattern, step.proof, g, g) +
           "だけです（" + Num(static_cast<int>(step.digits.size())) + "つの数字に" + Num(static_cast<int>(step.proof.size())) +
           "マス）。そのためこれらのマスから他の候補を消せます: " + RemovalList(pattern, step.remove, g) + "。";
}

}  // namespace puzzle::search
