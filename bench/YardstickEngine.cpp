// The exact engine as it was at commit 22e2f5f (src/puzzle/Solver.cpp), kept unchanged but for
// its namespace and an unused constant clang warns about: the engine benchmark times the new
// engine against it, and the engine tests ask it for a second opinion.
//
// Candidates are bit masks (bit d for digit d) over the board cells the pattern covers, kept
// in a compact index 0..n-1. Placing a digit removes it from the cell's peers; hidden singles
// are looked for only in the units whose candidates changed; the search branches on the cell
// with the fewest candidates and stops at the limit of solutions. Everything the hot loop
// touches lives in fixed arrays: one search allocates nothing.
#include "YardstickEngine.h"

#include <array>
#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "puzzle/Random.h"
#include "puzzle/Units.h"

namespace yardstick {
using namespace puzzle;
namespace {

constexpr int kMaxCells = 2 * kGridCells;
constexpr int kMaxUnits = 58;
// A shared cell sees 20 peers in each grid and 8 more on each of two diagonals per grid.
constexpr int kMaxPeers = 80;
constexpr uint16_t kAll = 0x3FE;  // digits 1..9

using Mask = uint16_t;

// Candidate count of a mask, from a table: std::popcount becomes a library call on targets
// without the POPCNT instruction, and this is the search's most frequent question.
constexpr std::array<uint8_t, 1024> kCount = [] {
    std::array<uint8_t, 1024> t{};
    for (std::size_t m = 0; m < t.size(); ++m) t[m] = static_cast<uint8_t>(std::popcount(m));
    return t;
}();

// One candidate left (m != 0). std::has_single_bit is a popcount, a library call here.
constexpr bool Single(Mask m) { return (m & (m - 1)) == 0; }

// The cells, units and peers of one pattern under one rule, in compact indexes.
struct Topology {
    int n = 0;
    int unitCount = 0;
    std::array<int16_t, kBoardCells + 1> indexOf{};  // board cell -> compact index, or -1
    std::array<uint8_t, kMaxCells> boardCell{};
    std::array<std::array<uint8_t, 9>, kMaxUnits> units{};  // each distinct unit once
    std::array<std::array<uint8_t, kMaxPeers>, kMaxCells> peers{};
    std::array<uint8_t, kMaxCells> peerCount{};
    std::array<uint64_t, kMaxCells> unitsOf{};  // bit u: the cell lies in unit u
};

Topology BuildTopology(int p, bool diagonal) {
    Topology t;
    t.indexOf.fill(-1);
    for (int c : CoveredCells(p)) {
        t.indexOf[static_cast<std::size_t>(c)] = static_cast<int16_t>(t.n);
        t.boardCell[static_cast<std::size_t>(t.n)] = static_cast<uint8_t>(c);
        ++t.n;
    }
    std::vector<std::array<bool, kMaxCells>> isPeer(static_cast<std::size_t>(t.n), std::array<bool, kMaxCells>{});
    for (const Unit& unit : Units(p, diagonal)) {
        std::array<uint8_t, 9> cells{};
        for (std::size_t i = 0; i < 9; ++i) cells[i] = static_cast<uint8_t>(t.indexOf[static_cast<std::size_t>(unit.cells[i])]);
        bool seen = false;  // a box of the overlap is a unit of both grids: keep it once
        for (int u = 0; u < t.unitCount; ++u) seen = seen || t.units[static_cast<std::size_t>(u)] == cells;
        if (!seen) {
            for (uint8_t a : cells) t.unitsOf[a] |= uint64_t{1} << t.unitCount;
            t.units[static_cast<std::size_t>(t.unitCount++)] = cells;
        }
        for (uint8_t a : cells)
            for (uint8_t b : cells)
                if (a != b) isPeer[a][b] = true;
    }
    for (std::size_t a = 0; a < static_cast<std::size_t>(t.n); ++a)
        for (std::size_t b = 0; b < static_cast<std::size_t>(t.n); ++b)
            if (isPeer[a][b]) t.peers[a][t.peerCount[a]++] = static_cast<uint8_t>(b);
    return t;
}

const Topology& TopologyOf(int p, bool diagonal) {
    static const std::vector<Topology> all = [] {
        std::vector<Topology> v;
        for (int q = 1; q <= kPatternCount; ++q)
            for (bool d : {false, true}) v.push_back(BuildTopology(q, d));
        return v;
    }();
    return all[static_cast<std::size_t>((p - 1) * 2 + (diagonal ? 1 : 0))];
}

struct State {
    std::array<Mask, kMaxCells> cand;
    std::array<bool, kMaxCells> fixed;
    int unfixed;
};

class Search {
public:
    Search(const Topology& t, int limit, std::mt19937_64* rng) : t_(t), limit_(limit), rng_(rng) {}

    // Takes the digit bit from cell i's candidates, before any placement.
    void exclude(State& s, int i, Mask bit) {
        auto ui = static_cast<std::size_t>(i);
        s.cand[ui] = static_cast<Mask>(s.cand[ui] & ~bit);
        dirty_ |= t_.unitsOf[ui];
    }

    // Narrows each cell of cells to its digit bit, then propagates them all at once: every
    // peer elimination of the givens comes before any look for hidden singles, which is what
    // a board of many givens costs most. False on a contradiction.
    bool placeAll(State& s, const std::array<uint8_t, kMaxCells>& cells, const std::array<Mask, kMaxCells>& bits, int count) {
        queueSize_ = 0;
        for (int j = 0; j < count; ++j) {
            auto ui = static_cast<std::size_t>(cells[static_cast<std::size_t>(j)]);
            Mask bit = bits[static_cast<std::size_t>(j)];
            if (!(s.cand[ui] & bit)) return false;
            if (s.cand[ui] != bit) dirty_ |= t_.unitsOf[ui];
            s.cand[ui] = bit;
            queue_[queueSize_++] = static_cast<uint8_t>(ui);
        }
        return propagate(s);
    }

    // Narrows cell i to the single digit bit and propagates; false on a contradiction.
    bool place(State& s, int i, Mask bit) {
        auto ui = static_cast<std::size_t>(i);
        if (!(s.cand[ui] & bit)) return false;
        if (s.cand[ui] != bit) dirty_ |= t_.unitsOf[ui];
        s.cand[ui] = bit;
        queueSize_ = 0;
        queue_[queueSize_++] = static_cast<uint8_t>(i);
        return propagate(s);
    }

    void run(State& s) {
        if (found_ >= limit_) return;
        if (s.unfixed == 0) {
            record(s);
            return;
        }
        int best = -1;
        int bestCount = 10;
        for (int i = 0; i < t_.n; ++i) {
            auto ui = static_cast<std::size_t>(i);
            if (s.fixed[ui]) continue;
            int count = kCount[s.cand[ui]];
            if (count < bestCount) {
                best = i;
                bestCount = count;
                if (count == 2) break;
            }
        }
        Mask m = s.cand[static_cast<std::size_t>(best)];
        std::array<Mask, 9> order{};
        int count = 0;
        for (; m; m &= static_cast<Mask>(m - 1)) order[static_cast<std::size_t>(count++)] = static_cast<Mask>(m & -m);
        if (rng_) Shuffle(order.data(), count, *rng_);
        for (int j = 0; j < count && found_ < limit_; ++j) {
            State next = s;
            dirty_ = 0;
            if (place(next, best, order[static_cast<std::size_t>(j)])) run(next);
        }
    }

    int found() const { return found_; }
    const std::array<State, 2>& solutions() const { return solutions_; }

private:
    bool propagate(State& s) {
        for (;;) {
            while (queueSize_ > 0) {
                std::size_t i = queue_[--queueSize_];
                if (s.fixed[i]) continue;
                s.fixed[i] = true;
                --s.unfixed;
                Mask bit = s.cand[i];
                const auto& peers = t_.peers[i];
                for (int j = 0, end = t_.peerCount[i]; j < end; ++j) {
                    uint8_t p = peers[static_cast<std::size_t>(j)];
                    Mask& c = s.cand[p];
                    if (!(c & bit)) continue;
                    c = static_cast<Mask>(c & ~bit);
                    if (c == 0) return false;
                    dirty_ |= t_.unitsOf[p];
                    if (Single(c)) queue_[queueSize_++] = p;
                }
            }
            if (!hiddenSingles(s)) return false;
            if (queueSize_ == 0) return true;
        }
    }

    // Queues every cell that is the one place left for a digit in a unit whose candidates
    // changed; false when a digit has no place left or a cell would need two digits.
    bool hiddenSingles(State& s) {
        uint64_t units = dirty_;
        dirty_ = 0;
        while (units) {
            const auto& unit = t_.units[static_cast<std::size_t>(std::countr_zero(units))];
            units &= units - 1;
            Mask once = 0, twice = 0, placed = 0;
            for (uint8_t i : unit) {
                Mask c = s.cand[i];
                twice |= once & c;
                once |= c;
                if (s.fixed[i]) placed |= c;
            }
            if (once != kAll) return false;
            // Digits already placed are single too; only the others are news.
            Mask single = static_cast<Mask>(once & ~twice & ~placed);
            if (!single) continue;
            for (uint8_t i : unit) {
                Mask hit = s.cand[i] & single;
                if (!hit) continue;
                if (!Single(hit)) return false;
                if (s.cand[i] != hit) {
                    s.cand[i] = hit;
                    dirty_ |= t_.unitsOf[i];
                }
                queue_[queueSize_++] = i;
            }
        }
        return true;
    }

    void record(const State& s) { solutions_[static_cast<std::size_t>(found_++)] = s; }

    const Topology& t_;
    int limit_;
    std::mt19937_64* rng_;
    int found_ = 0;
    std::array<State, 2> solutions_{};
    // Between two looks for hidden singles a cell is queued at most once as a given or as a
    // naked single (a second removal would empty it), and one look queues at most the cells of
    // its units; the queue is empty before each look.
    std::array<uint8_t, 2 * kMaxCells + kMaxUnits * 9> queue_{};
    int queueSize_ = 0;
    uint64_t dirty_ = 0;
};

DoubleBoard ToBoard(const DoubleBoard& like, const Topology& t, const State& s) {
    DoubleBoard b = like;
    for (int i = 0; i < t.n; ++i)
        b.digits[t.boardCell[static_cast<std::size_t>(i)]] =
            static_cast<uint8_t>(std::countr_zero(s.cand[static_cast<std::size_t>(i)]));
    return b;
}

struct Exclusion {
    int cell = 0;  // board cell, 0 for none
    int digit = 0;
};

// Runs the search, with the excluded digit taken from its cell first; fills the found
// solutions into result when given.
int RunSearch(const DoubleBoard& board, int limit, SolveResult* result, std::mt19937_64* rng, Exclusion exclusion = {}) {
    if (!IsPattern(board.pattern)) throw std::invalid_argument("no overlap pattern " + std::to_string(board.pattern));
    const Topology& t = TopologyOf(board.pattern, board.diagonal);
    State s{};
    s.unfixed = t.n;
    for (int i = 0; i < t.n; ++i) s.cand[static_cast<std::size_t>(i)] = kAll;
    for (int c = 1; c <= kBoardCells; ++c) {
        int d = board.digits[static_cast<std::size_t>(c)];
        if (d == 0) continue;
        if (d > 9) throw std::invalid_argument("board cell " + std::to_string(c) + " holds " + std::to_string(d));
        if (t.indexOf[static_cast<std::size_t>(c)] < 0)
            throw std::invalid_argument("board cell " + std::to_string(c) + " lies outside the pattern");
    }
    Search search(t, limit, rng);
    if (exclusion.cell != 0) {
        int i = t.indexOf[static_cast<std::size_t>(exclusion.cell)];
        if (i < 0 || exclusion.digit < 1 || exclusion.digit > 9)
            throw std::invalid_argument("no digit " + std::to_string(exclusion.digit) + " to exclude at board cell " +
                                        std::to_string(exclusion.cell));
        search.exclude(s, i, static_cast<Mask>(1u << exclusion.digit));
    }
    // Givens that break a rule (a digit twice in a unit) show as a contradiction here.
    std::array<uint8_t, kMaxCells> cells{};
    std::array<Mask, kMaxCells> bits{};
    int count = 0;
    for (int i = 0; i < t.n; ++i) {
        int d = board.digits[t.boardCell[static_cast<std::size_t>(i)]];
        if (d == 0) continue;
        cells[static_cast<std::size_t>(count)] = static_cast<uint8_t>(i);
        bits[static_cast<std::size_t>(count++)] = static_cast<Mask>(1u << d);
    }
    if (search.placeAll(s, cells, bits, count)) search.run(s);
    if (result) {
        if (search.found() >= 1) result->solution = ToBoard(board, t, search.solutions()[0]);
        if (search.found() >= 2) result->second = ToBoard(board, t, search.solutions()[1]);
    }
    return search.found();
}

}  // namespace

SolveResult Solve(const DoubleBoard& board) {
    SolveResult result;
    result.solution = result.second = board;
    int found = RunSearch(board, 2, &result, nullptr);
    result.verdict = found == 0 ? Verdict::None : found == 1 ? Verdict::Unique : Verdict::Multiple;
    return result;
}

int CountSolutions(const DoubleBoard& board, int limit) { return limit <= 0 ? 0 : RunSearch(board, limit, nullptr, nullptr); }

bool SolvableWithout(const DoubleBoard& board, int cell, int digit) {
    return RunSearch(board, 1, nullptr, nullptr, {cell, digit}) > 0;
}

std::optional<DoubleBoard> RandomSolution(const DoubleBoard& board, std::mt19937_64& rng) {
    SolveResult result;
    if (RunSearch(board, 1, &result, &rng) == 0) return std::nullopt;
    return result.solution;
}

}  // namespace yardstick
