// The engine on the public double problems, on boards made ambiguous or contradictory, and the
// generator; every answer is checked by the rule checker of RuleCheck.h, not by the engine.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

#include "GattaiPairs.h"
#include "RuleCheck.h"
#include "puzzle/Generator.h"
#include "puzzle/Rules.h"
#include "puzzle/Solver.h"

using namespace puzzle;

namespace {

const std::vector<GattaiPair>& Pairs() {
    static const std::vector<GattaiPair> pairs = LoadAllGattaiPairs(MOZEL_TEST_DATA);
    return pairs;
}

// Checks an answer of the engine against the rules: a unique or multiple answer holds valid
// solutions that keep the givens, and two different ones for multiple.
void ExpectSound(const DoubleBoard& problem, const SolveResult& r, const std::string& name) {
    if (r.verdict == Verdict::None) return;
    EXPECT_EQ(rulecheck::Broken(r.solution), "") << name;
    EXPECT_TRUE(rulecheck::KeepsGivens(problem, r.solution)) << name;
    if (r.verdict == Verdict::Multiple) {
        EXPECT_EQ(rulecheck::Broken(r.second), "") << name;
        EXPECT_TRUE(rulecheck::KeepsGivens(problem, r.second)) << name;
        EXPECT_NE(r.solution, r.second) << name;
    }
}

}  // namespace

TEST(Engine, ReproducesTheKnownSolutionOfEveryPublicProblem) {
    ASSERT_GE(Pairs().size(), 30u);
    int unique = 0;
    for (const GattaiPair& p : Pairs()) {
        ASSERT_EQ(rulecheck::Broken(p.solution), "") << p.name << ": the file's own solution";
        SolveResult r = Solve(p.givens);
        ASSERT_NE(r.verdict, Verdict::None) << p.name;
        ExpectSound(p.givens, r, p.name);
        if (r.verdict == Verdict::Unique) {
            ++unique;
            EXPECT_EQ(r.solution, p.solution) << p.name;
        }
    }
    EXPECT_GE(unique, 8) << "every two-grid file is a unique problem";
}

TEST(Engine, AGivenTakenAwayThatLetsASecondSolutionInGivesMultiple) {
    int checked = 0;
    for (const GattaiPair& p : Pairs()) {
        if (Solve(p.givens).verdict != Verdict::Unique) continue;
        for (int c = 1; c <= kBoardCells; ++c) {
            if (p.givens.digits[static_cast<std::size_t>(c)] == 0) continue;
            DoubleBoard fewer = p.givens;
            fewer.digits[static_cast<std::size_t>(c)] = 0;
            SolveResult r = Solve(fewer);
            ASSERT_NE(r.verdict, Verdict::None) << p.name << " without cell " << c;
            ExpectSound(fewer, r, p.name);
            // The generator's shortcut gives the same answer, with the search led by the
            // known solution or not.
            const int given = p.givens.digits[static_cast<std::size_t>(c)];
            EXPECT_EQ(SolvableWithout(fewer, c, given), r.verdict == Verdict::Multiple) << p.name << " without cell " << c;
            EXPECT_EQ(SolvableWithout(fewer, c, given, &p.solution), r.verdict == Verdict::Multiple) << p.name << " without cell " << c;
            if (r.verdict == Verdict::Unique) {
                EXPECT_EQ(r.solution, p.solution) << p.name;
            } else {
                // One of the two is the known solution or both are others; either way both
                // differ somewhere, and the engine's count agrees with its verdict.
                EXPECT_EQ(CountSolutions(fewer, 2), 2) << p.name;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(Engine, ContradictoryBoardsHaveNoSolution) {
    for (const GattaiPair& p : Pairs()) {
        if (Solve(p.givens).verdict != Verdict::Unique) continue;
        // A digit of a given repeated elsewhere in its grid-1 row.
        const OverlapPattern& o = Pattern(p.givens.pattern);
        for (int k = 1; k <= kGridCells; ++k) {
            int d = p.givens.at(1, k);
            if (d == 0) continue;
            int row = GridRow(k);
            for (int col = 1; col <= 9; ++col) {
                int other = GridCell(row, col);
                if (p.givens.at(1, other) != 0) continue;
                DoubleBoard twice = p.givens;
                twice.set(1, other, d);
                EXPECT_EQ(Solve(twice).verdict, Verdict::None) << p.name;
                std::optional<Duplicate> dup = FindDuplicate(twice);
                ASSERT_TRUE(dup) << p.name;
                EXPECT_EQ(dup->digit, d);
                break;
            }
            break;
        }
        // A wrong digit in an empty cell where no unit shows the clash.
        for (int c = 1; c <= kBoardCells; ++c) {
            auto uc = static_cast<std::size_t>(c);
            if (CellCode(o, c) == 0 || p.givens.digits[uc] != 0) continue;
            DoubleBoard wrong = p.givens;
            wrong.digits[uc] = static_cast<uint8_t>(p.solution.digits[uc] % 9 + 1);
            if (FindDuplicate(wrong)) continue;
            EXPECT_EQ(Solve(wrong).verdict, Verdict::None) << p.name << " cell " << c;
            break;
        }
    }
}

TEST(Engine, FindDuplicateNamesTheUnitAndBothCells) {
    DoubleBoard b;
    b.pattern = 1;
    EXPECT_FALSE(FindDuplicate(b));
    // Board cells 4 and 8 lie in row 1 of both grids; the first unit reported is grid 1's row.
    b.digits[4] = 7;
    b.digits[8] = 7;
    std::optional<Duplicate> d = FindDuplicate(b);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->unit.grid, 1);
    EXPECT_EQ(d->unit.kind, UnitKind::Row);
    EXPECT_EQ(d->unit.index, 1);
    EXPECT_EQ(d->digit, 7);
    EXPECT_EQ(d->first, 4);
    EXPECT_EQ(d->second, 8);
    // Two 3s on grid 2's main diagonal count only under the diagonal rule.
    DoubleBoard diag;
    diag.pattern = 12;
    diag.set(2, MainDiagonalCell(2), 3);
    diag.set(2, MainDiagonalCell(8), 3);
    EXPECT_FALSE(FindDuplicate(diag));
    diag.diagonal = true;
    d = FindDuplicate(diag);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->unit.grid, 2);
    EXPECT_EQ(d->unit.kind, UnitKind::MainDiagonal);
    EXPECT_EQ(Solve(diag).verdict, Verdict::None);
}

TEST(Generator, EveryPatternWithAndWithoutTheDiagonalRule) {
    for (int p = 1; p <= kPatternCount; ++p) {
        for (bool diagonal : {false, true}) {
            std::string name = "pattern " + std::to_string(p) + (diagonal ? " diagonal" : "");
            uint64_t seed = static_cast<uint64_t>(p * 2 + diagonal);
            DoubleBoard full = GenerateSolution(p, diagonal, seed);
            EXPECT_EQ(rulecheck::Broken(full), "") << name;
            DoubleBoard problem = GenerateProblem(p, diagonal, seed);
            EXPECT_EQ(problem.pattern, p);
            EXPECT_EQ(problem.diagonal, diagonal);
            EXPECT_TRUE(rulecheck::KeepsGivens(problem, full)) << name;
            SolveResult r = Solve(problem);
            ASSERT_EQ(r.verdict, Verdict::Unique) << name;
            EXPECT_EQ(r.solution, full) << name;
            // Every given is needed.
            for (int c = 1; c <= kBoardCells; ++c) {
                if (problem.digits[static_cast<std::size_t>(c)] == 0) continue;
                DoubleBoard fewer = problem;
                fewer.digits[static_cast<std::size_t>(c)] = 0;
                EXPECT_EQ(CountSolutions(fewer, 2), 2) << name << " cell " << c;
            }
        }
    }
}

TEST(Generator, TheSameSeedGivesTheSameProblem) {
    EXPECT_EQ(GenerateProblem(6, false, 42), GenerateProblem(6, false, 42));
    EXPECT_EQ(GenerateProblem(3, true, 7), GenerateProblem(3, true, 7));
    EXPECT_NE(GenerateProblem(6, false, 42), GenerateProblem(6, false, 43));
    EXPECT_NE(GenerateSolution(12, false, 1), GenerateSolution(12, false, 2));
    EXPECT_THROW(GenerateProblem(13, false, 1), std::invalid_argument);
    EXPECT_THROW(GenerateProblem(0, true, 1), std::invalid_argument);
}

TEST(Engine, RandomSubsetsOfAKnownSolutionAreNeverAnsweredNone) {
    // Givens taken from a valid full board always leave that board as a solution: the engine
    // must find one, every answer must obey the rules, and a unique answer must be that board.
    std::mt19937_64 rng(2024);
    int checked = 0;
    for (const GattaiPair& p : Pairs()) {
        for (bool diagonal : {false, true}) {
            DoubleBoard full = diagonal ? GenerateSolution(p.solution.pattern, true, rng()) : p.solution;
            for (int round = 0; round < 8; ++round) {
                DoubleBoard givens = full;
                uint64_t keep = 15 + rng() % 40;  // percent of cells kept
                for (std::size_t c = 1; c < givens.digits.size(); ++c)
                    if (givens.digits[c] != 0 && rng() % 100 >= keep) givens.digits[c] = 0;
                SolveResult r = Solve(givens);
                ASSERT_NE(r.verdict, Verdict::None) << p.name << " round " << round;
                ExpectSound(givens, r, p.name);
                if (r.verdict == Verdict::Unique) {
                    EXPECT_EQ(r.solution, full) << p.name;
                }
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 30 * 2 * 8);
}

TEST(Engine, AnswersTheSameFromSeveralThreadsAtOnce) {
    // The engine keeps nothing between calls: threads solving at once see what one thread sees.
    std::vector<DoubleBoard> boards;
    std::mt19937_64 rng(7);
    for (const GattaiPair& p : Pairs()) {
        boards.push_back(p.givens);
        DoubleBoard diagonal = GenerateSolution(p.givens.pattern, true, rng());
        for (std::size_t c = 1; c < diagonal.digits.size(); ++c)
            if (rng() % 100 >= 40) diagonal.digits[c] = 0;
        boards.push_back(diagonal);
    }
    std::vector<SolveResult> alone;
    for (const DoubleBoard& b : boards) alone.push_back(Solve(b));
    std::atomic<int> differ{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (std::size_t n = 0; n < boards.size(); ++n) {
                std::size_t i = (n + static_cast<std::size_t>(t) * 7) % boards.size();
                SolveResult r = Solve(boards[i]);
                if (r.verdict != alone[i].verdict || r.solution != alone[i].solution || r.second != alone[i].second) ++differ;
            }
        });
    }
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(differ.load(), 0);
}
