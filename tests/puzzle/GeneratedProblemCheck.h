// The check every generated problem of the tests passes: it has exactly one solution, every
// given is needed (the engine finds two solutions once it is taken away, each in turn) unless
// the generator says it keeps givens for that level and rule, and its path is of the level the
// generator names. It knows nothing else of how the problem was made.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "puzzle/Generator.h"
#include "puzzle/Solver.h"

inline void ExpectMinimalOfLevel(const puzzle::GenerateRequest& request, const puzzle::GeneratedProblem& made) {
    using namespace puzzle;
    const std::string name = "pattern " + std::to_string(request.pattern) + (request.diagonal ? " diagonal" : "") + " level " +
                             (request.level ? std::string(LevelName(*request.level)) : "any") + " start seed " +
                             std::to_string(request.seed) + " seed " + std::to_string(made.seed);
    if (request.level) {
        EXPECT_EQ(made.level, *request.level) << name;
    }
    EXPECT_EQ(made.problem.pattern, request.pattern) << name;
    EXPECT_EQ(made.problem.diagonal, request.diagonal) << name;
    ASSERT_EQ(Solve(made.problem).verdict, Verdict::Unique) << name;
    const bool mayKeepGivens = request.level && KeepsGivensForLevel(request.diagonal, *request.level);
    for (int c = 1; c <= kBoardCells && !mayKeepGivens; ++c) {
        const auto uc = static_cast<std::size_t>(c);
        if (made.problem.digits[uc] == 0) continue;
        DoubleBoard without = made.problem;
        without.digits[uc] = 0;
        EXPECT_EQ(Solve(without).verdict, Verdict::Multiple) << name << ": the given at board cell " << c << " can be taken away";
    }
    // The level read back from the problem's own path. A guess path is only checked to need
    // forcing chains: followed to its end it may take seconds with the diagonal rule.
    FindOptions options;
    options.unique = true;
    if (made.level == Level::Guess) {
        options.hardest = HardestOf(Level::Chains);
        EXPECT_FALSE(RunPath(made.problem, options).rating.finished) << name;
        EXPECT_GE(made.difficulty, kLevels[static_cast<std::size_t>(Level::Guess)].low) << name;
    } else {
        StepPath path = RunPath(made.problem, options);
        EXPECT_EQ(LevelOf(path.rating), made.level) << name;
        EXPECT_EQ(path.rating.difficulty(), made.difficulty) << name;
    }
}
