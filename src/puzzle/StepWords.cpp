#include "puzzle/StepWords.h"

#include <algorithm>

namespace puzzle::search {

std::string Num(int n) { return std::to_string(n); }

std::string DigitList(const std::vector<int>& digits) {
    std::string s;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0) s += digits.size() == 2 ? "と" : "・";
        s += Num(digits[i]);
    }
    return s;
}

std::string CellList(int pattern, const std::vector<int>& cells, int grid, int lastGrid) {
    std::string s;
    int last = lastGrid;
    for (int c : cells) s += (s.empty() ? "" : "、") + CellNameAfter(PositionOf(pattern, c, grid), last);
    return s;
}

std::string RemovalList(int pattern, const std::vector<CellDigit>& removals, int grid) {
    std::string s;
    int last = 0;
    for (std::size_t i = 0; i < removals.size();) {
        int c = removals[i].cell;
        std::vector<int> digits;
        for (; i < removals.size() && removals[i].cell == c; ++i) digits.push_back(removals[i].digit);
        s += (s.empty() ? "" : "、") + CellNameAfter(PositionOf(pattern, c, grid), last) + "の" + DigitList(digits);
    }
    return s;
}

std::string Named(int pattern, const Unit& u) {
    std::string name = UnitName(u);
    if (u.kind != UnitKind::Box) return name;
    const OverlapPattern& p = Pattern(pattern);
    int other = 3 - u.grid;
    if (GridCellOf(p, other, u.cells.front()) == 0 || GridCellOf(p, other, u.cells.back()) == 0) return name;
    return name + "（" + BoxName(other, BoxOf(GridCellOf(p, other, u.cells.front()))) + "）";
}

std::string UnitList(int pattern, const std::vector<Unit>& units) {
    std::string s;
    for (std::size_t i = 0; i < units.size(); ++i) {
        bool again = false;
        for (std::size_t j = 0; j < i; ++j)
            again = again || (units[i].kind == UnitKind::Box && units[j].kind == UnitKind::Box && units[i].cells[0] == units[j].cells[0]);
        if (!again) s += (s.empty() ? "" : "と") + Named(pattern, units[i]);
    }
    return s;
}

std::vector<int> CellsOf(const std::vector<CellDigit>& list) {
    std::vector<int> cells;
    for (const CellDigit& cd : list)
        if (std::find(cells.begin(), cells.end(), cd.cell) == cells.end()) cells.push_back(cd.cell);
    return cells;
}

std::string CellPair(int pattern, int c, Candidates m, int grid) { return CellName(pattern, c, grid) + "は" + DigitList(DigitsOf(m)); }

std::string CellAfter(int pattern, int c, int& lastGrid) {
    return CellNameAfter(PositionOf(pattern, c, lastGrid == 0 ? 1 : lastGrid), lastGrid);
}

std::string ForcingLinks(int pattern, const ForcingBranch& branch, int& lastGrid) {
    std::string s;
    for (std::size_t i = 0; i < branch.links.size(); ++i) {
        const CellDigit& l = branch.links[i];
        const bool out = i < branch.excluded.size() && branch.excluded[i];
        if (!(l == branch.assumed) || out) s += " → " + CellAfter(pattern, l.cell, lastGrid) + (out ? "≠" : "=") + Num(l.digit);
    }
    return s;
}

}  // namespace puzzle::search
