// Naked and hidden subsets: n cells of a unit that between them take only n digits (naked),
// or n digits of a unit that between them have only n places (hidden).
#include <algorithm>

#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

namespace {
constexpr Technique NakedOf(int n) {
    return n == 2 ? Technique::NakedPair : n == 3 ? Technique::NakedTriple : Technique::NakedQuad;
}
constexpr Technique HiddenOf(int n) {
    return n == 2 ? Technique::HiddenPair : n == 3 ? Technique::HiddenTriple : Technique::HiddenQuad;
}
}  // namespace

std::optional<Step> NakedSubset(const LogicState& s, int n) {
    const auto& units = s.units();
    for (const Unit& u : units) {
        std::vector<int> open;
        for (int c : u.cells)
            if (s.digit(c) == 0 && CountOf(s.candidates(c)) >= 2 && CountOf(s.candidates(c)) <= n) open.push_back(c);
        std::optional<Step> found;
        Combinations(static_cast<int>(open.size()), n, [&](const std::vector<int>& idx) {
            Candidates mask = 0;
            std::vector<int> cells;
            for (int i : idx) {
                cells.push_back(open[static_cast<std::size_t>(i)]);
                mask |= s.candidates(cells.back());
            }
            if (CountOf(mask) != n) return false;
            Step step{NakedOf(n), {}, {}, cells, {u}, {}, DigitsOf(mask), {}, {}, {}};
            // Every unit that holds all n cells loses the n digits elsewhere.
            for (const Unit& v : units) {
                bool holdsAll = true;
                for (int c : cells) holdsAll = holdsAll && Contains(v, c);
                if (!holdsAll) continue;
                bool removes = false;
                for (int c : v.cells) {
                    if (s.digit(c) != 0 || std::find(cells.begin(), cells.end(), c) != cells.end()) continue;
                    for (int d : DigitRange(static_cast<Candidates>(s.candidates(c) & mask))) {
                        step.remove.push_back({c, d});
                        removes = true;
                    }
                }
                if (removes && !SameCells(u, v)) step.targets.push_back(v);
            }
            if (step.remove.empty()) return false;
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

}  // namespace puzzle::search
