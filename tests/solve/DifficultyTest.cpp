#include <gtest/gtest.h>

#include "app/solve/Difficulty.h"

using namespace solve;
using puzzle::Technique;

TEST(Difficulty, EachTechniqueFamilyHasItsLevelAndAnUnfinishedPathIsAGuess) {
    auto level = [](std::optional<Technique> hardest, bool finished) {
        return LevelOf(puzzle::Rating{hardest, finished});
    };
    EXPECT_EQ(level(std::nullopt, true), Level::Singles);
    EXPECT_EQ(level(Technique::LastCell, true), Level::Singles);
    EXPECT_EQ(level(Technique::HiddenSingle, true), Level::Singles);
    EXPECT_EQ(level(Technique::Pointing, true), Level::Locked);
    EXPECT_EQ(level(Technique::Claiming, true), Level::Locked);
    EXPECT_EQ(level(Technique::NakedPair, true), Level::Subsets);
    EXPECT_EQ(level(Technique::HiddenQuad, true), Level::Subsets);
    EXPECT_EQ(level(Technique::XWing, true), Level::Fish);
    EXPECT_EQ(level(Technique::Swordfish, true), Level::Fish);
    EXPECT_EQ(level(Technique::XYWing, true), Level::Wings);
    EXPECT_EQ(level(Technique::XYZWing, true), Level::Wings);
    // However simple the steps found, a path that stops short needs guessing.
    EXPECT_EQ(level(Technique::NakedSingle, false), Level::Guess);
    EXPECT_EQ(level(std::nullopt, false), Level::Guess);
}

TEST(Difficulty, LevelsAreNamedInLowerCaseAndReadBack) {
    for (Level l : {Level::Singles, Level::Locked, Level::Subsets, Level::Fish, Level::Wings, Level::Guess})
        EXPECT_EQ(LevelNamed(LevelName(l)), l);
    EXPECT_EQ(LevelName(Level::Wings), "wings");
    EXPECT_FALSE(LevelNamed("Singles"));
    EXPECT_FALSE(LevelNamed("hard"));
    EXPECT_FALSE(LevelNamed(""));
}
