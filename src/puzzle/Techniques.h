// The solving techniques of the logic step finder, simplest first, by name. Everything else a
// technique is (its names, difficulty number, search and wording) is its row of the table in
// TechniqueTable.h; the functions here read it.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace puzzle {

// In search order, which is the order of the table's rows.
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

// Every technique once, in search order.
std::span<const Technique> AllTechniques();

std::string_view JapaneseName(Technique t);
std::string_view EnglishName(Technique t);
// The technique's difficulty in tenths (1.0 .. 10.0 as 10 .. 100).
int Difficulty(Technique t);
// A difficulty in tenths as written: 45 -> "4.5".
std::string DifficultyText(int tenths);

// True for the techniques that place a digit (the singles).
bool IsSingle(Technique t);
// True for the techniques that hold only when the problem has exactly one solution.
bool NeedsUniqueness(Technique t);

}  // namespace puzzle
