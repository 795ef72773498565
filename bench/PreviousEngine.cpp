// The exact engine as it was at commit 33ec417 (src/puzzle/EngineSearch.cpp, EngineSearch.h,
// BandTables.h and Solver.cpp in one file), kept unchanged but for its namespace: the engine
// benchmark races the engine against it, and the engine tests ask it for a second opinion.
#include "PreviousEngine.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "puzzle/BitCount.h"
#include "puzzle/Random.h"

namespace previous {
using namespace puzzle;
namespace band {


using Band = uint32_t;

constexpr Band kAll = (Band{1} << 27) - 1;

constexpr Band RowMask(int row) { return Band{0x1FF} << (9 * row); }
constexpr Band ColumnMask(int column) { return Band{0x40201} << column; }
constexpr Band BoxMask(int box) { return Band{0x1C0E07} << (3 * box); }  // box 0..2 of the band
// The three cells band b holds of the main diagonal (r = c) and of the anti-diagonal (r + c =
// 8); the bands hold them at different bit positions, so the three can be ORed.
constexpr Band MainDiagonalMask(int b) { return Band{0x100401} << (3 * b); }
constexpr Band AntiDiagonalMask(int b) { return Band{0x1010100} >> (3 * b); }

constexpr bool OneBit(Band x) { return (x & (x - 1)) == 0; }  // true for 0 too

// The bits of x that are alone in their box of the band.
constexpr Band AloneInBox(Band x) {
    Band b0 = x & BoxMask(0), b1 = x & BoxMask(1), b2 = x & BoxMask(2);
    return (OneBit(b0) ? b0 : 0) | (OneBit(b1) ? b1 : 0) | (OneBit(b2) ? b2 : 0);
}
// The columns (9 bits) where two rows of the band have a bit.
constexpr Band ColumnsTwice(Band x) { return ((x & x >> 9) | (x & x >> 18) | (x >> 9 & x >> 18)) & 0x1FF; }

// True when each row and each box of the band has a bit.
constexpr bool RowsAndBoxesHit(Band x) {
    return (x & RowMask(0)) && (x & RowMask(1)) && (x & RowMask(2)) && (x & BoxMask(0)) && (x & BoxMask(1)) && (x & BoxMask(2));
}

// The column of bit i in all three rows of a band.
inline constexpr std::array<Band, 27> kColumnOf = [] {
    std::array<Band, 27> t{};
    for (int i = 0; i < 27; ++i) t[static_cast<std::size_t>(i)] = ColumnMask(i % 9);
    return t;
}();

// The other cells of the row and the box of bit i, within its band.
inline constexpr std::array<Band, 27> kRowAndBox = [] {
    std::array<Band, 27> t{};
    for (int i = 0; i < 27; ++i) t[static_cast<std::size_t>(i)] = (RowMask(i / 9) | BoxMask(i % 9 / 3)) & ~(Band{1} << i);
    return t;
}();

// The rows (bit r) and the boxes (bit k) of a band, as cells.
inline constexpr std::array<Band, 8> kRows = {0, RowMask(0), RowMask(1), RowMask(0) | RowMask(1), RowMask(2),
                                              RowMask(0) | RowMask(2), RowMask(1) | RowMask(2), kAll};
inline constexpr std::array<Band, 8> kBoxes = {0, BoxMask(0), BoxMask(1), BoxMask(0) | BoxMask(1), BoxMask(2),
                                               BoxMask(0) | BoxMask(2), BoxMask(1) | BoxMask(2), kAll};

// Columns (9 bits) where the band has any bit.
constexpr Band Columns(Band x) { return (x | x >> 9 | x >> 18) & 0x1FF; }
// The same 9 column bits in all three rows of a band.
constexpr Band SpreadColumns(Band columns) { return columns * 0x40201; }

// For the 9 bits of one row: the boxes holding any of them (bits 0..2, bit k for box k), bit 3
// when there is exactly one, bit 4 when there are two or more.
inline constexpr std::array<uint8_t, 512> kRowInfo = [] {
    std::array<uint8_t, 512> t{};
    for (unsigned f = 0; f < 512; ++f)
        t[f] = static_cast<uint8_t>(((f & 7) ? 1 : 0) | ((f & 070) ? 2 : 0) | ((f & 0700) ? 4 : 0) |
                                    (f != 0 && (f & (f - 1)) == 0 ? 8 : 0) | ((f & (f - 1)) != 0 ? 16 : 0));
    return t;
}();

// A digit stands once in each row and once in each box of a band, so the row-box pairs it can
// take (bit 3r + k) must hold a permutation: one pair per row and per box. The same holds for
// the bands and columns of a stack. For an occupancy m of the 3x3 pairs, the union of the six
// permutation matrices inside m: the pairs that can still be used; 0 when none fits.
inline constexpr std::array<uint16_t, 512> kPermutations = [] {
    constexpr uint16_t kMatrices[6] = {0421, 0241, 0412, 0142, 0214, 0124};
    std::array<uint16_t, 512> t{};
    for (unsigned m = 0; m < 512; ++m)
        for (uint16_t p : kMatrices)
            if ((m & p) == p) t[m] = static_cast<uint16_t>(t[m] | p);
    return t;
}();

// The cells of a band's row-box pairs m: pair 3r + k is the three cells from bit 9r + 3k, so
// each bit i of m spreads to bits 3i..3i+2.
constexpr Band CellsOfPairs(unsigned m) {
    Band x = m;
    x = (x | x << 16) & 0xFF0000FF;
    x = (x | x << 8) & 0x0300F00F;
    x = (x | x << 4) & 0x030C30C3;
    x = (x | x << 2) & 0x09249249;
    return x * 7;
}

// A band read row by row: its row-box occupancy (bit 3r + k), its bits alone in their row, and
// whether a row holds two or more.
struct BandRows {
    unsigned pairs;
    Band alone;
    bool rowTwice;
};
constexpr BandRows ReadRows(Band x) {
    unsigned r0 = kRowInfo[x & 0x1FF], r1 = kRowInfo[x >> 9 & 0x1FF], r2 = kRowInfo[x >> 18];
    return {(r0 & 7) | (r1 & 7) << 3 | (r2 & 7) << 6, x & kRows[(r0 >> 3 & 1) | (r1 >> 2 & 2) | (r2 >> 1 & 4)],
            ((r0 | r1 | r2) & 16) != 0};
}

// The rows and boxes of a band that hold any of its row-box pairs m, as cells.
constexpr Band UnitsOfPairs(unsigned m) {
    unsigned rows = ((m & 7) ? 1 : 0) | ((m & 070) ? 2 : 0) | ((m & 0700) ? 4 : 0);
    return kRows[rows] | kBoxes[(m | m >> 3 | m >> 6) & 7];
}

// True when a box holds pairs of two rows in the row-box occupancy m.
constexpr bool BoxTwice(unsigned m) { return ((m & m >> 3) | (m & m >> 6) | (m >> 3 & m >> 6)) & 7; }

}  // namespace band

namespace {

enum class Mode {
    // Box-line intersections in the propagation, branching on a cell with two candidates: the
    // fewest guesses, for every question whose answer does not depend on the order of search.
    Fast,
    // Singles only, branching on the first cell in board order with the fewest candidates:
    // the search tree the engine has always had, so that a board and a random stream keep
    // giving the same solutions in the same order (the generator's full boards, the two
    // solutions named for a board with several).
    Stable,
};

struct Request {
    int limit = 2;                   // stop at this many solutions
    Mode mode = Mode::Fast;
    std::mt19937_64* rng = nullptr;  // when given, each branch's candidates in an order drawn from it
    int excludeCell = 0;             // board cell whose digit excludeDigit is taken away first; 0: none
    int excludeDigit = 0;
    // A full board whose digit each branch tries first (Fast mode without rng): a search for
    // a solution other than it then goes where the two differ least. Changes only the order.
    const DoubleBoard* near = nullptr;
};

using band::Band;

// The state's slot of digit d (0..8) in grid g's band b: the nine digits of a band side by side.
constexpr int Slot(int g, int b, int d) { return g * 27 + b * 9 + d; }
constexpr uint64_t SlotBit(int slot) { return uint64_t{1} << slot; }
constexpr uint64_t kAllSlots = (uint64_t{1} << 54) - 1;
// For band gb (3g + b), how far the grid's other two bands lie from it.
constexpr std::array<std::array<int8_t, 2>, 6> kOtherBands{{{1, 2}, {-1, 1}, {-2, -1}, {1, 2}, {-1, 1}, {-2, -1}}};

// How the two grids of a pattern overlap, in band terms. The grids lie whole boxes apart, so
// the shared cells of a band are whole columns of it, and a shared band of grid 1 lies on a
// band of grid 2 row for row.
struct Overlap {
    std::array<Band, 2> shared{};     // the shared cells of a shared band, in each grid's bits
    std::array<int8_t, 6> partner{};  // 3g + b: the band 3g' + b' of the other grid lying on it, or -1
    // From grid g's bits to the other grid's: a shift right, then left (one of them 0).
    std::array<int, 2> right{}, left{};

    explicit Overlap(const OverlapPattern& p) {
        int shift = p.grid2Column - p.grid1Column;  // grid 1's column c is grid 2's c - shift
        right = {shift > 0 ? shift : 0, shift < 0 ? -shift : 0};
        left = {right[1], right[0]};
        Band columns = 0;
        for (int c = 0; c < 9; ++c)
            if (c - shift >= 0 && c - shift < 9) columns |= Band{1} << c;
        shared[0] = band::SpreadColumns(columns);
        shared[1] = band::SpreadColumns(shift >= 0 ? columns >> shift : columns << -shift);
        int bandOffset = (p.grid2Row - p.grid1Row) / 3;  // grid 1's band b lies on grid 2's b - bandOffset
        for (int b = 0; b < 3; ++b) {
            partner[static_cast<std::size_t>(b)] = static_cast<int8_t>(b >= bandOffset ? 3 + b - bandOffset : -1);
            partner[static_cast<std::size_t>(3 + b)] = static_cast<int8_t>(b + bandOffset < 3 ? b + bandOffset : -1);
        }
    }
    // Grid g's shared bits of x, in the other grid's bits.
    Band toOther(int g, Band x) const {
        auto ug = static_cast<std::size_t>(g);
        return (x & shared[ug]) >> right[ug] << left[ug];
    }
};

struct State {
    std::array<Band, 54> cand;  // Slot(g, b, d): where digit d + 1 may stand in grid g's band b
    std::array<Band, 6> open;   // 3g + b: the cells of grid g's band b not placed yet
};

// A covered board cell as one grid's bit, in board order (Stable mode's branching order).
struct CellBit {
    uint8_t grid;
    uint8_t band;
    Band bit;
};

struct BoardOrder {
    std::array<CellBit, 2 * kGridCells> cells;
    int count = 0;
};

// Takes cell `bit` from the nine digits of a band (nine Bands side by side); returns the digits
// that had it (bit e for digit e + 1). This is the heart of every placement; with SSE2 (every
// x86-64) four digits go at once, elsewhere one at a time.
inline unsigned TakeCell(Band* digits, Band bit) {
    unsigned had = 0;
#if defined(__SSE2__)
    const __m128i mask = _mm_set1_epi32(static_cast<int>(bit));
    for (int e = 0; e < 8; e += 4) {
        __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(digits + e));
        __m128i hit = _mm_cmpeq_epi32(_mm_and_si128(four, mask), mask);
        had |= static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(hit))) << e;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(digits + e), _mm_andnot_si128(mask, four));
    }
#else
    for (int e = 0; e < 8; ++e) {
        had |= (digits[e] & bit ? 1u : 0u) << e;
        digits[e] &= ~bit;
    }
#endif
    had |= (digits[8] & bit ? 1u : 0u) << 8;
    digits[8] &= ~bit;
    return had;
}

template <Mode kMode>
class Searcher {
public:
    // Per grid, band and bit: the digit (0..8) a branch tries first, or -1.
    using FirstDigits = std::array<std::array<int8_t, 27>, 6>;

    Searcher(const Overlap& overlap, bool diagonal, int limit, std::mt19937_64* rng, const BoardOrder* order,
             const FirstDigits* first = nullptr)
        : o_(overlap), diagonal_(diagonal), limit_(limit), rng_(rng), order_(order), first_(first) {}

    // Propagates a state of which every slot is new; false on a contradiction.
    [[gnu::hot]] bool start(State& s) {
        changed(kAllSlots);
        return propagate(s);
    }

    [[gnu::hot]] void run(State& s) {
        CellBit cell{};
        if (!choose(s, cell)) {
            if (found_ < 2) solutions_[static_cast<std::size_t>(found_)] = s;
            ++found_;
            return;
        }
        std::array<int, 9> digits{};
        int count = 0;
        for (int d = 0; d < 9; ++d)
            if (s.cand[At(Slot(cell.grid, cell.band, d))] & cell.bit) digits[At(count++)] = d;
        if (rng_) Shuffle(digits.data(), count, *rng_);
        if (first_) {
            const int d = (*first_)[At(3 * cell.grid + cell.band)][At(std::countr_zero(cell.bit))];
            auto at = std::find(digits.begin(), digits.begin() + count, d);
            if (at != digits.begin() + count) std::rotate(digits.begin(), at, at + 1);
        }
        for (int i = 0; i < count && found_ < limit_; ++i) {
            // The last candidate is tried on this state itself: nothing needs it afterwards.
            State copy;
            State* next = &s;
            if (i + 1 < count) {
                copy = s;
                next = &copy;
            }
            dirty_ = round_ = stall_ = 0;
            if (place(*next, 3 * cell.grid + cell.band, cell.bit, digits[At(i)]) && propagate(*next)) run(*next);
        }
    }

    int found() const { return found_; }
    const std::array<State, 2>& solutions() const { return solutions_; }

private:
    static std::size_t At(int i) { return static_cast<std::size_t>(i); }

    void changed(uint64_t slots) {
        dirty_ |= slots;
        round_ |= slots;
        stall_ |= slots;
    }

    [[gnu::hot]] bool propagate(State& s) {
        for (;;) {
            while (dirty_) {
                // A band at a time: its digits changed since the last look.
                int gb = std::countr_zero(dirty_) / 9;
                unsigned digits = static_cast<unsigned>(dirty_ >> (9 * gb)) & 0x1FF;
                dirty_ &= ~(uint64_t{0x1FF} << (9 * gb));
                int other = o_.partner[At(gb)];
                for (; digits; digits &= digits - 1)
                    if (!(other >= 0 ? slot<true>(s, gb, std::countr_zero(digits), other)
                                     : slot<false>(s, gb, std::countr_zero(digits), other)))
                        return false;
            }
            if (!nakedSingles(s)) return false;
            if (dirty_) continue;
            if (!stalled(s)) return false;
            if (!dirty_) return true;
        }
    }

    // A changed slot: its box-line intersection, its shared cells (kShared: band gb shares
    // cells with the other grid's band `other`) and its hidden singles.
    template <bool kShared>
    [[gnu::hot]] bool slot(State& s, int gb, int d, int other) {
        int i = 9 * gb + d;
        Band x = s.cand[At(i)];
        band::BandRows rows = band::ReadRows(x);
        if constexpr (kMode == Mode::Fast) {
            unsigned kept = band::kPermutations[rows.pairs];
            if (!kept) return false;
            if (kept != rows.pairs) {
                s.cand[At(i)] = x &= band::CellsOfPairs(kept);
                round_ |= SlotBit(i);
                stall_ |= SlotBit(i);
                rows = band::ReadRows(x);
            }
        }
        if constexpr (kShared) share(s, gb, d, other, x);
        Band alone = rows.alone;
        if constexpr (kMode == Mode::Stable) {
            if (!band::RowsAndBoxesHit(x)) return false;
            alone |= band::AloneInBox(x);
        }
        for (alone &= s.open[At(gb)]; alone; alone &= alone - 1)
            if (!place(s, gb, alone & -alone, d)) return false;
        return true;
    }

    // Takes from the other grid's band `other` the shared cells where digit d has lost its place
    // in band gb (bits x). Each copy of a shared cell does this when it changes, so the copies
    // end up the same.
    [[gnu::hot]] void share(State& s, int gb, int d, int other, Band x) {
        int j = 9 * other + d;
        Band& y = s.cand[At(j)];
        Band y2 = y & (o_.toOther(gb / 3, x) | ~o_.shared[At(1 - gb / 3)]);
        if (y2 != y) {
            y = y2;
            changed(SlotBit(j));
        }
    }

    // Places digit d in cell `bit` of band gb (3g + b), and in the other grid's copy of a
    // shared cell; false when the cell has lost the digit.
    [[gnu::hot]] bool place(State& s, int gb, Band bit, int d) {
        if (!(s.cand[At(9 * gb + d)] & bit)) return false;
        if (!(s.open[At(gb)] & bit)) return true;
        if (int other = o_.partner[At(gb)]; other >= 0) {
            if (Band copy = o_.toOther(gb / 3, bit)) {
                // The copy may not have heard yet that the digit left it.
                if (!(s.cand[At(9 * other + d)] & copy)) return false;
                placeIn(s, other, copy, d);
            }
        }
        placeIn(s, gb, bit, d);
        return true;
    }

    [[gnu::hot]] void placeIn(State& s, int gb, Band bit, int d) {
        s.open[At(gb)] &= ~bit;
        int position = std::countr_zero(bit);
        Band* digits = &s.cand[At(9 * gb)];
        Band mine = digits[d];
        unsigned had = TakeCell(digits, bit);
        digits[d] = (mine & ~band::kRowAndBox[At(position)]) | bit;
        // The column in the grid's other two bands.
        int x1 = 9 * (gb + kOtherBands[At(gb)][0]) + d, x2 = 9 * (gb + kOtherBands[At(gb)][1]) + d;
        Band column = band::kColumnOf[At(position)];
        uint64_t touched = uint64_t{had | 1u << d} << (9 * gb) | uint64_t{(s.cand[At(x1)] & column) != 0} << x1 |
                           uint64_t{(s.cand[At(x2)] & column) != 0} << x2;
        s.cand[At(x1)] &= ~column;
        s.cand[At(x2)] &= ~column;
        if (diagonal_) touched |= placeOnDiagonals(s, gb, position, d);
        changed(touched);
    }

    // Takes digit d from the diagonals through bit `position` of band gb, that cell excepted;
    // returns the slots that changed.
    [[gnu::hot]] uint64_t placeOnDiagonals(State& s, int gb, int position, int d) {
        int row = 3 * (gb % 3) + position / 9, column = position % 9;
        if (row != column && row + column != 8) return 0;
        uint64_t touched = 0;
        int first = gb - gb % 3;
        for (int b = 0; b < 3; ++b) {
            Band gone = (row == column ? band::MainDiagonalMask(b) : 0) | (row + column == 8 ? band::AntiDiagonalMask(b) : 0);
            if (first + b == gb) gone &= ~(Band{1} << position);
            Band& p = s.cand[At(9 * (first + b) + d)];
            touched |= uint64_t{(p & gone) != 0} << (9 * (first + b) + d);
            p &= ~gone;
        }
        return touched;
    }

    // Places the cells with one candidate left, in the bands changed since the last look; false
    // when a cell has none.
    [[gnu::hot]] bool nakedSingles(State& s) {
        uint64_t slots = round_;
        round_ = 0;
        unsigned bands = 0;
        for (int gb = 0; gb < 6; ++gb) bands |= unsigned{((slots >> (9 * gb)) & 0x1FF) != 0} << gb;
        for (; bands; bands &= bands - 1) {
            int gb = std::countr_zero(bands);
            const Band* digits = &s.cand[At(9 * gb)];
            Band one = 0, two = 0;
#pragma GCC unroll 9
            for (int d = 0; d < 9; ++d) {
                two |= one & digits[d];
                one |= digits[d];
            }
            if (one != band::kAll) return false;
            for (Band single = one & ~two & s.open[At(gb)]; single; single &= single - 1) {
                Band bit = single & -single;
                int d = 0;
                while (!(digits[d] & bit))
                    if (++d == 9) return false;  // emptied by a placement just made
                if (!place(s, gb, bit, d)) return false;
            }
        }
        return true;
    }

    // The work left for when the singles stop, on the digits changed since it last ran.
    [[gnu::hot]] bool stalled(State& s) {
        uint64_t slots = stall_;
        stall_ = 0;
        for (int g = 0; g < 2; ++g) {
            uint64_t grid = slots >> (27 * g);
            for (auto digits = static_cast<unsigned>((grid | grid >> 9 | grid >> 18) & 0x1FF); digits; digits &= digits - 1) {
                int d = std::countr_zero(digits);
                if constexpr (kMode == Mode::Fast) {
                    if (!narrowStacks(s, g, d)) return false;
                } else {
                    if (!columnSingles(s, g, d)) return false;
                }
                if (diagonal_ && !(diagonalSingle(s, g, d, true) && diagonalSingle(s, g, d, false))) return false;
            }
        }
        return true;
    }

    // Box-line intersections of digit d in grid g's stacks: the band-column pairs of each
    // stack must hold a permutation.
    [[gnu::hot]] bool narrowStacks(State& s, int g, int d) {
        Band p0 = s.cand[At(Slot(g, 0, d))];
        Band p1 = s.cand[At(Slot(g, 1, d))];
        Band p2 = s.cand[At(Slot(g, 2, d))];
        // A digit placed in all its cells of the grid has nothing left to intersect.
        if (!((p0 & s.open[At(3 * g)]) | (p1 & s.open[At(3 * g + 1)]) | (p2 & s.open[At(3 * g + 2)]))) return true;
        Band c0 = band::Columns(p0), c1 = band::Columns(p1), c2 = band::Columns(p2);
        Band k0 = 0, k1 = 0, k2 = 0;
        for (int shift = 0; shift < 9; shift += 3) {
            unsigned kept = band::kPermutations[(c0 >> shift & 7) | (c1 >> shift & 7) << 3 | (c2 >> shift & 7) << 6];
            if (!kept) return false;
            k0 |= (kept & 7) << shift;
            k1 |= (kept >> 3 & 7) << shift;
            k2 |= (kept >> 6) << shift;
        }
        uint64_t touched = 0;  // the band steps see the change before the next stall
        if (k0 != c0) {
            s.cand[At(Slot(g, 0, d))] = p0 & band::SpreadColumns(k0);
            touched |= SlotBit(Slot(g, 0, d));
        }
        if (k1 != c1) {
            s.cand[At(Slot(g, 1, d))] = p1 & band::SpreadColumns(k1);
            touched |= SlotBit(Slot(g, 1, d));
        }
        if (k2 != c2) {
            s.cand[At(Slot(g, 2, d))] = p2 & band::SpreadColumns(k2);
            touched |= SlotBit(Slot(g, 2, d));
        }
        changed(touched);
        return true;
    }

    // Stable mode: a digit with one place left in a column is placed there; false when a
    // column has none.
    [[gnu::hot]] bool columnSingles(State& s, int g, int d) {
        Band once = 0, twice = 0;
        for (int b = 0; b < 3; ++b) {
            Band x = s.cand[At(Slot(g, b, d))];
            for (int r = 0; r < 3; ++r) {
                Band row = x >> (9 * r) & 0x1FF;
                twice |= once & row;
                once |= row;
            }
        }
        if (once != 0x1FF) return false;
        for (Band columns = once & ~twice; columns; columns &= columns - 1) {
            Band column = band::ColumnMask(std::countr_zero(columns));
            for (int b = 0; b < 3; ++b) {
                Band bit = s.cand[At(Slot(g, b, d))] & column;
                if ((bit & s.open[At(3 * g + b)]) && !place(s, 3 * g + b, bit, d)) return false;
            }
        }
        return true;
    }

    // A digit with one place left on a diagonal is placed there; false when it has none.
    [[gnu::hot]] bool diagonalSingle(State& s, int g, int d, bool main) {
        Band cells = 0;
        for (int b = 0; b < 3; ++b)
            cells |= s.cand[At(Slot(g, b, d))] & (main ? band::MainDiagonalMask(b) : band::AntiDiagonalMask(b));
        if (!cells) return false;
        if (!band::OneBit(cells)) return true;
        int column = std::countr_zero(cells) % 9;
        int b = (main ? column : 8 - column) / 3;
        return !(cells & s.open[At(3 * g + b)]) || place(s, 3 * g + b, cells, d);
    }

    // The cell to branch on; false when every cell is placed.
    [[gnu::hot]] bool choose(const State& s, CellBit& cell) const {
        if constexpr (kMode == Mode::Stable) {
            int best = 10;
            for (int i = 0; i < order_->count; ++i) {
                const CellBit& c = order_->cells[At(i)];
                if (!(s.open[At(3 * c.grid + c.band)] & c.bit)) continue;
                int count = 0;
                for (int d = 0; d < 9; ++d) count += (s.cand[At(Slot(c.grid, c.band, d))] & c.bit) ? 1 : 0;
                if (count < best) {
                    best = count;
                    cell = c;
                    if (count == 2) break;
                }
            }
            return best < 10;
        } else {
            // A cell with two candidates, else one with the fewest.
            for (int gb = 0; gb < 6; ++gb) {
                Band open = s.open[At(gb)];
                if (!open) continue;
                const Band* digits = &s.cand[At(9 * gb)];
                Band one = 0, two = 0, three = 0;
                for (int d = 0; d < 9; ++d) {
                    three |= two & digits[d];
                    two |= one & digits[d];
                    one |= digits[d];
                }
                if (Band pairs = two & ~three & open) {
                    cell = {static_cast<uint8_t>(gb / 3), static_cast<uint8_t>(gb % 3), pairs & -pairs};
                    return true;
                }
            }
            int best = 10;
            for (int gb = 0; gb < 6; ++gb) {
                for (Band rest = s.open[At(gb)]; rest; rest &= rest - 1) {
                    Band bit = rest & -rest;
                    int count = 0;
                    for (int d = 0; d < 9; ++d) count += (s.cand[At(9 * gb + d)] & bit) ? 1 : 0;
                    if (count < best) {
                        best = count;
                        cell = {static_cast<uint8_t>(gb / 3), static_cast<uint8_t>(gb % 3), bit};
                    }
                }
            }
            return best < 10;
        }
    }

    const Overlap& o_;
    bool diagonal_;
    int limit_;
    std::mt19937_64* rng_;
    const BoardOrder* order_;
    const FirstDigits* first_;
    int found_ = 0;
    std::array<State, 2> solutions_;
    uint64_t dirty_ = 0;  // slots changed since slot() last looked at them
    uint64_t round_ = 0;  // slots changed since the last look for cells with one candidate
    uint64_t stall_ = 0;  // slots changed since the last look at stacks, columns and diagonals
};

// Grid g's candidates from the board's givens (digits 0..9). The givens are read into a plane
// per digit; then each digit's givens are applied at once, unit by unit: the rows, columns,
// boxes (and diagonals) that hold one lose the digit elsewhere, and a unit holding two is a
// contradiction. A given's cell keeps its digit alone. Adds the givens read to `read`, a shared
// cell counted with grid 1 only. Returns false on a contradiction.
[[gnu::hot]] bool ReadGrid(const DoubleBoard& board, const OverlapPattern& pattern, const Overlap& overlap, int g, bool diagonal,
              State& s, int& read) {
    // Per digit 1..9; an empty cell marks entry 0, so that the loop does not branch on it.
    std::array<std::array<Band, 3>, 10> given{};
    for (int r = 0; r < 9; ++r) {
        const uint8_t* row = &board.digits[static_cast<std::size_t>(BoardCell(pattern.rowOf(g + 1) + r, pattern.columnOf(g + 1)))];
        for (int k = 0; k < 9; ++k) given[row[k]][static_cast<std::size_t>(r / 3)] |= Band{1} << (9 * (r % 3) + k);
    }
    Band twice = 0;
    for (int b = 0; b < 3; ++b) {
        auto ub = static_cast<std::size_t>(b);
        Band givens = band::kAll & ~given[0][ub];
        s.open[static_cast<std::size_t>(3 * g + b)] = given[0][ub];
        // A cell grid 1 covers too is read with grid 1.
        read += BitCount(g == 0 || overlap.partner[static_cast<std::size_t>(3 + b)] < 0 ? givens : givens & ~overlap.shared[1]);
    }
    for (int d = 1; d <= 9; ++d) {
        const std::array<Band, 3>& x = given[static_cast<std::size_t>(d)];
        Band c0 = band::Columns(x[0]), c1 = band::Columns(x[1]), c2 = band::Columns(x[2]);
        Band columns = c0 | c1 | c2;
        twice |= (c0 & c1) | (c0 & c2) | (c1 & c2);
        Band main = 0, anti = 0;
        std::array<Band, 3> units{};
        for (int b = 0; b < 3; ++b) {
            Band here = x[static_cast<std::size_t>(b)];
            band::BandRows rows = band::ReadRows(here);
            twice |= rows.rowTwice | band::BoxTwice(rows.pairs) | band::ColumnsTwice(here);
            units[static_cast<std::size_t>(b)] = band::UnitsOfPairs(rows.pairs) | band::SpreadColumns(columns);
            main |= here & band::MainDiagonalMask(b);
            anti |= here & band::AntiDiagonalMask(b);
        }
        if (diagonal) {
            twice |= (main & (main - 1)) | (anti & (anti - 1));
            for (int b = 0; b < 3; ++b)
                units[static_cast<std::size_t>(b)] |= (main ? band::MainDiagonalMask(b) : 0) | (anti ? band::AntiDiagonalMask(b) : 0);
        }
        for (int b = 0; b < 3; ++b) {
            auto ub = static_cast<std::size_t>(b);
            s.cand[static_cast<std::size_t>(Slot(g, b, d - 1))] = (band::kAll & ~units[ub] & given[0][ub]) | x[ub];
        }
    }
    return twice == 0;
}

// Grid g's band and bit of board cell c, or false when grid g does not cover it.
bool GridBit(const OverlapPattern& pattern, int g, int c, CellBit& cell) {
    int r = BoardRow(c) - pattern.rowOf(g + 1), k = BoardColumn(c) - pattern.columnOf(g + 1);
    if (r < 0 || r >= 9 || k < 0 || k >= 9) return false;
    cell = {static_cast<uint8_t>(g), static_cast<uint8_t>(r / 3), Band{1} << (9 * (r % 3) + k)};
    return true;
}

[[gnu::hot]] DoubleBoard ToBoard(const DoubleBoard& like, const OverlapPattern& pattern, const State& s) {
    DoubleBoard b = like;
    for (int g = 0; g < 2; ++g)
        for (int x = 0; x < 3; ++x)
            for (int d = 0; d < 9; ++d)
                for (Band bits = s.cand[static_cast<std::size_t>(Slot(g, x, d))]; bits; bits &= bits - 1) {
                    int k = 27 * x + std::countr_zero(bits);
                    int c = BoardCell(pattern.rowOf(g + 1) + k / 9, pattern.columnOf(g + 1) + k % 9);
                    b.digits[static_cast<std::size_t>(c)] = static_cast<uint8_t>(d + 1);
                }
    return b;
}

// The board cells holding a digit, or -1 when one holds more than 9; eight cells at a time: a
// byte's top bit, after adding 0x7F (0x76) to its low seven bits and ORing in the byte, says
// whether it is not zero (above 9).
[[gnu::hot]] int BoardDigits(const DoubleBoard& board) {
    constexpr uint64_t kLow = 0x7F7F7F7F7F7F7F7F, kTen = 0x7676767676767676, kOnes = 0x0101010101010101;
    int count = 0;
    uint64_t above9 = 0;
    std::size_t c = 1;
    for (; c + 8 <= board.digits.size(); c += 8) {
        uint64_t w;
        std::memcpy(&w, &board.digits[c], 8);
        uint64_t nonZero = (((w & kLow) + kLow) | w) & ~kLow;
        above9 |= (((w & kLow) + kTen) | w) & ~kLow;
        count += static_cast<int>((nonZero >> 7) * kOnes >> 56);
    }
    for (; c < board.digits.size(); ++c) {
        count += board.digits[c] != 0;
        above9 |= board.digits[c] > 9;
    }
    return above9 ? -1 : count;
}

template <Mode kMode>
[[gnu::hot]] int Run(const DoubleBoard& board, const Request& request, std::array<DoubleBoard, 2>* solutions) {
    const OverlapPattern& pattern = Pattern(board.pattern);
    const Overlap overlap(pattern);
    State s;
    int digits = BoardDigits(board), read = 0;
    bool readable = true;
    if (digits >= 0)
        for (int g = 0; g < 2; ++g) readable = ReadGrid(board, pattern, overlap, g, board.diagonal, s, read) && readable;
    if (digits != read) {
        // Name what cannot be read.
        for (int c = 1; c <= kBoardCells; ++c) {
            int d = board.digits[static_cast<std::size_t>(c)];
            if (d > 9) throw std::invalid_argument("board cell " + std::to_string(c) + " holds " + std::to_string(d));
            if (d && CellCode(pattern, c) == 0)
                throw std::invalid_argument("board cell " + std::to_string(c) + " lies outside the pattern");
        }
    }
    std::array<CellBit, 2> excluded{};
    int exclusions = 0;
    if (request.excludeCell != 0) {
        int c = request.excludeCell, d = request.excludeDigit;
        if (c >= 1 && c <= kBoardCells && d >= 1 && d <= 9)
            for (int g = 0; g < 2; ++g) exclusions += GridBit(pattern, g, c, excluded[static_cast<std::size_t>(exclusions)]);
        if (exclusions == 0)
            throw std::invalid_argument("no digit " + std::to_string(d) + " to exclude at board cell " + std::to_string(c));
        if (board.digits[static_cast<std::size_t>(c)] == d) return 0;
    }
    if (!readable) return 0;
    for (int i = 0; i < exclusions; ++i) {
        const CellBit& e = excluded[static_cast<std::size_t>(i)];
        s.cand[static_cast<std::size_t>(Slot(e.grid, e.band, request.excludeDigit - 1))] &= ~e.bit;
    }
    BoardOrder order;
    if constexpr (kMode == Mode::Stable) {
        for (int c = 1; c <= kBoardCells; ++c)
            if (GridBit(pattern, 0, c, order.cells[static_cast<std::size_t>(order.count)]) ||
                GridBit(pattern, 1, c, order.cells[static_cast<std::size_t>(order.count)]))
                ++order.count;
    }
    typename Searcher<kMode>::FirstDigits first;  // filled and read only with request.near
    if (request.near) {
        for (int g = 0; g < 2; ++g)
            for (int k = 0; k < 81; ++k) {
                int c = BoardCell(pattern.rowOf(g + 1) + k / 9, pattern.columnOf(g + 1) + k % 9);
                first[static_cast<std::size_t>(3 * g + k / 27)][static_cast<std::size_t>(k % 27)] =
                    static_cast<int8_t>(request.near->digits[static_cast<std::size_t>(c)] - 1);
            }
    }
    Searcher<kMode> search(overlap, board.diagonal, request.limit, request.rng, kMode == Mode::Stable ? &order : nullptr,
                           request.near ? &first : nullptr);
    if (search.start(s)) search.run(s);
    if (solutions) {
        for (int i = 0; i < search.found() && i < 2; ++i)
            (*solutions)[static_cast<std::size_t>(i)] = ToBoard(board, pattern, search.solutions()[static_cast<std::size_t>(i)]);
    }
    return search.found();
}

// Number of solutions of the board, counted up to request.limit; the first two found go into
// solutions when it is given. Throws std::invalid_argument for a board or an exclusion it
// cannot read (a pattern other than 1..12, a digit above 9 or outside the pattern's grids).
[[gnu::hot]] int Search(const DoubleBoard& board, const Request& request, std::array<DoubleBoard, 2>* solutions) {
    if (!IsPattern(board.pattern)) throw std::invalid_argument("no overlap pattern " + std::to_string(board.pattern));
    if (request.limit <= 0) return 0;
    return request.mode == Mode::Fast ? Run<Mode::Fast>(board, request, solutions) : Run<Mode::Stable>(board, request, solutions);
}

}  // namespace

[[gnu::hot]] SolveResult Solve(const DoubleBoard& board) {
    std::array<DoubleBoard, 2> found{board, board};
    int count = Search(board, {.limit = 2}, &found);
    if (count == 2) Search(board, {.limit = 2, .mode = Mode::Stable}, &found);
    SolveResult result;
    result.verdict = count == 0 ? Verdict::None : count == 1 ? Verdict::Unique : Verdict::Multiple;
    result.solution = found[0];
    result.second = found[1];
    return result;
}

[[gnu::hot]] int CountSolutions(const DoubleBoard& board, int limit) { return Search(board, {.limit = limit}, nullptr); }

[[gnu::hot]] bool SolvableWithout(const DoubleBoard& board, int cell, int digit, const DoubleBoard* near) {
    if (cell < 1 || cell > kBoardCells) throw std::invalid_argument("no board cell " + std::to_string(cell));
    return Search(board, {.limit = 1, .excludeCell = cell, .excludeDigit = digit, .near = near}, nullptr) > 0;
}

std::optional<DoubleBoard> RandomSolution(const DoubleBoard& board, std::mt19937_64& rng) {
    std::array<DoubleBoard, 2> found{board, board};
    if (Search(board, {.limit = 1, .mode = Mode::Stable, .rng = &rng}, &found) == 0) return std::nullopt;
    return found[0];
}

}  // namespace previous
