// The seven personas of the trial solvers: the stretch of grid cells each searches, its
// direction, and the words it says at each turn of a run.
#pragma once

#include <array>

namespace candidates {

struct Persona {
    const char* caption;
    int firstCell;
    int lastCell;
    int step;              // +1 ascending, -1 descending
    bool redrawAfterPlacing;
    const char* start;
    const char* tries;     // more than 20 tries
    const char* level;     // deeper than the ten save slots
    const char* exhausted; // no two-candidate cell left in the stretch
    const char* placing;
    const char* cell29;    // the first digit placed in grid cell 29; nullptr: nothing said
    const char* second;
    const char* solved;
    const char* notSolved;

    bool inStretch(int cell) const { return step > 0 ? cell >= firstCell && cell <= lastCell : cell <= firstCell && cell >= lastCell; }
};

// The personas in button order: cmdKakuritu, cmdKakuritu2 .. cmdKakuritu7.
const std::array<Persona, 7>& Personas();

}  // namespace candidates
