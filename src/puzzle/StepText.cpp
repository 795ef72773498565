#include "puzzle/StepText.h"

#include <algorithm>

#include "puzzle/TechniqueSearch.h"

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
    for (int c : cells) s += (s.empty() ? "" : "、") + CellNameAfter(PositionOf(pattern, c, grid), last);
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
        s += (s.empty() ? "" : "、") + CellNameAfter(PositionOf(pattern, c, grid), last) + "の" + DigitList(digits);
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
    return name + "（" + BoxName(other, BoxOf(GridCellOf(p, other, u.cells.front()))) + "）";
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

// A cell named after the grid said last: "3行5列", or "グリッド2の1行3列" when the grid changes.
std::string Cell(int pattern, int c, int& lastGrid) {
    return CellNameAfter(PositionOf(pattern, c, lastGrid == 0 ? 1 : lastGrid), lastGrid);
}

// A chain as a list of links: "グリッド1の3行5列(5)＝3行8列(5)－グリッド2の1行2列(5)"; a grouped
// node names its cells with "・".
std::string ChainLinks(int pattern, const std::vector<ChainNode>& chain) {
    std::string s;
    int last = 0;
    for (const ChainNode& n : chain) {
        for (std::size_t i = 0; i < n.cells.size(); ++i) s += (i > 0 ? "・" : "") + Cell(pattern, n.cells[i], last);
        s += "(" + Num(n.digit) + ")";
        if (&n != &chain.back()) s += n.strongToNext ? "＝" : "－";
    }
    return s;
}

// The links of a forcing branch after its assumption: " → 3行7列=5 → グリッド2の1行1列=4".
// A nested chain's link that takes a digit out reads "3行7列≠5".
std::string ForcingLinks(int pattern, const ForcingBranch& branch, int& lastGrid) {
    std::string s;
    for (std::size_t i = 0; i < branch.links.size(); ++i) {
        const CellDigit& l = branch.links[i];
        const bool out = i < branch.excluded.size() && branch.excluded[i];
        if (!(l == branch.assumed) || out) s += " → " + Cell(pattern, l.cell, lastGrid) + (out ? "≠" : "=") + Num(l.digit);
    }
    return s;
}

std::string ChainText(const Step& step, int pattern, int grid) {
    const ChainNode& a = step.chain.front();
    const ChainNode& z = step.chain.back();
    std::string s = "次の連鎖が成り立ちます（＝は少なくとも一方が正しい、－は両方は正しくない）: " + ChainLinks(pattern, step.chain) + "。";
    if (a.digit == z.digit)
        return s + "両端のどちらかに" + Num(a.digit) + "が入るので、両端の両方と同じ行・列・ブロックにあるマス（" +
               CellList(pattern, CellsOf(step.remove), grid) + "）には" + Num(a.digit) + "が入りません。";
    if (a.cells == z.cells)
        return s + "両端は同じマスなので、そこには" + Num(a.digit) + "か" + Num(z.digit) + "が入り、他の候補を消せます: " +
               RemovalList(pattern, step.remove, grid) + "。";
    return s + "両端のどちらかは正しく、両端のマスは同じ行・列・ブロックにあるので、次の候補を消せます: " +
           RemovalList(pattern, step.remove, grid) + "。";
}

std::string AlsText(const Step& step, int pattern, int grid) {
    // proof: the cells of each set in turn, chain: one node per set.
    std::string sets;
    std::size_t k = 0;
    const char* names[] = {"A", "B", "C"};
    for (std::size_t i = 0; i < step.chain.size(); ++i) {
        std::string cells;
        Candidates digits = 0;
        for (std::size_t j = 0; j < step.chain[i].cells.size(); ++j, ++k) digits |= step.proofCandidates[k];
        cells = CellList(pattern, step.chain[i].cells, grid);
        sets += (i > 0 ? "、" : "") + std::string(names[i]) + "（" + cells + "に" + DigitList(DigitsOf(digits)) + "）";
    }
    const std::string z = Num(step.remove.front().digit);
    const std::string removed = "そのためAとBの" + z + "のマスすべてと同じ行・列・ブロックにあるマスから" + z + "を消せます: " +
                                RemovalList(pattern, step.remove, grid) + "。";
    if (step.technique == Technique::AlsXZ)
        return sets + "は、どちらもマスの数より候補が1つ多いグループです。" + Num(step.digits[0]) +
               "は両方に入ることはないので、どちらかは残りの数字で埋まり、" + z + "はAかBに入ります。" + removed;
    return sets + "は、どれもマスの数より候補が1つ多いグループです。" + Num(step.digits[0]) + "はAとCの両方に、" +
           Num(step.digits[1]) + "はBとCの両方に入ることはないので、AかBは残りの数字で埋まり、" + z + "はAかBに入ります。" + removed;
}

std::string UniquenessText(const Step& step, int pattern, int grid) {
    const std::string x = Num(step.digits[0]), y = Num(step.digits[1]);
    std::vector<int> rect(step.proof.begin(), step.proof.begin() + 4);
    std::string s = CellList(pattern, rect, grid) + "の4マスが" + x + "と" + y + "だけになると、" + x + "と" + y +
                    "を入れ替えた2つ目の解ができてしまいます（この問題の解は1つです）。";
    std::vector<int> roof(step.proof.begin() + 2, step.proof.begin() + 4);
    switch (step.technique) {
        case Technique::UniqueRectangle1:
            return s + "そのため" + CellName(pattern, step.proof[3], grid) + "には" + x + "も" + y + "も入りません。";
        case Technique::UniqueRectangle2:
            return s + "そのため" + CellList(pattern, roof, grid) + "のどちらかに" + Num(step.digits[2]) +
                   "が入り、両方と同じ行・列・ブロックにあるマスから消せます: " + RemovalList(pattern, step.remove, grid) + "。";
        case Technique::UniqueRectangle3: {
            std::vector<int> subset(step.proof.begin() + 4, step.proof.end());
            return s + "そのため" + CellList(pattern, roof, grid) + "の" + x + "・" + y + "以外の候補のどれかが入り、それが" +
                   CellList(pattern, subset, grid) + "と組になって" + Named(pattern, step.units.front()) +
                   "の数字を占めるので、他のマスから消せます: " + RemovalList(pattern, step.remove, grid) + "。";
        }
        default:
            return s + Named(pattern, step.units.front()) + "で" + x + "が入るのは" + CellList(pattern, roof, grid) +
                   "だけなので、どちらかが" + x + "になり、どちらにも" + y + "は入りません。";
    }
}

constexpr const char* kContradiction = "（ここで入る数字のないマスか、数字の入らないユニットができて矛盾します）";

std::string ForcingText(const Step& step, int pattern, int grid) {
    std::vector<int> cells;
    std::vector<int> digits;
    for (const ForcingBranch& b : step.branches) {
        cells.push_back(b.assumed.cell);
        digits.push_back(b.assumed.digit);
    }
    std::string s = step.units.empty()
                        ? CellName(pattern, cells.front(), grid) + "に入るのは" + DigitList(digits) + "のどれかです。"
                        : Named(pattern, step.units.front()) + "で" + Num(digits.front()) + "が入るのは" +
                              CellList(pattern, cells, grid) + "のどれかです。";
    for (const ForcingBranch& b : step.branches) {
        int last = 0;
        // Named before the links, whose grid names follow on from it.
        const std::string assumed = Cell(pattern, b.assumed.cell, last);
        const std::string links = ForcingLinks(pattern, b, last);
        s += "\n・" + assumed + "=" + Num(b.assumed.digit) + links +
             (b.contradiction ? kContradiction : links.empty() ? "（これだけで決まります）" : "");
    }
    s += "\n";
    if (!step.place.empty()) {
        const CellDigit& p = step.place.front();
        s += "どの場合も" + CellName(pattern, p.cell, grid) + "には" + Num(p.digit) + "が入ります";
        std::string more;
        for (std::size_t i = 1; i < step.place.size(); ++i)
            more += (i > 1 ? "、" : "") + CellName(pattern, step.place[i].cell, grid) + "に" + Num(step.place[i].digit);
        return s + (more.empty() ? "" : "（同じように" + more + "も決まります）") + "。";
    }
    const CellDigit& r = step.remove.front();
    s += "どの場合も" + CellName(pattern, r.cell, grid) + "には" + Num(r.digit) + "が入りません";
    std::vector<CellDigit> more(step.remove.begin() + 1, step.remove.end());
    return s + (more.empty() ? "" : "（同じように次の候補も消せます: " + RemovalList(pattern, more, grid) + "）") + "。";
}

// Nested: the first line refutes the candidate; a line one level deeper follows each link
// that took a digit out, in the order of those links.
std::string NestedForcingText(const Step& step, int pattern, int grid) {
    const ForcingBranch& first = step.branches.front();
    const std::string target = CellName(pattern, first.assumed.cell, grid);
    bool excludes = false;
    std::string lines;
    for (const ForcingBranch& b : step.branches) {
        excludes = excludes || std::find(b.excluded.begin(), b.excluded.end(), true) != b.excluded.end();
        int last = 0;
        std::string indent;
        for (int i = 0; i < b.depth; ++i) indent += "　";
        // Named before the links, whose grid names follow on from it.
        const std::string assumed = Cell(pattern, b.assumed.cell, last);
        lines += "\n" + indent + "・" + assumed + "=" + Num(b.assumed.digit) + ForcingLinks(pattern, b, last) + kContradiction;
    }
    return target + "に" + Num(first.assumed.digit) + "が入ると仮定すると、次のように矛盾します" +
           (excludes ? "（≠は、そこにその数字を入れると一段下の行のように矛盾するので、その候補が消えることを表します）" : "") + "。" +
           lines + "\nそのため" + target + "には" + Num(first.assumed.digit) + "が入りません。";
}

}  // namespace

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
        case Technique::Jellyfish:
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
        case Technique::FinnedXWing:
        case Technique::SashimiXWing:
        case Technique::FinnedSwordfish:
        case Technique::SashimiSwordfish:
        case Technique::FinnedJellyfish:
        case Technique::SashimiJellyfish: {
            std::vector<int> fins;
            for (int c : step.proof) {
                bool inCover = false;
                for (const Unit& t : step.targets) inCover = inCover || search::Contains(t, c);
                if (!inCover) fins.push_back(c);
            }
            return digits + "が入るのは、" + UnitList(pattern, step.units) + "のどれでも" + UnitList(pattern, step.targets) +
                   "の上か、ひれ（" + cells(fins) + "）だけです。ひれに" + digits + "が入らなければ" +
                   UnitList(pattern, step.targets) + "の他のマスには" + digits + "が入らないので、その中でひれのすべてと同じ行・列・ブロックにあるマス（" +
                   cells(CellsOf(step.remove)) + "）には" + digits + "が入りません。";
        }
        case Technique::EmptyRectangle: {
            // proof: the box's places, then the conjugate pair p, q; units: box, p's line, the target's line, the pair's unit.
            const int p = step.proof[step.proof.size() - 2], q = step.proof.back(), t = step.remove.front().cell;
            std::vector<int> places(step.proof.begin(), step.proof.end() - 2);
            return Named(pattern, step.units[0]) + "では、" + digits + "が入るのは" + UnitName(step.units[1]) + "と" +
                   UnitName(step.units[2]) + "の上だけです。" + UnitName(step.units[3]) + "で" + digits + "が入るのは" +
                   CellName(pattern, p, g) + "と" + CellName(pattern, q, g) + "だけなので、" + CellName(pattern, t, g) + "が" +
                   digits + "なら" + CellName(pattern, p, g) + "が" + digits + "になり、" + Named(pattern, step.units[0]) + "に" +
                   digits + "の入る場所がなくなります。そのため" + CellName(pattern, t, g) + "には" + digits + "が入りません。";
        }
        case Technique::Skyscraper:
        case Technique::TwoStringKite:
        case Technique::WWing:
        case Technique::XChain:
        case Technique::XYChain:
        case Technique::AlternatingChain: return ChainText(step, pattern, g);
        case Technique::UniqueRectangle1:
        case Technique::UniqueRectangle2:
        case Technique::UniqueRectangle3:
        case Technique::UniqueRectangle4: return UniquenessText(step, pattern, g);
        case Technique::BugPlusOne: {
            const CellDigit& p = step.place.front();
            return "空きマスの候補がすべて2つになり、どの数字もユニットに2か所ずつしか入らない形になると、解は1つに決まりません。候補が3つある" +
                   CellName(pattern, p.cell, g) + "から" + Num(p.digit) + "を除くとその形になるので、そこには" + Num(p.digit) +
                   "が入ります。";
        }
        case Technique::AlsXZ:
        case Technique::AlsXYWing: return AlsText(step, pattern, g);
        case Technique::CellForcingChain:
        case Technique::UnitForcingChain: return ForcingText(step, pattern, g);
        case Technique::NestedForcingChain: return NestedForcingText(step, pattern, g);
    }
    return {};
}

}  // namespace puzzle
