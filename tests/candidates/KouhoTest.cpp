#include "ProgramFixture.h"
#include "candidates/frmKouho.h"

namespace {

struct Kouho : ProgramFixture {
    Kouho() { start(); }
    candidates::frmKouho& k() { return program.frmKouho(); }
    std::vector<std::string> column(ui::ControlArray<ui::TextBox>& boxes) {
        std::vector<std::string> out;
        for (int i = 1; i <= 9; ++i) out.push_back(boxes(i).text());
        return out;
    }
    void markAll(int cell) {
        for (int d = 1; d <= 9; ++d) cmn().KouhoTbl[cell][d] = 1;
    }
};

}  // namespace

TEST(TateRetuNumber, ColumnOfAGridCell) {
    const std::pair<int, int> cases[] = {{9, 9}, {18, 9}, {81, 9}, {10, 1}, {13, 4}, {1, 1}, {44, 8}};
    for (auto [cell, expected] : cases) {
        int result = 0;
        candidates::frmKouho::TateRetuNumber(cell, result);
        EXPECT_EQ(result, expected) << cell;
    }
}

TEST_F(Kouho, LoadTakesGridOnesLabelsAndFirstRow) {
    grid1().lblMondaiFile.setCaption("問題01.txt");
    grid1().lblMondaiNum.setCaption("3");
    cmn().KouhoTbl[2][1] = cmn().KouhoTbl[2][9] = 1;
    auto& w = k();
    EXPECT_EQ(w.caption(), "モゼルオート候補");
    EXPECT_EQ(w.lblKouhoFile.caption(), "問題01.txt 3");
    EXPECT_EQ(w.Text1(1).text(), "000000000");
    EXPECT_EQ(w.Text1(2).text(), "100000001");
    EXPECT_EQ(w.txtHani01(1).text(), "連番");
    EXPECT_EQ(w.txtGoukei(1).text(), "合計");
    EXPECT_EQ(w.cmdKakuritu4.caption(), "ごんぞ");
    EXPECT_FALSE(w.visible());
}

TEST_F(Kouho, BoxListingFillsAllNineRowsAndSkipsFilledCells) {
    for (int cell : {1, 2, 3, 10, 11, 12, 19, 20, 21}) markAll(cell);
    cmn().KouhoTbl[20][5] = 0;
    click(k().btnSuuji2(1));
    EXPECT_EQ(column(k().txtHani01), (std::vector<std::string>{"1", "2", "3", "10", "11", "12", "19", "20", "21"}));
    EXPECT_EQ(k().Text1(8).text(), "111101111");
    EXPECT_EQ(k().txtGoukei(8).text(), "8");
    EXPECT_EQ(k().txtGoukei(9).text(), "9");

    cmn().KouhoTbl[11] = {};  // cell 11 filled: no candidates
    click(k().btnSuuji2(1));
    EXPECT_EQ(k().txtHani01(5).text(), "12");
    EXPECT_EQ(k().txtHani01(9).text(), "");
}

TEST_F(Kouho, ColumnAndRowListingsLeaveTheLastUnitOnView) {
    markAll(9);
    markAll(81);
    markAll(73);
    click(k().cmdTataHan2);
    EXPECT_EQ(column(k().txtHani01), (std::vector<std::string>{"9", "81", "", "", "", "", "", "", ""}));
    click(k().cmdYokoHan2);
    EXPECT_EQ(column(k().txtHani01), (std::vector<std::string>{"73", "81", "", "", "", "", "", "", ""}));
    click(k().cmdRyoHan2);
    EXPECT_EQ(column(k().Text1), std::vector<std::string>(9, ""));
}

TEST_F(Kouho, FullGridGivesAnEmptyListing) {
    click(k().cmdYokoHan2);
    EXPECT_EQ(column(k().txtHani01), std::vector<std::string>(9, ""));
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(Kouho, SaveSlotsKeepGridOnesCells) {
    grid1().Text1(0).setText("5");
    grid1().Text1(80).setText("");
    ASSERT_TRUE(k().T81_Save(3));
    EXPECT_EQ(k().T81Tbl[3][1], "5");
    grid1().Text1(0).setText("6");
    ASSERT_TRUE(k().T81_Load(3));
    EXPECT_EQ(grid1().Text1(0).text(), "5");
    EXPECT_EQ(grid1().Text1(80).text(), "");
    EXPECT_FALSE(k().T81_Save(11));
    EXPECT_FALSE(k().T81_Load(-1));
    EXPECT_EQ(grid1().Text1(0).text(), "5");
}

TEST_F(Kouho, LoadingASlotGoesThroughTheCellCheck) {
    k().T81Tbl[2][5] = "x";
    k().T81_Load(2);
    EXPECT_EQ(grid1().Text1(4).text(), "  ");
    EXPECT_EQ(services.messages().size(), 1u);
}

TEST_F(Kouho, ClosingOnlyHidesButTheClearsDestroy) {
    auto& w = k();
    w.Show();
    w.T81Tbl[1][1] = "9";
    close(w);
    ASSERT_TRUE(program.forms().isLoaded("frmKouho"));
    EXPECT_FALSE(k().visible());
    EXPECT_EQ(k().T81Tbl[1][1], "9");
    k().Show();
    click(k().cmdReturn02);
    EXPECT_FALSE(k().visible());

    click(main().cmdClear01);
    EXPECT_FALSE(program.forms().isLoaded("frmKouho"));
    EXPECT_EQ(k().T81Tbl[1][1], "");  // a fresh window
    event([&] { grid2().btnSpace_Click(); });
    EXPECT_FALSE(program.forms().isLoaded("frmKouho"));
}

TEST_F(Kouho, PrintingHidesTheButtonsAndLeavesTheButtonFaceColour) {
    bool buttonsHiddenWhilePrinting = false;
    services.onRecord = [&](const ui::Recorded& r) {
        if (r.kind == ui::Recorded::Kind::PrintForm) {
            buttonsHiddenWhilePrinting = !k().cmdKakuritu.visible() && !k().cmdReturn02.visible() &&
                                         k().backColor() == ui::kWhite;
        }
    };
    click(k().cmdPrint);
    EXPECT_TRUE(buttonsHiddenWhilePrinting);
    EXPECT_EQ(services.records().back().text, "frmKouho");
    EXPECT_EQ(k().backColor(), ui::kButtonFace);
    EXPECT_TRUE(k().cmdKakuritu7.visible());
}
