// The puzzle state as the windows see it: what the board holds as the engine reads it, one
// notification per operation, and the views that follow it (the main window's cells, the grid
// windows' candidates, PatternNo and the diagonal switch).
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ProgramFixture.h"
#include "board/PatternTables.h"
#include "puzzle/Generator.h"
#include "puzzle/GridPosition.h"
#include "puzzle/ProblemLine.h"
#include "state/PuzzleState.h"
#include "ui/Keys.h"

namespace {

struct PuzzleStateTest : ProgramFixture {
    PuzzleStateTest() { start(); }
    state::PuzzleState& puzzle() { return program.state(); }
    void press(ui::Control& control, const char* key) { ui::Press(program.forms(), control, *ui::ParseKeySequence(key)); }
    // Every grid window cell shows exactly the candidates and the shown flag of its board cell.
    void expectGridsShowTheState(const std::string& after) {
        for (int g = 1; g <= 2; ++g) {
            auto& window = g == 1 ? grid1() : grid2();
            for (int k = 1; k <= 81; ++k) {
                const int c = cmn().GridMasu[cmn().PatternNo][g][k];
                ASSERT_EQ(window.cell(k).property("Candidates"), main().text1(c).property("Candidates"))
                    << after << ": grid " << g << " cell " << k;
                ASSERT_EQ(window.cell(k).candidatesShown(), puzzle().cellCandidatesShown(c)) << after;
            }
        }
    }
};

}  // namespace

TEST_F(PuzzleStateTest, ReadsDigitsBlanksTheDiagonalRuleAndNamesTheFirstCellThatIsNoDigit) {
    boardCell(1, 1).setText("5");
    boardCell(1, 2).setText(" 7 ");
    boardCell(1, 3).setText("  ");
    boardCell(2, 81).setText("9");
    state::BoardReading r = puzzle().reading();
    EXPECT_FALSE(r.notDigit);
    EXPECT_EQ(r.board.pattern, 12);
    EXPECT_FALSE(r.board.diagonal);
    EXPECT_EQ(r.board.at(1, 1), 5);
    EXPECT_EQ(r.board.at(1, 2), 7);
    EXPECT_EQ(r.board.at(1, 3), 0);
    EXPECT_EQ(r.board.at(2, 81), 9);
    EXPECT_EQ(puzzle().filledCount(), 3);
    EXPECT_FALSE(puzzle().complete());

    // The options' switch, the main window's diagonal controls and the state agree.
    options().chkTaikakusen.setValue(1);
    EXPECT_TRUE(puzzle().reading().board.diagonal);
    EXPECT_TRUE(main().cmdNaname01.visible());
    main().cmdNaname01.setVisible(false);
    EXPECT_FALSE(puzzle().diagonal());

    boardCell(2, 80).setText("12");
    boardCell(2, 81).setText("a");
    r = puzzle().reading();
    ASSERT_TRUE(r.notDigit);
    EXPECT_EQ(*r.notDigit, cmn().GridMasu[12][2][80]);
    EXPECT_EQ(r.notDigitText, "12");
    const puzzle::GridPosition place = puzzle::PositionOf(12, *r.notDigit, 1);
    EXPECT_EQ(place.grid, 2);
    EXPECT_EQ(place.row, 9);
    EXPECT_EQ(place.column, 8);
}

TEST_F(PuzzleStateTest, EachOperationIsToldOnceWithTheCellsAndFieldsItChanged) {
    std::vector<state::StateChange> told;
    const int token = puzzle().changed.connect([&](const state::StateChange& change) { told.push_back(change); });
    const int c = cmn().GridMasu[12][1][1];
    const int peer = cmn().GridMasu[12][1][2];
    puzzle().placeDigit(c, 4);
    ASSERT_EQ(told.size(), 1u);
    unsigned cellFields = 0, peerFields = 0;
    for (const auto& [cell, fields] : told[0].cells) {
        if (cell == c) cellFields = fields;
        if (cell == peer) peerFields = fields;
    }
    EXPECT_EQ(cellFields, ui::CellStore::kText | ui::CellStore::kCandidates);
    EXPECT_EQ(peerFields, ui::CellStore::kCandidates);
    EXPECT_EQ(puzzle().cellCandidates(peer) & (1 << 4), 0);
    EXPECT_EQ(main().text1(c).text(), "4");

    // The same text again changes nothing and tells nothing.
    main().text1(c).setText("4");
    EXPECT_EQ(told.size(), 1u);
    // PatternNo is the state's pattern.
    cmn().PatternNo = 3;
    EXPECT_EQ(puzzle().pattern(), 3);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_TRUE(told[1].pattern);
    puzzle().setPattern(12);
    EXPECT_EQ(cmn().PatternNo, 12);
    puzzle().changed.disconnect(token);
}

TEST_F(PuzzleStateTest, AnOperationIsOneUndoStepAndTheViewsFollowTheUndo) {
    const int c = cmn().GridMasu[12][1][5];
    const std::string before = main().text1(c).text();
    event([&] { puzzle().placeDigit(c, 6); });
    event([&] { program.journal().undo(); });
    EXPECT_EQ(main().text1(c).text(), before);
    EXPECT_NE(main().text1(c).candidates() & (1 << 6), 0);
    event([&] { program.journal().redo(); });
    EXPECT_EQ(main().text1(c).text(), "6");
    EXPECT_EQ(main().text1(c).candidates(), 0);
}

// After every kind of placement the grid windows' cells show their board cells' candidates,
// givens included.
TEST_F(PuzzleStateTest, GridWindowsShowTheBoardsCandidatesAfterEveryPlacement) {
    const puzzle::DoubleBoard problem = puzzle::GenerateProblem(7, false, 47);
    const std::vector<std::pair<std::string, std::function<void()>>> placements = {
        {"paste",
         [&] {
             services.SetClipboardText(puzzle::FormatProblemLine(problem));
             press(main().text1(1), "Ctrl+V");
         }},
        {"typed digits", [&] { type(main().text1(cmn().GridMasu[7][2][81]), "3"); }},
        {"candidates shown", [&] { click(main().chkKouho); }},
        {"a candidate taken out in grid 2", [&] { press(grid2().cell(80), "Shift+1"); }},
        {"問題にする", [&] { click(main().cmdMondaiNiSuru); }},
        {"a hint applied",
         [&] {
             services.queueAnswer("適用");
             click(main().cmdHint);
         }},
        {"a new problem placed", [&] { main().PlaceProblem(puzzle::GenerateProblem(4, true, 9), nullptr); }},
        {"undo", [&] { press(main().text1(1), "Ctrl+Z"); }},
        {"the full clear", [&] { click(main().cmdClear01); }},
    };
    for (const auto& [name, place] : placements) {
        place();
        expectGridsShowTheState(name);
    }
}
