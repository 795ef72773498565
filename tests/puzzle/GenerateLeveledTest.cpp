// Problems of a wanted level: every given needed, the level the path's, the same request the
// same problem on any thread, and a stop ends the work at the next poll.
#include <gtest/gtest.h>

#include <thread>

#include "puzzle/Generator.h"
#include "puzzle/Solver.h"
#include "GeneratedProblemCheck.h"

using namespace puzzle;

namespace {

void ExpectOfLevel(const GenerateRequest& request) {
    std::optional<GeneratedProblem> made = GenerateLeveled(request);
    ASSERT_TRUE(made.has_value());
    EXPECT_GE(made->seed, request.seed);
    ExpectMinimalOfLevel(request, *made);
    const LevelRange& range = kLevels[static_cast<std::size_t>(*request.level)];
    EXPECT_GE(made->difficulty, range.low);
    EXPECT_LE(made->difficulty, range.high);
}

}  // namespace

TEST(GenerateLeveled, EachLevelWithAndWithoutTheDiagonalRule) {
    ExpectOfLevel({.pattern = 1, .diagonal = true, .level = Level::Singles, .seed = 7});
    ExpectOfLevel({.pattern = 12, .diagonal = false, .level = Level::Locked, .seed = 7});
    ExpectOfLevel({.pattern = 4, .diagonal = true, .level = Level::Subsets, .seed = 7});
    ExpectOfLevel({.pattern = 12, .diagonal = false, .level = Level::Fish, .seed = 7});
    ExpectOfLevel({.pattern = 9, .diagonal = false, .level = Level::Wings, .seed = 7});
    ExpectOfLevel({.pattern = 5, .diagonal = true, .level = Level::Chains, .seed = 7});
    ExpectOfLevel({.pattern = 11, .diagonal = false, .level = Level::Guess, .seed = 7});
}

// Start seeds whose problems once kept givens for their level that uniqueness did not need
// (GeneratedMinimalTest.cpp, labelled long, tries every pattern, rule and level). With the
// diagonal rule below the guess level givens are still kept for the level.
TEST(GenerateLeveled, NoGivenToSpareWhereGivensWereOnceKeptForTheLevel) {
    ExpectOfLevel({.pattern = 2, .diagonal = false, .level = Level::Locked, .seed = 22});
    ExpectOfLevel({.pattern = 11, .diagonal = false, .level = Level::Fish, .seed = 111});
    ExpectOfLevel({.pattern = 3, .diagonal = true, .level = Level::Subsets, .seed = 33});
    ExpectOfLevel({.pattern = 9, .diagonal = true, .level = Level::Chains, .seed = 99});
    for (const LevelRange& l : kLevels) EXPECT_EQ(KeepsGivensForLevel(true, l.level), l.level != Level::Guess);
    for (const LevelRange& l : kLevels) EXPECT_FALSE(KeepsGivensForLevel(false, l.level));
}

TEST(GenerateLeveled, WithoutALevelItIsTheProblemOfTheSeed) {
    std::optional<GeneratedProblem> made = GenerateLeveled({.pattern = 3, .diagonal = true, .level = std::nullopt, .seed = 5});
    ASSERT_TRUE(made.has_value());
    EXPECT_EQ(made->problem, GenerateProblem(3, true, 5));
    EXPECT_EQ(made->seed, 5u);
    EXPECT_EQ(made->level, LevelOf(RunPath(made->problem).rating));
}

TEST(GenerateLeveled, TheSameRequestGivesTheSameProblemOnAnyThread) {
    const GenerateRequest request{.pattern = 6, .diagonal = false, .level = Level::Subsets, .seed = 40};
    std::optional<GeneratedProblem> alone = GenerateLeveled(request);
    ASSERT_TRUE(alone.has_value());
    // Two at once on other threads, each from scratch: no state is shared between them.
    std::optional<GeneratedProblem> first, second;
    std::thread a([&] { first = GenerateLeveled(request); });
    std::thread b([&] { second = GenerateLeveled({.pattern = 10, .diagonal = true, .level = Level::Locked, .seed = 3}); });
    a.join();
    b.join();
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->problem, alone->problem);
    EXPECT_EQ(first->seed, alone->seed);
    ASSERT_TRUE(second.has_value());
    EXPECT_EQ(second->problem, GenerateLeveled({.pattern = 10, .diagonal = true, .level = Level::Locked, .seed = 3})->problem);
}

TEST(GenerateLeveled, AStopEndsTheWorkAtThePollThatAsksForIt) {
    for (std::optional<Level> level : {std::optional<Level>{}, std::optional<Level>{Level::Chains}}) {
        int polls = 0;
        std::optional<GeneratedProblem> made =
            GenerateLeveled({.pattern = 8, .diagonal = true, .level = level, .seed = 1}, [&] { return ++polls == 30; });
        EXPECT_FALSE(made.has_value());
        EXPECT_EQ(polls, 30);
    }
    // A stop that never asks lets it finish.
    EXPECT_TRUE(GenerateLeveled({.pattern = 8, .level = Level::Singles, .seed = 1}, [] { return false; }).has_value());
}
