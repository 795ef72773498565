// Where the second grid window differs from the first.
#include "GridFixture.h"

namespace {

struct SecondGrid : GridFixture {};

}  // namespace

TEST_F(SecondGrid, PlacementRedrawLeavesTheBoardAlone) {
    options().chkGlook.setValue(1);
    options().chkAutoCheck1.setValue(1);
    // With the screen display on, a judgement redraws after painting, after the single-place
    // rules and at its end; grid 2's second redraw is of its own window only.
    int before = main().refreshCount();
    grid1().btnSuujiHantei_Click(1);
    const int byGrid1 = main().refreshCount() - before;
    before = main().refreshCount();
    grid2().btnSuujiHantei_Click(1);
    const int byGrid2 = main().refreshCount() - before;
    EXPECT_EQ(byGrid1, byGrid2 + 1);
}

TEST_F(SecondGrid, LockedInBlanksAreFreeCellsForTheJudgement) {
    auto& g2 = grid2();
    g2.Text1(0).setText("3");
    // Fresh grids hold "  ", which no judgement takes as free.
    int16_t count = 0;
    g2.GaitoSpace(5, count);
    EXPECT_EQ(count, 0);
    click(g2.mnuLockIn);
    EXPECT_TRUE(g2.Text1(0).locked());
    g2.IroLock = 0;
    g2.btnColor_Click();
    g2.GaitoSpace(5, count);
    EXPECT_EQ(count, 80);
    EXPECT_EQ(cmn().KouhoTbl[1][5], 0);
    EXPECT_EQ(cmn().KouhoTbl[2][5], 1);
    click(g2.mnuLockOut);
    EXPECT_FALSE(g2.Text1(0).locked());
    EXPECT_EQ(g2.Text1(0).text(), "3");
}

TEST_F(SecondGrid, NoCommandShowsIt) {
    for (int i = 1; i <= 3; ++i) click(main().cmdHanteiA(i));
    click(main().cmdHantei(5));
    grid2().cmdKouho_Click();
    click(grid2().OPT_INF);
    EXPECT_FALSE(grid2().visible());
    EXPECT_TRUE(grid1().visible());  // the board's grid 1 judgement shows grid 1
}
