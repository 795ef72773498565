// Steps that place a digit: the last empty cell of a unit, a cell with one candidate left,
// a digit with one place left in a unit.
#include <algorithm>
#include <array>
#include <bit>

#include "puzzle/StepWords.h"
#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

namespace {
// A cell among the given ones that holds digit d, or 0.
int HolderOf(const LogicState& s, int c, int d) {
    for (int u : s.unitsOf(c))
        for (int p : s.units()[static_cast<std::size_t>(u)].cells)
            if (s.digit(p) == d) return p;
    return 0;
}

void AddUnique(std::vector<int>& cells, int c) {
    if (c != 0 && std::find(cells.begin(), cells.end(), c) == cells.end()) cells.push_back(c);
}
}  // namespace

std::optional<Step> LastCell(const LogicState& s, BoardContext&) {
    for (const Unit& u : s.units()) {
        int empty = 0, count = 0;
        for (int c : u.cells)
            if (s.digit(c) == 0) empty = c, ++count;
        if (count != 1) continue;
        Candidates missing = static_cast<Candidates>(kAllCandidates & ~PlacedIn(s, u));
        if (CountOf(missing) != 1 || !(s.candidates(empty) & missing)) continue;
        int d = DigitsOf(missing).front();
        Step step{Technique::LastCell, {{empty, d}}, {}, {}, {u}, {}, {d}, {}, {}, {}};
        for (int c : u.cells)
            if (c != empty) step.proof.push_back(c);
        return step;
    }
    return std::nullopt;
}

std::optional<Step> NakedSingle(const LogicState& s, BoardContext&) {
    for (int c : s.cells()) {
        if (s.digit(c) != 0 || CountOf(s.candidates(c)) != 1) continue;
        int d = DigitsOf(s.candidates(c)).front();
        Step step{Technique::NakedSingle, {{c, d}}, {}, {}, {}, {}, {d}, {}, {}, {}};
        for (int e = 1; e <= 9; ++e)
            if (e != d) AddUnique(step.proof, HolderOf(s, c, e));
        for (int u : s.unitsOf(c)) step.units.push_back(s.units()[static_cast<std::size_t>(u)]);
        return step;
    }
    return std::nullopt;
}

std::optional<Step> HiddenSingle(const LogicState& s, BoardContext&) {
    for (const Unit& u : s.units()) {
        // The digits that one empty cell of the unit may take, and those that two or more may.
        Candidates once = 0, twice = 0, placed = 0;
        for (int c : u.cells) {
            if (s.digit(c) != 0) {
                placed |= Bit(s.digit(c));
                continue;
            }
            twice |= once & s.candidates(c);
            once |= s.candidates(c);
        }
        const auto singles = static_cast<unsigned>(once & ~twice & ~placed);
        if (singles != 0) {
            const int d = std::countr_zero(singles);
            int cell = 0;
            for (int c : u.cells)
                if (s.has(c, d)) cell = c;
            Step step{Technique::HiddenSingle, {{cell, d}}, {}, {}, {u}, {}, {d}, {}, {}, {}};
            // The digits d that keep the unit's other empty cells from taking it.
            for (int c : u.cells)
                if (c != cell && s.digit(c) == 0) AddUnique(step.proof, HolderOf(s, c, d));
            return step;
        }
    }
    return std::nullopt;
}

std::string LastCellWording(const Step& step, int pattern, int g) {
    const CellDigit& p = step.place.front();
    return UnitName(step.units.front()) + "で空いているのは" + CellName(pattern, p.cell, g) + "だけです。残る" + Num(p.digit) +
           "がそこに入ります。";
}

std::string NakedSingleWording(const Step& step, int pattern, int g) {
    const CellDigit& p = step.place.front();
    return CellName(pattern, p.cell, g) + "に入る候補は" + Num(p.digit) + "だけなので、ここに" + Num(p.digit) + "が入ります。";
}

std::string HiddenSingleWording(const Step& step, int pattern, int g) {
    const CellDigit& p = step.place.front();
    return UnitName(step.units.front()) + "では、" + Num(p.digit) + "が入るのは" + CellName(pattern, p.cell, g) + "だけです。そこに" +
           Num(p.digit) + "が入ります。";
}

}  // namespace puzzle::search
