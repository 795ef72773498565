// Forcing chains, the last resort: every way a cell can be filled (cell forcing chain), or every
// place a digit can take in a unit (unit forcing chain), is assumed in turn and followed by
// singles and locked candidates. What follows from every assumption holds; an assumption that
// leaves a cell or a unit without a digit is impossible. The search follows the assumptions
// with Propagation; only the branches of the step found are retraced (TracedBranch), so that
// the way from each assumption to the conclusion reads as a list of links.
#include <algorithm>

#include "puzzle/ForcingSearch.h"
#include "puzzle/StepWords.h"
#include "puzzle/TracedBranch.h"

namespace puzzle::search {

namespace {

// Assumptions per forcing chain: the cells with two to four candidates, the digits with two to
// four places in a unit.
constexpr int kMaxBranches = 4;

// The step's branch lines: for each assumption, the links to the conclusion (c, d), or to its
// contradiction.
void Describe(const LogicState& s, Step& step, const std::vector<CellDigit>& assumptions, int c, int d) {
    for (const CellDigit& a : assumptions) {
        TracedBranch b(s, a);
        ForcingBranch fb{a, {}, b.contradiction(), {}, 0};
        fb.links = b.linksTo(b.contradiction() ? b.contradictionIndex() : b.decider(c, d));
        for (const CellDigit& link : fb.links)
            if (std::find(step.proof.begin(), step.proof.end(), link.cell) == step.proof.end()) step.proof.push_back(link.cell);
        step.branches.push_back(std::move(fb));
    }
    step.digits = {d};
}

// What every assumption that holds leads to: the placements they all make (preferred), or else
// the candidates they all remove. The links are those to the first conclusion.
std::optional<Step> Conclude(const LogicState& s, Technique technique, const std::vector<CellDigit>& assumptions,
                             Assumptions& followed) {
    std::array<const Propagation*, kMaxBranches> open{};
    std::size_t count = 0;
    CellDigit holds{};
    for (const CellDigit& a : assumptions) {
        const Propagation& p = followed.of(a);
        if (!p.contradiction()) {
            open[count++] = &p;
            holds = a;
        }
    }
    if (count == 0) return std::nullopt;  // no solution: nothing to explain
    Step step = StepOf(technique);
    // Only one assumption holds: it is true.
    if (count == 1) {
        step.place = {holds};
    } else {
        for (int c : s.cells()) {
            if (s.digit(c) != 0) continue;
            const int d = open[0]->digit(c);
            bool all = d != 0;
            for (std::size_t i = 1; i < count && all; ++i) all = open[i]->digit(c) == d;
            if (all) step.place.push_back({c, d});
        }
    }
    if (step.place.empty())
        for (int c : s.cells()) {
            if (s.digit(c) != 0) continue;
            // The candidates every branch rules out.
            Candidates out = s.candidates(c);
            for (std::size_t i = 0; i < count && out != 0; ++i)
                out &= static_cast<Candidates>(~(open[i]->digit(c) != 0 ? Bit(open[i]->digit(c)) : open[i]->candidates(c)));
            for (int d : DigitRange(out)) step.remove.push_back({c, d});
        }
    if (step.place.empty() && step.remove.empty()) return std::nullopt;
    const CellDigit first = step.place.empty() ? step.remove.front() : step.place.front();
    Describe(s, step, assumptions, first.cell, first.digit);
    return step;
}

}  // namespace

std::optional<Step> CellForcingChain(const LogicState& s, BoardContext& context) {
    Assumptions& followed = context.followed();
    for (int n = 2; n <= kMaxBranches; ++n)
        for (int c : s.cells()) {
            if (s.digit(c) != 0 || CountOf(s.candidates(c)) != n) continue;
            std::vector<CellDigit> assumptions;
            for (int d : DigitRange(s.candidates(c))) assumptions.push_back({c, d});
            if (auto step = Conclude(s, Technique::CellForcingChain, assumptions, followed)) return step;
        }
    return std::nullopt;
}

std::optional<Step> UnitForcingChain(const LogicState& s, BoardContext& context) {
    Assumptions& followed = context.followed();
    for (int n = 2; n <= kMaxBranches; ++n)
        for (const Unit& u : s.units())
            for (int d = 1; d <= 9; ++d) {
                if (PlacedIn(s, u) & Bit(d)) continue;
                std::vector<int> places = PlacesOf(s, u, d);
                if (static_cast<int>(places.size()) != n) continue;
                std::vector<CellDigit> assumptions;
                for (int c : places) assumptions.push_back({c, d});
                if (auto step = Conclude(s, Technique::UnitForcingChain, assumptions, followed)) {
                    step->units = {u};
                    return step;
                }
            }
    return std::nullopt;
}

std::string ForcingChainWording(const Step& step, int pattern, int grid) {
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
        const std::string assumed = CellAfter(pattern, b.assumed.cell, last);
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

}  // namespace puzzle::search
