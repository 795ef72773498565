// Undo and redo of what a user does on the board and in the other windows, through the keys,
// the buttons and every kind of action: each is one step, and undo gives back exactly the
// puzzle state before it.
#include "DoubleProblem.h"
#include "ProgramFixture.h"
#include "PuzzleState.h"
#include "candidates/frmKouho.h"
#include "ui/Keys.h"

namespace {

struct Undo : ProgramFixture {
    Undo() { start(); }
    void press(ui::Control& control, const char* key) { ui::Press(program.forms(), control, *ui::ParseKeySequence(key)); }
    std::string state() { return puzzlestate::Dump(program); }
    // The action is one step: undo gives the state before, redo the state after.
    template <typename F>
    void expectOneStep(const char* what, F&& action) {
        SCOPED_TRACE(what);
        const std::string before = state();
        const std::size_t steps = program.journal().steps();
        action();
        const std::string after = state();
        ASSERT_TRUE(after != before) << "the action changed nothing";
        ASSERT_EQ(program.journal().steps(), steps + 1);
        press(main().text1(1), "Ctrl+Z");
        EXPECT_TRUE(state() == before) << puzzlestate::FirstDifference(before, state());
        press(main().text1(1), "Ctrl+Y");
        EXPECT_TRUE(state() == after) << puzzlestate::FirstDifference(after, state());
        press(main().text1(1), "Ctrl+Z");
        press(main().text1(1), "Ctrl+Shift+Z");
        EXPECT_TRUE(state() == after) << puzzlestate::FirstDifference(after, state());
    }
    void typeProblem(const DoubleProblem& p) {
        for (int g = 1; g <= 2; ++g) {
            for (int k = 1; k <= 81; ++k) {
                char c = p.givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
                if (c >= '1' && c <= '9' && boardCell(g, k).text() != std::string(1, c)) boardCell(g, k).setText(std::string(1, c));
            }
        }
    }
};

}  // namespace

TEST_F(Undo, EachKindOfActionIsOneStep) {
    DoubleProblem p = DoubleProblem::Load("sensei-4-180705-104524.40.VeryEasy.txt");
    ASSERT_TRUE(p.valid());
    expectOneStep("pattern switch", [&] { click(main().cmdPattern); });
    expectOneStep("typed key", [&] { type(main().text1(3), "7"); });
    expectOneStep("palette", [&] { click(main().SUUJI1(4)); });
    expectOneStep("palette click in a cell", [&] { mouse(main().text1(5)); });
    event([&] { typeProblem(p); });
    expectOneStep("lock", [&] { click(main().cmdLock); });
    expectOneStep("judge 5", [&] { click(main().cmdHantei(5)); });
    expectOneStep("colour clear", [&] { click(main().cmdClear02); });
    expectOneStep("judge 1 to 9", [&] { click(main().cmdHantei123); });
    expectOneStep("automatic step", [&] { click(main().cmdHanteiA(3)); });
    expectOneStep("diagonal rule", [&] { click(options().chkTaikakusen); });
    expectOneStep("full clear", [&] { click(main().cmdClear01); });
}

// The full clear destroys the candidates window; undo brings it back with its contents and
// save slots.
TEST_F(Undo, TheCandidatesWindowComesBackWithItsSlots) {
    DoubleProblem p = DoubleProblem::Load("sensei-4-180705-104524.40.VeryEasy.txt");
    event([&] { typeProblem(p); });
    click(grid1().cmdAutoHantei);
    event([&] {
        program.frmKouho().T81Tbl[3][7] = "5";
        program.frmKouho().Text1(2).setText("slot 3 taken");
    });
    expectOneStep("full clear", [&] { click(main().cmdClear01); });
    EXPECT_FALSE(program.forms().isLoaded("frmKouho"));
    click(main().cmdModosu);
    ASSERT_TRUE(program.forms().isLoaded("frmKouho"));
    EXPECT_EQ(program.frmKouho().T81Tbl[3][7], "5");
    EXPECT_EQ(program.frmKouho().Text1(2).text(), "slot 3 taken");
}

TEST_F(Undo, ButtonsFollowTheJournal) {
    EXPECT_FALSE(main().cmdModosu.enabled());
    EXPECT_FALSE(main().cmdYarinaosi.enabled());
    type(main().text1(3), "7");
    EXPECT_TRUE(main().cmdModosu.enabled());
    click(main().cmdModosu);
    EXPECT_EQ(main().text1(3).text(), "  ");
    EXPECT_FALSE(main().cmdModosu.enabled());
    EXPECT_TRUE(main().cmdYarinaosi.enabled());
    click(main().cmdYarinaosi);
    EXPECT_EQ(main().text1(3).text(), "  7");
    EXPECT_EQ(main().lblSetCount.caption(), "1") << "the counter goes with its step";
    // A new action after an undo drops what could have been redone.
    click(main().cmdModosu);
    type(main().text1(4), "8");
    EXPECT_FALSE(main().cmdYarinaosi.enabled());
    // Messages are not shown again.
    services.clearRecords();
    click(main().cmdModosu);
    click(main().cmdYarinaosi);
    EXPECT_TRUE(services.records().empty());
}

TEST_F(Undo, ManyStepsAreKept) {
    for (int i = 0; i < 12000; ++i) event([&] { main().txtNanido.setText(std::to_string(i)); });
    int undone = 0;
    while (program.journal().canUndo()) {
        program.journal().undo();
        ++undone;
    }
    EXPECT_GE(undone, 10000);
}
