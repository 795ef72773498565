#include "puzzle/StepMemo.h"

namespace puzzle {

std::size_t StepMemo::Hash::operator()(const Entry& e) const {
    uint64_t h = static_cast<uint64_t>(e.technique) * 16 + static_cast<uint64_t>(e.digit);
    for (const CellSet* set : {&e.places.open, &e.places.placed})
        for (uint64_t w : set->words()) h = (h ^ w) * 0x100000001B3ULL + (h >> 29);
    return static_cast<std::size_t>(h);
}

bool StepMemo::foundNothing(Technique t, int d, const DigitPlaces& places) const { return nothing_.contains(Entry{t, d, places}); }

void StepMemo::rememberNothing(Technique t, int d, const DigitPlaces& places) {
    if (nothing_.size() >= kMaxEntries) nothing_.clear();
    nothing_.insert(Entry{t, d, places});
}

void StepMemo::useFor(int pattern, bool diagonal) {
    if (pattern == pattern_ && diagonal == diagonal_) return;
    nothing_.clear();
    pattern_ = pattern;
    diagonal_ = diagonal;
}

}  // namespace puzzle
