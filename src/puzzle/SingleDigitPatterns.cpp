// Short patterns of one digit built from two conjugate pairs (the only two places of the digit
// in a unit). Skyscraper: two pairs in parallel lines whose one end each share a line across;
// 2-string kite: a pair in a row and one in a column whose one end each share a box. Either
// way one of the two far ends takes the digit, so a cell seeing both cannot. Empty rectangle:
// a box whose places of the digit lie on one row and one column of it, and a conjugate pair
// leading from that row to a cell of that column.
#include <algorithm>

#include "puzzle/StepWords.h"
#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

namespace {

bool ShareUnitOf(const LogicState& s, int a, int b, UnitKind kind) {
    for (int u : s.unitsOf(a))
        if (s.units()[static_cast<std::size_t>(u)].kind == kind && s.unitCells(static_cast<std::size_t>(u))[static_cast<std::size_t>(b)])
            return true;
    return false;
}

bool IsLine(UnitKind k) { return k == UnitKind::Row || k == UnitKind::Column; }

// Two conjugate pairs t1 = p1 - p2 = t2, where p1 and p2 meet as `meets` says.
template <class Meets>
std::optional<Step> TwoLinks(const LogicState& s, int d, Technique technique, bool parallel, Meets meets) {
    std::vector<StrongLink> links = StrongLinksOf(s, d);
    for (std::size_t i = 0; i < links.size(); ++i)
        for (std::size_t j = i + 1; j < links.size(); ++j) {
            const Unit& u1 = s.units()[static_cast<std::size_t>(links[i].unit)];
            const Unit& u2 = s.units()[static_cast<std::size_t>(links[j].unit)];
            if (!IsLine(u1.kind) || !IsLine(u2.kind) || (u1.kind == u2.kind) != parallel) continue;
            for (int end1 = 0; end1 < 2; ++end1)
                for (int end2 = 0; end2 < 2; ++end2) {
                    int p1 = end1 ? links[i].b : links[i].a, t1 = end1 ? links[i].a : links[i].b;
                    int p2 = end2 ? links[j].b : links[j].a, t2 = end2 ? links[j].a : links[j].b;
                    std::vector<int> four{t1, p1, p2, t2};
                    std::sort(four.begin(), four.end());
                    if (std::adjacent_find(four.begin(), four.end()) != four.end()) continue;
                    if (!meets(u1, p1, p2)) continue;
                    Step step = StepOf(technique);
                    step.remove = RemovalsSeeingAll(s, d, {t1, t2});
                    std::erase_if(step.remove, [&](const CellDigit& r) { return r.cell == p1 || r.cell == p2; });
                    if (step.remove.empty()) continue;
                    step.digits = {d};
                    step.proof = {t1, p1, p2, t2};
                    step.units = {u1, u2};
                    step.chain = {{{t1}, d, true}, {{p1}, d, false}, {{p2}, d, true}, {{t2}, d, false}};
                    Normalise(step.remove);
                    return step;
                }
        }
    return std::nullopt;
}

}  // namespace

std::optional<Step> Skyscraper(const LogicState& s, int d) {
    return TwoLinks(s, d, Technique::Skyscraper, true, [&](const Unit& u1, int p1, int p2) {
        return ShareUnitOf(s, p1, p2, u1.kind == UnitKind::Row ? UnitKind::Column : UnitKind::Row);
    });
}

std::optional<Step> TwoStringKite(const LogicState& s, int d) {
    return TwoLinks(s, d, Technique::TwoStringKite, false, [&](const Unit&, int p1, int p2) { return ShareUnitOf(s, p1, p2, UnitKind::Box); });
}

std::optional<Step> EmptyRectangle(const LogicState& s, int d) {
    const auto& units = s.units();
    std::vector<StrongLink> links = StrongLinksOf(s, d);
    for (std::size_t b = 0; b < units.size(); ++b) {
        const Unit& box = units[b];
        if (box.kind != UnitKind::Box || (PlacedIn(s, box) & Bit(d))) continue;
        std::vector<int> places = PlacesOf(s, box, d);
        if (places.size() < 2) continue;
        // The box's rows and columns of its own grid: box cells 1, 4, 7 start rows; 1, 2, 3 columns.
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                const int rowCell = box.cells[static_cast<std::size_t>(3 * i)];
                const int colCell = box.cells[static_cast<std::size_t>(j)];
                const Unit* row = nullptr;
                const Unit* col = nullptr;
                for (int u : s.unitsOf(rowCell))
                    if (units[static_cast<std::size_t>(u)].grid == box.grid && units[static_cast<std::size_t>(u)].kind == UnitKind::Row)
                        row = &units[static_cast<std::size_t>(u)];
                for (int u : s.unitsOf(colCell))
                    if (units[static_cast<std::size_t>(u)].grid == box.grid && units[static_cast<std::size_t>(u)].kind == UnitKind::Column)
                        col = &units[static_cast<std::size_t>(u)];
                bool offRow = false, offCol = false, covered = true;
                for (int c : places) {
                    bool inRow = Contains(*row, c), inCol = Contains(*col, c);
                    covered = covered && (inRow || inCol);
                    offRow = offRow || !inRow;
                    offCol = offCol || !inCol;
                }
                if (!covered || !offRow || !offCol) continue;
                // p on one line outside the box, q its partner; the target lies on the
                // other line outside the box and sees q.
                for (const StrongLink& link : links)
                    for (int flip = 0; flip < 2; ++flip)
                        for (int lines = 0; lines < 2; ++lines) {
                            const Unit& from = lines ? *col : *row;
                            const Unit& to = lines ? *row : *col;
                            int p = flip ? link.b : link.a, q = flip ? link.a : link.b;
                            if (!Contains(from, p) || Contains(box, p) || Contains(box, q)) continue;
                            for (int t : to.cells) {
                                if (Contains(box, t) || t == q || !s.has(t, d) || !s.sees(t, q)) continue;
                                Step step = StepOf(Technique::EmptyRectangle);
                                step.digits = {d};
                                step.remove = {{t, d}};
                                step.proof = places;
                                step.proof.push_back(p);
                                step.proof.push_back(q);
                                step.units = {box, from, to, units[static_cast<std::size_t>(link.unit)]};
                                return step;
                            }
                        }
            }
    }
    return std::nullopt;
}

// proof: the box's places, then the conjugate pair p, q; units: the box, p's line, the
// target's line, the pair's unit.
std::string EmptyRectangleWording(const Step& step, int pattern, int g) {
    const std::string digits = DigitList(step.digits);
    const int p = step.proof[step.proof.size() - 2], q = step.proof.back(), t = step.remove.front().cell;
    return Named(pattern, step.units[0]) + "では、" + digits + "が入るのは" + UnitName(step.units[1]) + "と" + UnitName(step.units[2]) +
           "の上だけです。" + UnitName(step.units[3]) + "で" + digits + "が入るのは" + CellName(pattern, p, g) + "と" +
           CellName(pattern, q, g) + "だけなので、" + CellName(pattern, t, g) + "が" + digits + "なら" + CellName(pattern, p, g) + "が" +
           digits + "になり、" + Named(pattern, step.units[0]) + "に" + digits + "の入る場所がなくなります。そのため" +
           CellName(pattern, t, g) + "には" + digits + "が入りません。";
}

}  // namespace puzzle::search
