#include "puzzle/StepFinder.h"

#include <algorithm>

#include "puzzle/ForcingSearch.h"
#include "puzzle/TechniqueTable.h"

namespace puzzle {

namespace search {

Candidates PlacedIn(const LogicState& s, const Unit& u) {
    Candidates m = 0;
    for (int c : u.cells)
        if (s.digit(c) != 0) m |= Bit(s.digit(c));
    return m;
}

std::vector<int> PlacesOf(const LogicState& s, const Unit& u, int d) {
    std::vector<int> places;
    for (int c : u.cells)
        if (s.has(c, d)) places.push_back(c);
    return places;
}

bool Contains(const Unit& u, int c) { return std::find(u.cells.begin(), u.cells.end(), c) != u.cells.end(); }

bool SameCells(const Unit& a, const Unit& b) {
    auto x = a.cells, y = b.cells;
    std::sort(x.begin(), x.end());
    std::sort(y.begin(), y.end());
    return x == y;
}

bool SeesAll(const LogicState& s, int c, const std::vector<int>& cells) {
    for (int x : cells)
        if (x == c || !s.sees(c, x)) return false;
    return true;
}

std::vector<CellDigit> RemovalsSeeingAll(const LogicState& s, int d, const std::vector<int>& cells) {
    std::vector<CellDigit> removals;
    for (int c : s.cells())
        if (s.has(c, d) && SeesAll(s, c, cells)) removals.push_back({c, d});
    return removals;
}

void Normalise(std::vector<CellDigit>& removals) {
    std::sort(removals.begin(), removals.end(),
              [](const CellDigit& a, const CellDigit& b) { return a.cell != b.cell ? a.cell < b.cell : a.digit < b.digit; });
    removals.erase(std::unique(removals.begin(), removals.end()), removals.end());
}

std::vector<StrongLink> StrongLinksOf(const LogicState& s, int d) {
    std::vector<StrongLink> links;
    for (std::size_t u = 0; u < s.units().size(); ++u) {
        int a = 0, b = 0, n = 0;
        for (int c : s.units()[u].cells)
            if (s.has(c, d)) (++n == 1 ? a : b) = c;
        if (n != 2 || (PlacedIn(s, s.units()[u]) & Bit(d))) continue;
        bool known = std::any_of(links.begin(), links.end(), [&](const StrongLink& l) { return l.a == a && l.b == b; });
        if (!known) links.push_back({a, b, static_cast<int>(u)});
    }
    return links;
}

BoardContext::BoardContext(const LogicState& s) : state_(s) {}
BoardContext::~BoardContext() = default;

Assumptions& BoardContext::followed() {
    if (!followed_) followed_ = std::make_unique<Assumptions>(state_);
    return *followed_;
}

const AlsSets& BoardContext::alsSets() {
    if (!als_) als_ = FindAlsSets(state_);
    return *als_;
}

const Rectangles& BoardContext::rectangles() {
    if (!rectangles_) rectangles_ = FindRectangles(state_);
    return *rectangles_;
}

}  // namespace search

namespace {

// Each digit's places, worked out once per board when a memo is used.
using AllPlaces = std::array<DigitPlaces, 10>;

AllPlaces AllPlacesOf(const LogicState& s) {
    AllPlaces all{};
    for (int c : s.cells()) {
        if (s.digit(c) != 0) {
            all[static_cast<std::size_t>(s.digit(c))].placed.set(c);
            continue;
        }
        for (int d : DigitRange(s.candidates(c))) all[static_cast<std::size_t>(d)].open.set(c);
    }
    return all;
}

// What one search needs beside the board: what the techniques of one board share, and the
// memo, when there is one, that the single-digit searches consult digit by digit.
struct Context {
    explicit Context(const LogicState& s) : board(s) {}
    search::BoardContext board;
    StepMemo* memo = nullptr;
    std::optional<AllPlaces> places;
};

std::optional<Step> EachDigit(const LogicState& s, const TechniqueRow& row, Context& context) {
    if (context.memo && !context.places) context.places = AllPlacesOf(s);
    for (int d = 1; d <= 9; ++d) {
        const DigitPlaces* places = context.memo ? &(*context.places)[static_cast<std::size_t>(d)] : nullptr;
        if (places && context.memo->foundNothing(row.technique, d, *places)) continue;
        if (auto step = row.searchDigit(s, d)) return step;
        if (places) context.memo->rememberNothing(row.technique, d, *places);
    }
    return std::nullopt;
}

std::optional<Step> Find(const LogicState& s, const TechniqueRow& row, Context& context) {
    return row.search ? row.search(s, context.board) : EachDigit(s, row, context);
}

std::optional<Step> FindWith(const LogicState& s, const FindOptions& options, Context& context) {
    for (const TechniqueRow& row : kTechniques) {
        if (row.technique > options.hardest) break;
        if ((row.needsUniqueness || row.uniqueBoardsOnly) && !options.unique) continue;
        if (auto step = Find(s, row, context)) return step;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindStepOf(const LogicState& s, Technique t) {
    Context context(s);
    return Find(s, RowOf(t), context);
}

std::optional<Step> FindStep(const LogicState& s, const FindOptions& options) {
    Context context(s);
    return FindWith(s, options, context);
}

std::optional<Step> FindStep(const LogicState& s, const FindOptions& options, StepMemo& memo) {
    memo.useFor(s.board().pattern, s.board().diagonal);
    Context context(s);
    context.memo = &memo;
    return FindWith(s, options, context);
}

}  // namespace puzzle
