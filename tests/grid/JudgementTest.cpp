#include "GridFixture.h"

namespace {

struct Judgement : GridFixture {
    Judgement() {
        // The grid as a problem load leaves it: "" in every empty cell.
        for (int i = 0; i <= 80; ++i) grid1().Text1(i).setText("");
    }
    grid::frmMozelAuto& g() { return grid1(); }
    std::string text(int k) { return g().Text1(k - 1).text(); }
    void diagonalMode() { options().chkTaikakusen.setValue(1); }
    std::vector<std::string> listed() {
        std::vector<std::string> out;
        for (int i = 1; i <= 81 && !g().txtGaitoSpace(i).text().empty(); ++i) out.push_back(g().txtGaitoSpace(i).text());
        return out;
    }
};

}  // namespace

TEST_F(Judgement, AbsentDigitPaintsNothingAndListsEveryFreeCell) {
    options().chkAutoCheck1.setValue(0);
    g().btnSuujiHantei_Click(4);
    EXPECT_EQ(g().Text2(0).text(), "*");
    for (int k = 1; k <= 81; ++k) {
        EXPECT_EQ(colour(g(), k), cmn().IroMiketei);
        EXPECT_EQ(cmn().KouhoTbl[k][4], 0);  // level 1 off: no free-cell list
    }
    options().chkAutoCheck1.setValue(1);
    g().btnSuujiHantei_Click(4);
    // All 81 free cells are listed and marked, none cut off.
    EXPECT_EQ(listed().size(), 81u);
    EXPECT_EQ(g().txtGaitoSpace(81).text(), "80");
    for (int k = 1; k <= 81; ++k) EXPECT_EQ(cmn().KouhoTbl[k][4], 1);
    EXPECT_EQ(g().Text9.text(), "この数字は、現在0個決定されています。");
}

TEST_F(Judgement, MarksTheDigitItsUnitsAndOtherDigits) {
    fill(g(), 1, {"5", "3", "0"});
    g().btnSuujiHantei_Click(5);
    EXPECT_EQ(colour(g(), 1), cmn().IroGaito);
    EXPECT_EQ(colour(g(), 2), cmn().IroRyouiki);   // other digits in the row are ruled out too
    EXPECT_EQ(colour(g(), 73), cmn().IroRyouiki);  // column
    EXPECT_EQ(colour(g(), 21), cmn().IroRyouiki);  // box
    EXPECT_EQ(colour(g(), 41), cmn().IroMiketei);
    EXPECT_EQ(boardCell(1, 1).backColor(), cmn().IroGaito);
    EXPECT_EQ(boardCell(1, 73).backColor(), cmn().IroRyouiki);
    EXPECT_EQ(g().Text2(0).text(), "1");
    EXPECT_EQ(g().Text2(1).text(), "*");
    EXPECT_EQ(cmn().KouhoTbl[1][5], 0);
    EXPECT_EQ(cmn().KouhoTbl[41][5], 1);
    EXPECT_TRUE(g().SUUJI1(5).value());
    EXPECT_TRUE(main().SUUJI1(5).value());
    EXPECT_EQ(g().IroLock, 1);
    EXPECT_EQ(g().Text4(0).text(), "8");  // sums recomputed
}

TEST_F(Judgement, OtherDigitsAreFixedWhiteEvenWithAnotherUndecidedColour) {
    cmn().IroMiketei = 0xFF00FF;
    fill(g(), 41, {"3"});
    g().btnSuujiHantei_Click(5);
    EXPECT_EQ(colour(g(), 41), 0xFFFFFF);
    EXPECT_EQ(colour(g(), 1), 0xFF00FF);
}

TEST_F(Judgement, NineCellsCompleteTheDigit) {
    // 7 in every box on a diagonal-free pattern: cells of a valid placement.
    for (int k : {1, 13, 25, 29, 41, 53, 57, 69, 81}) g().Text1(k - 1).setText("7");
    g().btnSuujiHantei_Click(7);
    EXPECT_EQ(g().Check1(7).value(), 1);
    EXPECT_EQ(g().Text9.text(), "やった！！この数字は、完了です。");
    EXPECT_TRUE(listed().empty());
}

TEST_F(Judgement, ColumnPlacementShowsTheColumnColourRowAndBoxTheShade) {
    // Digit 1 stands once in each of rows 2..9, columns 2..9 and boxes 2..9, so the only free
    // cell of row 1, of column 1 and of box 1 is cell 1.
    const int cells[] = {13, 25, 29, 41, 53, 57, 69, 81};
    for (int k : cells) g().Text1(k - 1).setText("1");
    g().btnSuujiHantei_Click(1);
    EXPECT_EQ(text(1), "1");
    EXPECT_EQ(boardCell(1, 1).text(), "1");
    // Written by the column rule, then the row and box rules: it keeps the shade.
    EXPECT_EQ(colour(g(), 1), cmn().IroAuto1 - 30);
    EXPECT_EQ(boardCell(1, 1).backColor(), 0x00FFE1);
    // The count reported is the one found before the placement.
    EXPECT_EQ(g().Text9.text(), "この数字は、現在8個決定されています。");
}

TEST_F(Judgement, ColumnOnlyPlacementKeepsTheColumnColour) {
    // Column 1 holds digits but in rows 1 and 5, and a 2 in row 1 rules out cell 1: cell 37
    // is the column's single place, while its row and box have other free cells.
    const std::pair<int, const char*> column1[] = {{2, "1"}, {3, "3"}, {4, "4"}, {6, "5"}, {7, "6"}, {8, "7"}, {9, "8"}};
    for (auto [row, digit] : column1) g().Text1((row - 1) * 9).setText(digit);
    g().Text1(8).setText("2");  // row 1, column 9
    g().btnSuujiHantei_Click(2);
    EXPECT_EQ(text(37), "2");
    EXPECT_EQ(colour(g(), 37), cmn().IroAuto1);
}

TEST_F(Judgement, CellsHoldingTwoBlanksAreNotFreeAndBlockSinglePlaces) {
    // Column 1: every cell but 1 and 10 holds a digit; cell 10 holds "  ".
    for (int r = 3; r <= 9; ++r) g().Text1((r - 1) * 9).setText(std::to_string(r));
    g().Text1(9).setText("  ");
    g().btnSuujiHantei_Click(1);
    EXPECT_EQ(cmn().KouhoTbl[10][1], 0);
    EXPECT_EQ(cmn().KouhoTbl[1][1], 1);
    // Cell 1 is the only listed cell of column 1, but "  " in cell 10 could still take the 1.
    EXPECT_EQ(text(1), "");
    EXPECT_EQ(text(10), "  ");

    // Once cell 10 is ruled out (a 1 in its row), cell 1 is the single place.
    g().Text1(17).setText("1");  // row 2, column 9
    g().btnSuujiHantei_Click(1);
    EXPECT_EQ(text(1), "1");
    EXPECT_EQ(text(10), "  ");
}

TEST_F(Judgement, DiagonalsInDiagonalMode) {
    diagonalMode();
    g().Text1(40).setText("5");  // centre
    g().btnSuujiHantei_Click(5);
    EXPECT_EQ(colour(g(), 1), cmn().IroRyouiki);
    EXPECT_EQ(colour(g(), 73), cmn().IroRyouiki);
    EXPECT_EQ(colour(g(), 81), cmn().IroRyouiki);

    g().Text1(40).setText("");
    g().Text1(16).setText("5");  // row 2, column 8: on the anti-diagonal only
    g().btnSuujiHantei_Click(5);
    EXPECT_EQ(colour(g(), 25), cmn().IroRyouiki);  // anti-diagonal, row 3
    EXPECT_EQ(colour(g(), 81), cmn().IroMiketei);  // main diagonal untouched
}

TEST_F(Judgement, DiagonalRuleCanFillACellHoldingTwoBlanks) {
    diagonalMode();
    // Main diagonal: cells 1..73 of it hold 1..8, cell 81 holds "  ".
    const int cells[] = {1, 11, 21, 31, 41, 51, 61, 71};
    for (int i = 0; i < 8; ++i) g().Text1(cells[i] - 1).setText(std::to_string(i + 1));
    g().Text1(80).setText("  ");
    g().btnSuujiHantei_Click(9);
    EXPECT_EQ(text(81), "9");
    EXPECT_EQ(colour(g(), 81), cmn().IroOnly);
}

TEST_F(Judgement, NonNumericCellAbandonsTheJudgementThere) {
    fill(g(), 1, {"5"});
    // A text that reached the cell without the change check.
    g().Text1(20).onChange = nullptr;
    g().Text1(20).setText("y");
    g().btnSuujiHantei_Click(5);
    EXPECT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(text(21), "  ");
    EXPECT_EQ(colour(g(), 1), cmn().IroGaito);  // painted before the bad cell
    EXPECT_EQ(g().Text2(1).text(), "  ");       // the list was not closed
    EXPECT_EQ(g().Text9.text(), "１個の数字のチェック状況表示");
}

TEST_F(Judgement, RedrawsOnlyWithScreenDisplayOn) {
    int before1 = g().refreshCount(), beforeBoard = main().refreshCount();
    g().btnSuujiHantei_Click(3);
    EXPECT_EQ(g().refreshCount() - before1, 3);
    EXPECT_EQ(main().refreshCount() - beforeBoard, 3);
    int before2 = grid2().refreshCount();
    beforeBoard = main().refreshCount();
    grid2().btnSuujiHantei_Click(3);
    EXPECT_EQ(grid2().refreshCount() - before2, 3);
    EXPECT_EQ(main().refreshCount() - beforeBoard, 2);  // not after its placement rules
    options().chkGlook.setValue(0);
    before1 = g().refreshCount();
    g().btnSuujiHantei_Click(3);
    EXPECT_EQ(g().refreshCount(), before1);
}

TEST_F(Judgement, AffectedAreaButtonRepaintsTheListedCells) {
    fill(g(), 1, {"4"});
    g().btnSuujiHantei_Click(4);
    click(g().mnuIro);
    EXPECT_EQ(colour(g(), 9), cmn().IroMiketei);
    g().Command41_Click(1);
    EXPECT_EQ(colour(g(), 9), cmn().IroRyouiki);
    EXPECT_EQ(colour(g(), 1), cmn().IroGaito);
    // A typed-in entry that is no cell number is passed over.
    g().Text2(0).setText("99");
    g().Command41_Click(1);
    EXPECT_TRUE(services.messages().empty());
}
