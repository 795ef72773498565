// What the board shows while a user solves: the digits' colours (givens, entries, repeats) and
// the congratulation when the last cell is filled, by a key, a click or a paste.
#include <algorithm>

#include "ProgramFixture.h"
#include "PublicDoubles.h"
#include "board/DigitColors.h"
#include "puzzle/ProblemLine.h"
#include "state/PuzzleState.h"
#include "ui/Keys.h"
#include "ui/Legibility.h"

namespace {

struct SolvingSurface : ProgramFixture {
    SolvingSurface() { start(); }
    void press(ui::Control& control, const char* key) { ui::Press(program.forms(), control, *ui::ParseKeySequence(key)); }
    ui::Color color(int c) { return main().text1(c).foreColor(); }
    int congratulations() {
        int n = 0;
        for (const std::string& m : services.messages()) n += m.rfind("おめでとう", 0) == 0;
        return n;
    }
    // A public problem placed, then its solution filled in by code except for one empty cell.
    int solveAllButOne() {
        const PublicDouble p = public_doubles::All(MOZEL_TEST_DATA).front();
        event([&] { main().PlaceProblem(p.givens, nullptr); });
        int last = 0;
        event([&] {
            for (int c = 1; c <= puzzle::kBoardCells; ++c) {
                if (!program.state().inPattern(c) || p.givens.digits[static_cast<std::size_t>(c)] != 0) continue;
                if (last != 0) program.state().placeDigit(last, p.solution.digits[static_cast<std::size_t>(last)]);
                last = c;
            }
        });
        solution_ = p.solution;
        return last;
    }
    int solutionAt(int c) { return solution_.digits[static_cast<std::size_t>(c)]; }
    puzzle::DoubleBoard solution_;
};

// Pattern 12: grid 1 on rows and columns 1-9, grid 2 on rows and columns 7-15; cell
// (row, column) is (row - 1) * 15 + column.
constexpr int Cell(int row, int column) { return (row - 1) * 15 + column; }

TEST_F(SolvingSurface, ADigitTwiceInAUnitIsRedInBothPlacesWhileTheOptionIsOn) {
    struct Case {
        const char* unit;
        bool diagonal;
        int first, second;
    };
    const Case cases[] = {
        {"grid 1 row", false, Cell(1, 1), Cell(1, 5)},       {"grid 1 column", false, Cell(1, 2), Cell(6, 2)},
        {"grid 1 box", false, Cell(1, 1), Cell(3, 3)},       {"grid 1 diagonal", true, Cell(1, 1), Cell(5, 5)},
        {"grid 2 row", false, Cell(15, 7), Cell(15, 15)},    {"grid 2 column", false, Cell(10, 15), Cell(14, 15)},
        {"grid 2 box", false, Cell(13, 13), Cell(15, 15)},   {"grid 2 anti-diagonal", true, Cell(8, 14), Cell(14, 8)},
        {"shared cell, grid 2 row", false, Cell(7, 7), Cell(7, 14)},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.unit);
        click(main().cmdClear01);
        while (cmn().PatternNo != 12) click(main().cmdPattern);
        options().chkTaikakusen.setValue(k.diagonal ? 1 : 0);
        type(main().text1(k.first), "5");
        EXPECT_EQ(color(k.first), board::kEntryColor);
        type(main().text1(k.second), "5");
        EXPECT_EQ(color(k.first), board::kRepeatColor);
        EXPECT_EQ(color(k.second), board::kRepeatColor);
        // The background keeps its meaning: only the digit is coloured.
        EXPECT_EQ(main().text1(k.second).backColor(), cmn().IroMiketei);
        // Without the diagonal rule a diagonal is no unit.
        if (k.diagonal) {
            options().chkTaikakusen.setValue(0);
            EXPECT_EQ(color(k.first), board::kEntryColor);
            options().chkTaikakusen.setValue(1);
        }
        options().chkJuufuku.setValue(0);
        EXPECT_EQ(color(k.first), board::kEntryColor);
        options().chkJuufuku.setValue(1);
        EXPECT_EQ(color(k.second), board::kRepeatColor);
        // Taken away, the other is an entry again.
        type(main().text1(k.second), "\b");
        EXPECT_EQ(color(k.first), board::kEntryColor);
    }
}

TEST_F(SolvingSurface, EntriesAndRepeatsReadOnEveryBackgroundTheJudgementsAndHintsPaint) {
    const board::cmnMod01& c = cmn();
    // The cross-grid mark paints the yellow plus green or plus red.
    for (ui::Color back : {c.IroGaito, c.IroRyouiki, c.IroMiketei, c.IroError, c.IroAuto1, c.IroOnly, c.IroAuto1 + 65280,
                           c.IroAuto1 + 255}) {
        for (ui::Color ink : {board::kEntryColor, board::kRepeatColor}) {
            const ui::Color drawn = ui::LegibleOn(ink, back);
            EXPECT_GE(ui::Contrast(drawn, back), 3.0) << std::hex << ink << " on " << back;
            // Still the hue it stands for.
            const int main = ink == board::kEntryColor ? ui::BlueOf(drawn) : ui::RedOf(drawn);
            EXPECT_GT(main, std::max({ui::RedOf(drawn), ui::GreenOf(drawn), ui::BlueOf(drawn)}) - 1) << std::hex << drawn;
        }
    }
    // Entries are told from the givens' black on the plain cell.
    EXPECT_GE(ui::Contrast(board::kEntryColor, board::kGivenColor), 1.5);
}

TEST_F(SolvingSurface, UnderTheDiagonalRuleTheDiagonalCellsOfBothGridsAreMarked) {
    while (cmn().PatternNo != 12) click(main().cmdPattern);
    auto marks = [&](int c) { return main().text1(c).diagonals(); };
    EXPECT_EQ(marks(Cell(1, 1)), 0);
    options().chkTaikakusen.setValue(1);
    EXPECT_EQ(marks(Cell(1, 1)), ui::TextBox::kFalling);
    EXPECT_EQ(marks(Cell(1, 9)), ui::TextBox::kRising);
    EXPECT_EQ(marks(Cell(5, 5)), ui::TextBox::kFalling | ui::TextBox::kRising);
    EXPECT_EQ(marks(Cell(7, 7)), ui::TextBox::kFalling);  // on grid 1's and grid 2's
    EXPECT_EQ(marks(Cell(7, 15)), ui::TextBox::kRising);
    EXPECT_EQ(marks(Cell(9, 7)), 0);
    EXPECT_EQ(marks(Cell(15, 15)), ui::TextBox::kFalling);
    options().chkTaikakusen.setValue(0);
    EXPECT_EQ(marks(Cell(5, 5)), 0);
}

TEST_F(SolvingSurface, GivensAreBlackAndEntriesBlueBeforeAndAfterTheyBecomeAProblem) {
    while (cmn().PatternNo != 12) click(main().cmdPattern);
    type(main().text1(Cell(1, 1)), "4");
    EXPECT_EQ(color(Cell(1, 1)), board::kEntryColor);
    // 問題にする locks the board's digits: they are givens now.
    event([&] { program.state().lock(true); });
    EXPECT_EQ(color(Cell(1, 1)), board::kGivenColor);
    // A loaded problem's givens are black, what the user adds is blue, and undo brings back
    // the colour with the digit.
    const PublicDouble p = public_doubles::All(MOZEL_TEST_DATA).front();
    event([&] { main().PlaceProblem(p.givens, nullptr); });
    int given = 0, empty = 0;
    for (int c = 1; c <= puzzle::kBoardCells && (given == 0 || empty == 0); ++c) {
        if (!program.state().inPattern(c)) continue;
        (p.givens.digits[static_cast<std::size_t>(c)] != 0 ? given : empty) = c;
    }
    EXPECT_EQ(color(given), board::kGivenColor);
    type(main().text1(empty), std::to_string(p.solution.digits[static_cast<std::size_t>(empty)]));
    EXPECT_EQ(color(empty), board::kEntryColor);
    press(main().text1(empty), "Ctrl+Z");
    EXPECT_EQ(main().text1(empty).text(), "");
    EXPECT_EQ(color(given), board::kGivenColor);
}

TEST_F(SolvingSurface, ASecondDigitReplacesTheFirstAndALockedCellRefusesTheKey) {
    type(main().text1(1), "8");
    type(main().text1(1), "8");
    EXPECT_EQ(main().text1(1).text(), "8");
    type(main().text1(1), "3");
    EXPECT_EQ(main().text1(1).text(), "3");
    event([&] { program.state().lock(true); });
    type(main().text1(1), "4");
    EXPECT_EQ(main().text1(1).text(), "3");
}

TEST_F(SolvingSurface, TheLastCellFilledIsCongratulatedOnceByAKeyAClickOrAPaste) {
    for (const char* way : {"key", "click", "paste"}) {
        SCOPED_TRACE(way);
        const int before = congratulations();
        const int last = solveAllButOne();
        const std::string digit = std::to_string(solutionAt(last));
        if (std::string(way) == "key") {
            services.setTimer(services.services().platform.Timer() + 3725);
            type(main().text1(last), digit);
            EXPECT_NE(services.messages().back().find("1時間02分05秒"), std::string::npos) << services.messages().back();
        } else if (std::string(way) == "click") {
            click(main().SUUJI1(solutionAt(last)));
            mouse(main().text1(last));
        } else {
            event([&] { program.state().placeDigit(last, solutionAt(last)); });
            services.SetClipboardText(puzzle::FormatProblemLine(program.state().board()));
            press(main().text1(1), "Ctrl+V");
        }
        ASSERT_EQ(congratulations(), before + 1);
        EXPECT_EQ(services.messages().back().rfind("おめでとう\n解き終わるまで ", 0), 0u) << services.messages().back();
        EXPECT_NE(services.messages().back().find("、ヒント 0 回"), std::string::npos);
        // Once a board: the next key on the finished board says nothing more.
        type(main().text1(last), digit);
        EXPECT_EQ(congratulations(), before + 1);
    }
    // A wrong last digit is no finish.
    const int last = solveAllButOne();
    const int before = congratulations();
    type(main().text1(last), std::to_string(solutionAt(last) % 9 + 1));
    EXPECT_EQ(congratulations(), before);
}

}  // namespace
