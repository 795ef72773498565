#include "DoubleProblem.h"
#include "ProgramFixture.h"
#include "state/PuzzleState.h"
#include "board/cmnMod01.h"
#include "hint/frmHint.h"
#include "puzzle/LogicState.h"
#include "puzzle/Solver.h"

namespace {

struct Hint : ProgramFixture {
    DoubleProblem problem = DoubleProblem::Load("sensei-1-180422-185709.easy.txt");
    Hint() { start(); }

    // The problem's givens on the board (pattern 12), locked as loading a problem locks them.
    void loadProblem() {
        ASSERT_TRUE(problem.valid());
        for (int g = 1; g <= 2; ++g)
            for (int k = 1; k <= 81; ++k) {
                char ch = problem.givens[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(k - 1)];
                if (ch >= '1' && ch <= '9') {
                    boardCell(g, k).setText(std::string(1, ch));
                    boardCell(g, k).setLocked(true);
                }
            }
    }
    int solutionAt(int g, int k) const { return problem.solution[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(k - 1)] - '0'; }
    hint::frmHint& window() { return program.frmHint(); }
    // What a press of ヒント showed: its message, or the step in the hint window.
    std::string pressHint() {
        const std::size_t seen = services.messages().size();
        click(main().cmdHint);
        if (services.messages().size() > seen) return services.messages().back();
        return window().visible() ? window().lblText.caption() : "";
    }
    // Board cells not painted IroMiketei.
    std::vector<int> painted() {
        std::vector<int> cells;
        for (int c = 1; c <= 225; ++c)
            if (main().text1(c).backColor() != cmn().IroMiketei) cells.push_back(c);
        return cells;
    }
};

TEST_F(Hint, AWrongDigitIsNamedAndNothingElse) {
    loadProblem();
    // Grid 2, row 9, column 1 is empty; write a digit its units allow but the solution does not.
    int k = 73;
    ASSERT_EQ(problem.givens[1][72], '.');
    puzzle::LogicState state(program.state().reading().board);
    int wrong = 0;
    for (int d : puzzle::DigitsOf(state.candidates(cmn().GridMasu[12][2][k])))
        if (d != solutionAt(2, k)) wrong = d;
    ASSERT_NE(wrong, 0);
    boardCell(2, k).setText(std::to_string(wrong));
    click(main().cmdHint);
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(services.messages()[0], "間違っている数字が 1 個あります。\n色を付けたマスです。");
    int c = cmn().GridMasu[12][2][k];
    EXPECT_EQ(painted(), std::vector<int>{c});
    EXPECT_EQ(main().text1(c).backColor(), cmn().IroError);
    EXPECT_EQ(boardCell(2, k).text(), std::to_string(wrong));
}

TEST_F(Hint, ARightDigitGetsTheNextStepAndNothingIsPlaced) {
    loadProblem();
    boardCell(2, 73).setText(std::to_string(solutionAt(2, 73)));
    std::vector<std::string> before;
    for (int c = 1; c <= 225; ++c) before.push_back(main().text1(c).text());
    const std::string shown = pressHint();
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(shown.rfind("ヒント（", 0), 0u) << shown;
    EXPECT_FALSE(painted().empty());
    for (int c = 1; c <= 225; ++c) EXPECT_EQ(main().text1(c).text(), before[static_cast<std::size_t>(c - 1)]);
    // The colour clear removes the paint.
    click(main().cmdClear02);
    EXPECT_TRUE(painted().empty());
}

TEST_F(Hint, FollowingTheHintsSolvesTheProblem) {
    loadProblem();
    std::string shown;
    for (int n = 0; n < 200; ++n) {
        shown = pressHint();
        if (shown == "盤面はすべて埋まっています。") break;
        ASSERT_EQ(shown.rfind("ヒント（", 0), 0u) << shown;
        // Write what the hint decided: cells painted IroAuto1 that are empty and have one answer.
        for (int g = 1; g <= 2; ++g)
            for (int k = 1; k <= 81; ++k)
                if (boardCell(g, k).backColor() == cmn().IroAuto1 && boardCell(g, k).text().find_first_not_of(' ') == std::string::npos &&
                    shown.find("入ります") != std::string::npos)
                    boardCell(g, k).setText(std::to_string(solutionAt(g, k)));
    }
    EXPECT_EQ(shown, "盤面はすべて埋まっています。");
    // A message that is no step closes the window of the last one.
    EXPECT_FALSE(window().visible());
}

// Every fault of the board is said by ヒント exactly as 検証 says it, with the same icon and
// the same cells painted.
TEST_F(Hint, EachFaultIsSaidAndPaintedAs検証SaysIt) {
    auto both = [&](const char* what) -> std::string {
        SCOPED_TRACE(what);
        services.clearRecords();
        click(main().cmdHint);
        const std::vector<int> hintPainted = painted();
        click(main().cmdKensyou);
        EXPECT_EQ(services.records().size(), 2u);
        if (services.records().size() != 2) return {};
        EXPECT_EQ(services.records()[0].text, services.records()[1].text);
        EXPECT_EQ(services.records()[0].icon, ui::MsgIcon::Exclamation);
        EXPECT_EQ(services.records()[1].icon, ui::MsgIcon::Exclamation);
        EXPECT_EQ(hintPainted, painted());
        return services.records()[0].text;
    };
    boardCell(1, 10).setText("x");
    EXPECT_EQ(both("not a digit"), "グリッド1の 2 行 1 列に、数字ではない「x」が入っています。\n1〜9 の数字か空白にしてください。");
    EXPECT_EQ(painted(), std::vector<int>{16});
    boardCell(1, 10).setText("");
    boardCell(2, 1).setText("5");
    boardCell(2, 9).setText("5");
    EXPECT_EQ(both("twice in a row"), "グリッド2の 1 行目に 5 が2つあります（1 行 1 列と 1 行 9 列）。");
    EXPECT_EQ(painted(), (std::vector<int>{97, 105}));
    boardCell(2, 9).setText("");
    // Grid 1's row 1 holds 1 to 8 and its last cell sees a 9 below it: no solution, no repeat.
    for (int k = 1; k <= 8; ++k) boardCell(1, k).setText(std::to_string(k));
    boardCell(1, 18).setText("9");
    boardCell(2, 1).setText("");
    EXPECT_EQ(both("no solution").rfind("解がありません。", 0), 0u);
    EXPECT_TRUE(painted().empty());
}

TEST_F(Hint, AnEmptyBoardAsksForAProblem) {
    click(main().cmdHint);
    EXPECT_EQ(services.messages(), std::vector<std::string>{"盤面に数字がありません。問題を入力してから、ヒントを押してください。"});
}

TEST_F(Hint, RemovalsStayInTheCandidatesUntilTheyAreRecalculated) {
    // Grid 2's row 1 holds 1 to 6 outside the shared box: 7, then 8, are locked in the box.
    for (int k = 4; k <= 9; ++k) boardCell(2, k).setText(std::to_string(k - 3));
    std::vector<std::string> shown{pressHint()};
    shown.push_back(pressHint());
    EXPECT_NE(shown[0].find("では、7が入るのは"), std::string::npos) << shown[0];
    EXPECT_NE(shown[1].find("では、8が入るのは"), std::string::npos) << shown[1];
    // With the candidates hidden, a step shown keeps its removals in them: grid 1's row 7
    // outside the box has lost 7 and 8, and a digit placed and taken away elsewhere leaves
    // that alone.
    EXPECT_EQ(main().chkKouho.value(), 0);
    EXPECT_EQ(boardCell(1, 55).candidates() & ((1 << 7) | (1 << 8)), 0);
    boardCell(1, 1).setText("9");
    boardCell(1, 1).setText("");
    EXPECT_EQ(boardCell(1, 55).candidates() & ((1 << 7) | (1 << 8)), 0);
    shown.push_back(pressHint());
    EXPECT_EQ(shown[2].find("では、7が入るのは"), std::string::npos) << shown[2];
    // 候補を再計算 starts again from the board, and so does the hint.
    click(main().cmdKouhoSaikeisan);
    EXPECT_EQ(boardCell(1, 55).candidates() & (1 << 7), 1 << 7);
    EXPECT_EQ(pressHint(), shown[0]);
    EXPECT_TRUE(services.messages().empty());
}

}  // namespace

// A cell set without a key or a click has not been counted; the hint reads the board and shows
// the count, whatever it then says (here: the next step).
TEST_F(Hint, ShowsTheCountOfTheCellsItReads) {
    loadProblem();
    main().lblSetCount.setCaption("0");
    click(main().cmdHint);
    int filled = 0;
    for (int c = 1; c <= 225; ++c) {
        const std::string& text = main().text1(c).text();
        filled += text.size() == 1 && text[0] >= '1' && text[0] <= '9';
    }
    EXPECT_GT(filled, 0);
    EXPECT_EQ(main().lblSetCount.caption(), std::to_string(filled));
}
