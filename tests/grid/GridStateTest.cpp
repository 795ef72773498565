#include "GridFixture.h"

namespace {
using GridState = GridFixture;
}

TEST_F(GridState, OneClassServesBothGrids) {
    EXPECT_EQ(grid1().name(), "frmMozelAuto");
    EXPECT_EQ(grid2().name(), "frmMozelAuto2");
    EXPECT_EQ(grid1().caption(), "モゼルオート");
    EXPECT_EQ(grid2().caption(), "モゼルオート");
    EXPECT_EQ(grid1().lblTitle.caption(), "モゼルオート");
    EXPECT_EQ(grid2().lblTitle.caption(), "モゼルオート2");
    EXPECT_EQ(grid1().width(), 12900);
    EXPECT_EQ(grid2().height(), 6165);
    EXPECT_EQ(grid1().btnSpace.top(), 6120);
    EXPECT_EQ(grid2().btnSpace.top(), 6240);
    EXPECT_EQ(grid2().TB_NUN.left(), 6270);
    EXPECT_EQ(grid1().TB_NUN.text(), "3");
    EXPECT_FALSE(grid1().mnuHantei.visible());
    EXPECT_FALSE(grid2().cmdKouho.visible());
    EXPECT_FALSE(grid1().Command(1).visible());
    EXPECT_FALSE(grid1().Command(31).visible());
    EXPECT_THROW(grid1().Command(20), std::out_of_range);
}

TEST_F(GridState, TablesOfBoxesAndDiagonals) {
    auto& g = grid1();
    std::vector<int> box1, box2, box9;
    for (int p = 1; p <= 9; ++p) {
        box1.push_back(g.RyouikiMasu[1][p]);
        box2.push_back(g.RyouikiMasu[2][p]);
        box9.push_back(g.RyouikiMasu[9][p]);
    }
    EXPECT_EQ(box1, (std::vector<int>{1, 2, 3, 10, 11, 12, 19, 20, 21}));
    EXPECT_EQ(box2, (std::vector<int>{4, 5, 6, 13, 14, 15, 22, 23, 24}));
    EXPECT_EQ(box9, (std::vector<int>{61, 62, 63, 70, 71, 72, 79, 80, 81}));
    EXPECT_EQ(grid2().RyouikiMasu[5][5], 41);
    EXPECT_EQ(cmn().NanameX[1], 1);
    EXPECT_EQ(cmn().NanameX[9], 81);
    EXPECT_EQ(cmn().NanameY[1], 9);
    EXPECT_EQ(cmn().NanameY[9], 73);
    EXPECT_EQ(cmn().NanameX[5], cmn().NanameY[5]);
    EXPECT_EQ(cmn().IroName[3], "黄緑");
    EXPECT_EQ(cmn().IroName[8], "水色");
}

TEST_F(GridState, BoxLookups) {
    int16_t box = 0;
    grid1().QQXY_R_Change(5, 5, box);
    EXPECT_EQ(box, 5);
    grid1().QQN_R_Change(81, box);
    EXPECT_EQ(box, 9);
    grid1().QQN_R_Change(7, box);
    EXPECT_EQ(box, 3);
    EXPECT_TRUE(services.messages().empty());
    grid1().QQN_R_Change(82, box);
    EXPECT_EQ(box, 10);
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"数字がない。=82領域 =10"}));
}

TEST_F(GridState, NonNumericTextIsClearedWithItsPosition) {
    auto& g = grid1();
    g.Text1(12).setLocked(true);
    g.Text1(12).setText("a");  // every change is validated
    EXPECT_EQ(g.Text1(12).text(), "  ");
    EXPECT_FALSE(g.Text1(12).locked());
    EXPECT_EQ(services.messages(),
              (std::vector<std::string>{" 数字以外がはいりましたので、自動クリアしました。 値は [a] でした。 \n\n"
                                        "左上から右下に向かって、1から81とすると <13> 番目のところです。"}));
    services.clearRecords();
    for (const char* passes : {"0", "12", " 5", "", "  ", " ", "Text1"}) {
        g.Text1(0).setText(passes);
        bool ok = false;
        g.SuujiOk(0, ok);
        EXPECT_TRUE(ok) << passes;
    }
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(GridState, FilledCountSkipsEmptyFormsAndZero) {
    fill(grid1(), 1, {"5", "0", "  ", "", "12", " 3"});
    grid1().CALL_Setting();
    EXPECT_EQ(grid1().Setting.text(), "3");
}

TEST_F(GridState, ColourResetRespectsTheLockAndPaintsTheBoard) {
    auto& g = grid1();
    g.Text1(0).setBackColor(255);
    boardCell(1, 1).setBackColor(255);
    ASSERT_EQ(g.IroLock, 1);  // start-up left it locked
    g.btnColor_Click();
    EXPECT_EQ(colour(g, 1), 255);
    click(g.mnuIro);
    EXPECT_EQ(colour(g, 1), cmn().IroMiketei);
    EXPECT_EQ(boardCell(1, 1).backColor(), cmn().IroMiketei);
    EXPECT_EQ(g.IroLock, 1);
}

TEST_F(GridState, GridTwoResetSparesGridOneMarksOnTheBoard) {
    // Pattern 12 shares rows 7-9, columns 7-9: grid 2's cell 1 is grid 1's cell 61.
    ASSERT_EQ(&boardCell(2, 1), &boardCell(1, 61));
    boardCell(2, 1).setBackColor(cmn().IroGaito);
    boardCell(2, 2).setBackColor(cmn().IroRyouiki);
    boardCell(2, 3).setBackColor(cmn().IroError);
    grid2().IroLock = 0;
    grid2().btnColor_Click();
    EXPECT_EQ(boardCell(2, 1).backColor(), cmn().IroGaito);
    EXPECT_EQ(boardCell(2, 2).backColor(), cmn().IroRyouiki);
    EXPECT_EQ(boardCell(2, 3).backColor(), cmn().IroMiketei);
    EXPECT_EQ(colour(grid2(), 1), cmn().IroMiketei);
    // Grid 1's reset paints them plain.
    grid1().IroLock = 0;
    grid1().btnColor_Click();
    EXPECT_EQ(boardCell(1, 61).backColor(), cmn().IroMiketei);
}

TEST_F(GridState, DigitClearEmptiesTheGridAndResetsItsSwitches) {
    auto& g = grid1();
    fill(g, 1, {"1", "2"});
    g.Text1(0).setLocked(true);
    boardCell(1, 1).setText("1");
    g.Check1(3).setValue(1);
    g.mnuHantei.setVisible(true);
    g.cmdKouho.setVisible(true);
    cmn().KouhoTbl[5][5] = 1;
    options().chkTaikakusen.setValue(1);
    options().chkAutoCheck1.setValue(0);
    click(g.btnSpace);
    EXPECT_EQ(g.Text1(0).text(), "  ");
    EXPECT_FALSE(g.Text1(0).locked());
    EXPECT_EQ(boardCell(1, 1).text(), "1");  // the board keeps its texts
    EXPECT_EQ(g.Setting.text(), "0");
    EXPECT_EQ(g.Check1(3).value(), 0);
    EXPECT_FALSE(g.mnuHantei.visible());
    EXPECT_FALSE(g.cmdKouho.visible());
    EXPECT_FALSE(g.mnuKouho.visible());
    EXPECT_EQ(cmn().KouhoTbl[5][5], 0);
    EXPECT_EQ(options().chkTaikakusen.value(), 0);
    EXPECT_FALSE(main().cmdNaname01.visible());
    EXPECT_EQ(options().chkAutoCheck1.value(), 1);
    EXPECT_EQ(g.lblAuto.caption(), "自動");
}

TEST_F(GridState, ClosingAGridWindowEndsTheProgram) {
    close(grid2());
    EXPECT_TRUE(program.ended());
    EXPECT_FALSE(program.forms().isLoaded("frmAllGamen"));
}

TEST_F(GridState, EndButtonEndsAtOnce) {
    click(grid1().Command22);
    EXPECT_TRUE(program.ended());
}

TEST(GridStartup, RefusesASecondCopy) {
    ui::HeadlessServices services;
    services.setAnotherInstanceRunning(true);
    program::Program program{services.services()};
    {
        ui::FormRegistry::EventScope scope(program.forms());
        program.frmMozelAuto();
    }
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"ごめんなさいね、今、ナンプレを解いています。ぴころより"}));
    EXPECT_TRUE(program.ended());
}
