#include <gtest/gtest.h>

#include "board/BoardLayout.h"
#include "board/PatternTables.h"

using namespace board;
using namespace board::layout;

// The box lines of each grid frame its cells: in every pattern, each of the four vertical
// lines stands in the gap left of a box's first column (the last one right of the grid), each
// horizontal line in the gap above a box's first row (the last one below), never on a cell.
TEST(BoardLayout, BoxLinesStandInTheGapsAroundEachGridsBoxes) {
    // A line beyond the board's last column or row stands just outside its last cell.
    constexpr int right = CellLeft(kBoardSize) + kCellSize, bottom = CellTop(kBoardSize) + kCellSize;
    for (int p = 1; p <= kPatternCount; ++p) {
        const OverlapPattern& pattern = Pattern(p);
        for (int g = 1; g <= 2; ++g) {
            SCOPED_TRACE("pattern " + std::to_string(p) + " grid " + std::to_string(g));
            auto [x0, y0] = BoxLinesOf(g, pattern.rowOf(g), pattern.columnOf(g));
            for (int i = 0; i <= 3; ++i) {
                int column = pattern.columnOf(g) + 3 * i;  // first column right of the line
                int x = x0 + kBoxStepX * i;
                EXPECT_GT(x, column == 1 ? 0 : CellLeft(column - 1) + kCellSize);
                EXPECT_LT(x, column > kBoardSize ? right + 60 : CellLeft(column));
                int row = pattern.rowOf(g) + 3 * i;
                int y = y0 + kBoxStepY * i;
                EXPECT_GT(y, row == 1 ? 0 : CellTop(row - 1) + kCellSize);
                EXPECT_LT(y, row > kBoardSize ? bottom + 60 : CellTop(row));
            }
        }
    }
}

// Where the lines of the drawn boards stand, to the twip; grid 1 in column 7 sits 15 twips left.
TEST(BoardLayout, BoxLineOriginsOfTheDrawnBoards) {
    struct Case {
        int grid, row, column, x, y;
    };
    for (const Case& c : {Case{1, 1, 1, 900, 1260}, Case{2, 4, 4, 2520, 2970}, Case{2, 7, 7, 4140, 4680},
                          Case{2, 1, 7, 4140, 1260}, Case{1, 1, 7, 4125, 1260}}) {
        BoxLineOrigin origin = BoxLinesOf(c.grid, c.row, c.column);
        EXPECT_EQ(origin.x, c.x) << "grid " << c.grid << " at column " << c.column;
        EXPECT_EQ(origin.y, c.y) << "grid " << c.grid << " at row " << c.row;
    }
}
