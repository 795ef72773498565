// Chains of alternating strong and weak links (ChainSearch.h): the X-chain on one digit (simple
// colouring), the XY-chain through cells with two candidates, and the alternating inference
// chain that mixes both kinds of link and uses grouped nodes. A link may run through a unit
// of either grid, so a chain may pass from grid 1 to grid 2 through a shared cell.
#include "puzzle/ChainSearch.h"

namespace puzzle::search {

std::optional<Step> XChain(const LogicState& s, int d) {
    ChainRules rules{.technique = Technique::XChain, .digit = d, .cellLinks = false, .cellWeakLinks = false};
    return FindChain(s, rules);
}

std::optional<Step> XYChain(const LogicState& s) {
    ChainRules rules{.technique = Technique::XYChain, .unitLinks = false, .cellWeakLinks = false, .pairCellsOnly = true,
                     .sameDigitEnds = true, .maxNodes = 16};
    return FindChain(s, rules);
}

std::optional<Step> AlternatingChain(const LogicState& s) {
    ChainRules rules{.technique = Technique::AlternatingChain, .groups = true, .maxNodes = 12};
    return FindChain(s, rules);
}

}  // namespace puzzle::search
