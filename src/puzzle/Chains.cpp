// Chains of alternating strong and weak links (ChainSearch.h): the X-chain on one digit (simple
// colouring), the XY-chain through cells with two candidates, and the alternating inference
// chain that mixes both kinds of link and uses grouped nodes. A link may run through a unit
// of either grid, so a chain may pass from grid 1 to grid 2 through a shared cell.
#include "puzzle/ChainSearch.h"
#include "puzzle/StepWords.h"

namespace puzzle::search {

std::optional<Step> XChain(const LogicState& s, int d) {
    ChainRules rules{.technique = Technique::XChain, .digit = d, .cellLinks = false, .cellWeakLinks = false};
    return FindChain(s, rules);
}

std::optional<Step> XYChain(const LogicState& s, BoardContext&) {
    ChainRules rules{.technique = Technique::XYChain, .unitLinks = false, .cellWeakLinks = false, .pairCellsOnly = true,
                     .sameDigitEnds = true, .maxNodes = 16};
    return FindChain(s, rules);
}

std::optional<Step> AlternatingChain(const LogicState& s, BoardContext&) {
    ChainRules rules{.technique = Technique::AlternatingChain, .groups = true, .maxNodes = 12};
    return FindChain(s, rules);
}

namespace {

// A chain as a list of links: "グリッド1の3行5列(5)＝3行8列(5)－グリッド2の1行2列(5)"; a grouped
// node names its cells with "・".
std::string ChainLinks(int pattern, const std::vector<ChainNode>& chain) {
    std::string s;
    int last = 0;
    for (const ChainNode& n : chain) {
        for (std::size_t i = 0; i < n.cells.size(); ++i) s += (i > 0 ? "・" : "") + CellAfter(pattern, n.cells[i], last);
        s += "(" + Num(n.digit) + ")";
        if (&n != &chain.back()) s += n.strongToNext ? "＝" : "－";
    }
    return s;
}

}  // namespace

std::string ChainWording(const Step& step, int pattern, int grid) {
    const ChainNode& a = step.chain.front();
    const ChainNode& z = step.chain.back();
    std::string s = "次の連鎖が成り立ちます（＝は少なくとも一方が正しい、－は両方は正しくない）: " + ChainLinks(pattern, step.chain) + "。";
    if (a.digit == z.digit)
        return s + "両端のどちらかに" + Num(a.digit) + "が入るので、両端の両方と同じ行・列・ブロックにあるマス（" +
               CellList(pattern, CellsOf(step.remove), grid) + "）には" + Num(a.digit) + "が入りません。";
    if (a.cells == z.cells)
        return s + "両端は同じマスなので、そこには" + Num(a.digit) + "か" + Num(z.digit) + "が入り、他の候補を消せます: " +
               RemovalList(pattern, step.remove, grid) + "。";
    return s + "両端のどちらかは正しく、両端のマスは同じ行・列・ブロックにあるので、次の候補を消せます: " +
           RemovalList(pattern, step.remove, grid) + "。";
}

}  // namespace puzzle::search
