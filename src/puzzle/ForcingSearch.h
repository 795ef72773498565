// What the forcing chains' searches share: each assumption followed once per search and kept.
// Private to src/puzzle.
#pragma once

#include <array>
#include <deque>

#include "puzzle/Propagation.h"
#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

class Assumptions {
public:
    explicit Assumptions(const LogicState& s) : start_(s) { index_.fill(-1); }
    // What follows from d in c (c empty, d one of its candidates).
    const Propagation& of(CellDigit a) {
        int& i = index_[static_cast<std::size_t>(a.cell * 10 + a.digit)];
        if (i < 0) {
            i = static_cast<int>(followed_.size());
            followed_.push_back(start_);
            followed_.back().assume(a.cell, a.digit);
        }
        return followed_[static_cast<std::size_t>(i)];
    }
    const Propagation& start() const { return start_; }

private:
    Propagation start_;
    std::array<int, (kBoardCells + 1) * 10> index_;
    std::deque<Propagation> followed_;  // a deque keeps references valid as it grows
};

}  // namespace puzzle::search
