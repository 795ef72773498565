// A set of board cells (bits 1..225) in four 64-bit words: the step finder's cells of a unit, of
// a digit's places, of the peers of a cell. Whole-set operations are a few word operations, and
// the cells can be walked in board order without testing every bit, which std::bitset offers
// only as a library extension.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "puzzle/BitCount.h"
#include "puzzle/BoardGeometry.h"

namespace puzzle {

class CellSet {
public:
    static constexpr std::size_t kWords = 4;  // operator== names the four words
    static_assert(kWords * 64 >= kBoardCells + 1 && (kWords - 1) * 64 < kBoardCells + 1);

    constexpr bool test(int c) const { return (w_[Word(c)] >> Shift(c)) & 1u; }
    constexpr bool operator[](int c) const { return test(c); }
    constexpr CellSet& set(int c) {
        w_[Word(c)] |= uint64_t{1} << Shift(c);
        return *this;
    }
    // Every bit, cell 0 included, as std::bitset's set() does.
    constexpr CellSet& set() {
        for (std::size_t i = 0; i < kWords; ++i) w_[i] = kUsed[i];
        return *this;
    }
    constexpr CellSet& reset(int c) {
        w_[Word(c)] &= ~(uint64_t{1} << Shift(c));
        return *this;
    }
    constexpr bool any() const { return (w_[0] | w_[1] | w_[2] | w_[3]) != 0; }
    constexpr bool none() const { return !any(); }
    constexpr int count() const {
        int n = 0;
        for (uint64_t w : w_) n += BitCount(w);
        return n;
    }
    // The lowest cell in the set, 0 when it is empty (cell 0 is never used).
    constexpr int first() const {
        for (std::size_t i = 0; i < kWords; ++i)
            if (w_[i] != 0) return static_cast<int>(i * 64) + std::countr_zero(w_[i]);
        return 0;
    }
    // True when every cell of this set is in other.
    constexpr bool within(const CellSet& other) const {
        for (std::size_t i = 0; i < kWords; ++i)
            if (w_[i] & ~other.w_[i]) return false;
        return true;
    }
    constexpr bool intersects(const CellSet& other) const {
        for (std::size_t i = 0; i < kWords; ++i)
            if (w_[i] & other.w_[i]) return true;
        return false;
    }
    // Calls f(c) for every cell of the set in board order.
    template <class F>
    constexpr void forEach(F f) const {
        for (std::size_t i = 0; i < kWords; ++i)
            for (uint64_t w = w_[i]; w != 0; w &= w - 1) f(static_cast<int>(i * 64) + std::countr_zero(w));
    }

    constexpr CellSet& operator&=(const CellSet& o) {
        for (std::size_t i = 0; i < kWords; ++i) w_[i] &= o.w_[i];
        return *this;
    }
    constexpr CellSet& operator|=(const CellSet& o) {
        for (std::size_t i = 0; i < kWords; ++i) w_[i] |= o.w_[i];
        return *this;
    }
    constexpr CellSet& operator^=(const CellSet& o) {
        for (std::size_t i = 0; i < kWords; ++i) w_[i] ^= o.w_[i];
        return *this;
    }
    // Removes the cells of o.
    constexpr CellSet& operator-=(const CellSet& o) {
        for (std::size_t i = 0; i < kWords; ++i) w_[i] &= ~o.w_[i];
        return *this;
    }
    constexpr CellSet operator~() const {
        CellSet r;
        for (std::size_t i = 0; i < kWords; ++i) r.w_[i] = ~w_[i] & kUsed[i];
        return r;
    }
    friend constexpr CellSet operator&(CellSet a, const CellSet& b) { return a &= b; }
    friend constexpr CellSet operator|(CellSet a, const CellSet& b) { return a |= b; }
    friend constexpr CellSet operator^(CellSet a, const CellSet& b) { return a ^= b; }
    friend constexpr CellSet operator-(CellSet a, const CellSet& b) { return a -= b; }
    // Word by word, inline: the defaulted comparison became a call of memcmp.
    friend constexpr bool operator==(const CellSet& a, const CellSet& b) {
        return a.w_[0] == b.w_[0] && a.w_[1] == b.w_[1] && a.w_[2] == b.w_[2] && a.w_[3] == b.w_[3];
    }
    constexpr const std::array<uint64_t, kWords>& words() const { return w_; }

private:
    static constexpr std::size_t Word(int c) { return static_cast<std::size_t>(c) / 64; }
    static constexpr unsigned Shift(int c) { return static_cast<unsigned>(c) % 64; }
    // Bits 0..225.
    static constexpr std::array<uint64_t, kWords> kUsed{~uint64_t{0}, ~uint64_t{0}, ~uint64_t{0},
                                                          (uint64_t{1} << ((kBoardCells + 1) % 64)) - 1};
    std::array<uint64_t, kWords> w_{};
};

}  // namespace puzzle
