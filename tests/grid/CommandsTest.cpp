#include "GridFixture.h"

namespace {
using Commands = GridFixture;
}

TEST_F(Commands, TypingAcceptsDigitsOnly) {
    auto& g = grid1();
    type(g.Text1(0), "\b\b5");
    EXPECT_EQ(g.Text1(0).text(), "5");
    type(g.Text1(0), "0 a");
    EXPECT_EQ(g.Text1(0).text(), "5");
    EXPECT_EQ(services.beeps(), 3);
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(Commands, ClickingWritesTheSelectionAndRemembersThePreviousDigit) {
    auto& g = grid1();
    g.Text1(0).setText("12");
    click(g.SUUJI1(0));
    mouse(g.Text1(0));
    EXPECT_EQ(g.Text1(0).text(), "  ");
    EXPECT_EQ(g.txtMemo01.text(), "前の数字 = 2");
    click(g.SUUJI1(6));
    mouse(g.Text1(0));
    EXPECT_EQ(g.Text1(0).text(), "6");
    EXPECT_EQ(g.txtMemo01.text(), "前の数字 = 空白");
    EXPECT_EQ(boardCell(1, 1).text(), "  ");  // the board is not changed
    g.Text1(0).setLocked(true);
    click(g.SUUJI1(3));
    mouse(g.Text1(0));
    EXPECT_EQ(g.Text1(0).text(), "6");
    EXPECT_EQ(g.txtMemo01.text(), "前の数字 = 6");
}

TEST_F(Commands, ClickingANonDigitCellReportsItsPosition) {
    auto& g = grid1();
    g.Text1(4).onChange = nullptr;  // a text that arrived without the change check
    g.Text1(4).setText("z");
    mouse(g.Text1(4));
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"数字以外がいれられました。数字に修正してください。5"}));
    EXPECT_EQ(g.Text1(4).text(), "  ");  // no option selected: cleared
}

TEST_F(Commands, AllClearResetsTheWindow) {
    auto& g = grid1();
    g.Text1(0).setText("4");
    g.HanteiNUM.setText("5");
    g.TB_NUN.setText("9");
    g.Text9.setText("x");
    g.txtMondaiMemo.setText("memo");
    g.mnuHantei.setVisible(true);
    click(g.mnuAllClear);
    EXPECT_EQ(g.Text1(0).text(), "  ");
    EXPECT_EQ(g.HanteiNUM.text(), "1");
    EXPECT_EQ(g.TB_NUN.text(), "3");
    EXPECT_EQ(g.Text9.text(), "");
    EXPECT_EQ(g.txtMondaiMemo.text(), "問題の説明");
    EXPECT_FALSE(g.mnuHantei.visible());
}

TEST_F(Commands, OptionsFromGridOneFollowTheBoardButNotFromGridTwo) {
    options().chkTaikakusen.setValue(1);
    main().cmdNaname01.setVisible(false);  // out of step
    click(grid2().OPT_INF);
    EXPECT_EQ(options().chkTaikakusen.value(), 1);
    EXPECT_EQ(options().top(), 1000);
    EXPECT_EQ(options().left(), 7250);
    click(grid1().OPT_INF);
    EXPECT_EQ(options().chkTaikakusen.value(), 0);
    EXPECT_TRUE(options().visible());
}

TEST_F(Commands, LockInAndOutOnGridTwoOnly) {
    auto& g2 = grid2();
    g2.Text1(0).setText("3");
    click(g2.mnuLockIn);
    EXPECT_TRUE(g2.Text1(0).locked());
    EXPECT_EQ(g2.Text1(1).text(), "");  // "  " becomes the free form ""
    click(g2.mnuLockOut);
    EXPECT_FALSE(g2.Text1(0).locked());
    grid1().Text1(0).setText("3");
    click(grid1().mnuLockIn);
    EXPECT_FALSE(grid1().Text1(0).locked());
    EXPECT_EQ(grid1().Text1(1).text(), "  ");
}
