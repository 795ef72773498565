// Breadth first from every node assumed false: a strong link makes the next node true, a weak
// link from a true node makes the next one false. Each true node reached with its start forms
// a chain "start or end is true"; the eliminations of such a pair are those of both ends.
#include "puzzle/ChainSearch.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>

namespace puzzle::search {

namespace {

struct Node {
    int digit;
    std::array<int, 3> cell{};  // sorted; a group lies in one box and one line, three cells at most
    int size = 0;
    std::span<const int> cells() const { return {cell.data(), static_cast<std::size_t>(size)}; }
    CellSet set;
    CellSet seenByAll;  // cells that see every cell of the node
};

class Graph {
public:
    Graph(const LogicState& s, const ChainRules& rules) : s_(s), rules_(rules) {
        for (auto& row : single_) row.fill(-1);
        nodes_.reserve(kNodesReserved);
        for (int d = 1; d <= 9; ++d) {
            if (rules.digit != 0 && d != rules.digit) continue;
            digitCells_[static_cast<std::size_t>(d)] = s.placesOf(d);
            s.placesOf(d).forEach([&](int c) {
                if (!rules.pairCellsOnly || CountOf(s.candidates(c)) == 2) add(d, std::array<int, 1>{c});
            });
            if (rules.groups) addGroups(d);
        }
        linkStrong();
        linkWeak();
        parent_.assign(nodes_.size() * 2, -2);
        depth_.assign(nodes_.size() * 2, 0);
    }

    std::optional<Step> search() const {
        std::optional<Step> best;
        std::size_t bestLength = static_cast<std::size_t>(rules_.maxNodes) + 1;
        for (std::size_t start = 0; start < nodes_.size(); ++start) {
            if (nodes_[start].size != 1 && !rules_.groups) continue;
            if (strongOf(static_cast<int>(start)).empty()) continue;  // a start goes on along a strong link only
            std::optional<Step> found = from(static_cast<int>(start), bestLength);
            if (found && found->chain.size() < bestLength) {
                bestLength = found->chain.size();
                best = std::move(found);
            }
        }
        return best;
    }

private:
    // The node of digit d on the cells (sorted, three at most), added when new.
    int add(int d, std::span<const int> cells) {
        CellSet set;
        for (int c : cells) set.set(static_cast<std::size_t>(c));
        if (int known = find(d, set, cells.size() == 1 ? cells[0] : 0); known >= 0) return known;
        Node n{d, {}, static_cast<int>(cells.size()), set, {}};
        std::copy(cells.begin(), cells.end(), n.cell.begin());
        n.seenByAll.set();
        for (int c : cells) n.seenByAll &= s_.peers(c);
        const int index = static_cast<int>(nodes_.size());
        nodes_.push_back(n);
        if (cells.size() == 1)
            single_[static_cast<std::size_t>(cells[0])][static_cast<std::size_t>(d)] = index;
        else
            groupsByDigit_[static_cast<std::size_t>(d)].push_back(index);
        return index;
    }

    // Groups: the places of d where a box meets a line, when there are two or three.
    void addGroups(int d) {
        for (const CellSet& meet : s_.boxLineMeets()) {
            std::array<int, 3> cells{};
            std::size_t n = 0;
            (meet & digitCells_[static_cast<std::size_t>(d)]).forEach([&](int c) { cells[n++] = c; });
            if (n >= 2) add(d, std::span<const int>(cells.data(), n));
        }
    }

    // The node of digit d on exactly these cells, or -1; a single cell's node by its cell.
    int find(int d, const CellSet& set, int singleCell = 0) const {
        if (singleCell != 0) return single_[static_cast<std::size_t>(singleCell)][static_cast<std::size_t>(d)];
        // A group is known by its cells; its first cell tells most groups apart.
        const int first = set.first();
        for (int i : groupsByDigit_[static_cast<std::size_t>(d)]) {
            const Node& n = nodes_[static_cast<std::size_t>(i)];
            if (n.cell[0] == first && n.set == set) return i;
        }
        return -1;
    }

    // Strong links are gathered as pairs, in the order found, and then listed per node (from
    // strongStart_[n] to strongStart_[n + 1]), each once, in the order it was first found.
    void link(int a, int b) { strongPairs_.emplace_back(a, b); }

    void listStrong() {
        strongStart_.assign(nodes_.size() + 1, 0);
        for (const auto& [a, b] : strongPairs_) ++strongStart_[static_cast<std::size_t>(a) + 1], ++strongStart_[static_cast<std::size_t>(b) + 1];
        for (std::size_t n = 1; n < strongStart_.size(); ++n) strongStart_[n] += strongStart_[n - 1];
        std::vector<int> end(strongStart_.begin(), strongStart_.end() - 1);
        strong_.resize(strongPairs_.size() * 2);
        auto add = [&](int from, int to) {
            const auto f = static_cast<std::size_t>(from);
            const auto first = strong_.begin() + strongStart_[f], last = strong_.begin() + end[f];
            if (std::find(first, last, to) == last) strong_[static_cast<std::size_t>(end[f]++)] = to;
        };
        for (const auto& [a, b] : strongPairs_) add(a, b), add(b, a);
        // Close the gaps the duplicates left.
        std::size_t out = 0;
        for (std::size_t n = 0; n + 1 < strongStart_.size(); ++n) {
            const auto from = static_cast<std::size_t>(strongStart_[n]), to = static_cast<std::size_t>(end[n]);
            strongStart_[n] = static_cast<int>(out);
            for (std::size_t i = from; i < to; ++i) strong_[out++] = strong_[i];
        }
        strongStart_.back() = static_cast<int>(out);
        strong_.resize(out);
    }

    std::span<const int> strongOf(int node) const {
        const auto n = static_cast<std::size_t>(node);
        return {strong_.data() + strongStart_[n], static_cast<std::size_t>(strongStart_[n + 1] - strongStart_[n])};
    }

    void linkStrong() {
        linkStrongOfUnits();
        linkCells();
        listStrong();
    }

    void linkStrongOfUnits() {
        if (!rules_.unitLinks) return;
        std::vector<UnitGroup> inUnit = groupsInUnits();
        auto next = inUnit.begin();
        for (std::size_t u = 0; u < s_.units().size(); ++u)
            for (int d = 1; d <= 9; ++d) {
                if (rules_.digit != 0 && d != rules_.digit) continue;
                const auto ud = static_cast<std::size_t>(d);
                const CellSet all = s_.unitCells(u) & digitCells_[ud];
                const int count = all.count();
                if (count == 2) {
                    const int a = all.first();
                    link(single_[static_cast<std::size_t>(a)][ud],
                         single_[static_cast<std::size_t>((all - CellSet().set(a)).first())][ud]);
                }
                // The groups of d in u, and the rest of the places, when the rest is a node too.
                const auto first = next;
                while (next != inUnit.end() && next->unit == static_cast<int>(u) && next->digit == d) ++next;
                if (count < 3) continue;
                for (auto g = first; g != next; ++g) {
                    const CellSet rest = all - nodes_[static_cast<std::size_t>(g->node)].set;
                    int b = -1;
                    if (rest.count() == 1)
                        b = single_[static_cast<std::size_t>(rest.first())][ud];
                    else
                        for (auto h = first; h != next && b < 0; ++h)
                            if (nodes_[static_cast<std::size_t>(h->node)].set == rest) b = h->node;
                    if (b >= 0) link(g->node, b);
                }
            }
    }

    struct UnitGroup {
        int unit;
        int digit;
        int node;
    };

    // Every group with each unit that holds it, by unit, then digit, then node: the groups are
    // visited by node, so a stable counting sort on unit and digit keeps that order.
    std::vector<UnitGroup> groupsInUnits() const {
        std::vector<UnitGroup> found;
        for (std::size_t d = 1; d <= 9; ++d)
            for (int g : groupsByDigit_[d]) {
                const Node& n = nodes_[static_cast<std::size_t>(g)];
                for (int u : s_.unitsOf(n.cell[0]))
                    if (n.set.within(s_.unitCells(static_cast<std::size_t>(u)))) found.push_back({u, static_cast<int>(d), g});
            }
        auto key = [](const UnitGroup& x) { return static_cast<std::size_t>(x.unit) * 10 + static_cast<std::size_t>(x.digit); };
        std::vector<int> start(s_.units().size() * 10 + 1, 0);
        for (const UnitGroup& x : found) ++start[key(x) + 1];
        for (std::size_t k = 1; k < start.size(); ++k) start[k] += start[k - 1];
        std::vector<UnitGroup> out(found.size());
        for (const UnitGroup& x : found) out[static_cast<std::size_t>(start[key(x)]++)] = x;
        return out;
    }

    void linkCells() {
        if (rules_.cellLinks)
            for (int c : s_.cells()) {
                if (CountOf(s_.candidates(c)) != 2) continue;
                const unsigned m = s_.candidates(c);  // bit d for digit d
                link(single_[static_cast<std::size_t>(c)][static_cast<std::size_t>(std::countr_zero(m))],
                     single_[static_cast<std::size_t>(c)][static_cast<std::size_t>(std::countr_zero(m & (m - 1)))]);
            }
    }

    // True when every cell of y sees every cell of x and none is one of them.
    static bool SeenByAll(const Node& x, const Node& y) {
        for (int c : y.cells())
            if (!x.seenByAll[static_cast<std::size_t>(c)]) return false;
        return true;
    }

    // The weak links go into one flat list (node n's from weakStart_[n] to weakStart_[n + 1]).
    // A node is true in a chain only when a strong link leads to it, and a false node goes on
    // only along a strong link, so a node without strong links is the end of every way through
    // it: it has no weak links and is no weak link's end. A node's list holds the nodes of its
    // digit in index order (single cells, found among the cells that see it, before groups),
    // then the other digits of its cell.
    void linkWeak() {
        auto linked = [&](int n) { return strongStart_[static_cast<std::size_t>(n) + 1] != strongStart_[static_cast<std::size_t>(n)]; };
        std::array<std::vector<int>, 10> linkedGroups;
        for (std::size_t d = 1; d <= 9; ++d)
            for (int b : groupsByDigit_[d])
                if (linked(b)) linkedGroups[d].push_back(b);
        weak_.clear();
        weakStart_.assign(nodes_.size() + 1, 0);
        for (std::size_t a = 0; a < nodes_.size(); ++a) {
            const Node& x = nodes_[a];
            if (linked(static_cast<int>(a))) {
                const auto d = static_cast<std::size_t>(x.digit);
                // seenByAll holds no cell of its own node, so none of these is x itself.
                (x.seenByAll & digitCells_[d]).forEach([&](int c) {
                    if (int b = single_[static_cast<std::size_t>(c)][d]; b >= 0 && linked(b)) weak_.push_back(b);
                });
                for (int b : linkedGroups[d])
                    if (SeenByAll(x, nodes_[static_cast<std::size_t>(b)])) weak_.push_back(b);
                if (rules_.cellWeakLinks && x.size == 1)
                    for (int b : single_[static_cast<std::size_t>(x.cell[0])])
                        if (b >= 0 && b != static_cast<int>(a) && linked(b)) weak_.push_back(b);
            }
            weakStart_[a + 1] = static_cast<int>(weak_.size());
        }
    }

    std::span<const int> weakOf(int node) const {
        const auto n = static_cast<std::size_t>(node);
        return {weak_.data() + weakStart_[n], static_cast<std::size_t>(weakStart_[n + 1] - weakStart_[n])};
    }

    // Removals proved by "a or z is true".
    std::vector<CellDigit> removals(int a, int z) const {
        const Node& x = nodes_[static_cast<std::size_t>(a)];
        const Node& y = nodes_[static_cast<std::size_t>(z)];
        std::vector<CellDigit> out;
        if (x.digit == y.digit) {
            if ((x.set & y.set).any()) return out;
            CellSet targets = x.seenByAll & y.seenByAll & digitCells_[static_cast<std::size_t>(x.digit)];
            if (targets.none()) return out;
            targets.forEach([&](int c) { out.push_back({c, x.digit}); });
            return out;
        }
        if (rules_.sameDigitEnds || x.size != 1 || y.size != 1) return out;
        int cx = x.cell[0], cy = y.cell[0];
        if (cx == cy) {
            for (int d : DigitRange(s_.candidates(cx)))
                if (d != x.digit && d != y.digit) out.push_back({cx, d});
        } else if (s_.sees(cx, cy)) {
            if (s_.has(cx, y.digit)) out.push_back({cx, y.digit});
            if (s_.has(cy, x.digit)) out.push_back({cy, x.digit});
        }
        return out;
    }

    std::optional<Step> from(int start, std::size_t shorterThan) const {
        // State 2n: node n false; 2n+1: node n true. The buffers are reset after each search.
        std::vector<int>& parent = parent_;
        std::vector<int>& depth = depth_;
        std::vector<int>& queue = queue_;
        queue.assign(1, 2 * start);
        parent[static_cast<std::size_t>(2 * start)] = -1;
        depth[static_cast<std::size_t>(2 * start)] = 1;
        std::optional<Step> found;
        for (std::size_t head = 0; head < queue.size() && !found; ++head) {
            const int state = queue[head];
            const int node = state / 2;
            const bool isTrue = state % 2 == 1;
            const int nextDepth = depth[static_cast<std::size_t>(state)] + 1;
            if (static_cast<std::size_t>(nextDepth) >= shorterThan || nextDepth > rules_.maxNodes) continue;
            for (int next : isTrue ? weakOf(node) : strongOf(node)) {
                const int nextState = 2 * next + (isTrue ? 0 : 1);
                if (parent[static_cast<std::size_t>(nextState)] != -2 || next == start) continue;
                parent[static_cast<std::size_t>(nextState)] = state;
                depth[static_cast<std::size_t>(nextState)] = nextDepth;
                queue.push_back(nextState);
                if (isTrue || nextDepth < 4) continue;
                std::vector<CellDigit> out = removals(start, next);
                if (out.empty()) continue;
                found = stepOf(nextState, parent, std::move(out));
                break;
            }
        }
        for (int st : queue) parent[static_cast<std::size_t>(st)] = -2;
        return found;
    }

    Step stepOf(int endState, const std::vector<int>& parent, std::vector<CellDigit> out) const {
        std::vector<int> order;
        for (int st = endState; st >= 0; st = parent[static_cast<std::size_t>(st)]) order.push_back(st);
        std::reverse(order.begin(), order.end());
        Step step = StepOf(rules_.technique);
        for (std::size_t i = 0; i < order.size(); ++i) {
            const Node& n = nodes_[static_cast<std::size_t>(order[i] / 2)];
            // A false node followed by a true one is a strong link.
            bool strong = i + 1 < order.size() && order[i] % 2 == 0;
            step.chain.push_back({{n.cells().begin(), n.cells().end()}, n.digit, strong});
            for (int c : n.cells())
                if (std::find(step.proof.begin(), step.proof.end(), c) == step.proof.end()) step.proof.push_back(c);
            if (std::find(step.digits.begin(), step.digits.end(), n.digit) == step.digits.end()) step.digits.push_back(n.digit);
        }
        Normalise(out);
        step.remove = std::move(out);
        return step;
    }

    // Room for the nodes of most boards without growing: a double board's open candidates
    // and their groups.
    static constexpr std::size_t kNodesReserved = 1024;

    const LogicState& s_;
    const ChainRules& rules_;
    std::array<CellSet, 10> digitCells_{};
    std::vector<Node> nodes_;
    std::array<std::vector<int>, 10> groupsByDigit_;  // the nodes of two or three cells
    std::array<std::array<int, 10>, kBoardCells + 1> single_;  // node of digit d in cell c, or -1
    std::vector<std::pair<int, int>> strongPairs_;
    std::vector<int> strong_, strongStart_;
    std::vector<int> weak_, weakStart_;
    mutable std::vector<int> parent_, depth_, queue_;  // the breadth-first search's buffers
};

}  // namespace

std::optional<Step> FindChain(const LogicState& s, const ChainRules& rules) { return Graph(s, rules).search(); }

}  // namespace puzzle::search
