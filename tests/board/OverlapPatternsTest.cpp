#include <gtest/gtest.h>

#include "board/PatternTables.h"

using namespace board;

namespace {
struct Tables : ::testing::Test {
    Tables() { BuildPatternTables(m); }
    cmnMod01 m;
};
}  // namespace

TEST(BoardGeometry, NumberingRoundTrips) {
    for (int c = 1; c <= kBoardCells; ++c) EXPECT_EQ(BoardCell(BoardRow(c), BoardColumn(c)), c);
    for (int k = 1; k <= kGridCells; ++k) EXPECT_EQ(GridCell(GridRow(k), GridColumn(k)), k);
    EXPECT_EQ(BoardRow(15), 1);
    EXPECT_EQ(BoardColumn(16), 1);
    EXPECT_EQ(BoardCell(15, 15), 225);
    EXPECT_EQ(GridRow(81), 9);
    EXPECT_EQ(GridColumn(10), 1);
    EXPECT_EQ(GridToBoard(7, 7, 1), 97);
    EXPECT_EQ(GridToBoard(7, 7, 81), 225);
}

TEST_F(Tables, MappingCasesOfTheTable) {
    EXPECT_EQ(m.PatternNo, 12);
    // Pattern 1: grid 2 starts at row 1, column 4.
    EXPECT_EQ(m.GridMasu[1][2][1], 4);
    EXPECT_EQ(m.GridMasu[1][2][81], 132);
    EXPECT_EQ(m.PatternMasu[1][4], 3);
    // Pattern 8 shares only rows 7-9, columns 7-9.
    EXPECT_EQ(m.GridMasu[8][1][55], 97);
    EXPECT_EQ(m.GridMasu[8][2][7], 97);
    EXPECT_EQ(m.GridMasu[12][2][81], 225);
    for (int c = 0; c <= kBoardCells; ++c) EXPECT_EQ(m.PatternMasu[0][c], 0);
    for (int p = 0; p <= kPatternCount; ++p) EXPECT_EQ(m.PatternMasu[p][0], 0);
}

TEST_F(Tables, EveryPatternHasTwoFullGridsInRowMajorOrder) {
    const int shared[] = {0, 54, 27, 18, 36, 54, 36, 18, 9, 18, 27, 18, 9};
    for (int p = 1; p <= kPatternCount; ++p) {
        SCOPED_TRACE("pattern " + std::to_string(p));
        int nonZero = 0, both = 0;
        for (int c = 1; c <= kBoardCells; ++c) {
            nonZero += m.PatternMasu[p][c] != 0;
            both += m.PatternMasu[p][c] == 3;
        }
        EXPECT_EQ(both, shared[p]);
        EXPECT_EQ(nonZero, 162 - shared[p]);
        const OverlapPattern& pattern = Pattern(p);
        for (int g = 1; g <= 2; ++g) {
            for (int k = 1; k <= kGridCells; ++k) {
                int c = m.GridMasu[p][g][k];
                EXPECT_EQ(c, GridToBoard(pattern.rowOf(g), pattern.columnOf(g), k));
                int code = m.PatternMasu[p][c];
                EXPECT_TRUE(code == g || code == 3);
            }
        }
    }
}

TEST(OverlapPatterns, GridsAreOffsetByWholeBoxes) {
    for (int p = 1; p <= kPatternCount; ++p) {
        const OverlapPattern& pattern = Pattern(p);
        EXPECT_EQ(pattern.grid1Row, 1);
        EXPECT_EQ((pattern.grid2Row - 1) % 3, 0);
        EXPECT_EQ((pattern.grid2Column - pattern.grid1Column) % 3, 0);
    }
    EXPECT_THROW(Pattern(0), std::out_of_range);
    EXPECT_THROW(Pattern(13), std::out_of_range);
}
