// Forcing chains, the last resort: every way a cell can be filled (cell forcing chain), or every
// place a digit can take in a unit (unit forcing chain), is assumed in turn and followed by
// singles and locked candidates. What follows from every assumption holds; an assumption that
// leaves a cell or a unit without a digit is impossible. Each placement on the way remembers
// the placement that made it a single, so the way from an assumption to the conclusion reads
// as a list of links.
#include <algorithm>
#include <memory>

#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

namespace {

// Assumptions per forcing chain: the cells with two to four candidates, the digits with two to
// four places in a unit.
constexpr int kMaxBranches = 4;

// What follows from one assumption: singles and locked candidates.
class Branch {
public:
    Branch(const LogicState& start, CellDigit assumed) : state_(start), startState_(&start) {
        for (auto& row : remover_) row.fill(-1);
        place(assumed.cell, assumed.digit, -1);
        run();
    }

    bool contradiction() const { return contradiction_; }
    // The digit the branch placed in cell c, 0 for none.
    int placed(int c) const { return state_.digit(c) != startState_->digit(c) ? state_.digit(c) : 0; }
    // True when the branch rules digit d out of cell c (c empty at the start).
    bool rulesOut(int c, int d) const {
        return (placed(c) != 0 && placed(c) != d) || (placed(c) == 0 && startState_->has(c, d) && !state_.has(c, d));
    }
    // The links from the assumption to the placement that decided (c, d): placing d in c, or
    // the placement that removed d from c.
    std::vector<CellDigit> linksTo(int c, int d) const {
        int i = placed(c) != 0 ? indexOf(c) : remover_[static_cast<std::size_t>(c)][static_cast<std::size_t>(d)];
        return trace(i);
    }
    std::vector<CellDigit> linksToContradiction() const { return trace(static_cast<int>(placements_.size()) - 1); }

private:
    int indexOf(int c) const {
        for (std::size_t i = 0; i < placements_.size(); ++i)
            if (placements_[i].cell == c) return static_cast<int>(i);
        return -1;
    }

    std::vector<CellDigit> trace(int i) const {
        std::vector<CellDigit> links;
        for (; i >= 0; i = parent_[static_cast<std::size_t>(i)]) links.push_back(placements_[static_cast<std::size_t>(i)]);
        std::reverse(links.begin(), links.end());
        return links;
    }

    void place(int c, int d, int parent) {
        if (state_.digit(c) != 0) {
            contradiction_ = contradiction_ || state_.digit(c) != d;
            return;
        }
        if (!state_.has(c, d)) {
            contradiction_ = true;
            return;
        }
        const int index = static_cast<int>(placements_.size());
        placements_.push_back({c, d});
        parent_.push_back(parent);
        for (int e : DigitsOf(state_.candidates(c)))
            if (e != d) {
                remover_[static_cast<std::size_t>(c)][static_cast<std::size_t>(e)] = index;
                for (int u : state_.unitsOf(c)) lostPlace(u, e);
            }
        std::vector<int> touched;
        for (int p : state_.peerList(c))
            if (state_.has(p, d)) {
                remover_[static_cast<std::size_t>(p)][static_cast<std::size_t>(d)] = index;
                touched.push_back(p);
            }
        state_.place(c, d);
        for (int p : touched) removed(p, d);
    }

    // The latest placement among those that removed candidates (or digit d) from the cells.
    template <class Cells>
    int latestRemover(const Cells& cells, int d, int except) const {
        int latest = -1;
        for (int c : cells) {
            if (c == except || state_.digit(c) != 0) continue;
            if (d != 0) {
                latest = std::max(latest, remover_[static_cast<std::size_t>(c)][static_cast<std::size_t>(d)]);
            } else {
                for (int e = 1; e <= 9; ++e) latest = std::max(latest, remover_[static_cast<std::size_t>(c)][static_cast<std::size_t>(e)]);
            }
        }
        return latest;
    }

    // Locked candidates: a digit whose places in one unit all lie in another leaves the rest of
    // that other unit. The removals are credited to the latest placement that shaped the unit.
    // Only units where a digit lost a place since the last pass can lock it anew: the step
    // finder found no locked candidates on the board the branch starts from.
    bool locked() {
        bool any = false;
        const auto& units = state_.units();
        std::vector<std::pair<int, int>> dirty;
        dirty.swap(dirty_);
        for (auto [u, d] : dirty) {
            const auto a = static_cast<std::size_t>(u);
            dirtyMark_[a] = static_cast<uint16_t>(dirtyMark_[a] & ~Bit(d));
            if (contradiction_ || (PlacedIn(state_, units[a]) & Bit(d))) continue;
            unsigned places = 0;
            for (std::size_t i = 0; i < 9; ++i)
                if (state_.has(units[a].cells[i], d)) places |= 1u << i;
            if (CountOf(static_cast<Candidates>(places)) < 2) continue;
            for (const UnitOverlap& o : state_.overlaps(a)) {
                if (places & ~o.mask) continue;
                const int cause = latestRemover(units[a].cells, d, 0);
                for (int c : units[static_cast<std::size_t>(o.other)].cells) {
                    if (state_.unitCells(a)[static_cast<std::size_t>(c)] || !state_.has(c, d)) continue;
                    remover_[static_cast<std::size_t>(c)][static_cast<std::size_t>(d)] = cause;
                    state_.removeCandidate(c, d);
                    removed(c, d);
                    any = true;
                }
            }
        }
        return any;
    }

    // A candidate gone: its cell may be a single now, its units may have one place left.
    void removed(int p, int d) {
        if (CountOf(state_.candidates(p)) == 0) contradiction_ = true;
        if (CountOf(state_.candidates(p)) == 1) pending_.push_back(p);
        for (int u : state_.unitsOf(p)) lostPlace(u, d);
    }

    // Digit d lost a place in unit u: a hidden single or locked candidates may follow.
    void lostPlace(int u, int d) {
        pendingUnits_.push_back({u, d});
        auto& mark = dirtyMark_[static_cast<std::size_t>(u)];
        if (!(mark & Bit(d))) {
            mark = static_cast<uint16_t>(mark | Bit(d));
            dirty_.push_back({u, d});
        }
    }

    void run() {
        do singles();
        while (!contradiction_ && locked());
    }

    void singles() {
        while (!contradiction_ && (!pending_.empty() || !pendingUnits_.empty())) {
            if (!pending_.empty()) {
                int c = pending_.back();
                pending_.pop_back();
                if (state_.digit(c) != 0 || CountOf(state_.candidates(c)) != 1) continue;
                place(c, DigitsOf(state_.candidates(c)).front(), latestRemover(std::array<int, 1>{c}, 0, 0));
                continue;
            }
            auto [u, d] = pendingUnits_.back();
            pendingUnits_.pop_back();
            const Unit& unit = state_.units()[static_cast<std::size_t>(u)];
            if (PlacedIn(state_, unit) & Bit(d)) continue;
            int only = 0, count = 0;
            for (int c : unit.cells)
                if (state_.has(c, d)) only = c, ++count;
            if (count == 0) {
                contradiction_ = true;
            } else if (count == 1) {
                place(only, d, latestRemover(unit.cells, d, only));
            }
        }
    }

    LogicState state_;
    const LogicState* startState_;
    std::vector<CellDigit> placements_;
    std::vector<int> parent_;
    std::array<std::array<int, 10>, kBoardCells + 1> remover_{};
    std::vector<int> pending_;
    std::vector<std::pair<int, int>> pendingUnits_;
    // (unit, digit) pairs where the digit lost a place since the last locked-candidates pass.
    std::vector<std::pair<int, int>> dirty_;
    std::vector<uint16_t> dirtyMark_ = std::vector<uint16_t>(state_.units().size(), 0);
    bool contradiction_ = false;
};

// Branches are followed once per search and kept by assumption.
class Branches {
public:
    explicit Branches(const LogicState& s) : s_(s) {}
    const Branch& of(CellDigit a) {
        auto& branch = cache_[static_cast<std::size_t>(a.cell * 10 + a.digit)];
        if (!branch) branch = std::make_unique<Branch>(s_, a);
        return *branch;
    }

private:
    const LogicState& s_;
    std::vector<std::unique_ptr<Branch>> cache_ = std::vector<std::unique_ptr<Branch>>((kBoardCells + 1) * 10);
};

// What every assumption that holds leads to: the placements they all make (preferred), or else
// the candidates they all remove. The links are those to the first conclusion.
std::optional<Step> Conclude(const LogicState& s, Technique technique, const std::vector<CellDigit>& assumptions,
                             Branches& branches) {
    std::vector<const Branch*> open;
    std::vector<CellDigit> openAssumed;
    for (const CellDigit& a : assumptions) {
        const Branch& b = branches.of(a);
        if (!b.contradiction()) {
            open.push_back(&b);
            openAssumed.push_back(a);
        }
    }
    if (open.empty()) return std::nullopt;  // no solution: nothing to explain
    Step step = StepOf(technique);
    auto describe = [&](int c, int d) {
        for (const CellDigit& a : assumptions) {
            const Branch& b = branches.of(a);
            ForcingBranch fb{a, {}, b.contradiction()};
            fb.links = b.contradiction() ? b.linksToContradiction() : b.linksTo(c, d);
            step.branches.push_back(std::move(fb));
            for (const CellDigit& link : step.branches.back().links)
                if (std::find(step.proof.begin(), step.proof.end(), link.cell) == step.proof.end()) step.proof.push_back(link.cell);
        }
        step.digits = {d};
        return step;
    };
    // Only one assumption holds: it is true.
    if (open.size() == 1) {
        step.place = {openAssumed[0]};
        return describe(openAssumed[0].cell, openAssumed[0].digit);
    }
    for (int c : s.cells()) {
        if (s.digit(c) != 0) continue;
        int d = open[0]->placed(c);
        if (d != 0 && std::all_of(open.begin(), open.end(), [&](const Branch* b) { return b->placed(c) == d; }))
            step.place.push_back({c, d});
    }
    if (!step.place.empty()) return describe(step.place.front().cell, step.place.front().digit);
    for (int c : s.cells()) {
        if (s.digit(c) != 0) continue;
        for (int d : DigitsOf(s.candidates(c)))
            if (std::all_of(open.begin(), open.end(), [&](const Branch* b) { return b->rulesOut(c, d); })) step.remove.push_back({c, d});
    }
    if (!step.remove.empty()) return describe(step.remove.front().cell, step.remove.front().digit);
    return std::nullopt;
}

}  // namespace

std::optional<Step> CellForcingChain(const LogicState& s) {
    Branches branches(s);
    for (int n = 2; n <= kMaxBranches; ++n)
        for (int c : s.cells()) {
            if (s.digit(c) != 0 || CountOf(s.candidates(c)) != n) continue;
            std::vector<CellDigit> assumptions;
            for (int d : DigitsOf(s.candidates(c))) assumptions.push_back({c, d});
            if (auto step = Conclude(s, Technique::CellForcingChain, assumptions, branches)) return step;
        }
    return std::nullopt;
}

std::optional<Step> UnitForcingChain(const LogicState& s) {
    Branches branches(s);
    for (std::size_t n = 2; n <= kMaxBranches; ++n)
        for (const Unit& u : s.units())
            for (int d = 1; d <= 9; ++d) {
                if (PlacedIn(s, u) & Bit(d)) continue;
                std::vector<int> places = PlacesOf(s, u, d);
                if (places.size() != n) continue;
                std::vector<CellDigit> assumptions;
                for (int c : places) assumptions.push_back({c, d});
                if (auto step = Conclude(s, Technique::UnitForcingChain, assumptions, branches)) {
                    step->units = {u};
                    return step;
                }
            }
    return std::nullopt;
}

}  // namespace puzzle::search
