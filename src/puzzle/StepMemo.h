// What the step finder remembers from one board to the next of the same pattern and rule. The
// single-digit techniques (fish, skyscraper, kite, empty rectangle, X-chain) look at one
// digit's places and nothing else, so a search that found nothing for a digit finds nothing
// again on any board where that digit's places are the same. A path meets the same places of
// most digits from step to step, and the generator meets them again in path after path.
#pragma once

#include <cstddef>
#include <unordered_set>

#include "puzzle/CellSet.h"
#include "puzzle/Techniques.h"

namespace puzzle {

// The cells where a digit may still go and those where it stands.
struct DigitPlaces {
    CellSet open;
    CellSet placed;
    bool operator==(const DigitPlaces&) const = default;
};

class StepMemo {
public:
    // True when the search of technique t for digit d found nothing on a board of the same
    // pattern and rule where d had these places.
    bool foundNothing(Technique t, int d, const DigitPlaces& places) const;
    void rememberNothing(Technique t, int d, const DigitPlaces& places);
    // Forgets everything when the board's pattern or rule differs from the boards seen so far.
    void useFor(int pattern, bool diagonal);

private:
    struct Entry {
        Technique technique;
        int digit;
        DigitPlaces places;
        bool operator==(const Entry&) const = default;
    };
    struct Hash {
        std::size_t operator()(const Entry& e) const;
    };
    // Enough for the paths of a few generated problems; beyond it the memo starts afresh.
    static constexpr std::size_t kMaxEntries = 200000;

    int pattern_ = 0;
    bool diagonal_ = false;
    std::unordered_set<Entry, Hash> nothing_;
};

}  // namespace puzzle
