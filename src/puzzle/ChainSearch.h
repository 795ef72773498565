// The search for alternating inference chains shared by X-chains, XY-chains and the grouped
// chains. Private to src/puzzle.
//
// A node is a digit in one cell or in a group of cells of one box and one line. A strong link
// joins two nodes of which one must be true (the only two places of a digit in a unit, or the
// two digits of a cell with two candidates); a weak link joins two nodes that cannot both be
// true (the same digit in cells that see each other, or two digits of one cell). A chain that
// starts and ends with a strong link proves that one of its two ends is true.
#pragma once

#include <optional>

#include "puzzle/TechniqueSearch.h"

namespace puzzle::search {

struct ChainRules {
    Technique technique;
    int digit = 0;                // only this digit (X-chains), 0 for any
    bool unitLinks = true;        // strong links from the two places of a digit in a unit
    bool cellLinks = true;        // strong links from the two candidates of a cell
    bool cellWeakLinks = true;    // weak links between two digits of one cell
    bool groups = false;          // grouped nodes
    bool pairCellsOnly = false;   // nodes only in cells with two candidates
    bool sameDigitEnds = false;   // only chains whose ends hold the same digit
    int maxNodes = 12;
};

// The shortest chain under the rules whose two ends remove a candidate, or nothing.
std::optional<Step> FindChain(const LogicState& s, const ChainRules& rules);

}  // namespace puzzle::search
