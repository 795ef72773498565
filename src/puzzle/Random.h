// Random draws that come out the same on every standard library: the engine's own arithmetic
// on std::mt19937_64, whose sequence the standard fixes (its distributions it does not).
#pragma once

#include <cstdint>
#include <random>
#include <utility>

namespace puzzle {

// A number 0..n-1, every value equally likely (n > 0).
inline uint64_t Below(std::mt19937_64& rng, uint64_t n) {
    const uint64_t limit = UINT64_MAX - UINT64_MAX % n;
    for (;;) {
        uint64_t x = rng();
        if (x < limit) return x % n;
    }
}

// Fisher-Yates shuffle of items[0..count-1].
template <typename T>
void Shuffle(T* items, int count, std::mt19937_64& rng) {
    for (int i = count - 1; i > 0; --i) std::swap(items[i], items[Below(rng, static_cast<uint64_t>(i) + 1)]);
}

}  // namespace puzzle
