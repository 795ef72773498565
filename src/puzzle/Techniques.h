// The solving techniques of the logic step finder, simplest first, with their names in
// Japanese and English. The order is the search order and the difficulty scale.
#pragma once

#include <array>
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
    XYWing,
    XYZWing,
};

struct TechniqueName {
    Technique technique;
    std::string_view japanese;
    std::string_view english;
};

// Every technique once, in search order.
extern const std::array<TechniqueName, 15> kTechniqueNames;

std::string_view JapaneseName(Technique t);
std::string_view EnglishName(Technique t);

// True for the techniques that place a digit (the singles).
constexpr bool IsSingle(Technique t) { return t <= Technique::HiddenSingle; }

}  // namespace puzzle
