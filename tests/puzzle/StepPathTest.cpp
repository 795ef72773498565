#include <gtest/gtest.h>

#include <map>
#include <random>

#include "Hard9x9.h"
#include "PublicDoubles.h"
#include "SoundPath.h"
#include "puzzle/StepFinder.h"
#include "puzzle/StepPath.h"
#include "puzzle/StepText.h"

using namespace puzzle;

namespace {

void ExpectSound(const PublicDouble& p, const StepPath& path) { ::ExpectSound(p.solution, path, p.name); }

bool SinglesOnlyFinish(const DoubleBoard& givens) {
    LogicState state(givens);
    while (!state.solved()) {
        std::optional<Step> step;
        for (Technique t : {Technique::LastCell, Technique::NakedSingle, Technique::HiddenSingle})
            if (!step) step = FindStepOf(state, t);
        if (!step) return false;
        state.apply(*step);
    }
    return true;
}

}  // namespace

TEST(StepPath, EveryStepOfThePublicProblemsAgreesWithTheSolution) {
    std::vector<PublicDouble> all = public_doubles::All(MOZEL_TEST_DATA);
    int finished = 0, singles = 0;
    for (const PublicDouble& p : all) {
        ASSERT_EQ(Solve(p.givens).verdict, Verdict::Unique) << p.name;
        ASSERT_EQ(Solve(p.givens).solution, p.solution) << p.name;
        StepPath path = RunPath(p.givens);
        ExpectSound(p, path);
        // A finished path ends on the solution; an unfinished one on a part of it.
        for (int c : CoveredCells(p.givens.pattern)) {
            int d = path.end.digits[static_cast<std::size_t>(c)];
            if (path.rating.finished) {
                EXPECT_NE(d, 0) << p.name << " cell " << c;
            }
            if (d != 0) {
                EXPECT_EQ(d, p.solution.digits[static_cast<std::size_t>(c)]) << p.name << " cell " << c;
            }
        }
        finished += path.rating.finished;
        singles += SinglesOnlyFinish(p.givens);
        std::printf("%-45s added %2d  steps %3zu  %-14s %s\n", p.name.c_str(), p.added, path.steps.size(),
                    path.rating.hardest ? std::string(EnglishName(*path.rating.hardest)).c_str() : "-",
                    path.rating.finished ? "finished" : "stuck");
    }
    std::printf("finished without guessing: %d of %zu; singles only: %d\n", finished, all.size(), singles);
    // The techniques finish at least what singles alone finish.
    EXPECT_GE(finished, singles);
}

// Fewer givens make harder boards with several solutions; a logical step holds in every one of
// them, so it must still agree with the file's solution. Random boards from each problem with
// up to a dozen givens taken away, checked step by step.
TEST(StepPath, StepsOnBoardsWithGivensTakenAwayAgreeWithTheSolution) {
    std::mt19937 random(20261207);
    std::map<Technique, int> used;
    int boards = 0, steps = 0;
    for (const PublicDouble& p : public_doubles::All(MOZEL_TEST_DATA)) {
        std::vector<int> givens;
        for (int c : CoveredCells(p.givens.pattern))
            if (p.givens.digits[static_cast<std::size_t>(c)] != 0) givens.push_back(c);
        for (int variant = 0; variant < 12; ++variant) {
            PublicDouble harder = p;
            std::shuffle(givens.begin(), givens.end(), random);
            for (int i = 0; i <= variant; ++i) harder.givens.digits[static_cast<std::size_t>(givens[static_cast<std::size_t>(i)])] = 0;
            StepPath path = RunPath(harder.givens);
            ExpectSound(harder, path);
            for (const Step& s : path.steps) ++used[s.technique];
            ++boards;
            steps += static_cast<int>(path.steps.size());
        }
    }
    std::printf("%d boards, %d steps:", boards, steps);
    for (auto [t, n] : used) std::printf(" %s %d,", std::string(EnglishName(t)).c_str(), n);
    std::printf("\n");
    EXPECT_EQ(boards, 240);
}

// Hard 9x9 problems as grid 1 of pattern 12, grid 2 complete (tests/Hard9x9.h): every step
// agrees with the engine's solution.
TEST(StepPath, HardNineByNineProblemsAsGridOneGiveSoundSteps) {
    std::vector<Hard9x9> all = LoadHard9x9(MOZEL_TEST_DATA);
    int finished = 0;
    for (const Hard9x9& h : all) {
        ASSERT_EQ(Solve(h.givens).verdict, Verdict::Unique) << h.name;
        StepPath path = RunPath(h.givens);
        ExpectSound(h.solution, path, h.name);
        finished += path.rating.finished;
        std::printf("%-40s %-28s %s\n", h.name.c_str(), path.rating.hardest ? std::string(EnglishName(*path.rating.hardest)).c_str() : "-",
                    path.rating.finished ? "finished" : "stuck");
    }
    std::printf("hard 9x9 as grid 1: %d of %zu finished\n", finished, all.size());
    EXPECT_GE(all.size(), 30u);
}
