// 問題にする, pasting a problem and copying the board: a problem placed as a load places it,
// refusals that change nothing, and copy then paste giving the same board.
#include "ProgramFixture.h"
#include "PuzzleState.h"
#include "state/PuzzleState.h"
#include "puzzle/Generator.h"
#include "puzzle/ProblemLine.h"
#include "ui/Keys.h"

namespace {

struct Problem : ProgramFixture {
    Problem() { start(); }
    void press(ui::Control& control, const char* key) { ui::Press(program.forms(), control, *ui::ParseKeySequence(key)); }
    std::string state() { return puzzlestate::Dump(program); }
    void paste(const std::string& text) {
        services.SetClipboardText(text);
        press(main().text1(1), "Ctrl+V");
    }
    // Every cell of the pattern: givens locked and black on white, the others free ("").
    void expectPlaced(const puzzle::DoubleBoard& problem) {
        ASSERT_EQ(cmn().PatternNo, problem.pattern);
        EXPECT_EQ(main().cmdNaname01.visible(), problem.diagonal);
        for (int g = 1; g <= 2; ++g) {
            for (int k = 1; k <= 81; ++k) {
                int d = problem.at(g, k);
                const ui::TextBox& cell = boardCell(g, k);
                EXPECT_EQ(cell.text(), d ? std::string(1, static_cast<char>('0' + d)) : "") << g << "," << k;
                EXPECT_EQ(cell.locked(), d != 0) << g << "," << k;
                const ui::TextBox& window = (g == 1 ? grid1() : grid2()).Text1(k - 1);
                EXPECT_EQ(window.text(), cell.text()) << g << "," << k;
            }
        }
        for (int i = 1; i <= 3; ++i) EXPECT_TRUE(main().cmdHanteiA(i).visible());
    }
};

puzzle::DoubleBoard Sample(int pattern, bool diagonal = false) {
    puzzle::DoubleBoard board = puzzle::GenerateProblem(pattern, diagonal, 40u + static_cast<unsigned>(pattern));
    return board;
}

}  // namespace

TEST_F(Problem, MakingTheTypedBoardTheProblemLocksItsGivensAndFreesTheRest) {
    puzzle::DoubleBoard problem = Sample(12);
    for (int c = 1; c <= 225; ++c) {
        if (problem.digits[static_cast<size_t>(c)]) type(main().text1(c), std::string(1, static_cast<char>('0' + problem.digits[static_cast<size_t>(c)])));
    }
    main().txtMondaiMemo.setText("本から写した問題");
    click(main().cmdMondaiNiSuru);
    EXPECT_EQ(services.messages().back(), "解は1つだけです。\n盤面の数字を問題にします。");
    expectPlaced(problem);
    EXPECT_EQ(main().txtMondaiMemo.text(), "本から写した問題") << "the texts the user gave stay";
    EXPECT_EQ(main().lblSetCount.caption(), std::to_string(std::count_if(problem.digits.begin(), problem.digits.end(), [](auto d) { return d != 0; })));
    // One step.
    click(main().cmdModosu);
    EXPECT_FALSE(main().text1(problem.digits[1] ? 1 : 2).locked());
}

TEST_F(Problem, AFaultyBoardIsRefusedWithTheWordsOfKensyouAndNothingChanges) {
    auto refused = [&](const std::string& expected) {
        const std::string before = state();
        services.clearRecords();
        click(main().cmdMondaiNiSuru);
        ASSERT_EQ(services.messages().size(), 1u);
        EXPECT_EQ(services.messages()[0], expected);
        EXPECT_TRUE(state() == before) << puzzlestate::FirstDifference(before, state());
    };
    // Two 5s in row 1 of grid 1.
    type(main().text1(1), "5");
    type(main().text1(2), "5");
    click(main().cmdKensyou);
    const std::string duplicate = services.messages().back();
    click(main().cmdClear02);
    refused(duplicate);
    // A letter.
    click(main().cmdClear01);
    main().text1(1).setText("a");
    click(main().cmdKensyou);
    const std::string letter = services.messages().back();
    click(main().cmdClear02);
    refused(letter);
    // No solution: 1..8 in row 1 and a 9 below the empty ninth cell's column... of the box.
    click(main().cmdClear01);
    for (int c = 1; c <= 8; ++c) type(main().text1(c), std::string(1, static_cast<char>('0' + c)));
    type(main().text1(16 + 6), "9");  // row 2, column 7: the box of the ninth cell holds 9
    click(main().cmdKensyou);
    const std::string none = services.messages().back();
    ASSERT_EQ(none.rfind("解がありません。", 0), 0u) << none;
    refused(none);
}

TEST_F(Problem, SeveralSolutionsAreSaidAndTheBoardStillBecomesTheProblem) {
    type(main().text1(1), "5");
    click(main().cmdMondaiNiSuru);
    EXPECT_EQ(services.messages().back().rfind("解が2つ以上あります。", 0), 0u);
    EXPECT_TRUE(main().text1(1).locked());
    EXPECT_EQ(main().text1(2).text(), "");
}

// Copy then paste gives the same board on every pattern, with and without the diagonal rule.
TEST_F(Problem, CopiedBoardsPasteBackOnEveryPattern) {
    for (int p = 1; p <= 12; ++p) {
        for (bool diagonal : {false, true}) {
            puzzle::DoubleBoard problem = Sample(p, diagonal);
            problem.diagonal = diagonal;
            services.SetClipboardText(puzzle::FormatProblemLine(problem));
            press(main().text1(1), "Ctrl+V");
            expectPlaced(problem);
            for (const char* copy : {"Ctrl+C", "Ctrl+Shift+C"}) {
                press(main().text1(5), copy);
                const std::string copied = services.ClipboardText();
                click(main().cmdClear01);
                press(main().text1(1), "Ctrl+V");
                puzzle::DoubleBoard back = program.state().reading().board;
                EXPECT_EQ(back, problem) << "pattern " << p << (diagonal ? " x " : " ") << copy << "\n" << copied;
            }
        }
    }
}

TEST_F(Problem, PastingSaysWhatIsWrongAndLeavesTheBoard) {
    type(main().text1(3), "4");
    const std::string before = state();
    auto refusedWith = [&](const std::string& text, const std::string& words) {
        services.clearRecords();
        paste(text);
        ASSERT_EQ(services.messages().size(), 1u) << text;
        EXPECT_NE(services.messages()[0].find(words), std::string::npos) << services.messages()[0];
        EXPECT_TRUE(state() == before) << puzzlestate::FirstDifference(before, state());
    };
    refusedWith("", "クリップボードに文字がありません");
    refusedWith("hello world", "問題として読めません");
    std::string lonely;
    for (int r = 0; r < 9; ++r) lonely += "5........\n";
    refusedWith(lonely, "どれとも合いません");
    // A digit twice in a unit, worded as 検証 words it.
    std::string twice = "12 55" + std::string(79, '.') + " " + std::string(81, '.');
    refusedWith(twice, "グリッド1の 1 行目に 5 が2つあります");
    EXPECT_EQ(program.journal().steps(), 1u) << "a refused paste is no step";
}

// In a text box that is no cell, Ctrl+V is the text box's own paste; the clipboard stays.
TEST_F(Problem, CtrlVInAnotherTextBoxIsNoProblemPaste) {
    puzzle::DoubleBoard problem = Sample(12);
    services.SetClipboardText(puzzle::FormatProblemLine(problem));
    press(main().txtMondaiMemo, "Ctrl+V");
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(main().text1(1).text(), "  ");
    press(grid1().Text1(0), "Ctrl+V");
    expectPlaced(problem);
}
