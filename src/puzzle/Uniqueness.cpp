// Techniques that hold only when the problem has exactly one solution (the step finder uses
// them only when the engine says so).
//
// Unique rectangle: four empty cells on two rows, two columns and two boxes of one grid that
// could all hold only x and y would let x and y swap, giving a second solution, provided every
// unit of either grid holds none, two or four of the cells. Type 1: three cells hold only x
// and y, so the fourth is neither. Type 2: the other two hold one same extra digit z, which
// one of them must take. Type 3: the extras of the other two act as one cell in a naked subset
// of a unit they share. Type 4: x can go only in those two cells of a unit they share, so y
// cannot go in either.
//
// BUG+1: were it not for one cell with three candidates, every empty cell would have two and
// every digit two places in every unit that lacks it; such a board has no solution or at
// least two (the places not taken in one solution form another), so the extra cell takes the
// digit that has three places in its units.
#include <algorithm>

#include "puzzle/StepWords.h"
#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

namespace {

// True when no unit of either grid holds exactly one or three of the cells.
bool SwapKeepsUnits(const LogicState& s, const std::array<int, 4>& cells) {
    for (std::size_t u = 0; u < s.units().size(); ++u) {
        int n = 0;
        for (int c : cells) n += s.unitCells(u)[static_cast<std::size_t>(c)] ? 1 : 0;
        if (n % 2 != 0) return false;
    }
    return true;
}

// Units that hold both cells.
std::vector<std::size_t> SharedUnits(const LogicState& s, int a, int b) {
    std::vector<std::size_t> units;
    for (int u : s.unitsOf(a))
        if (s.unitCells(static_cast<std::size_t>(u))[static_cast<std::size_t>(b)]) units.push_back(static_cast<std::size_t>(u));
    return units;
}

std::optional<Step> Rectangle(const LogicState& s, int type, const std::array<int, 4>& cells, int x, int y) {
    const Candidates xy = static_cast<Candidates>(Bit(x) | Bit(y));
    std::vector<int> floor, roof;
    for (int c : cells) (s.candidates(c) == xy ? floor : roof).push_back(c);
    Step step = StepOf(type == 1 ? Technique::UniqueRectangle1
                       : type == 2 ? Technique::UniqueRectangle2
                       : type == 3 ? Technique::UniqueRectangle3
                                   : Technique::UniqueRectangle4);
    step.digits = {x, y};
    step.proof = floor;
    step.proof.insert(step.proof.end(), roof.begin(), roof.end());
    for (int c : step.proof) step.proofCandidates.push_back(s.candidates(c));
    if (type == 1) {
        if (floor.size() != 3) return std::nullopt;
        step.remove = {{roof[0], x}, {roof[0], y}};
        return step;
    }
    // Types 2 to 4: the two cells beyond the floor lie on one line.
    if (floor.size() != 2 || !s.sees(roof[0], roof[1]) || !s.sees(floor[0], floor[1])) return std::nullopt;
    const Candidates extra0 = static_cast<Candidates>(s.candidates(roof[0]) & ~xy);
    const Candidates extra1 = static_cast<Candidates>(s.candidates(roof[1]) & ~xy);
    if (type == 2) {
        if (extra0 != extra1 || CountOf(extra0) != 1) return std::nullopt;
        int z = DigitsOf(extra0).front();
        step.remove = RemovalsSeeingAll(s, z, roof);
        step.digits.push_back(z);
    } else if (type == 4) {
        for (std::size_t u : SharedUnits(s, roof[0], roof[1]))
            for (int k = 0; k < 2 && step.remove.empty(); ++k) {
                int only = k ? y : x, other = k ? x : y;
                if (PlacesOf(s, s.units()[u], only).size() != 2) continue;
                step.remove = {{roof[0], other}, {roof[1], other}};
                step.units = {s.units()[u]};
                step.digits = {only, other};
            }
    } else {
        const Candidates extras = static_cast<Candidates>(extra0 | extra1);
        for (std::size_t u : SharedUnits(s, roof[0], roof[1])) {
            const Unit& unit = s.units()[u];
            std::vector<int> others;
            for (int c : unit.cells)
                if (s.digit(c) == 0 && c != roof[0] && c != roof[1]) others.push_back(c);
            for (int k = 1; k <= 3 && step.remove.empty(); ++k)
                Combinations(static_cast<int>(others.size()), k, [&](const std::vector<int>& idx) {
                    Candidates m = extras;
                    std::vector<int> subset;
                    for (int i : idx) {
                        subset.push_back(others[static_cast<std::size_t>(i)]);
                        m |= s.candidates(subset.back());
                    }
                    if (CountOf(m) != k + 1) return false;
                    for (int c : others)
                        if (std::find(subset.begin(), subset.end(), c) == subset.end())
                            for (int d : DigitRange(static_cast<Candidates>(s.candidates(c) & m))) step.remove.push_back({c, d});
                    if (step.remove.empty()) return false;
                    step.units = {unit};
                    step.proof.insert(step.proof.end(), subset.begin(), subset.end());
                    for (int c : subset) step.proofCandidates.push_back(s.candidates(c));
                    return true;
                });
            if (!step.remove.empty()) break;
        }
    }
    if (step.remove.empty()) return std::nullopt;
    Normalise(step.remove);
    return step;
}

}  // namespace

// The rectangles of the board that may be unique rectangles of some type: four empty cells on
// two rows, two columns and two boxes of one grid, with two digits in common and two or more
// of them holding two candidates, in the order grid, rows, columns.
class Rectangles {
public:
    struct Rectangle {
        std::array<int, 4> cells;
        Candidates common;
    };
    std::vector<Rectangle> all;
};

std::shared_ptr<const Rectangles> FindRectangles(const LogicState& s) {
    auto found = std::make_shared<Rectangles>();
    for (int g = 1; g <= 2; ++g)
        for (int r1 = 1; r1 <= 9; ++r1)
            for (int r2 = r1 + 1; r2 <= 9; ++r2)
                for (int c1 = 1; c1 <= 9; ++c1)
                    for (int c2 = c1 + 1; c2 <= 9; ++c2) {
                        if (((r1 - 1) / 3 == (r2 - 1) / 3) == ((c1 - 1) / 3 == (c2 - 1) / 3)) continue;  // two boxes
                        const Unit& row1 = *s.unit(g, UnitKind::Row, r1);
                        const Unit& row2 = *s.unit(g, UnitKind::Row, r2);
                        std::array<int, 4> cells{row1.cells[static_cast<std::size_t>(c1 - 1)], row1.cells[static_cast<std::size_t>(c2 - 1)],
                                                 row2.cells[static_cast<std::size_t>(c1 - 1)], row2.cells[static_cast<std::size_t>(c2 - 1)]};
                        Candidates common = kAllCandidates;
                        int pairs = 0;
                        for (int c : cells) {
                            common &= s.candidates(c);
                            pairs += CountOf(s.candidates(c)) == 2 ? 1 : 0;
                        }
                        if (CountOf(common) >= 2 && pairs >= 2) found->all.push_back({cells, common});
                    }
    return found;
}

namespace {

// A unique rectangle of type 1..4 among the board's rectangles that may be one.
std::optional<Step> UniqueRectangle(const LogicState& s, int type, const Rectangles& rectangles) {
    for (const Rectangles::Rectangle& r : rectangles.all) {
        const std::array<int, 4>& cells = r.cells;
        // The cheap test first: as many cells holding only x and y as the type asks; only
        // then whether the units allow the swap.
        std::optional<bool> swaps;
        for (int x : DigitRange(r.common))
            for (int y : DigitRange(r.common)) {
                if (y <= x) continue;
                const Candidates xy = static_cast<Candidates>(Bit(x) | Bit(y));
                const auto floor = std::count_if(cells.begin(), cells.end(), [&](int c) { return s.candidates(c) == xy; });
                if (floor != (type == 1 ? 3 : 2)) continue;
                if (!swaps) swaps = SwapKeepsUnits(s, cells);
                if (!*swaps) break;
                if (auto step = Rectangle(s, type, cells, x, y)) return step;
            }
    }
    return std::nullopt;
}

// The sentence every type starts with: the rectangle and why it cannot hold only x and y.
// proof: the rectangle's cells holding only x and y, then the others (the roof: one for type
// 1, two for the other types), then a type 3's subset.
std::string RectangleWording(const Step& step, int pattern, int g) {
    const std::string x = Num(step.digits[0]), y = Num(step.digits[1]);
    std::vector<int> rect(step.proof.begin(), step.proof.begin() + 4);
    return CellList(pattern, rect, g) + "の4マスが" + x + "と" + y + "だけになると、" + x + "と" + y +
           "を入れ替えた2つ目の解ができてしまいます（この問題の解は1つです）。";
}

// The roof of types 2 to 4.
std::vector<int> Roof(const Step& step) { return {step.proof.begin() + 2, step.proof.begin() + 4}; }

}  // namespace

std::optional<Step> UniqueRectangle1(const LogicState& s, BoardContext& context) { return UniqueRectangle(s, 1, context.rectangles()); }
std::optional<Step> UniqueRectangle2(const LogicState& s, BoardContext& context) { return UniqueRectangle(s, 2, context.rectangles()); }
std::optional<Step> UniqueRectangle3(const LogicState& s, BoardContext& context) { return UniqueRectangle(s, 3, context.rectangles()); }
std::optional<Step> UniqueRectangle4(const LogicState& s, BoardContext& context) { return UniqueRectangle(s, 4, context.rectangles()); }

std::string UniqueRectangle1Wording(const Step& step, int pattern, int g) {
    const std::string x = Num(step.digits[0]), y = Num(step.digits[1]);
    return RectangleWording(step, pattern, g) + "そのため" + CellName(pattern, step.proof[3], g) + "には" + x + "も" + y + "も入りません。";
}

std::string UniqueRectangle2Wording(const Step& step, int pattern, int g) {
    return RectangleWording(step, pattern, g) + "そのため" + CellList(pattern, Roof(step), g) + "のどちらかに" + Num(step.digits[2]) +
           "が入り、両方と同じ行・列・ブロックにあるマスから消せます: " + RemovalList(pattern, step.remove, g) + "。";
}

std::string UniqueRectangle3Wording(const Step& step, int pattern, int g) {
    const std::string x = Num(step.digits[0]), y = Num(step.digits[1]);
    std::vector<int> subset(step.proof.begin() + 4, step.proof.end());
    return RectangleWording(step, pattern, g) + "そのため" + CellList(pattern, Roof(step), g) + "の" + x + "・" + y + "以外の候補のどれかが入り、それが" +
           CellList(pattern, subset, g) + "と組になって" + Named(pattern, step.units.front()) + "の数字を占めるので、他のマスから消せます: " +
           RemovalList(pattern, step.remove, g) + "。";
}

std::string UniqueRectangle4Wording(const Step& step, int pattern, int g) {
    const std::string x = Num(step.digits[0]), y = Num(step.digits[1]);
    return RectangleWording(step, pattern, g) + Named(pattern, step.units.front()) + "で" + x + "が入るのは" + CellList(pattern, Roof(step), g) +
           "だけなので、どちらかが" + x + "になり、どちらにも" + y + "は入りません。";
}

std::optional<Step> BugPlusOne(const LogicState& s, BoardContext&) {
    int triple = 0;
    for (int c : s.cells()) {
        if (s.digit(c) != 0) continue;
        int n = CountOf(s.candidates(c));
        if (n == 2) continue;
        if (n != 3 || triple != 0) return std::nullopt;
        triple = c;
    }
    if (triple == 0) return std::nullopt;
    int z = 0;
    for (std::size_t u = 0; u < s.units().size(); ++u) {
        const Unit& unit = s.units()[u];
        const bool holds = s.unitCells(u)[static_cast<std::size_t>(triple)];
        for (int d = 1; d <= 9; ++d) {
            if (PlacedIn(s, unit) & Bit(d)) continue;
            std::size_t n = PlacesOf(s, unit, d).size();
            if (n == 2) continue;
            if (!holds || n != 3 || (z != 0 && z != d)) return std::nullopt;
            z = d;
        }
    }
    if (z == 0 || !s.has(triple, z)) return std::nullopt;
    for (int u : s.unitsOf(triple)) {
        const Unit& unit = s.units()[static_cast<std::size_t>(u)];
        if (!(PlacedIn(s, unit) & Bit(z)) && PlacesOf(s, unit, z).size() != 3) return std::nullopt;
    }
    Step step = StepOf(Technique::BugPlusOne);
    step.place = {{triple, z}};
    step.digits = {z};
    step.proof = {triple};
    step.proofCandidates = {s.candidates(triple)};
    for (int u : s.unitsOf(triple)) step.units.push_back(s.units()[static_cast<std::size_t>(u)]);
    return step;
}

std::string BugPlusOneWording(const Step& step, int pattern, int g) {
    const CellDigit& p = step.place.front();
    return "空きマスの候補がすべて2つになり、どの数字もユニットに2か所ずつしか入らない形になると、解は1つに決まりません。候補が3つある" +
           CellName(pattern, p.cell, g) + "から" + Num(p.digit) + "を除くとその形になるので、そこには" + Num(p.digit) + "が入ります。";
}

}  // namespace puzzle::search
