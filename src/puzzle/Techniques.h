// The solving techniques of the logic step finder, simplest first, with their names in
// Japanese and English and their difficulty numbers. The order is the search order; the
// difficulty never falls along it.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace puzzle {

enum class Technique {
    LastCell,
    NakedSingle,
    HiddenSingle,
    Pointing,
    Claiming,
    NakedPair,
    HiddenPair,
    NakedTriple,
    HiddenTriple,
    NakedQuad,
    HiddenQuad,
    XWing,
    Swordfish,
    Jellyfish,
    FinnedXWing,
    SashimiXWing,
    FinnedSwordfish,
    SashimiSwordfish,
    FinnedJellyfish,
    SashimiJellyfish,
    Skyscraper,
    TwoStringKite,
    EmptyRectangle,
    XYWing,
    XYZWing,
    WWing,
    UniqueRectangle1,
    UniqueRectangle2,
    UniqueRectangle3,
    UniqueRectangle4,
    BugPlusOne,
    XChain,
    XYChain,
    AlternatingChain,
    AlsXZ,
    AlsXYWing,
    CellForcingChain,
    UnitForcingChain,
    NestedForcingChain,
};

constexpr int kTechniqueCount = 39;

struct TechniqueName {
    Technique technique;
    std::string_view japanese;
    std::string_view english;
    int difficulty;  // tenths: 10 is 1.0, 100 is 10.0
};

// Every technique once, in search order.
extern const std::array<TechniqueName, kTechniqueCount> kTechniqueNames;

std::string_view JapaneseName(Technique t);
std::string_view EnglishName(Technique t);
// The technique's difficulty in tenths (1.0 .. 10.0 as 10 .. 100).
int Difficulty(Technique t);
// A difficulty in tenths as written: 45 -> "4.5".
std::string DifficultyText(int tenths);

// True for the techniques that place a digit (the singles).
constexpr bool IsSingle(Technique t) { return t <= Technique::HiddenSingle; }
// True for the techniques that hold only when the problem has exactly one solution.
constexpr bool NeedsUniqueness(Technique t) { return t >= Technique::UniqueRectangle1 && t <= Technique::BugPlusOne; }

}  // namespace puzzle
