// Every problem the generator makes, for every pattern, with and without the diagonal rule,
// without a level and at each of the seven, from several start seeds: one solution, every
// given needed, of the level it names. GenerateLeveledTest.cpp holds a quick sample of it.
#include <gtest/gtest.h>

#include <optional>

#include "puzzle/Generator.h"
#include "GeneratedProblemCheck.h"

using namespace puzzle;

TEST(GeneratedProblems, EveryPatternRuleAndLevelGivesMinimalProblems) {
    std::vector<std::optional<Level>> levels{std::nullopt};
    for (const LevelRange& l : kLevels) levels.emplace_back(l.level);
    for (int pattern = 1; pattern <= kPatternCount; ++pattern)
        for (bool diagonal : {false, true})
            for (std::optional<Level> level : levels)
                for (uint64_t seed : {uint64_t{11}, uint64_t{5000}, uint64_t{91009}}) {
                    const GenerateRequest request{.pattern = pattern, .diagonal = diagonal, .level = level, .seed = seed};
                    std::optional<GeneratedProblem> made = GenerateLeveled(request);
                    ASSERT_TRUE(made.has_value());
                    ExpectMinimalOfLevel(request, *made);
                }
}
