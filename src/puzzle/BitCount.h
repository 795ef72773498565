// Bits set in a word, by bit arithmetic: the portable build has no popcount instruction, and
// there std::popcount calls into the compiler's library, which the hot loops of the engine and
// the step finder cannot afford.
#pragma once

#include <cstdint>

namespace puzzle {

constexpr int BitCount(uint64_t w) {
    w -= (w >> 1) & 0x5555555555555555ULL;
    w = (w & 0x3333333333333333ULL) + ((w >> 2) & 0x3333333333333333ULL);
    w = (w + (w >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((w * 0x0101010101010101ULL) >> 56);
}

}  // namespace puzzle
