// The engine against the yardstick (the engine before the band engine, bench/YardstickEngine.h)
// on random boards of every pattern, with and without the diagonal rule: the same verdicts,
// counts and solutions, the same two solutions named for a board with several, and the same
// random full boards for the same random stream. Every answer also passes the rule checker.
// Then both of the engine's kernels against the engine before them (bench/PreviousEngine.h).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "Hard9x9.h"
#include "PreviousEngine.h"
#include "RuleCheck.h"
#include "YardstickEngine.h"
#include "puzzle/EngineSearch.h"
#include "puzzle/Solver.h"

using namespace puzzle;

namespace {

std::string Name(const DoubleBoard& b, int round) {
    return "pattern " + std::to_string(b.pattern) + (b.diagonal ? " diagonal" : "") + " round " + std::to_string(round);
}

// A random board of a random pattern and rule: a share of the cells of a full board, now and
// then with one cell given a digit that may break it.
DoubleBoard RandomBoard(std::mt19937_64& rng, DoubleBoard& full) {
    DoubleBoard empty;
    empty.pattern = static_cast<int>(rng() % kPatternCount) + 1;
    empty.diagonal = rng() % 2 == 1;
    full = *yardstick::RandomSolution(empty, rng);
    DoubleBoard b = full;
    uint64_t keep = 20 + rng() % 50;  // percent of the cells kept
    for (std::size_t c = 1; c < b.digits.size(); ++c)
        if (b.digits[c] != 0 && rng() % 100 >= keep) b.digits[c] = 0;
    if (keep >= 45 && rng() % 3 == 0) {
        for (std::size_t c = 1 + rng() % kBoardCells; c < b.digits.size(); ++c) {
            if (full.digits[c] != 0 && b.digits[c] == 0) {
                b.digits[c] = static_cast<uint8_t>(1 + rng() % 9);
                break;
            }
        }
    }
    return b;
}

}  // namespace

TEST(EngineYardstick, SameAnswersOnRandomBoards) {
    std::mt19937_64 rng(19);
    int verdicts[3] = {};
    for (int round = 0; round < 1500; ++round) {
        DoubleBoard full;
        DoubleBoard b = RandomBoard(rng, full);
        std::string name = Name(b, round);
        SolveResult mine = Solve(b);
        SolveResult theirs = yardstick::Solve(b);
        ASSERT_EQ(mine.verdict, theirs.verdict) << name;
        ++verdicts[static_cast<int>(mine.verdict)];
        EXPECT_EQ(CountSolutions(b, 3), yardstick::CountSolutions(b, 3)) << name;
        EXPECT_EQ(CountSolutions(b, 1), mine.verdict == Verdict::None ? 0 : 1) << name;
        if (mine.verdict == Verdict::None) continue;
        EXPECT_EQ(mine.solution, theirs.solution) << name;
        EXPECT_EQ(rulecheck::Broken(mine.solution), "") << name;
        EXPECT_TRUE(rulecheck::KeepsGivens(b, mine.solution)) << name;
        if (mine.verdict == Verdict::Multiple) {
            EXPECT_EQ(mine.second, theirs.second) << name;
            EXPECT_EQ(rulecheck::Broken(mine.second), "") << name;
            EXPECT_TRUE(rulecheck::KeepsGivens(b, mine.second)) << name;
            EXPECT_NE(mine.solution, mine.second) << name;
        }
        // The generator's question on an empty cell, with the digit a solution has there.
        for (std::size_t c = 1 + rng() % kBoardCells, n = 0; n < b.digits.size(); ++n, c = c % kBoardCells + 1) {
            if (full.digits[c] == 0 || b.digits[c] != 0) continue;
            int cell = static_cast<int>(c);
            int digit = mine.solution.digits[c];
            EXPECT_EQ(SolvableWithout(b, cell, digit), yardstick::SolvableWithout(b, cell, digit)) << name << " cell " << c;
            break;
        }
    }
    std::printf("none %d unique %d multiple %d\n", verdicts[0], verdicts[1], verdicts[2]);
    // The rounds reach all three answers.
    EXPECT_GT(verdicts[0], 50);
    EXPECT_GT(verdicts[1], 50);
    EXPECT_GT(verdicts[2], 50);
}

TEST(EngineYardstick, SameRandomFullBoardsForTheSameStream) {
    for (int p = 1; p <= kPatternCount; ++p) {
        for (bool diagonal : {false, true}) {
            for (uint64_t seed = 1; seed <= 20; ++seed) {
                DoubleBoard b;
                b.pattern = p;
                b.diagonal = diagonal;
                std::mt19937_64 mine(seed), theirs(seed);
                std::optional<DoubleBoard> full = RandomSolution(b, mine);
                ASSERT_TRUE(full);
                EXPECT_EQ(full, yardstick::RandomSolution(b, theirs)) << Name(b, static_cast<int>(seed));
                EXPECT_EQ(mine(), theirs()) << "both drew as often";
                EXPECT_EQ(rulecheck::Broken(*full), "");
                // From some givens of that board, too.
                DoubleBoard some = *full;
                for (std::size_t c = 1; c < some.digits.size(); ++c)
                    if (mine() % 4 != 0) some.digits[c] = 0;
                theirs.seed(seed + 100);
                mine.seed(seed + 100);
                EXPECT_EQ(RandomSolution(some, mine), yardstick::RandomSolution(some, theirs)) << Name(b, static_cast<int>(seed));
            }
        }
    }
}

TEST(EngineYardstick, HardNineByNineProblemsAsGridOne) {
    std::vector<Hard9x9> all = LoadHard9x9(MOZEL_TEST_DATA);
    ASSERT_GE(all.size(), 40u);
    const OverlapPattern& pattern = Pattern(12);
    for (const Hard9x9& h : all) {
        SolveResult mine = Solve(h.givens);
        ASSERT_EQ(mine.verdict, Verdict::Unique) << h.name;
        EXPECT_EQ(mine.solution, yardstick::Solve(h.givens).solution) << h.name;
        EXPECT_EQ(rulecheck::Broken(mine.solution), "") << h.name;
        EXPECT_TRUE(rulecheck::KeepsGivens(h.givens, mine.solution)) << h.name;
        // A given of grid 1 outside the shared box taken away: the same answer, and for
        // several solutions the same two named.
        for (int k = 1; k <= kGridCells; ++k) {
            int c = BoardCellOf(pattern, 1, k);
            if (h.givens.digits[static_cast<std::size_t>(c)] == 0 || GridCellOf(pattern, 2, c) != 0) continue;
            DoubleBoard fewer = h.givens;
            fewer.digits[static_cast<std::size_t>(c)] = 0;
            SolveResult r = Solve(fewer), y = yardstick::Solve(fewer);
            EXPECT_EQ(r.verdict, y.verdict) << h.name << " without cell " << c;
            EXPECT_EQ(r.solution, y.solution) << h.name << " without cell " << c;
            EXPECT_EQ(r.second, y.second) << h.name << " without cell " << c;
            break;
        }
    }
}

// Every call of Solver.h, on each kernel, answers as the engine before the kernels did, the
// known solution leading the search or not: the search order of the Stable mode (the solutions
// named, the random full boards) included.
TEST(EngineKernels, BothAnswerAsThePreviousEngine) {
    const char* forced = std::getenv("MOZEL_ENGINE_PORTABLE");
    if (forced && *forced && std::string(forced) != "0") {
        EXPECT_EQ(engine::ActiveKernels(), engine::Kernels::Portable);
    }
    for (bool portable : {false, true}) {
        engine::ForcePortableKernels(portable);
        if (portable) {
            EXPECT_EQ(engine::ActiveKernels(), engine::Kernels::Portable);
        }
        std::mt19937_64 rng(portable ? 5 : 6);
        for (int round = 0; round < 400; ++round) {
            DoubleBoard full;
            DoubleBoard b = RandomBoard(rng, full);
            std::string name = Name(b, round) + (portable ? " portable" : " dispatched");
            SolveResult mine = Solve(b), theirs = previous::Solve(b);
            ASSERT_EQ(mine.verdict, theirs.verdict) << name;
            EXPECT_EQ(mine.solution, theirs.solution) << name;
            EXPECT_EQ(mine.second, theirs.second) << name;
            EXPECT_EQ(CountSolutions(b, 3), previous::CountSolutions(b, 3)) << name;
            for (std::size_t c = 1 + rng() % kBoardCells, n = 0; n < b.digits.size(); ++n, c = c % kBoardCells + 1) {
                if (full.digits[c] == 0 || b.digits[c] != 0) continue;
                int cell = static_cast<int>(c), digit = full.digits[c];
                EXPECT_EQ(SolvableWithout(b, cell, digit), previous::SolvableWithout(b, cell, digit)) << name;
                EXPECT_EQ(SolvableWithout(b, cell, digit, &full), previous::SolvableWithout(b, cell, digit)) << name;
                break;
            }
            std::mt19937_64 mineStream(static_cast<uint64_t>(round)), theirStream(static_cast<uint64_t>(round));
            EXPECT_EQ(RandomSolution(b, mineStream), previous::RandomSolution(b, theirStream)) << name;
        }
    }
    engine::ForcePortableKernels(false);
}
