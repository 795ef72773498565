#include <algorithm>
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "puzzle/Difficulty.h"
#include "puzzle/LevelWords.h"

using namespace puzzle;

TEST(Difficulty, EachTechniqueFamilyHasItsLevelAndAnUnfinishedPathIsAGuess) {
    auto level = [](std::optional<Technique> hardest, bool finished) { return LevelOf(Rating{hardest, finished}); };
    EXPECT_EQ(level(std::nullopt, true), Level::Singles);
    EXPECT_EQ(level(Technique::LastCell, true), Level::Singles);
    EXPECT_EQ(level(Technique::HiddenSingle, true), Level::Singles);
    EXPECT_EQ(level(Technique::Pointing, true), Level::Locked);
    EXPECT_EQ(level(Technique::Claiming, true), Level::Locked);
    EXPECT_EQ(level(Technique::NakedPair, true), Level::Subsets);
    EXPECT_EQ(level(Technique::HiddenQuad, true), Level::Subsets);
    EXPECT_EQ(level(Technique::XWing, true), Level::Fish);
    EXPECT_EQ(level(Technique::SashimiJellyfish, true), Level::Fish);
    EXPECT_EQ(level(Technique::EmptyRectangle, true), Level::Fish);
    EXPECT_EQ(level(Technique::XYWing, true), Level::Wings);
    EXPECT_EQ(level(Technique::WWing, true), Level::Wings);
    EXPECT_EQ(level(Technique::XChain, true), Level::Chains);
    EXPECT_EQ(level(Technique::UniqueRectangle1, true), Level::Chains);
    EXPECT_EQ(level(Technique::AlsXYWing, true), Level::Chains);
    // Forcing chains finish a path, but such a path counts as a guess.
    EXPECT_EQ(level(Technique::CellForcingChain, true), Level::Guess);
    EXPECT_EQ(level(Technique::UnitForcingChain, true), Level::Guess);
    // However simple the steps found, a path that stops short needs guessing.
    EXPECT_EQ(level(Technique::NakedSingle, false), Level::Guess);
    EXPECT_EQ(level(std::nullopt, false), Level::Guess);
}

TEST(Difficulty, TheNumbersRiseWithTheSearchOrderAndTheLevelsCoverOneToTenWithoutGaps) {
    const std::span<const Technique> all = AllTechniques();
    for (std::size_t i = 1; i < all.size(); ++i) EXPECT_LE(Difficulty(all[i - 1]), Difficulty(all[i])) << EnglishName(all[i]);
    EXPECT_EQ(kLevels.front().low, 10);
    EXPECT_EQ(kLevels.back().high, 100);
    for (std::size_t i = 1; i < kLevels.size(); ++i) EXPECT_EQ(kLevels[i - 1].high + 1, kLevels[i].low);
    // Every level has at least one technique, and its hardest one lies in it.
    for (const LevelRange& l : kLevels) {
        EXPECT_EQ(LevelOf(HardestOf(l.level)), l.level) << l.name;
        EXPECT_EQ(LevelOfDifficulty(l.low), l.level);
        EXPECT_EQ(LevelOfDifficulty(l.high), l.level);
    }
    EXPECT_EQ(DifficultyText(Difficulty(Technique::Jellyfish)), "4.2");
    EXPECT_EQ(DifficultyText(100), "10.0");
    EXPECT_EQ(Rating{}.difficulty(), 0);
}

TEST(Difficulty, LevelsAreNamedInLowerCaseAndReadBack) {
    for (const LevelRange& l : kLevels) EXPECT_EQ(LevelNamed(LevelName(l.level)), l.level);
    EXPECT_EQ(LevelName(Level::Chains), "chains");
    EXPECT_FALSE(LevelNamed("Singles"));
    EXPECT_FALSE(LevelNamed("hard"));
    EXPECT_FALSE(LevelNamed(""));
}

// A generated problem's description fits the description's 25 characters with any level and
// seed: the level, in the new-problem window's words, always; the seed and 自動生成 while they fit.
TEST(Difficulty, AGeneratedProblemsDescriptionNamesItsLevelWithinTwentyFiveCharacters) {
    auto characters = [](const std::string& text) {
        return std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
    };
    EXPECT_EQ(GeneratedMemo(Level::Locked, 105, false), "自動生成 ふつう 種 105");
    EXPECT_EQ(GeneratedMemo(Level::Wings, 105, true), "自動生成 とても難しい 余分あり 種 105");
    EXPECT_EQ(GeneratedMemo(Level::Wings, 4503599627370495, false), "とても難しい 種 4503599627370495");
    EXPECT_EQ(GeneratedMemo(Level::Wings, UINT64_MAX, true), "とても難しい 余分あり");
    for (const LevelRange& l : kLevels) {
        for (uint64_t seed : {uint64_t{0}, uint64_t{4503599627370495}, UINT64_MAX}) {
            for (bool spare : {false, true}) {
                const std::string memo = GeneratedMemo(l.level, seed, spare);
                EXPECT_LE(characters(memo), 25) << memo;
                EXPECT_NE(memo.find(LevelWord(l.level)), std::string::npos) << memo;
            }
        }
    }
}
