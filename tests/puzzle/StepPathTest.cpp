#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>

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

// Hard 9x9 problems as grid 1 of pattern 12, grid 2 complete: every step agrees with the
// engine's solution.
TEST(StepPath, HardNineByNineProblemsAsGridOneGiveSoundSteps) {
    std::ifstream in(MOZEL_TEST_DATA "/hard-9x9.txt");
    std::mt19937_64 random(19);
    int problems = 0, finished = 0;
    for (std::string line; std::getline(in, line);) {
        const std::string puzzle = line.substr(0, 81), solution = line.substr(line.rfind(':') + 1);
        ASSERT_EQ(solution.size(), 81u) << line;
        DoubleBoard full;
        for (int k = 1; k <= 81; ++k) full.set(1, k, solution[static_cast<std::size_t>(k - 1)] - '0');
        std::optional<DoubleBoard> completed = RandomSolution(full, random);
        ASSERT_TRUE(completed.has_value()) << puzzle;
        // Grid 1's cells outside the puzzle's givens are emptied, except those grid 2 covers.
        DoubleBoard givens = *completed;
        for (int k = 1; k <= 81; ++k) {
            const int c = BoardCellOf(Pattern(12), 1, k);
            if (puzzle[static_cast<std::size_t>(k - 1)] == '.' && GridCellOf(Pattern(12), 2, c) == 0)
                givens.digits[static_cast<std::size_t>(c)] = 0;
        }
        SolveResult truth = Solve(givens);
        ASSERT_EQ(truth.verdict, Verdict::Unique) << puzzle;
        StepPath path = RunPath(givens);
        ExpectSound(truth.solution, path, puzzle);
        ++problems;
        finished += path.rating.finished;
        std::printf("%s %s %s\n", puzzle.c_str(), path.rating.hardest ? std::string(EnglishName(*path.rating.hardest)).c_str() : "-",
                    path.rating.finished ? "finished" : "stuck");
    }
    std::printf("hard 9x9 as grid 1: %d of %d finished\n", finished, problems);
    EXPECT_EQ(problems, 9);
}
