#include "GridFixture.h"

namespace {
struct Sums : GridFixture {
    void diagonalMode(bool on) { options().chkTaikakusen.setValue(on ? 1 : 0); }
};
}  // namespace

TEST_F(Sums, RowsColumnsAndBoxesUnderThe45Rule) {
    auto& g = grid1();
    fill(g, 1, {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    fill(g, 10, {"9", "9", "9", "9", "9", "2"});
    click(g.Command33);
    EXPECT_EQ(g.Text4(0).text(), "45");
    EXPECT_EQ(g.Text4(0).backColor(), cmn().IroMiketei);
    EXPECT_EQ(g.Text4(1).text(), "47");
    EXPECT_EQ(g.Text4(1).backColor(), cmn().IroGaito);
    EXPECT_EQ(g.Text4(2).text(), "0");
    EXPECT_EQ(g.Text5(0).text(), "10");
    EXPECT_EQ(g.Text8(0).text(), "33");  // 1+2+3+9+9+9
    EXPECT_EQ(g.Text8(1).text(), "35");  // 4+5+6+9+9+2
    EXPECT_EQ(g.Setting.text(), "15");
    EXPECT_EQ(g.Text7.text(), "");       // diagonals only in diagonal mode
}

TEST_F(Sums, HugeCellValuesDoNotOverflowTheSum) {
    auto& g = grid1();
    fill(g, 1, {"32767", "32767", "99999"});
    g.Command(10).click();
    EXPECT_EQ(g.Text4(0).text(), "165533");
    EXPECT_EQ(g.Text4(0).backColor(), cmn().IroGaito);
}

TEST_F(Sums, DiagonalSumsInDiagonalMode) {
    auto& g = grid1();
    diagonalMode(true);
    for (int i = 1; i <= 9; ++i) g.Text1(cmn().NanameX[i] - 1).setText("9");
    g.Text1(cmn().NanameY[1] - 1).setText("1");
    click(g.Command33);
    EXPECT_EQ(g.Text7.text(), "81");  // bottom right: main diagonal
    EXPECT_EQ(g.Text7.backColor(), cmn().IroGaito);
    EXPECT_EQ(g.Text6.text(), "10");  // bottom left: anti-diagonal (1 + the shared centre 9)
    EXPECT_EQ(g.Text6.backColor(), cmn().IroMiketei);
}

TEST_F(Sums, EqualDigitsInAColumnArePaintedOnGridAndBoard) {
    auto& g = grid1();
    g.Text1(0).setText("5");   // row 1, column 1
    g.Text1(45).setText("5");  // row 6, column 1
    g.mnuOnajiSuuji_Click();
    EXPECT_EQ(cmn().HintKind, 1);
    EXPECT_EQ(colour(g, 1), cmn().IroError);
    EXPECT_EQ(colour(g, 46), cmn().IroError);
    EXPECT_EQ(boardCell(1, 46).backColor(), cmn().IroError);
    EXPECT_EQ(colour(g, 2), cmn().IroMiketei);
}

TEST_F(Sums, TextCompareInLinesNumericCompareInBoxes) {
    auto& g = grid1();
    g.Text1(0).setText("5");
    g.Text1(9).setText(" 5");  // same column and same box
    g.mnuOnajiSuuji_Click();
    EXPECT_EQ(cmn().HintKind, 4);
    // Without duplicates the kind goes back to 0.
    g.Text1(9).setText("6");
    g.mnuOnajiSuuji_Click();
    EXPECT_EQ(cmn().HintKind, 0);
    EXPECT_EQ(colour(g, 1), cmn().IroMiketei);
}

TEST_F(Sums, LaterScansOverwriteTheKind) {
    auto& g = grid1();
    diagonalMode(true);
    g.Text1(0).setText("7");   // cell 1 and cell 81 on the main diagonal
    g.Text1(80).setText("7");
    g.mnuOnajiSuuji_Click();
    EXPECT_EQ(cmn().HintKind, 31);
    g.Text1(1).setText("3");
    g.Text1(8).setText("3");   // same row
    g.mnuOnajiSuuji_Click();
    EXPECT_EQ(cmn().HintKind, 2);
    diagonalMode(false);
    g.Text1(1).setText("  ");
    g.mnuOnajiSuuji_Click();
    EXPECT_EQ(cmn().HintKind, 0);  // the diagonals are not units now
}

TEST_F(Sums, ZeroAndEmptyCellsAreNeverDuplicates) {
    auto& g = grid1();
    fill(g, 1, {"0", "0", "  ", "  ", "", ""});
    g.mnuOnajiSuuji_Click();
    EXPECT_EQ(cmn().HintKind, 0);
}

TEST_F(Sums, DuplicateCheckKeepsAJudgementsColoursUnlessFromTheMenu) {
    auto& g = grid1();
    g.Text1(0).setText("5");
    g.Text1(1).setText("5");
    g.Text1(40).setBackColor(cmn().IroRyouiki);  // a judgement's mark, lock still on
    click(g.cmdOnajiSuuji);
    EXPECT_EQ(colour(g, 41), cmn().IroRyouiki);
    EXPECT_EQ(colour(g, 1), cmn().IroError);
    click(g.mnuOnajiSuuji);
    EXPECT_EQ(colour(g, 41), cmn().IroMiketei);
    EXPECT_EQ(colour(g, 1), cmn().IroError);
}

TEST_F(Sums, DiagonalCommands) {
    auto& g = grid1();
    diagonalMode(true);
    g.Text1(0).setText("4");
    g.Text1(10).setText("4");
    click(g.cmdNaname01);
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"対角線上に同じ数字が存在します。"}));
    EXPECT_EQ(g.Text7.text(), "");  // no sum after a duplicate
    g.Text1(8).setText("2");
    g.Text1(16).setText("2");
    click(g.cmdNaname02);
    EXPECT_EQ(services.messages().size(), 2u);
    EXPECT_EQ(g.Text6.text(), "4");  // the anti-diagonal is summed anyway
    g.Text1(10).setText("3");
    click(g.cmdNaname01);
    EXPECT_EQ(g.Text7.text(), "7");
}
