// Each grid keeps, for each digit, the cells that may still hold it as three bands of 27 bits
// (BandTables.h): 27 slots a grid, one per band and digit, the nine digits of a band side by
// side. A cell both grids cover has a bit in each grid; whenever a slot changes, the places it
// has lost in shared cells are taken from the other grid's copy too, so the copies stay equal.
//
// Placing a digit takes the cell from the other digits and the digit from the cell's row, box,
// column (and diagonal) at once, so a board whose every cell is placed is a solution whatever
// else propagation did. Propagation works on what changed since it last looked, in two tiers:
// - each changed slot: its box-line intersection (Fast mode: the band's rows and boxes must
//   take the digit in a permutation of their row-box pairs), its shared cells, and the digit
//   alone in a row (Stable mode: or in a box) is placed; then in each changed band a cell with
//   one candidate left is placed;
// - when that stops, each changed digit of a grid: the box-line intersection of its stacks
//   (Fast mode: the bands and columns of a stack, the same way; Stable mode: the digit alone in
//   a column is placed instead) and its diagonals.
// In Fast mode the two intersections together leave a digit alone in its column or box only
// when it is alone in its row too, so the rows find every hidden single. Stable mode stops at
// the fixpoint of singles, which is the same whatever the order of work, so with the same
// branching it walks the same tree as the engine before it. A contradiction is a cell without
// candidates, a unit without a place for a digit, or no permutation. The search copies the
// state (240 bytes) per branch; nothing is allocated. Fast mode branches on the cell with two
// candidates whose digits have the fewest places left in its units: on hard problems that
// halves the nodes of the first such cell in band order.
//
// The search is compiled twice, as kernels for two instruction sets (Kernel below): the
// portable one for any processor, and on x86-64 a wide one (AVX2, BMI1, BMI2, POPCNT) through
// GCC's target attribute. Only functions with that attribute hold wide instructions, and only
// the wide kernels call them. The program picks the wide kernels when it starts, if the
// processor has them; both walk the same tree. The wide Fast kernel takes a band's changed
// digits through the band step eight at once (the intersection by the six permutations, with
// no table, and the cells alone in their row); the fixpoint is the same.
#include "puzzle/EngineSearch.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
// The wide kernels: x86-64 with GCC or Clang, whose target attribute compiles a function for
// instructions the build as a whole may not assume.
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define MOZEL_ENGINE_WIDE 1
#define MOZEL_WIDE_TARGET [[gnu::target("avx2,bmi,bmi2,popcnt")]]
#else
#define MOZEL_ENGINE_WIDE 0
#endif

#include "puzzle/BandTables.h"
#include "puzzle/BitCount.h"
#include "puzzle/Random.h"

namespace puzzle::engine {
namespace {

using band::Band;

// The instruction set a kernel is compiled for.
enum class Isa { Portable, Wide };

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
// that had it (bit e for digit e + 1). This is the heart of every placement: with SSE2 (every
// x86-64) four digits go at once (wider registers gain nothing here), elsewhere one at a time.
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

#if MOZEL_ENGINE_WIDE
// The six ways a digit can take one row-box pair per row and per box of a band, each pair as
// the first bit of its three cells (bit 9r + 3k): the band step of eight digits at once works
// on those bits, with no table.
inline constexpr std::array<Band, 6> kSpreadPermutations = [] {
    constexpr unsigned kMatrices[6] = {0421, 0241, 0412, 0142, 0214, 0124};
    std::array<Band, 6> t{};
    for (std::size_t p = 0; p < 6; ++p)
        for (unsigned i = 0; i < 9; ++i)
            if (kMatrices[p] >> i & 1) t[p] |= Band{1} << (3 * i);
    return t;
}();

// The band step for eight digits of a band at once: each digit's places kept by the box-line
// intersection (the cells of the row-box pairs some permutation uses) and, of those, the
// cells alone in their row. Returns per digit (bit e for digit e + 1) whether no permutation
// fits and whether the intersection took places.
struct BandStep {
    std::array<Band, 8> kept;
    std::array<Band, 8> alone;
    unsigned dead;
    unsigned narrowed;
};

// The band step's masks, each in all eight lanes: the six permutations, the first bits of the
// row-box pairs, the three rows. Read from memory, each is one operand; built in registers (as
// the compiler does for a constant), each costs three instructions per step.
struct alignas(32) Lanes {
    std::array<Band, 8> v;
};
inline constexpr std::array<Lanes, 10> kStepMasks = [] {
    std::array<Lanes, 10> t{};
    auto fill = [](Lanes& l, Band x) { l.v.fill(x); };
    for (std::size_t p = 0; p < 6; ++p) fill(t[p], kSpreadPermutations[p]);
    fill(t[6], 0x1249249);
    for (int r = 0; r < 3; ++r) fill(t[static_cast<std::size_t>(7 + r)], band::RowMask(r));
    return t;
}();

MOZEL_WIDE_TARGET inline __m256i LoadLanes(const Lanes& lanes) { return _mm256_load_si256(reinterpret_cast<const __m256i*>(lanes.v.data())); }

MOZEL_WIDE_TARGET [[gnu::hot]] inline void StepBandWide(const Band* digits, BandStep& out) {
    // Through a pointer the compiler cannot see into, so that the masks are read, not rebuilt.
    const Lanes* masks = kStepMasks.data();
    asm("" : "+r"(masks));
    const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(digits));
    const __m256i zero = _mm256_setzero_si256();
    __m256i t = _mm256_or_si256(x, _mm256_or_si256(_mm256_srli_epi32(x, 1), _mm256_srli_epi32(x, 2)));
    t = _mm256_and_si256(t, LoadLanes(masks[6]));
    __m256i pairs = zero;
    for (std::size_t p = 0; p < 6; ++p) {
        const __m256i m = LoadLanes(masks[p]);
        pairs = _mm256_or_si256(pairs, _mm256_and_si256(m, _mm256_cmpeq_epi32(_mm256_and_si256(t, m), m)));
    }
    const __m256i cells = _mm256_sub_epi32(_mm256_slli_epi32(pairs, 3), pairs);  // each pair's three cells
    const __m256i kept = _mm256_and_si256(x, cells);
    out.dead = static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(pairs, zero))));
    out.narrowed = ~static_cast<unsigned>(_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(kept, x)))) & 0xFF;
    __m256i alone = zero;
    const __m256i one = _mm256_set1_epi32(1);
    for (std::size_t r = 0; r < 3; ++r) {
        const __m256i row = _mm256_and_si256(kept, LoadLanes(masks[7 + r]));
        const __m256i single = _mm256_cmpeq_epi32(_mm256_and_si256(row, _mm256_sub_epi32(row, one)), zero);
        alone = _mm256_or_si256(alone, _mm256_and_si256(row, single));
    }
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.kept.data()), kept);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(out.alone.data()), alone);
}
#endif

// The digits (bit e for digit e + 1) of a band's nine Bands that have cell `bit`: TakeCell
// without taking.
inline unsigned DigitsAt(const Band* digits, Band bit) {
    unsigned had = 0;
#if defined(__SSE2__)
    const __m128i mask = _mm_set1_epi32(static_cast<int>(bit));
    for (int e = 0; e < 8; e += 4) {
        __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(digits + e));
        had |= static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(_mm_and_si128(four, mask), mask)))) << e;
    }
#else
    for (int e = 0; e < 8; ++e) had |= (digits[e] & bit ? 1u : 0u) << e;
#endif
    return had | (digits[8] & bit ? 1u : 0u) << 8;
}

// Bits set in x: one instruction in the wide kernels, arithmetic in the portable ones (where
// std::popcount would call into the compiler's library).
template <Isa kIsa>
inline int Count(uint64_t x) {
    if constexpr (kIsa == Isa::Wide) return __builtin_popcountll(x);
    return BitCount(x);
}

// The search's out-of-line functions, one per instruction set (defined below, after Searcher):
// each is compiled whole for its instruction set, the code it inlines included.
template <Mode kMode, Isa kIsa>
class Searcher;
template <Mode kMode, Isa kIsa>
struct Kernel;

template <Mode kMode, Isa kIsa>
class Searcher {
public:
    // Per grid, band and bit: the digit (0..8) a branch tries first, or -1.
    using FirstDigits = std::array<std::array<int8_t, 27>, 6>;

    Searcher(const Overlap& overlap, bool diagonal, int limit, std::mt19937_64* rng, const BoardOrder* order,
             const FirstDigits* first = nullptr)
        : o_(overlap), diagonal_(diagonal), limit_(limit), rng_(rng), order_(order), first_(first) {}

    // Propagates a state of which every slot is new; false on a contradiction.
    bool start(State& s) {
        changed(kAllSlots);
        return propagate(s);
    }

    // One node of the search: branches on a cell and hands each branch's state to kDescend
    // (a function of the kernels' own instruction set that calls node again).
    template <void (*kDescend)(Searcher&, State&)>
    void node(State& s) {
        CellBit cell{};
        if (!choose(s, cell)) {
            if (found_ < 2) solutions_[static_cast<std::size_t>(found_)] = s;
            ++found_;
            return;
        }
        std::array<int, 9> digits{};
        int count = 0;
        for (unsigned had = DigitsAt(&s.cand[At(Slot(cell.grid, cell.band, 0))], cell.bit); had; had &= had - 1)
            digits[At(count++)] = std::countr_zero(had);
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
            if (place(*next, 3 * cell.grid + cell.band, cell.bit, digits[At(i)]) && propagate(*next)) kDescend(*this, *next);
        }
    }

    int found() const { return found_; }
    const std::array<State, 2>& solutions() const { return solutions_; }

private:
    friend struct Kernel<kMode, kIsa>;
    static std::size_t At(int i) { return static_cast<std::size_t>(i); }

    void changed(uint64_t slots) {
        dirty_ |= slots;
        round_ |= slots;
        stall_ |= slots;
    }

    bool propagate(State& s) { return Kernel<kMode, kIsa>::Propagate(*this, s); }
    void placeIn(State& s, int gb, Band bit, int d) { Kernel<kMode, kIsa>::PlaceIn(*this, s, gb, bit, d); }

    bool propagateHere(State& s) {
        for (;;) {
            while (dirty_) {
                // A band at a time: its digits changed since the last look.
                int gb = std::countr_zero(dirty_) / 9;
                unsigned digits = static_cast<unsigned>(dirty_ >> (9 * gb)) & 0x1FF;
                dirty_ &= ~(uint64_t{0x1FF} << (9 * gb));
                int other = o_.partner[At(gb)];
#if MOZEL_ENGINE_WIDE
                if constexpr (kMode == Mode::Fast && kIsa == Isa::Wide) {
                    if ((digits & 0xFF) && !(other >= 0 ? band<true>(s, gb, digits & 0xFF, other) : band<false>(s, gb, digits & 0xFF, other)))
                        return false;
                    digits &= 0x100;
                }
#endif
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
    bool slot(State& s, int gb, int d, int other) {
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

#if MOZEL_ENGINE_WIDE
    // What slot() does, for the changed digits among the first eight of band gb (bits
    // `digits`) at once: the band step reads the eight digits as they are, and each changed
    // one then takes its result. A digit that changes again meanwhile (a placement of an
    // earlier one) is looked at again later, so the step reading it before is no harm.
    template <bool kShared>
    bool band(State& s, int gb, unsigned digits, int other) {
        BandStep step;
        StepBandWide(&s.cand[At(9 * gb)], step);
        if (step.dead & digits) return false;
        for (; digits; digits &= digits - 1) {
            const int d = std::countr_zero(digits), i = 9 * gb + d;
            if (step.narrowed >> d & 1) {
                s.cand[At(i)] &= step.kept[At(d)];
                round_ |= SlotBit(i);
                stall_ |= SlotBit(i);
            }
            if constexpr (kShared) share(s, gb, d, other, s.cand[At(i)]);
            for (Band alone = step.alone[At(d)] & s.open[At(gb)]; alone; alone &= alone - 1)
                if (!place(s, gb, alone & -alone, d)) return false;
        }
        return true;
    }
#endif

    // Takes from the other grid's band `other` the shared cells where digit d has lost its place
    // in band gb (bits x). Each copy of a shared cell does this when it changes, so the copies
    // end up the same.
    void share(State& s, int gb, int d, int other, Band x) {
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
    bool place(State& s, int gb, Band bit, int d) {
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

    void placeInHere(State& s, int gb, Band bit, int d) {
        s.open[At(gb)] &= ~bit;
        int position = std::countr_zero(bit);
        Band* digits = &s.cand[At(9 * gb)];
        Band mine = digits[d];
        const unsigned had = TakeCell(digits, bit);
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
    uint64_t placeOnDiagonals(State& s, int gb, int position, int d) {
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
    bool nakedSingles(State& s) {
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
    bool stalled(State& s) {
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
    bool narrowStacks(State& s, int g, int d) {
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
    bool columnSingles(State& s, int g, int d) {
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
    bool diagonalSingle(State& s, int g, int d, bool main) {
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
    bool choose(const State& s, CellBit& cell) const {
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
            // Of the cells with two candidates, the one whose digits have the fewest places
            // left in its row, box and column (the sum over its two digits of the product of
            // the three counts): the branches then place most at once. Else a cell with the
            // fewest candidates.
            int bestScore = INT_MAX;
            for (int gb = 0; gb < 6; ++gb) {
                Band open = s.open[At(gb)];
                if (!open) continue;
                const Band* digits = &s.cand[At(9 * gb)];
                const Band* stack = &s.cand[At(9 * (gb - gb % 3))];  // the grid's band 0
                Band one = 0, two = 0, three = 0;
                for (int d = 0; d < 9; ++d) {
                    three |= two & digits[d];
                    two |= one & digits[d];
                    one |= digits[d];
                }
                for (Band pairs = two & ~three & open; pairs; pairs &= pairs - 1) {
                    Band bit = pairs & -pairs;
                    int position = std::countr_zero(bit);
                    Band row = band::RowMask(position / 9), box = band::BoxMask(position % 9 / 3), column = band::kColumnOf[At(position)];
                    int score = 0;
                    for (unsigned had = DigitsAt(digits, bit); had; had &= had - 1) {
                        const int d = std::countr_zero(had);
                        // The column's places in the three bands, shifted apart so that one
                        // count takes them all.
                        Band columns = (stack[d] & column) | (stack[9 + d] & column) << 1 | (stack[18 + d] & column) << 2;
                        score += Count<kIsa>(digits[d] & row) * Count<kIsa>(digits[d] & box) * Count<kIsa>(columns);
                    }
                    if (score < bestScore) {
                        bestScore = score;
                        cell = {static_cast<uint8_t>(gb / 3), static_cast<uint8_t>(gb % 3), bit};
                        // At rest every digit has two places or more in each unit: no cell
                        // scores below 2 * 2 * 2 per digit.
                        if (score == 16) return true;
                    }
                }
            }
            if (bestScore != INT_MAX) return true;
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

// The low seven bits of each byte of a word.
constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7F;

// Grid g's candidates from the board's givens (digits 0..9), in one pass over the givens and
// one over the digits. The givens are read into a plane per digit, and each unit's digits are
// gathered on the way, so that a unit holding a digit twice is found there (a contradiction);
// then each digit's givens are applied at once, unit by unit: the rows, columns, boxes (and
// diagonals) that hold one lose the digit elsewhere. A given's cell keeps its digit alone. Adds
// the givens read to `read`, a shared cell counted with grid 1 only. Returns false on a
// contradiction.

template <Isa kIsa>
bool ReadGrid(const DoubleBoard& board, const OverlapPattern& pattern, const Overlap& overlap, int g, bool diagonal,
              State& s, int& read) {
    // Per digit 1..9, and the empty cells as entry 0. A row's filled cells come from its first
    // eight bytes at once (as in BoardDigits, then each byte's flag gathered into one byte by
    // a multiplication), so that only the givens are read one by one. Each given adds its digit
    // to the digits of its row, column and box (and diagonal): a digit already there is a
    // contradiction.
    std::array<std::array<Band, 3>, 10> given{};
    std::array<unsigned, 9> columnDigits{};
    unsigned twice = 0, mainDigits = 0, antiDigits = 0;
    for (int b = 0; b < 3; ++b) {
        auto ub = static_cast<std::size_t>(b);
        std::array<unsigned, 3> boxDigits{};
        for (int r = 3 * b; r < 3 * b + 3; ++r) {
            const uint8_t* row = &board.digits[static_cast<std::size_t>(BoardCell(pattern.rowOf(g + 1) + r, pattern.columnOf(g + 1)))];
            unsigned filled = row[8] != 0 ? 0x100u : 0u;
            if constexpr (std::endian::native == std::endian::little) {
                uint64_t w;
                std::memcpy(&w, row, 8);
                uint64_t nonZero = ((((w & kLow7) + kLow7) | w) & ~kLow7) >> 7;
                filled |= static_cast<unsigned>((nonZero * 0x0102040810204080ULL) >> 56);
            } else {
                for (int k = 0; k < 8; ++k) filled |= (row[k] != 0 ? 1u : 0u) << k;
            }
            const int shift = 9 * (r - 3 * b);
            given[0][ub] |= (~filled & 0x1FF) << shift;
            unsigned rowDigits = 0;
            for (; filled; filled &= filled - 1) {
                const int k = std::countr_zero(filled);
                const auto uk = static_cast<std::size_t>(k);
                const unsigned digit = 1u << row[k];
                unsigned& box = boxDigits[uk / 3];
                twice |= (rowDigits | columnDigits[uk] | box) & digit;
                rowDigits |= digit;
                columnDigits[uk] |= digit;
                box |= digit;
                given[row[k]][ub] |= Band{1} << (shift + k);
                if (diagonal) {
                    if (k == r) {
                        twice |= mainDigits & digit;
                        mainDigits |= digit;
                    }
                    if (k == 8 - r) {
                        twice |= antiDigits & digit;
                        antiDigits |= digit;
                    }
                }
            }
        }
        Band givens = band::kAll & ~given[0][ub];
        s.open[static_cast<std::size_t>(3 * g + b)] = given[0][ub];
        // A cell grid 1 covers too is read with grid 1.
        read += Count<kIsa>(g == 0 || overlap.partner[static_cast<std::size_t>(3 + b)] < 0 ? givens : givens & ~overlap.shared[1]);
    }
    // Each row, box, column (and diagonal) holding a given of a digit loses the digit in its
    // other cells; a given's cell keeps its digit alone.
    for (int d = 1; d <= 9; ++d) {
        const std::array<Band, 3>& x = given[static_cast<std::size_t>(d)];
        Band lines = band::SpreadColumns(band::Columns(x[0] | x[1] | x[2]));
        for (int b = 0; b < 3; ++b) {
            auto ub = static_cast<std::size_t>(b);
            const Band here = x[ub];
            Band units = lines | ((here & band::RowMask(0)) ? band::RowMask(0) : 0) | ((here & band::RowMask(1)) ? band::RowMask(1) : 0) |
                         ((here & band::RowMask(2)) ? band::RowMask(2) : 0) | ((here & band::BoxMask(0)) ? band::BoxMask(0) : 0) |
                         ((here & band::BoxMask(1)) ? band::BoxMask(1) : 0) | ((here & band::BoxMask(2)) ? band::BoxMask(2) : 0);
            if (diagonal)
                units |= ((mainDigits >> d & 1) ? band::MainDiagonalMask(b) : 0) | ((antiDigits >> d & 1) ? band::AntiDiagonalMask(b) : 0);
            s.cand[static_cast<std::size_t>(Slot(g, b, d - 1))] = (~units & given[0][ub]) | here;
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

DoubleBoard ToBoard(const DoubleBoard& like, const OverlapPattern& pattern, const State& s) {
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
int BoardDigits(const DoubleBoard& board) {
    constexpr uint64_t kLow = kLow7, kTen = 0x7676767676767676, kOnes = 0x0101010101010101;
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

// Names the first cell of the board that cannot be read: a digit above 9, or one outside the
// pattern's grids. Out of line, so that the kernels do not carry it.
[[gnu::noinline, gnu::cold]] void ThrowUnreadable(const DoubleBoard& board, const OverlapPattern& pattern) {
    for (int c = 1; c <= kBoardCells; ++c) {
        int d = board.digits[static_cast<std::size_t>(c)];
        if (d > 9) throw std::invalid_argument("board cell " + std::to_string(c) + " holds " + std::to_string(d));
        if (d && CellCode(pattern, c) == 0) throw std::invalid_argument("board cell " + std::to_string(c) + " lies outside the pattern");
    }
}

[[gnu::noinline, gnu::cold]] void ThrowExclusion(int c, int d) {
    throw std::invalid_argument("no digit " + std::to_string(d) + " to exclude at board cell " + std::to_string(c));
}

template <Mode kMode, Isa kIsa, void (*kDescend)(Searcher<kMode, kIsa>&, State&)>
int Run(const DoubleBoard& board, const Request& request, std::array<DoubleBoard, 2>* solutions) {
    const OverlapPattern& pattern = Pattern(board.pattern);
    const Overlap overlap(pattern);
    State s;
    int digits = BoardDigits(board), read = 0;
    bool readable = true;
    if (digits >= 0)
        for (int g = 0; g < 2; ++g) readable = ReadGrid<kIsa>(board, pattern, overlap, g, board.diagonal, s, read) && readable;
    if (digits != read) ThrowUnreadable(board, pattern);
    std::array<CellBit, 2> excluded{};
    int exclusions = 0;
    if (request.excludeCell != 0) {
        int c = request.excludeCell, d = request.excludeDigit;
        if (c >= 1 && c <= kBoardCells && d >= 1 && d <= 9)
            for (int g = 0; g < 2; ++g) exclusions += GridBit(pattern, g, c, excluded[static_cast<std::size_t>(exclusions)]);
        if (exclusions == 0) ThrowExclusion(c, d);
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
    typename Searcher<kMode, kIsa>::FirstDigits first;  // filled and read only with request.near
    if (request.near) {
        for (int g = 0; g < 2; ++g)
            for (int k = 0; k < 81; ++k) {
                int c = BoardCell(pattern.rowOf(g + 1) + k / 9, pattern.columnOf(g + 1) + k % 9);
                first[static_cast<std::size_t>(3 * g + k / 27)][static_cast<std::size_t>(k % 27)] =
                    static_cast<int8_t>(request.near->digits[static_cast<std::size_t>(c)] - 1);
            }
    }
    Searcher<kMode, kIsa> search(overlap, board.diagonal, request.limit, request.rng, kMode == Mode::Stable ? &order : nullptr,
                           request.near ? &first : nullptr);
    if (search.start(s)) kDescend(search, s);
    if (solutions) {
        for (int i = 0; i < search.found() && i < 2; ++i)
            (*solutions)[static_cast<std::size_t>(i)] = ToBoard(board, pattern, search.solutions()[static_cast<std::size_t>(i)]);
    }
    return search.found();
}

// The kernels: the search's recursion and its out-of-line functions, per instruction set. A
// kernel function and what it inlines are compiled for its set; Descend, Run and PlaceIn inline
// all they call (flatten), so that the wide popcount lands in them. Propagate is left to the
// compiler's own choices, which are faster there; its wide version holds the band step of
// eight digits at once.
template <Mode kMode>
struct Kernel<kMode, Isa::Portable> {
    using S = Searcher<kMode, Isa::Portable>;
    [[gnu::hot, gnu::noinline, gnu::flatten]] static void Descend(S& search, State& s) { search.template node<Descend>(s); }
    [[gnu::hot, gnu::noinline]] static bool Propagate(S& search, State& s) { return search.propagateHere(s); }
    [[gnu::hot, gnu::noinline, gnu::flatten]] static void PlaceIn(S& search, State& s, int gb, Band bit, int d) { search.placeInHere(s, gb, bit, d); }
    [[gnu::hot, gnu::flatten]] static int Run(const DoubleBoard& board, const Request& request, std::array<DoubleBoard, 2>* solutions) {
        return engine::Run<kMode, Isa::Portable, Descend>(board, request, solutions);
    }
};

#if MOZEL_ENGINE_WIDE
template <Mode kMode>
struct Kernel<kMode, Isa::Wide> {
    using S = Searcher<kMode, Isa::Wide>;
    MOZEL_WIDE_TARGET [[gnu::hot, gnu::noinline, gnu::flatten]] static void Descend(S& search, State& s) { search.template node<Descend>(s); }
    MOZEL_WIDE_TARGET [[gnu::hot, gnu::noinline]] static bool Propagate(S& search, State& s) { return search.propagateHere(s); }
    MOZEL_WIDE_TARGET [[gnu::hot, gnu::noinline, gnu::flatten]] static void PlaceIn(S& search, State& s, int gb, Band bit, int d) {
        search.placeInHere(s, gb, bit, d);
    }
    MOZEL_WIDE_TARGET [[gnu::hot, gnu::flatten]] static int Run(const DoubleBoard& board, const Request& request,
                                                                std::array<DoubleBoard, 2>* solutions) {
        return engine::Run<kMode, Isa::Wide, Descend>(board, request, solutions);
    }
};
#endif

// The kernels chosen: -1 until the first search looks, then a Kernels value.
std::atomic<int> gKernels{-1};
std::atomic<bool> gForcePortable{false};

Kernels Choose() {
#if MOZEL_ENGINE_WIDE
    const char* portable = std::getenv("MOZEL_ENGINE_PORTABLE");
    if (portable && *portable && std::strcmp(portable, "0") != 0) return Kernels::Portable;
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2") &&
        __builtin_cpu_supports("popcnt"))
        return Kernels::Wide;
#endif
    return Kernels::Portable;
}

}  // namespace

Kernels ActiveKernels() {
    if (gForcePortable.load(std::memory_order_relaxed)) return Kernels::Portable;
    int k = gKernels.load(std::memory_order_relaxed);
    if (k < 0) {
        k = static_cast<int>(Choose());
        gKernels.store(k, std::memory_order_relaxed);
    }
    return static_cast<Kernels>(k);
}

void ForcePortableKernels(bool force) { gForcePortable.store(force, std::memory_order_relaxed); }

namespace {
// The kernels are chosen when the program starts, so that a first search does not pay for
// reading the environment (and binding getenv) in its own time.
[[maybe_unused]] const bool gChosenAtStart = (ActiveKernels(), true);
}  // namespace

[[gnu::hot]] int Search(const DoubleBoard& board, const Request& request, std::array<DoubleBoard, 2>* solutions) {
    if (!IsPattern(board.pattern)) throw std::invalid_argument("no overlap pattern " + std::to_string(board.pattern));
    if (request.limit <= 0) return 0;
#if MOZEL_ENGINE_WIDE
    // The Stable search (a random full board, the two solutions named) gains little from the
    // wide kernels and stays portable, which keeps the code a fresh process pages in small.
    if (request.mode == Mode::Fast && ActiveKernels() == Kernels::Wide) return Kernel<Mode::Fast, Isa::Wide>::Run(board, request, solutions);
#endif
    return request.mode == Mode::Fast ? Kernel<Mode::Fast, Isa::Portable>::Run(board, request, solutions)
                                      : Kernel<Mode::Stable, Isa::Portable>::Run(board, request, solutions);
}

}  // namespace puzzle::engine
