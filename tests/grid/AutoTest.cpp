#include "GridFixture.h"
#include "candidates/frmKouho.h"

namespace {

struct Auto : GridFixture {
    Auto() {
        for (int i = 0; i <= 80; ++i) grid1().Text1(i).setText("");
    }
    grid::frmMozelAuto& g() { return grid1(); }
    std::string text(int k) { return g().Text1(k - 1).text(); }
};

}  // namespace

TEST_F(Auto, FinalDigitFromTheButtonColoursTheBoardButLeavesItsText) {
    fill(g(), 1, {"1", "2", "3", "4", "5", "6", "7", "8"});
    boardCell(1, 9).setText("  ");
    click(g().btnNO_NUM_OK);
    EXPECT_EQ(text(9), "9");
    EXPECT_EQ(colour(g(), 9), cmn().IroGaito);
    EXPECT_EQ(boardCell(1, 9).backColor(), cmn().IroGaito);
    EXPECT_EQ(boardCell(1, 9).text(), "  ");
}

TEST_F(Auto, FinalDigitSeesPlacementsOfTheSamePass) {
    // Row 1 misses a 9 at cell 9; after that, column 9 holds 1..8 below... only with the 9
    // placed first can cell 81 see eight digits.
    fill(g(), 1, {"1", "2", "3", "4", "5", "6", "7", "8"});
    for (int r = 2; r <= 8; ++r) g().Text1((r - 1) * 9 + 8).setText(std::to_string(r - 1));
    g().btnNO_NUM_OK_Click();
    EXPECT_EQ(text(9), "9");
    EXPECT_EQ(text(81), "8");
}

TEST_F(Auto, FinalDigitIgnoresValuesOutsideOneToNine) {
    // Cell 9 sees 1..7 and "12" in its row and an 8 in its column: "12" has no place in the
    // used-digit table and is passed over, so the 9 is still found.
    fill(g(), 1, {"1", "2", "3", "4", "5", "6", "7", "12", ""});
    g().Text1(17).setText("8");
    g().btnNO_NUM_OK_Click();
    EXPECT_EQ(text(9), "9");
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(Auto, FinalDigitOnTheCentreUsesBothDiagonals) {
    options().chkTaikakusen.setValue(1);
    // Centre cell 41: row 5 holds 1, 2; column 5 holds 3, 4; box 5 holds 5; the main
    // diagonal 6, 7; the anti-diagonal 8.
    g().Text1(36).setText("1");
    g().Text1(44).setText("2");
    g().Text1(4).setText("3");
    g().Text1(76).setText("4");
    g().Text1(30).setText("5");
    g().Text1(0).setText("6");
    g().Text1(80).setText("7");
    g().Text1(8).setText("8");
    g().btnNO_NUM_OK_Click();
    EXPECT_EQ(text(41), "9");
    options().chkTaikakusen.setValue(0);
    g().Text1(40).setText("");
    g().btnNO_NUM_OK_Click();
    EXPECT_EQ(text(41), "");  // without the diagonals only five digits are seen
}

TEST_F(Auto, NonNumericCellStopsTheStepWithTwoMessages) {
    g().Text1(3).onChange = nullptr;  // a text that arrived without the change check
    g().Text1(3).setText("?");
    g().cmdAutoHantei_Click();
    EXPECT_EQ(services.messages().size(), 2u);
    EXPECT_EQ(services.messages()[1], "数字以外がはいりました。修正してください。");
    EXPECT_FALSE(g().mnuHantei.visible());
    EXPECT_FALSE(g().cmdKouho.visible());
    // The final-digit rule stops with the first message only.
    g().Text1(3).setText("?");
    services.clearRecords();
    g().btnNO_NUM_OK_Click();
    EXPECT_EQ(services.messages().size(), 1u);
}

TEST_F(Auto, StepWithLevelOneOffPlacesNothing) {
    fill(g(), 1, {"1", "2", "3", "4", "5", "6", "7", "8"});
    options().chkAutoCheck1.setValue(0);
    cmn().KouhoTbl[50][3] = 1;
    cmn().KouhoTbl[50][4] = 1;
    g().cmdAutoHantei_Click();
    EXPECT_EQ(text(9), "");
    EXPECT_FALSE(g().mnuHantei.visible());
    EXPECT_TRUE(g().cmdKouho.visible());
    EXPECT_TRUE(g().mnuKouho.visible());
    EXPECT_EQ(program.frmKouho().txtKouho(50).text(), "　　3\r\n4　　\r\n　　　");  // from the old marks
    EXPECT_EQ(g().Text10.text(), "完了した数字は、現在0個です。");
}

TEST_F(Auto, OneStepPlacesForcedDigitsAndOneOnlyCandidate) {
    fill(g(), 1, {"1", "2", "3", "4", "5", "6", "7", "8"});
    g().cmdAutoHantei_Click();
    EXPECT_EQ(text(9), "9");
    EXPECT_TRUE(g().mnuHantei.visible());
    EXPECT_TRUE(g().cmdKouho.visible());
    EXPECT_EQ(g().IroLock, 1);
    EXPECT_EQ(colour(g(), 9), cmn().IroMiketei);  // the step ends on reset colours
    // Grid 2 never shows its judgement menu.
    grid2().cmdAutoHantei_Click();
    EXPECT_FALSE(grid2().mnuHantei.visible());
}

TEST_F(Auto, OnlyCandidateFillsAllCellsFromTheButtonButOnePerStep) {
    cmn().KouhoGrid.fill(1);  // as grid 1's own judgement left them
    cmn().KouhoTbl[5][4] = 1;
    cmn().KouhoTbl[7][2] = 1;
    cmn().KouhoTbl[8][2] = 1;
    cmn().KouhoTbl[8][3] = 1;
    click(g().btnOnlyOne);
    EXPECT_EQ(text(5), "4");
    EXPECT_EQ(text(7), "2");
    EXPECT_EQ(text(8), "");
    EXPECT_EQ(colour(g(), 5), cmn().IroOnly);
    EXPECT_EQ(boardCell(1, 7).text(), "2");
}

TEST_F(Auto, OnlyCandidateAppliesOnlyTheMarksThisGridWroteLast) {
    // Grid 2's judgement of 4 marked cell 5 of grid 2: in grid 1 that mark means nothing.
    cmn().KouhoTbl[5][4] = 1;
    cmn().KouhoGrid[4] = 2;
    // Grid 1 wrote the marks of 2; cell 7's single own mark counts, though the foreign mark
    // for 4 on the same cell is ignored rather than making two.
    cmn().KouhoTbl[7][2] = 1;
    cmn().KouhoTbl[7][4] = 1;
    cmn().KouhoGrid[2] = 1;
    click(g().btnOnlyOne);
    EXPECT_EQ(text(5), "");
    EXPECT_EQ(text(7), "2");

    // A judgement takes the marks of its digit over for its grid; the digit clear drops them.
    grid2().btnSuujiHantei_Click(2);
    EXPECT_EQ(cmn().KouhoGrid[2], 2);
    g().btnSuujiHantei_Click(4);
    EXPECT_EQ(cmn().KouhoGrid[4], 1);
    g().btnSpace_Click();
    EXPECT_EQ(cmn().KouhoGrid[4], 0);
}

TEST_F(Auto, PassCountMustBeAWholeNumber) {
    int before = g().refreshCount();
    g().cmdAutoHantei_Click();
    int onePass = g().refreshCount() - before;
    g().HanteiNUM.setText("3");
    for (int i = 0; i <= 80; ++i) g().Text1(i).setText("");
    before = g().refreshCount();
    g().cmdAutoHantei_Click();
    // Each pass judges the nine digits, three redraws each.
    EXPECT_EQ(g().refreshCount() - before - onePass, 2 * 9 * 3);
    EXPECT_TRUE(services.messages().empty());

    for (const char* bad : {"abc", "0", "2.5", "100", ""}) {
        g().HanteiNUM.setText(bad);
        services.clearRecords();
        g().cmdAutoHantei_Click();
        ASSERT_EQ(services.messages().size(), 1u) << bad;
        EXPECT_EQ(services.messages()[0], "回数 [" + std::string(bad) + "] は1から99までの整数ではないので、1回として判定します。");
        EXPECT_EQ(g().HanteiNUM.text(), "1");
    }
}

TEST_F(Auto, StatusLineCountsCompletedDigits) {
    for (int d = 1; d <= 4; ++d) g().Check1(d).setValue(1);
    g().FinMsg();
    EXPECT_EQ(g().Text10.text(), "完了した数字は、現在4個です。");
    for (int d = 5; d <= 9; ++d) g().Check1(d).setValue(1);
    g().FinMsg();
    EXPECT_EQ(g().Text10.text(), "やった！！完了です。");
    EXPECT_TRUE(services.messages().empty());  // the board congratulates, not the grid
}

TEST_F(Auto, CandidateDisplayShowsThreeLinesOrTheCellsOwnText) {
    cmn().KouhoTbl[1][1] = cmn().KouhoTbl[1][5] = cmn().KouhoTbl[1][9] = 1;
    cmn().KouhoTbl[2][6] = 1;  // a single candidate, cell still empty
    g().Text1(2).setText("7");
    g().Kouhoda();
    auto& k = program.frmKouho();
    EXPECT_FALSE(k.visible());
    EXPECT_EQ(k.txtKouho(1).text(), "1　　\r\n　5　\r\n　　9");
    EXPECT_EQ(k.txtKouho(1).fontSize(), 16);
    EXPECT_EQ(k.txtKouho(1).backColor(), cmn().IroMiketei);
    EXPECT_FALSE(k.txtKouho(1).locked());
    EXPECT_TRUE(k.txtKouho(1).fontBold());
    EXPECT_EQ(k.txtKouho(2).text(), "");
    EXPECT_EQ(k.txtKouho(2).fontSize(), 48);
    EXPECT_EQ(k.txtKouho(2).backColor(), cmn().IroAuto1);
    EXPECT_TRUE(k.txtKouho(2).locked());
    EXPECT_EQ(k.txtKouho(3).text(), "7");
    EXPECT_EQ(k.txtKouho(3).foreColor(), ui::kBlack);
}

TEST_F(Auto, CandidatesButtonShowsTheWindowWithThisGridsFile) {
    grid2().lblMondaiFile.setCaption("b.txt");
    grid2().cmdKouho_Click();
    auto& k = program.frmKouho();
    EXPECT_TRUE(k.visible());
    EXPECT_EQ(k.lblKouhoFile.caption(), "b.txt ");
    EXPECT_EQ(k.left(), 6950);
    EXPECT_EQ(k.top(), 300);
}
