// Nested forcing chains, the last resort: a candidate is assumed and followed by singles and
// locked candidates, and, where that stops, by taking out every candidate that leads to a
// contradiction when assumed in its turn (a forcing chain inside the branch). When the branch
// itself ends in a contradiction, the candidate assumed first is false.
//
// Level 1 nests one branch in another. A level-k branch takes out the candidates refuted at
// level k-1; the levels are tried in turn up to kMaxLevel. On a problem with one solution every
// false candidate is refuted at some level (a level-k branch does all that a search k guesses
// deep does), and one or two levels suffice in practice; the limit keeps a board with many
// solutions, where nothing can be refuted, from costing more than a moment.
//
// The search follows the branches with Propagation and records what it took out and why (a
// plan); only the plan of the step found is retraced with TracedBranch for its links.
#include <algorithm>

#include "puzzle/ForcingSearch.h"
#include "puzzle/StepWords.h"
#include "puzzle/TracedBranch.h"

namespace puzzle::search {

namespace {

constexpr int kMaxLevel = 2;

// How an assumption was refuted: what it was, and the candidates taken out on the way, in
// order, each with its own refutation one level down.
struct Plan {
    CellDigit assumed;
    std::vector<Plan> exclusions;
};

// Refutes d in c on top of the branch `base` at the level, or nothing.
std::optional<Plan> Refute(const Propagation& base, CellDigit assumed, int level, const std::vector<int>& cells) {
    Propagation branch = base;
    Plan plan{assumed, {}};
    if (!branch.assume(assumed.cell, assumed.digit)) return plan;
    if (level == 0) return std::nullopt;
    for (bool changed = true; changed;) {
        changed = false;
        for (int c : cells) {
            if (branch.digit(c) != 0) continue;
            for (int d : DigitRange(branch.candidates(c))) {
                if (!branch.has(c, d)) continue;  // gone with an earlier exclusion
                std::optional<Plan> inner = Refute(branch, {c, d}, level - 1, cells);
                if (!inner) continue;
                plan.exclusions.push_back(std::move(*inner));
                changed = true;
                if (!branch.exclude(c, d)) return plan;
            }
        }
    }
    return std::nullopt;
}

// Follows the plan again with links on top of `base` (the start when null), and appends its
// branch lines to `lines`: the line of the plan's assumption, then under it the lines of the
// exclusions its way to the contradiction uses. Returns the link of `base` where that way
// leaves the branch, or -1.
int Retrace(const LogicState& s, const TracedBranch* base, const Plan& plan, int depth, std::vector<ForcingBranch>& lines) {
    TracedBranch branch = base != nullptr ? TracedBranch(*base, plan.assumed) : TracedBranch(s, plan.assumed);
    std::vector<std::vector<ForcingBranch>> below(plan.exclusions.size());
    std::vector<int> at(plan.exclusions.size(), -1);  // the exclusion's link index
    for (std::size_t i = 0; i < plan.exclusions.size() && !branch.contradiction(); ++i) {
        int leans = Retrace(s, &branch, plan.exclusions[i], depth + 1, below[i]);
        // A way that never leaves the deeper branch still stands on all this one did so far.
        if (leans < 0) leans = static_cast<int>(branch.placements().size()) - 1;
        at[i] = static_cast<int>(branch.placements().size());
        branch.exclude(plan.exclusions[i].assumed, leans);
    }
    ForcingBranch line{plan.assumed, {}, true, {}, depth};
    std::vector<int> way = branch.chainTo(branch.contradictionIndex());
    std::erase_if(way, [&](int k) { return k < branch.firstOwn(); });
    for (int k : way) {
        line.links.push_back(branch.placements()[static_cast<std::size_t>(k)]);
        line.excluded.push_back(branch.isExclusion(k));
    }
    lines.push_back(std::move(line));
    for (int k : way)
        for (std::size_t i = 0; i < at.size(); ++i)
            if (at[i] == k) lines.insert(lines.end(), below[i].begin(), below[i].end());
    for (int i = branch.contradictionIndex(); i >= 0; i = branch.parentOf(i))
        if (i < branch.firstOwn()) return i;
    return -1;
}

Step Describe(const LogicState& s, const Plan& plan) {
    Step step = StepOf(Technique::NestedForcingChain);
    step.remove = {plan.assumed};
    step.digits = {plan.assumed.digit};
    Retrace(s, nullptr, plan, 0, step.branches);
    for (const ForcingBranch& b : step.branches)
        for (const CellDigit& link : b.links)
            if (std::find(step.proof.begin(), step.proof.end(), link.cell) == step.proof.end()) step.proof.push_back(link.cell);
    return step;
}

}  // namespace

std::optional<Step> NestedForcingChain(const LogicState& s, BoardContext& context) {
    Assumptions& followed = context.followed();
    const Propagation& start = followed.start();
    std::vector<int> cells;
    for (int c : s.cells())
        if (s.digit(c) == 0) cells.push_back(c);
    // Candidates whose own consequences reach furthest first: their branches end soonest.
    std::vector<std::pair<int, CellDigit>> order;
    for (int c : cells)
        for (int d : DigitRange(s.candidates(c))) {
            const Propagation& p = followed.of({c, d});
            if (p.contradiction()) return Describe(s, Plan{{c, d}, {}});
            int placed = 0;
            for (int x : cells) placed += p.digit(x) != 0 ? 1 : 0;
            order.push_back({placed, {c, d}});
        }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (int level = 1; level <= kMaxLevel; ++level)
        for (const auto& [placed, a] : order)
            if (std::optional<Plan> plan = Refute(start, a, level, cells)) return Describe(s, *plan);
    return std::nullopt;
}

// The first line refutes the candidate; a line one level deeper follows each link that took a
// digit out, in the order of those links.
std::string NestedForcingChainWording(const Step& step, int pattern, int grid) {
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
        const std::string assumed = CellAfter(pattern, b.assumed.cell, last);
        lines += "\n" + indent + "・" + assumed + "=" + Num(b.assumed.digit) + ForcingLinks(pattern, b, last) + kContradiction;
    }
    return target + "に" + Num(first.assumed.digit) + "が入ると仮定すると、次のように矛盾します" +
           (excludes ? "（≠は、そこにその数字を入れると一段下の行のように矛盾するので、その候補が消えることを表します）" : "") + "。" +
           lines + "\nそのため" + target + "には" + Num(first.assumed.digit) + "が入りません。";
}

}  // namespace puzzle::search
