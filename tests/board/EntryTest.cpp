#include "ProgramFixture.h"

using namespace board;

namespace {
struct Entry : ProgramFixture {
    Entry() { start(); }
    // Cells of grid 1 that every pattern shows.
    ui::TextBox& cell(int c) { return main().text1(c); }
};
}  // namespace

TEST_F(Entry, StartUpLeavesAnEmptyBoardWithThePatternSwitchOffered) {
    auto& w = main();
    EXPECT_EQ(w.lblMasuSuu.caption(), "0");
    EXPECT_EQ(w.lblSetCount.caption(), "0");
    EXPECT_TRUE(w.cmdPattern.visible());
    EXPECT_FALSE(w.cmdHantei123.visible());
    for (int i = 1; i <= 3; ++i) EXPECT_FALSE(w.cmdHanteiA(i).visible());
    for (int d = 1; d <= 9; ++d) EXPECT_FALSE(w.cmdHantei(d).visible());
    EXPECT_EQ(w.cmdLock.backColor(), 0x00FF00);
    EXPECT_EQ(w.text1(1).text(), "  ");
    EXPECT_EQ(w.text1(1).backColor(), 0xFFFFFF);

    // The switches and colours as the start-up leaves them.
    EXPECT_EQ(options().chkGlook.value(), 1);
    EXPECT_EQ(options().chkTaikakusen.value(), 0);
    EXPECT_EQ(options().chkAutoCheck1.value(), 1);
    EXPECT_EQ(options().Check2.value(), 0);
    EXPECT_EQ(options().chkEndGamen.value(), 0);
    EXPECT_FALSE(options().visible());
    EXPECT_EQ(grid1().lblGamenHyouji.caption(), "Refresh");
    EXPECT_EQ(grid1().lblAuto.caption(), "自動");
    EXPECT_EQ(cmn().IroGaito, 255);
    EXPECT_EQ(cmn().IroRyouiki, 0xFF0000);
    EXPECT_EQ(cmn().IroMiketei, 0xFFFFFF);
    EXPECT_EQ(cmn().IroError, 0x00FF00);
    EXPECT_EQ(cmn().IroAuto1, 0x00FFFF);
    EXPECT_EQ(cmn().IroOnly, 0xFFFF00);
    EXPECT_EQ(cmn().ClearFlag, 1);
    EXPECT_FALSE(grid1().visible());
    EXPECT_FALSE(grid2().visible());
    EXPECT_FALSE(w.cmdNaname01.visible());
    EXPECT_FALSE(grid1().cmdNaname01.visible());
    for (int d = 1; d <= 9; ++d) EXPECT_FALSE(grid1().btnSuujiHantei(d).visible());
    EXPECT_TRUE(services.records().empty());
}

TEST_F(Entry, RefusedKeyBeepsKeepsTheCellAndRefreshesTheCount) {
    cell(2).setText("5");  // set by code: the count lags
    EXPECT_EQ(main().lblSetCount.caption(), "0");
    type(cell(1), "5");
    EXPECT_EQ(cell(1).text(), "  5");
    // An accepted key recounts: "  5" counts as filled, and so does the digit set by code.
    EXPECT_EQ(main().lblSetCount.caption(), "2");
    EXPECT_EQ(services.beeps(), 0);
    // The count changed, so the judge buttons are offered now.
    EXPECT_TRUE(main().cmdHantei(5).visible());
    EXPECT_FALSE(main().cmdPattern.visible());
    cell(4).setText("3");
    type(cell(1), "a");
    EXPECT_EQ(cell(1).text(), "  5");
    EXPECT_EQ(services.beeps(), 1);
    EXPECT_EQ(main().lblSetCount.caption(), "3");  // a refused key recounts too

    for (const char* refused : {"0", "x", "-", "数"}) type(cell(3), refused);
    EXPECT_EQ(services.beeps(), 5);
    EXPECT_EQ(cell(3).text(), "  ");
    type(cell(3), "\b\b 9");
    EXPECT_EQ(cell(3).text(), " 9");
}

// Typed digits are counted as they are typed; a click recounts as well, so that the judge
// buttons and the pattern switch follow the board.
TEST_F(Entry, TypingAndClickingKeepTheCountTrue) {
    for (int c : {1, 2, 3}) type(cell(c), "7");
    EXPECT_EQ(main().lblSetCount.caption(), "3");
    type(cell(3), "\b\b\b");
    EXPECT_EQ(main().lblSetCount.caption(), "2");
    click(main().SUUJI1(4));
    ui::MouseDown(program.forms(), cell(5), ui::kLeftButton);
    EXPECT_EQ(main().lblSetCount.caption(), "3");
    click(main().SUUJI1(0));
    ui::MouseDown(program.forms(), cell(1), ui::kLeftButton);
    EXPECT_EQ(main().lblSetCount.caption(), "2");
}

// "5a" is no digit to the board, whoever reads it: the count, the lock and the cross-grid rule.
TEST_F(Entry, AnUnreadableTextIsAnEmptyCellEverywhere) {
    cell(1).setText("5a");
    cell(2).setText("  5");
    type(cell(3), "6");
    EXPECT_EQ(main().lblSetCount.caption(), "2");
    click(main().cmdLock);
    EXPECT_FALSE(cell(1).locked());
    EXPECT_TRUE(cell(2).locked());
}

TEST_F(Entry, LockedCellIsNotChangedByTypingOrClicking) {
    cell(1).setText("4");
    click(main().cmdLock);
    EXPECT_TRUE(cell(1).locked());
    type(cell(1), "7");
    EXPECT_EQ(cell(1).text(), "4");
    click(main().SUUJI1(7));
    mouse(cell(1));
    EXPECT_EQ(cell(1).text(), "4");
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"ロックがかかっています。"}));
}

TEST_F(Entry, ClickingWritesTheSelectedPaletteOption) {
    mouse(cell(1));
    EXPECT_EQ(cell(1).text(), " ");  // no option selected: a blank
    click(main().SUUJI1(3));
    mouse(cell(2));
    EXPECT_EQ(cell(2).text(), "3");
    click(main().SUUJI1(0));
    mouse(cell(2));
    EXPECT_EQ(cell(2).text(), " ");
    EXPECT_EQ(main().lblSetCount.caption(), "0");  // clicks do not recount
    int16_t n = -1;
    main().lblSetCount_CountSet(n);
    EXPECT_EQ(n, 0);  // and " " is an empty cell
    EXPECT_FALSE(main().SUUJI1(3).value());
}

TEST_F(Entry, CountsFollowThePatternAndSkipHiddenCells) {
    cell(15).setText("9");  // row 1, column 15: not a cell of pattern 12
    cell(1).setText("1");
    int16_t n = 0;
    main().lblSetCount_CountSet(n);
    EXPECT_EQ(n, 1);
    main().lblMasuSuu_CountSet(n);
    EXPECT_EQ(n, 153);
    EXPECT_EQ(main().lblMasuSuu.caption(), "0");  // the full clear left 0
}

TEST_F(Entry, CountChangeRuleFollowsTheNumberShown) {
    auto& w = main();
    w.lblSetCount.setCaption("3");
    EXPECT_TRUE(w.cmdHanteiA(3).visible());
    EXPECT_TRUE(w.cmdHantei123.visible());
    EXPECT_FALSE(w.cmdPattern.visible());
    EXPECT_FALSE(w.cmdHanteiA(1).visible());  // only the full judgement follows the count
    w.lblSetCount.setCaption("0");
    EXPECT_FALSE(w.cmdHanteiA(3).visible());
    EXPECT_TRUE(w.cmdPattern.visible());
    for (int d = 1; d <= 9; ++d) EXPECT_FALSE(w.cmdHantei(d).visible());
}

TEST_F(Entry, LockTogglesEvenOnAnEmptyBoard) {
    click(main().cmdLock);
    EXPECT_EQ(main().cmdLock.backColor(), 255);
    EXPECT_FALSE(cell(1).locked());
    click(main().cmdLock);
    EXPECT_EQ(main().cmdLock.backColor(), 0x00FF00);
}

TEST_F(Entry, LockTouchesOnlyDigitCellsInBothDirections) {
    cell(1).setText("5");
    cell(2).setText("12");
    cell(3).setText(" ");
    cell(4).setText("3");
    cell(4).setLocked(false);
    cell(15).setText("7");  // hidden in this pattern, still locked
    cell(3).setLocked(true);
    click(main().cmdLock);
    EXPECT_TRUE(cell(1).locked());
    EXPECT_FALSE(cell(2).locked());
    EXPECT_TRUE(cell(3).locked());  // kept
    EXPECT_TRUE(cell(15).locked());
    click(main().cmdLock);
    EXPECT_FALSE(cell(1).locked());
    EXPECT_TRUE(cell(3).locked());
}

TEST_F(Entry, FullClearWhileLockedKeepsTheLockState) {
    cell(1).setText("5");
    click(main().cmdLock);
    click(main().cmdClear01);
    EXPECT_FALSE(cell(1).locked());
    EXPECT_EQ(main().cmdLock.backColor(), 255);
    cell(1).setText("5");
    click(main().cmdLock);  // unlocks
    EXPECT_EQ(main().cmdLock.backColor(), 0x00FF00);
    EXPECT_FALSE(cell(1).locked());
}

TEST_F(Entry, FullClearResetsTheBoardAndTheSharedState) {
    auto& w = main();
    cell(1).setText("5");
    cell(1).setBackColor(123);
    cell(1).setAlignment(ui::Alignment::Left);
    w.cmdHanteiA(1).setVisible(true);
    w.lblSetCount.setCaption("1");
    w.Check1(4).setValue(1);
    grid1().Check1(4).setValue(1);
    cmn().KouhoTbl[81][9] = 1;
    cmn().OmedetouZumi = -1;
    w.txtMondaiMemo.setText("memo");
    options().chkAutoCheck1.setValue(0);
    click(w.cmdClear01);
    EXPECT_EQ(cell(1).text(), "  ");
    EXPECT_EQ(cell(1).backColor(), cmn().IroMiketei);
    EXPECT_EQ(cell(1).alignment(), ui::Alignment::Center);
    EXPECT_FALSE(w.cmdHanteiA(1).visible());
    EXPECT_EQ(w.lblSetCount.caption(), "0");
    EXPECT_TRUE(w.cmdPattern.visible());
    EXPECT_EQ(w.Check1(4).value(), 0);
    EXPECT_EQ(grid1().Check1(4).value(), 0);
    EXPECT_EQ(cmn().KouhoTbl[81][9], 0);
    EXPECT_EQ(cmn().OmedetouZumi, 0);
    EXPECT_EQ(options().chkAutoCheck1.value(), 1);
    EXPECT_EQ(w.txtMondaiMemo.text(), "memo");  // problem texts stay
    // The next pattern switch shows the true count again.
    click(w.cmdPattern);
    EXPECT_EQ(w.lblMasuSuu.caption(), "108");
}

TEST_F(Entry, ClearChecksAndTexts) {
    auto& w = main();
    w.Check1(1).setValue(1);
    grid2().Check1(9).setValue(1);
    cmn().OmedetouZumi = -1;
    click(w.cmdClear03);
    EXPECT_EQ(w.Check1(1).value(), 0);
    EXPECT_EQ(grid2().Check1(9).value(), 0);
    EXPECT_EQ(cmn().OmedetouZumi, 0);

    w.txtQuestion.setText("12");
    w.txtNanido.setText("5");
    click(w.cmdClear04);
    EXPECT_EQ(w.txtMondaiMemo.text(), "問題の説明文章 漢字25文字以内");
    EXPECT_EQ(w.txtQuestion.text(), "");
    EXPECT_EQ(w.txtNanido.text(), "0");
}

TEST_F(Entry, OptionsButtonShowsTheOptionsWindow) {
    click(main().cmdOpt01);
    EXPECT_TRUE(options().visible());
    EXPECT_EQ(options().left(), 10300);
    EXPECT_EQ(options().top(), 3100);
}

TEST_F(Entry, PatternSwitchClearsBothGridWindows) {
    grid1().Text1(0).setText("5");
    grid2().Text1(80).setText("6");
    click(main().cmdPattern);
    EXPECT_EQ(grid1().Text1(0).text(), "  ");
    EXPECT_EQ(grid2().Text1(80).text(), "  ");
}
