// One digit's places in a 9x9 grid as three bands of 27 bits: band b holds grid rows 3b..3b+2,
// bit 9r + c for row r of the band and column c (all from 0), so grid cell k (0..80) is bit
// k - 27b of band k / 27. The masks and tables here are the engine's whole layout of a grid;
// they are constants, built by the compiler.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace puzzle::band {

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

// The rows (bit r) of a band, as cells.
inline constexpr std::array<Band, 8> kRows = {0, RowMask(0), RowMask(1), RowMask(0) | RowMask(1), RowMask(2),
                                              RowMask(0) | RowMask(2), RowMask(1) | RowMask(2), kAll};

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

// A band read row by row: its row-box occupancy (bit 3r + k) and its bits alone in their row.
struct BandRows {
    unsigned pairs;
    Band alone;
};
constexpr BandRows ReadRows(Band x) {
    unsigned r0 = kRowInfo[x & 0x1FF], r1 = kRowInfo[x >> 9 & 0x1FF], r2 = kRowInfo[x >> 18];
    return {(r0 & 7) | (r1 & 7) << 3 | (r2 & 7) << 6, x & kRows[(r0 >> 3 & 1) | (r1 >> 2 & 2) | (r2 >> 1 & 4)]};
}

}  // namespace puzzle::band
