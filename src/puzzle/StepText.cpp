#include "puzzle/StepText.h"

#include <algorithm>

namespace puzzle {

namespace {

std::string Num(int n) { return std::to_string(n); }

// "4", "4と6", "4・6・8".
std::string DigitList(const std::vector<int>& digits) {
    std::string s;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0) s += digits.size() == 2 ? "と" : "・";
        s += Num(digits[i]);
    }
    return s;
}

// Cells in order, the grid written only where it changes: "グリッド1の3行5列、3行7列". With
// grid already said (lastGrid), cells of that grid go without it.
std::string CellList(int pattern, const std::vector<int>& cells, int grid, int lastGrid = 0) {
    std::string s;
    int last = lastGrid;
    for (int c : cells) {
        GridPosition p = PositionOf(pattern, c, grid);
        if (!s.empty()) s += "、";
        if (p.grid != last) s += "グリッド" + Num(p.grid) + "の";
        s += Num(p.row) + "行" + Num(p.column) + "列";
        last = p.grid;
    }
    return s;
}

// Removed candidates by cell: "グリッド1の3行5列の7、3行7列の7".
std::string RemovalList(int pattern, const std::vector<CellDigit>& removals, int grid) {
    std::string s;
    int last = 0;
    for (std::size_t i = 0; i < removals.size();) {
        int c = removals[i].cell;
        std::vector<int> digits;
        for (; i < removals.size() && removals[i].cell == c; ++i) digits.push_back(removals[i].digit);
        GridPosition p = PositionOf(pattern, c, grid);
        if (!s.empty()) s += "、";
        if (p.grid != last) s += "グリッド" + Num(p.grid) + "の";
        s += Num(p.row) + "行" + Num(p.column) + "列の" + DigitList(digits);
        last = p.grid;
    }
    return s;
}

// A box of the overlap is also a box of the other grid: "グリッド1のブロック9（グリッド2のブロック1）".
std::string Named(int pattern, const Unit& u) {
    std::string name = UnitName(u);
    if (u.kind != UnitKind::Box) return name;
    const OverlapPattern& p = Pattern(pattern);
    int other = 3 - u.grid;
    if (GridCellOf(p, other, u.cells.front()) == 0 || GridCellOf(p, other, u.cells.back()) == 0) return name;
    return name + "（グリッド" + Num(other) + "のブロック" + Num(BoxOf(GridCellOf(p, other, u.cells.front()))) + "）";
}

// Units joined by "と"; a shared box listed for both grids is named once.
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

std::string Pair(int pattern, int c, Candidates m, int grid) {
    return CellName(pattern, c, grid) + "は" + DigitList(DigitsOf(m));
}

}  // namespace

GridPosition PositionOf(int pattern, int c, int preferredGrid) {
    const OverlapPattern& p = Pattern(pattern);
    int g = GridCellOf(p, preferredGrid, c) != 0 ? preferredGrid : 3 - preferredGrid;
    int k = GridCellOf(p, g, c);
    return {g, GridRow(k), GridColumn(k)};
}

std::string CellName(int pattern, int c, int preferredGrid) {
    GridPosition p = PositionOf(pattern, c, preferredGrid);
    return "グリッド" + Num(p.grid) + "の" + Num(p.row) + "行" + Num(p.column) + "列";
}

std::string UnitName(const Unit& u) {
    std::string grid = "グリッド" + Num(u.grid) + "の";
    switch (u.kind) {
        case UnitKind::Row: return grid + Num(u.index) + "行目";
        case UnitKind::Column: return grid + Num(u.index) + "列目";
        case UnitKind::Box: return grid + "ブロック" + Num(u.index);
        case UnitKind::MainDiagonal: return grid + "対角線（左上から右下）";
        case UnitKind::AntiDiagonal: return grid + "対角線（右上から左下）";
    }
    return grid;
}

int StepGrid(const Step& step) { return step.units.empty() ? 1 : step.units.front().grid; }

std::string StepText(const Step& step, int pattern) {
    const int g = StepGrid(step);
    auto cells = [&](const std::vector<int>& list) { return CellList(pattern, list, g); };
    const std::string removals = RemovalList(pattern, step.remove, g);
    const std::string digits = DigitList(step.digits);
    switch (step.technique) {
        case Technique::LastCell: {
            const CellDigit& p = step.place.front();
            return UnitName(step.units.front()) + "で空いているのは" + CellName(pattern, p.cell, g) + "だけです。残る" +
                   Num(p.digit) + "がそこに入ります。";
        }
        case Technique::NakedSingle: {
            const CellDigit& p = step.place.front();
            return CellName(pattern, p.cell, g) + "に入る候補は" + Num(p.digit) + "だけなので、ここに" + Num(p.digit) +
                   "が入ります。";
        }
        case Technique::HiddenSingle: {
            const CellDigit& p = step.place.front();
            return UnitName(step.units.front()) + "では、" + Num(p.digit) + "が入るのは" + CellName(pattern, p.cell, g) +
                   "だけです。そこに" + Num(p.digit) + "が入ります。";
        }
        case Technique::Pointing:
        case Technique::Claiming:
            return Named(pattern, step.units.front()) + "では、" + digits + "が入るのは" + cells(step.proof) +
                   "のどれかで、どれも" + UnitList(pattern, step.targets) + "にあります。そのため" + UnitList(pattern, step.targets) +
                   "の他のマス（" + cells(CellsOf(step.remove)) + "）には" + digits + "が入りません。";
        case Technique::NakedPair:
        case Technique::NakedTriple:
        case Technique::NakedQuad: {
            std::vector<Unit> all = step.units;
            all.insert(all.end(), step.targets.begin(), step.targets.end());
            return Named(pattern, step.units.front()) + "の" + CellList(pattern, step.proof, g, g) + "には" + digits +
                   "しか入りません（" + Num(static_cast<int>(step.proof.size())) + "マスに" +
                   Num(static_cast<int>(step.digits.size())) + "つの数字）。そのため" + UnitList(pattern, all) +
                   "の他のマスから" + digits + "を消せます: " + removals + "。";
        }
        case Technique::HiddenPair:
        case Technique::HiddenTriple:
        case Technique::HiddenQuad:
            return Named(pattern, step.units.front()) + "では、" + digits + "が入るのは" + CellList(pattern, step.proof, g, g) +
                   "だけです（" + Num(static_cast<int>(step.digits.size())) + "つの数字に" + Num(static_cast<int>(step.proof.size())) +
                   "マス）。そのためこれらのマスから他の候補を消せます: " + removals + "。";
        case Technique::XWing:
        case Technique::Swordfish:
            return digits + "が入るのは、" + UnitList(pattern, step.units) + "のどれでも" + UnitList(pattern, step.targets) +
                   "の上だけです。そのため" + UnitList(pattern, step.targets) + "の他のマス（" + cells(CellsOf(step.remove)) +
                   "）には" + digits + "が入りません。";
        case Technique::XYWing:
        case Technique::XYZWing: {
            // proof: pivot, then the two pincers.
            const std::string z = Num(step.remove.front().digit);
            const auto& m = step.proofCandidates;
            std::string s = "候補は、" + Pair(pattern, step.proof[0], m[0], g) + "、" + Pair(pattern, step.proof[1], m[1], g) +
                            "、" + Pair(pattern, step.proof[2], m[2], g) + "です。";
            if (step.technique == Technique::XYWing)
                return s + "最初のマスがどちらになっても残りの2マスのどちらかが" + z +
                       "になるので、その2マスの両方と同じ行・列・ブロックにあるマス（" + cells(CellsOf(step.remove)) +
                       "）には" + z + "が入りません。";
            return s + "どの場合もこの3マスのどれかが" + z + "になるので、3マスすべてと同じ行・列・ブロックにあるマス（" +
                   cells(CellsOf(step.remove)) + "）には" + z + "が入りません。";
        }
    }
    return {};
}

}  // namespace puzzle
