// The program's random numbers: a generator seeded from a clock reading (BASIC Randomize)
// giving numbers in [0, 1) (BASIC Rnd). The same seed always gives the same numbers.
#pragma once

#include <cstdint>
#include <random>

namespace ui {

class RandomSource {
public:
    void seed(double clockSeconds) { engine_.seed(static_cast<uint32_t>(clockSeconds * 1000.0)); }
    double next() { return static_cast<double>(engine_()) / 4294967296.0; }

private:
    std::mt19937 engine_{0};
};

}  // namespace ui
