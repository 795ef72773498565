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
}
