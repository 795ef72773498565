// The step finder on 400 generated problems over every pattern, with and without the diagonal
// rule: every path finishes, every step agrees with the engine's solution, and the lines of
// every nested forcing chain nest. The distribution of the hardest techniques and levels and
// how many paths needed forcing chains are printed for the record.
//
// It takes minutes (the paths with the diagonal rule need hundreds of forcing chains each), so
// it is a program of its own under the ctest label "long"; GeneratedPathSampleTest.cpp is its
// quick part in the ordinary tests.
#include <gtest/gtest.h>

#include <chrono>
#include <map>

#include "puzzle/Difficulty.h"
#include "puzzle/Generator.h"
#include "puzzle/Solver.h"
#include "SoundPath.h"

using namespace puzzle;

TEST(GeneratedPaths, FourHundredProblemsFinishWithSoundSteps) {
    std::map<Technique, int> hardest;
    std::map<Level, int> levels;
    int forcing = 0, nested = 0, finished = 0, finishedDiagonal = 0, diagonals = 0;
    double slowest = 0;
    std::string slowestName;
    for (int i = 0; i < 400; ++i) {
        const int pattern = i % 12 + 1;
        const bool diagonal = (i / 12) % 2 == 1;
        const uint64_t seed = 19000 + static_cast<uint64_t>(i);
        const std::string name = "pattern " + std::to_string(pattern) + (diagonal ? " diagonal" : "") + " seed " + std::to_string(seed);
        DoubleBoard problem = GenerateProblem(pattern, diagonal, seed);
        SolveResult truth = Solve(problem);
        ASSERT_EQ(truth.verdict, Verdict::Unique) << name;
        auto start = std::chrono::steady_clock::now();
        StepPath path = RunPath(problem);
        double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (ms > slowest) slowest = ms, slowestName = name;
        ExpectSound(truth.solution, path, name);
        EXPECT_TRUE(path.rating.finished) << name;
        bool usedForcing = false, usedNested = false;
        for (const Step& s : path.steps) {
            usedForcing = usedForcing || LevelOf(s.technique) == Level::Guess;
            if (s.technique == Technique::NestedForcingChain) {
                usedNested = true;
                ExpectNestedLines(s, name);
            }
        }
        finished += path.rating.finished;
        finishedDiagonal += diagonal && path.rating.finished;
        diagonals += diagonal;
        if (path.rating.hardest) ++hardest[*path.rating.hardest];
        ++levels[LevelOf(path.rating)];
        forcing += usedForcing;
        nested += usedNested;
    }
    std::printf("finished %d of 400 (%d of %d with the diagonal rule); forcing chains used by %d, nested ones by %d\nhardest:",
                finished, finishedDiagonal, diagonals, forcing, nested);
    for (auto [t, n] : hardest) std::printf(" %s %d (%s),", std::string(EnglishName(t)).c_str(), n, DifficultyText(Difficulty(t)).c_str());
    std::printf("\nlevels:");
    for (auto [l, n] : levels) std::printf(" %s %d,", std::string(LevelName(l)).c_str(), n);
    std::printf("\nslowest path %.1f ms (%s)\n", slowest, slowestName.c_str());
}
