#include "puzzle/StepFinder.h"

#include <algorithm>

#include "puzzle/ForcingSearch.h"

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

// What one search needs beside the board: the forcing chains follow their branches in
// `followed`, the ALS techniques share the board's almost locked sets and the unique
// rectangles its rectangles, each made on first use, so that the techniques tried on one
// board share them; the single-digit searches consult the memo, when there is one, digit by
// digit.
struct Context {
    std::optional<search::Assumptions> followed;
    std::shared_ptr<const search::AlsSets> als;
    std::shared_ptr<const search::Rectangles> rectangles;
    StepMemo* memo = nullptr;
    std::optional<AllPlaces> places;
};

template <class Search>
std::optional<Step> EachDigit(const LogicState& s, Technique t, Context& context, Search search) {
    if (context.memo && !context.places) context.places = AllPlacesOf(s);
    for (int d = 1; d <= 9; ++d) {
        const DigitPlaces* places = context.memo ? &(*context.places)[static_cast<std::size_t>(d)] : nullptr;
        if (places && context.memo->foundNothing(t, d, *places)) continue;
        if (auto step = search(d)) return step;
        if (places) context.memo->rememberNothing(t, d, *places);
    }
    return std::nullopt;
}

std::optional<Step> Find(const LogicState& s, Technique t, Context& context) {
    if (t >= Technique::CellForcingChain && !context.followed) context.followed.emplace(s);
    auto digits = [&](auto search) { return EachDigit(s, t, context, search); };
    auto rectangles = [&]() -> const search::Rectangles& {
        if (!context.rectangles) context.rectangles = search::FindRectangles(s);
        return *context.rectangles;
    };
    auto alsSets = [&]() -> const search::AlsSets& {
        if (!context.als) context.als = search::FindAlsSets(s);
        return *context.als;
    };
    switch (t) {
        case Technique::LastCell: return search::LastCell(s);
        case Technique::NakedSingle: return search::NakedSingle(s);
        case Technique::HiddenSingle: return search::HiddenSingle(s);
        case Technique::Pointing: return search::LockedCandidates(s, true);
        case Technique::Claiming: return search::LockedCandidates(s, false);
        case Technique::NakedPair: return search::NakedSubset(s, 2);
        case Technique::HiddenPair: return search::HiddenSubset(s, 2);
        case Technique::NakedTriple: return search::NakedSubset(s, 3);
        case Technique::HiddenTriple: return search::HiddenSubset(s, 3);
        case Technique::NakedQuad: return search::NakedSubset(s, 4);
        case Technique::HiddenQuad: return search::HiddenSubset(s, 4);
        case Technique::XWing: return digits([&](int d) { return search::Fish(s, 2, d); });
        case Technique::Swordfish: return digits([&](int d) { return search::Fish(s, 3, d); });
        case Technique::Jellyfish: return digits([&](int d) { return search::Fish(s, 4, d); });
        case Technique::FinnedXWing: return digits([&](int d) { return search::FinnedFish(s, 2, false, d); });
        case Technique::SashimiXWing: return digits([&](int d) { return search::FinnedFish(s, 2, true, d); });
        case Technique::FinnedSwordfish: return digits([&](int d) { return search::FinnedFish(s, 3, false, d); });
        case Technique::SashimiSwordfish: return digits([&](int d) { return search::FinnedFish(s, 3, true, d); });
        case Technique::FinnedJellyfish: return digits([&](int d) { return search::FinnedFish(s, 4, false, d); });
        case Technique::SashimiJellyfish: return digits([&](int d) { return search::FinnedFish(s, 4, true, d); });
        case Technique::Skyscraper: return digits([&](int d) { return search::Skyscraper(s, d); });
        case Technique::TwoStringKite: return digits([&](int d) { return search::TwoStringKite(s, d); });
        case Technique::EmptyRectangle: return digits([&](int d) { return search::EmptyRectangle(s, d); });
        case Technique::XYWing: return search::XYWing(s);
        case Technique::XYZWing: return search::XYZWing(s);
        case Technique::WWing: return search::WWing(s);
        case Technique::XChain: return digits([&](int d) { return search::XChain(s, d); });
        case Technique::XYChain: return search::XYChain(s);
        case Technique::AlternatingChain: return search::AlternatingChain(s);
        case Technique::UniqueRectangle1: return search::UniqueRectangle(s, 1, rectangles());
        case Technique::UniqueRectangle2: return search::UniqueRectangle(s, 2, rectangles());
        case Technique::UniqueRectangle3: return search::UniqueRectangle(s, 3, rectangles());
        case Technique::UniqueRectangle4: return search::UniqueRectangle(s, 4, rectangles());
        case Technique::BugPlusOne: return search::BugPlusOne(s);
        case Technique::AlsXZ: return search::AlsXZ(s, alsSets());
        case Technique::AlsXYWing: return search::AlsXYWing(s, alsSets());
        case Technique::CellForcingChain: return search::CellForcingChain(s, *context.followed);
        case Technique::UnitForcingChain: return search::UnitForcingChain(s, *context.followed);
        case Technique::NestedForcingChain: return search::NestedForcingChain(s, *context.followed);
    }
    return std::nullopt;
}

std::optional<Step> FindWith(const LogicState& s, const FindOptions& options, Context& context) {
    for (const TechniqueName& t : kTechniqueNames) {
        if (t.technique > options.hardest) break;
        if (NeedsUniqueness(t.technique) && !options.unique) continue;
        // On a board with several solutions most candidates lie in one of them and cannot be
        // refuted, so the nested chains' search would look through every one in vain.
        if (t.technique == Technique::NestedForcingChain && !options.unique) continue;
        if (auto step = Find(s, t.technique, context)) return step;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Step> FindStepOf(const LogicState& s, Technique t) {
    Context context;
    return Find(s, t, context);
}

std::optional<Step> FindStep(const LogicState& s, const FindOptions& options) {
    Context context;
    return FindWith(s, options, context);
}

std::optional<Step> FindStep(const LogicState& s, const FindOptions& options, StepMemo& memo) {
    memo.useFor(s.board().pattern, s.board().diagonal);
    Context context;
    context.memo = &memo;
    return FindWith(s, options, context);
}

}  // namespace puzzle
