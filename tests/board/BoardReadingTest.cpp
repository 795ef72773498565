#include "ProgramFixture.h"
#include "board/BoardReading.h"
#include "board/PatternTables.h"
#include "puzzle/GridPosition.h"

using namespace board;

namespace {
struct Reading : ProgramFixture {
    Reading() { start(); }
};
}  // namespace

TEST_F(Reading, DigitsBlanksAndTheDiagonalRule) {
    boardCell(1, 1).setText("5");
    boardCell(1, 2).setText(" 7 ");
    boardCell(1, 3).setText("  ");
    boardCell(2, 81).setText("9");
    BoardReading r = ReadBoard(main(), cmn());
    EXPECT_FALSE(r.notDigit);
    EXPECT_EQ(r.board.pattern, 12);
    EXPECT_FALSE(r.board.diagonal);
    EXPECT_EQ(r.board.at(1, 1), 5);
    EXPECT_EQ(r.board.at(1, 2), 7);
    EXPECT_EQ(r.board.at(1, 3), 0);
    EXPECT_EQ(r.board.at(2, 81), 9);

    options().chkTaikakusen.setValue(1);
    EXPECT_TRUE(ReadBoard(main(), cmn()).board.diagonal);
}

TEST_F(Reading, TheFirstCellThatIsNotADigitIsNamed) {
    boardCell(2, 80).setText("12");
    boardCell(2, 81).setText("a");
    BoardReading r = ReadBoard(main(), cmn());
    ASSERT_TRUE(r.notDigit);
    EXPECT_EQ(*r.notDigit, cmn().GridMasu[12][2][80]);
    EXPECT_EQ(r.notDigitText, "12");
    puzzle::GridPosition place = puzzle::PositionOf(12, *r.notDigit, 1);
    EXPECT_EQ(place.grid, 2);
    EXPECT_EQ(place.row, 9);
    EXPECT_EQ(place.column, 8);
    // A shared cell is named through grid 1.
    puzzle::GridPosition shared = puzzle::PositionOf(12, cmn().GridMasu[12][2][1], 1);
    EXPECT_EQ(shared.grid, 1);
    EXPECT_EQ(shared.row, 7);
    EXPECT_EQ(shared.column, 7);
}
