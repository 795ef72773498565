// Almost locked sets: n cells of one unit that between them take n + 1 digits. Two sets with a
// restricted common digit x (every x of one sees every x of the other, so at most one of them
// takes x) lock each other: one of them loses x and becomes a locked set. ALS-XZ: a second
// common digit z then lies in one of the two sets, so z leaves every cell that sees all their
// z cells. ALS-XY-wing: a pivot set C with restricted commons x to set A and y to set B; a
// digit z common to A and B leaves every cell that sees all their z cells.
#include <algorithm>
#include <cstdint>

#include "puzzle/StepWords.h"
#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

namespace {

constexpr int kMaxAlsCells = 3;

struct Als {
    std::vector<int> cells;
    CellSet set;
    Candidates digits = 0;
    std::array<CellSet, 10> cellsOf{};  // per digit: its cells in the set
    std::array<CellSet, 10> seenBy{};   // per digit: the cells that see all of them
    std::array<uint8_t, 10> firstOf{};  // per digit: its first cell in the set
    int unit = 0;
};

std::vector<Als> FindAls(const LogicState& s) {
    std::vector<Als> all;
    for (std::size_t u = 0; u < s.units().size(); ++u) {
        // A unit both grids list (a shared box) is searched once.
        bool again = false;
        const int first = s.units()[u].cells[0];
        for (std::size_t v = 0; v < u && !again; ++v) again = s.unitCells(v)[first] && s.unitCells(v) == s.unitCells(u);
        if (again) continue;
        std::vector<int> open;
        for (int c : s.units()[u].cells)
            if (s.digit(c) == 0) open.push_back(c);
        for (int k = 1; k <= kMaxAlsCells && k < static_cast<int>(open.size()); ++k)
            Combinations(static_cast<int>(open.size()), k, [&](const std::vector<int>& idx) {
                // Most combinations take too many digits: tell that before building the set.
                Candidates digits = 0;
                for (int i : idx) digits |= s.candidates(open[static_cast<std::size_t>(i)]);
                if (CountOf(digits) != k + 1) return false;
                Als a;
                a.digits = digits;
                for (int i : idx) {
                    int c = open[static_cast<std::size_t>(i)];
                    a.cells.push_back(c);
                    a.set.set(static_cast<std::size_t>(c));
                }
                for (int d : DigitRange(a.digits)) {
                    a.seenBy[static_cast<std::size_t>(d)].set();
                    for (int c : a.cells)
                        if (s.has(c, d)) {
                            if (a.cellsOf[static_cast<std::size_t>(d)].none()) a.firstOf[static_cast<std::size_t>(d)] = static_cast<uint8_t>(c);
                            a.cellsOf[static_cast<std::size_t>(d)].set(static_cast<std::size_t>(c));
                            a.seenBy[static_cast<std::size_t>(d)] &= s.peers(c);
                        }
                }
                a.unit = static_cast<int>(u);
                all.push_back(std::move(a));
                return false;
            });
    }
    return all;
}

// Digit x, which both (disjoint) sets take, is a restricted common of the two: every x of b
// sees every x of a (and so every x of a sees every x of b). Most pairs fail at b's first x.
bool Restricted(const Als& a, const Als& b, int x) {
    auto d = static_cast<std::size_t>(x);
    return a.seenBy[d].test(b.firstOf[d]) && b.cellsOf[d].within(a.seenBy[d]);
}

// z leaves the cells outside the sets that see every z of both.
std::vector<CellDigit> ZRemovals(const LogicState& s, const Als& a, const Als& b, int z) {
    std::vector<CellDigit> out;
    auto d = static_cast<std::size_t>(z);
    (a.seenBy[d] & b.seenBy[d] & s.placesOf(z) & ~a.set & ~b.set).forEach([&](int c) { out.push_back({c, z}); });
    return out;
}

void Describe(const LogicState& s, Step& step, const std::vector<const Als*>& sets) {
    for (const Als* a : sets) {
        step.units.push_back(s.units()[static_cast<std::size_t>(a->unit)]);
        for (int c : a->cells) {
            step.proof.push_back(c);
            step.proofCandidates.push_back(s.candidates(c));
        }
        // The chain field marks each set as one node: its cells and no digit.
        step.chain.push_back({a->cells, 0, false});
    }
    Normalise(step.remove);
}

}  // namespace

// The sets, and for each pair of disjoint sets with a restricted common digit, those digits:
// in pairs (i < j) in order, and per set its partners in order (CSR, from partnerStart[i]).
class AlsSets {
public:
    struct Pair {
        int i, j;
        Candidates restricted;
    };
    struct Partner {
        int set;
        Candidates restricted;
    };
    std::vector<Als> all;
    std::vector<Pair> pairs;
    std::vector<Partner> partners;
    std::vector<int> partnerStart;
};

std::shared_ptr<const AlsSets> FindAlsSets(const LogicState& s) {
    auto sets = std::make_shared<AlsSets>();
    sets->all = FindAls(s);
    const std::vector<Als>& all = sets->all;
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            const Als& a = all[i];
            const Als& b = all[j];
            const auto common = static_cast<Candidates>(a.digits & b.digits);
            if (common == 0 || a.set.intersects(b.set)) continue;
            Candidates restricted = 0;
            for (int x : DigitRange(common))
                if (Restricted(a, b, x)) restricted = static_cast<Candidates>(restricted | Bit(x));
            if (restricted != 0) sets->pairs.push_back({static_cast<int>(i), static_cast<int>(j), restricted});
        }
    // Each set's partners: a pair (i, j) comes before (j, k) in pairs, so a stable counting
    // sort by set lists them in increasing order.
    sets->partnerStart.assign(all.size() + 1, 0);
    for (const AlsSets::Pair& p : sets->pairs)
        ++sets->partnerStart[static_cast<std::size_t>(p.i) + 1], ++sets->partnerStart[static_cast<std::size_t>(p.j) + 1];
    for (std::size_t k = 1; k < sets->partnerStart.size(); ++k) sets->partnerStart[k] += sets->partnerStart[k - 1];
    sets->partners.resize(sets->pairs.size() * 2);
    std::vector<int> next(sets->partnerStart.begin(), sets->partnerStart.end() - 1);
    for (const AlsSets::Pair& p : sets->pairs) {
        sets->partners[static_cast<std::size_t>(next[static_cast<std::size_t>(p.i)]++)] = {p.j, p.restricted};
        sets->partners[static_cast<std::size_t>(next[static_cast<std::size_t>(p.j)]++)] = {p.i, p.restricted};
    }
    return sets;
}

std::optional<Step> AlsXZ(const LogicState& s, BoardContext& context) {
    const AlsSets& sets = context.alsSets();
    for (const AlsSets::Pair& p : sets.pairs) {
        const Als& a = sets.all[static_cast<std::size_t>(p.i)];
        const Als& b = sets.all[static_cast<std::size_t>(p.j)];
        const auto common = static_cast<Candidates>(a.digits & b.digits);
        if (CountOf(common) < 2) continue;
        for (int x : DigitRange(p.restricted))
            for (int z : DigitRange(static_cast<Candidates>(common & ~Bit(x)))) {
                Step step = StepOf(Technique::AlsXZ);
                step.remove = ZRemovals(s, a, b, z);
                if (step.remove.empty()) continue;
                step.digits = {x, z};
                Describe(s, step, {&a, &b});
                return step;
            }
    }
    return std::nullopt;
}

std::optional<Step> AlsXYWing(const LogicState& s, BoardContext& context) {
    const AlsSets& sets = context.alsSets();
    std::vector<std::pair<const Als*, int>> partners;
    for (std::size_t k = 0; k < sets.all.size(); ++k) {
        const Als& c = sets.all[k];
        // Sets joined to the pivot by a restricted common digit.
        partners.clear();
        for (int p = sets.partnerStart[k]; p < sets.partnerStart[k + 1]; ++p) {
            const AlsSets::Partner& partner = sets.partners[static_cast<std::size_t>(p)];
            for (int x : DigitRange(partner.restricted)) partners.push_back({&sets.all[static_cast<std::size_t>(partner.set)], x});
        }
        for (std::size_t i = 0; i < partners.size(); ++i)
            for (std::size_t j = i + 1; j < partners.size(); ++j) {
                auto [a, x] = partners[i];
                auto [b, y] = partners[j];
                if (a == b || x == y || a->set.intersects(b->set)) continue;
                const Candidates common = static_cast<Candidates>(a->digits & b->digits & ~Bit(x) & ~Bit(y));
                for (int z : DigitRange(common)) {
                    Step step = StepOf(Technique::AlsXYWing);
                    step.remove = ZRemovals(s, *a, *b, z);
                    if (step.remove.empty()) continue;
                    step.digits = {x, y, z};
                    Describe(s, step, {a, b, &c});
                    return step;
                }
            }
    }
    return std::nullopt;
}

namespace {

// The sets named A, B (and C, the pivot) with their cells and digits: proof holds the cells
// of each set in turn, chain one node per set.
std::string SetsWording(const Step& step, int pattern, int grid) {
    std::string sets;
    std::size_t k = 0;
    const char* names[] = {"A", "B", "C"};
    for (std::size_t i = 0; i < step.chain.size(); ++i) {
        Candidates digits = 0;
        for (std::size_t j = 0; j < step.chain[i].cells.size(); ++j, ++k) digits |= step.proofCandidates[k];
        const std::string cells = CellList(pattern, step.chain[i].cells, grid);
        sets += (i > 0 ? "、" : "") + std::string(names[i]) + "（" + cells + "に" + DigitList(DigitsOf(digits)) + "）";
    }
    return sets;
}

// The conclusion: z leaves the cells that see every z of A and B.
std::string ZRemovedWording(const Step& step, int pattern, int grid) {
    const std::string z = Num(step.remove.front().digit);
    return "そのためAとBの" + z + "のマスすべてと同じ行・列・ブロックにあるマスから" + z + "を消せます: " + RemovalList(pattern, step.remove, grid) +
           "。";
}

}  // namespace

std::string AlsXZWording(const Step& step, int pattern, int grid) {
    return SetsWording(step, pattern, grid) + "は、どちらもマスの数より候補が1つ多いグループです。" + Num(step.digits[0]) +
           "は両方に入ることはないので、どちらかは残りの数字で埋まり、" + Num(step.remove.front().digit) + "はAかBに入ります。" +
           ZRemovedWording(step, pattern, grid);
}

std::string AlsXYWingWording(const Step& step, int pattern, int grid) {
    return SetsWording(step, pattern, grid) + "は、どれもマスの数より候補が1つ多いグループです。" + Num(step.digits[0]) + "はAとCの両方に、" +
           Num(step.digits[1]) + "はBとCの両方に入ることはないので、AかBは残りの数字で埋まり、" + Num(step.remove.front().digit) +
           "はAかBに入ります。" + ZRemovedWording(step, pattern, grid);
}

}  // namespace puzzle::search
