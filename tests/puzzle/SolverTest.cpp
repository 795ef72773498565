#include <gtest/gtest.h>

#include "DoubleProblem.h"
#include "puzzle/Solver.h"

using namespace puzzle;

namespace {

DoubleBoard FromLines(int pattern, const std::array<std::string, 2>& grids) {
    DoubleBoard b;
    b.pattern = pattern;
    for (int g = 1; g <= 2; ++g)
        for (int k = 1; k <= kGridCells; ++k) {
            char ch = grids[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(k - 1)];
            if (ch >= '1' && ch <= '9') b.set(g, k, ch - '0');
        }
    return b;
}

}  // namespace

TEST(Solver, SolvesAKnownDoubleProblem) {
    DoubleProblem p = DoubleProblem::Load("sensei-1-180422-185709.easy.txt");
    ASSERT_TRUE(p.valid());
    SolveResult r = Solve(FromLines(12, p.givens));
    ASSERT_EQ(r.verdict, Verdict::Unique);
    EXPECT_EQ(r.solution, FromLines(12, p.solution));
}

TEST(Solver, EmptyBoardHasMany) {
    DoubleBoard b;
    SolveResult r = Solve(b);
    ASSERT_EQ(r.verdict, Verdict::Multiple);
    EXPECT_NE(r.solution, r.second);
    EXPECT_EQ(CountSolutions(b, 1), 1);
}

TEST(Solver, AGivenTwiceInAUnitHasNone) {
    DoubleBoard b;
    b.set(1, 1, 5);
    b.set(1, 9, 5);
    EXPECT_EQ(Solve(b).verdict, Verdict::None);
}

TEST(Solver, RefusesBoardsItCannotRead) {
    DoubleBoard b;
    b.pattern = 13;
    EXPECT_THROW(Solve(b), std::invalid_argument);
    b.pattern = 12;
    b.digits[15] = 3;  // board row 1, column 15: outside both grids of pattern 12
    EXPECT_THROW(Solve(b), std::invalid_argument);
    EXPECT_THROW(CountSolutions(b, 1), std::invalid_argument);
    b.digits[15] = 0;
    b.set(2, 40, 10);  // inside a grid, but no digit
    EXPECT_THROW(Solve(b), std::invalid_argument);
    b.set(2, 40, 0);
    b.set(1, 1, 5);
    b.set(1, 2, 5);  // twice in a row: no error, no solution
    b.digits[15] = 7;
    EXPECT_THROW(Solve(b), std::invalid_argument) << "a cell outside the pattern is named even with a digit twice";
}

TEST(Solver, CountsUpToTheLimit) {
    DoubleBoard b;
    b.pattern = 5;
    b.diagonal = true;
    EXPECT_EQ(CountSolutions(b, 0), 0);
    EXPECT_EQ(CountSolutions(b, 1), 1);
    EXPECT_EQ(CountSolutions(b, 7), 7);
}

TEST(Solver, SolvableWithoutADigit) {
    DoubleProblem p = DoubleProblem::Load("sensei-1-180422-185709.easy.txt");
    ASSERT_TRUE(p.valid());
    DoubleBoard full = FromLines(12, p.solution);
    DoubleBoard givens = FromLines(12, p.givens);
    int empty = 0;
    for (int c = 1; c <= kBoardCells && !empty; ++c)
        if (CellCode(Pattern(12), c) != 0 && givens.digits[static_cast<std::size_t>(c)] == 0) empty = c;
    ASSERT_NE(empty, 0);
    int digit = full.digits[static_cast<std::size_t>(empty)];
    // The problem has one solution: without its digit in that cell it has none, with another one
    // taken away it still has it.
    EXPECT_FALSE(SolvableWithout(givens, empty, digit));
    EXPECT_TRUE(SolvableWithout(givens, empty, digit % 9 + 1));
    // A given cell that holds the digit has no solution without it.
    EXPECT_FALSE(SolvableWithout(full, empty, digit));
    EXPECT_THROW(SolvableWithout(givens, 15, 1), std::invalid_argument);  // outside the pattern
    EXPECT_THROW(SolvableWithout(givens, empty, 0), std::invalid_argument);
    EXPECT_THROW(SolvableWithout(givens, empty, 10), std::invalid_argument);
    EXPECT_THROW(SolvableWithout(givens, 0, 1), std::invalid_argument);
}
