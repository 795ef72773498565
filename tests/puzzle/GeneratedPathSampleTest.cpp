// The quick part of GeneratedPathsTest.cpp: one generated problem per pattern without the
// diagonal rule and a few with it whose paths need nested forcing chains. Every path finishes,
// every step agrees with the engine's solution, and the nested chains' lines nest.
#include <gtest/gtest.h>

#include "puzzle/Generator.h"
#include "puzzle/Solver.h"
#include "SoundPath.h"

using namespace puzzle;

TEST(GeneratedPathSample, EveryPatternAndSomeWithTheDiagonalRuleFinishWithSoundSteps) {
    struct Case {
        int pattern;
        bool diagonal;
        uint64_t seed;
    };
    std::vector<Case> cases;
    for (int p = 1; p <= 12; ++p) cases.push_back({p, false, 18999 + static_cast<uint64_t>(p)});
    // Seeds of the long test's whose paths are among the quickest that need nested chains.
    cases.push_back({12, true, 19167});
    cases.push_back({1, true, 19084});
    cases.push_back({4, true, 19159});
    int nested = 0;
    for (const Case& c : cases) {
        const std::string name = "pattern " + std::to_string(c.pattern) + (c.diagonal ? " diagonal" : "") + " seed " + std::to_string(c.seed);
        DoubleBoard problem = GenerateProblem(c.pattern, c.diagonal, c.seed);
        SolveResult truth = Solve(problem);
        ASSERT_EQ(truth.verdict, Verdict::Unique) << name;
        StepPath path = RunPath(problem);
        EXPECT_TRUE(path.rating.finished) << name;
        EXPECT_EQ(path.end.digits, truth.solution.digits) << name;
        ExpectSound(truth.solution, path, name);
        for (const Step& s : path.steps)
            if (s.technique == Technique::NestedForcingChain) {
                ++nested;
                ExpectNestedLines(s, name);
            }
    }
    // Guards the sample itself: should the generator's problems change, other seeds must be
    // found that still need the nested chains.
    EXPECT_GT(nested, 0) << "no path of the sample needed nested forcing chains";
}
