#include <set>

#include "DoubleProblem.h"
#include "ProgramFixture.h"
#include "board/PatternTables.h"
#include "candidates/frmKouho.h"
#include "ui/Value.h"

using namespace board;

namespace {

struct Judge : ProgramFixture {
    Judge() { start(); }

    void switchTo(int pattern) {
        while (cmn().PatternNo != pattern) click(main().cmdPattern);
    }
    ui::TextBox& at(int row, int column) { return main().text1(BoardCell(row, column)); }

    // Puts the givens on the board as loading would: digits, and "" for empty cells.
    void typeIn(const DoubleProblem& p) {
        for (int g = 1; g <= 2; ++g) {
            for (int k = 1; k <= 81; ++k) {
                char c = p.givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
                boardCell(g, k).setText(c >= '1' && c <= '9' ? std::string(1, c) : "");
            }
        }
        int16_t n = 0;
        main().lblSetCount_CountSet(n);
        main().lblSetCount.setCaption(std::to_string(n));
    }
    int filled() { return static_cast<int>(ui::Val(main().lblSetCount.caption())); }
};

}  // namespace

TEST_F(Judge, CrossGridRuleRowStepWithShortSegments) {
    // Pattern 1: the grids share rows 1-9; row 2 has grid-1-only columns 1-3 and grid-2-only
    // columns 10-12.
    switchTo(1);
    at(2, 2).setText("5");
    at(2, 10).setText("1");
    at(2, 11).setText("  ");
    at(2, 12).setText("  ");
    at(5, 12).setText("5");  // rules out (2, 12) for grid 2 through its column
    click(main().cmdHantei(5));
    EXPECT_EQ(at(2, 11).text(), "5");
    EXPECT_EQ(at(2, 11).backColor(), 0x01FEFF);  // IroAuto1 + 65280, carry included
    EXPECT_EQ(at(2, 12).text(), "  ");
}

TEST_F(Judge, CrossGridRuleNeedsExactlyOneFreeCell) {
    switchTo(1);
    at(2, 2).setText("5");
    at(2, 10).setText("1");
    click(main().cmdHantei(5));
    EXPECT_EQ(at(2, 11).text(), "  ");
    EXPECT_EQ(at(2, 12).text(), "  ");
}

TEST_F(Judge, CrossGridRuleStopsWhenBothOuterPartsHoldTheDigit) {
    switchTo(1);
    at(2, 2).setText("5");
    at(2, 10).setText("5");
    click(main().cmdHantei(5));
    for (int c = 11; c <= 12; ++c) EXPECT_EQ(at(2, c).text(), "  ");
}

TEST_F(Judge, CrossGridRuleWithLongSegments) {
    // Pattern 2: the outer parts of a shared row are six cells long.
    switchTo(2);
    at(3, 1).setText("7");
    for (int c = 10; c <= 14; ++c) at(3, c).setText(std::to_string(c - 9));
    click(main().cmdHantei(7));
    EXPECT_EQ(at(3, 15).text(), "7");
    EXPECT_EQ(at(3, 15).backColor(), 0x0100FE);  // IroAuto1 + 255
}

TEST_F(Judge, CrossGridRuleColumnStep) {
    // Pattern 5: grid 2 three rows down; column 4 has rows 1-3 (grid 1 only) against 10-12.
    switchTo(5);
    at(1, 4).setText("3");
    at(10, 4).setText("1");
    at(11, 4).setText("2");
    click(main().cmdHantei(3));
    EXPECT_EQ(at(12, 4).text(), "3");
    EXPECT_EQ(at(12, 4).backColor(), cmn().IroAuto1 + 65280);
}

TEST_F(Judge, OneDigitJudgementLeavesGridTwoMarksAndCounts) {
    auto& w = main();
    at(1, 1).setText("4");
    at(9, 9).setText("6");   // shared cell
    click(w.cmdHantei(4));
    EXPECT_EQ(at(1, 1).backColor(), cmn().IroGaito);
    EXPECT_EQ(at(1, 5).backColor(), cmn().IroRyouiki);  // grid 1's mark on a grid-1-only cell
    EXPECT_EQ(w.lblSetCount.caption(), "2");
    EXPECT_TRUE(w.SUUJI1(4).value());
    EXPECT_TRUE(grid1().SUUJI1(4).value());
    EXPECT_EQ(grid1().Text9.text(), "この数字は、現在1個決定されています。");
    EXPECT_EQ(grid2().Text9.text(), "この数字は、現在0個決定されています。");
    EXPECT_FALSE(grid1().visible());
}

TEST_F(Judge, DigitsPlacedByGridOneReachGridTwoInTheSameCommand) {
    // Grid 1 column 9 holds 1..8 in rows 1-8 except one, the shared cell (9,9) is free: the
    // final digit cannot run here, but the column rule of grid 1 places the 9.
    for (int r = 1; r <= 8; ++r) at(r, 9).setText(std::to_string(r));
    at(9, 9).setText("");
    click(main().cmdHantei(9));
    EXPECT_EQ(at(9, 9).text(), "9");
    EXPECT_EQ(grid2().Text1(20).text(), "9");  // grid 2 cell 21 is board (9, 9)
}

TEST_F(Judge, CongratulatesOnceUntilChecksAreCleared) {
    auto& w = main();
    for (int d = 1; d <= 9; ++d) w.Check1(d).setValue(1);
    click(w.cmdHantei(1));
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"おめでとう"}));
    EXPECT_EQ(cmn().SolvedMark, 9);
    EXPECT_EQ(cmn().OmedetouZumi, -1);
    click(w.cmdHantei(2));
    EXPECT_EQ(services.messages().size(), 1u);
    click(w.cmdClear03);
    for (int d = 1; d <= 9; ++d) w.Check1(d).setValue(1);
    click(w.cmdHantei(3));
    EXPECT_EQ(services.messages().size(), 2u);
}

TEST_F(Judge, CongratulationPaintsBothGridsFromTheColourList) {
    services.setTimer(100.0);
    for (int d = 1; d <= 9; ++d) main().Check1(d).setValue(1);
    main().Omedetou();
    const std::set<ui::Color> allowed{0x00FFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0xFFFFFF, 150};
    std::set<ui::Color> seen;
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= 81; ++k) {
            EXPECT_TRUE(allowed.count(boardCell(g, k).backColor()));
            seen.insert(boardCell(g, k).backColor());
        }
    }
    EXPECT_GE(seen.size(), 6u);  // 153 draws over 8 colours
    EXPECT_EQ(at(1, 15).backColor(), cmn().IroMiketei);  // outside both grids
}

TEST_F(Judge, AnswerScreenShowsTheCandidatesWindow) {
    options().chkEndGamen.setValue(1);
    grid2().lblMondaiFile.setCaption("問題01.txt");
    main().Omedetou();
    auto& kouho = program.frmKouho();
    EXPECT_TRUE(kouho.visible());
    EXPECT_EQ(kouho.lblKouhoFile.caption(), "問題01.txt ");
    EXPECT_EQ(kouho.left(), 6950);
    EXPECT_EQ(kouho.top(), 300);
}

TEST_F(Judge, AllDigitsInTurnAndDifficultyCounter) {
    auto& w = main();
    at(1, 1).setText("1");
    w.lblSetCount.setCaption("1");
    w.txtNanido.setText("abc");
    click(w.cmdHantei123);
    EXPECT_EQ(w.txtNanido.text(), "1");
    click(w.cmdHantei123);
    EXPECT_EQ(w.txtNanido.text(), "2");
    EXPECT_EQ(at(1, 1).backColor(), cmn().IroMiketei);  // colours cleared at the end
}

TEST_F(Judge, JudgementOfOneGridShowsOnlyGridOne) {
    click(main().cmdHanteiA(1));
    EXPECT_TRUE(grid1().visible());
    click(main().cmdHanteiA(2));
    EXPECT_FALSE(grid2().visible());
    EXPECT_EQ(main().txtNanido.text(), "2");
}

struct SolveCase {
    const char* file;
    int pattern;
    int cells;
    bool singlesOnly;  // solvable by the automatic judgement alone
};

class Solve : public Judge, public ::testing::WithParamInterface<SolveCase> {};

// The automatic judgement fills a singles puzzle to the end, and on any puzzle never places a
// digit that differs from the solution.
TEST_P(Solve, RepeatedAutomaticJudgementPlacesOnlyRightDigits) {
    const SolveCase& c = GetParam();
    DoubleProblem p = DoubleProblem::Load(c.file);
    ASSERT_TRUE(p.valid());
    switchTo(c.pattern);
    typeIn(p);
    // The user repeats the automatic judgement while it makes progress and the board is not full.
    int steps = 0;
    for (int before = -1; filled() < c.cells && filled() != before; ++steps) {
        before = filled();
        click(main().cmdHanteiA(3));
    }
    int wrong = 0;
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= 81; ++k) {
            const std::string& text = boardCell(g, k).text();
            if (!text.empty() && text != std::string(1, p.solution[g - 1][k - 1])) ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(steps, 1);
    if (!c.singlesOnly) return;
    EXPECT_EQ(filled(), c.cells);
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"おめでとう"}));
    for (int d = 1; d <= 9; ++d) EXPECT_EQ(main().Check1(d).value(), 1);
}

INSTANTIATE_TEST_SUITE_P(Puzzles, Solve,
                         ::testing::Values(SolveCase{"sensei-4-180705-104524.40.VeryEasy.txt", 6, 126, true},
                                           SolveCase{"sensei-1-180422-185709.easy.txt", 12, 153, false},
                                           SolveCase{"sensei-2-180422-202556.easy.txt", 11, 144, false},
                                           SolveCase{"sensei-1-180501-144448.hard.txt", 12, 153, false}));
