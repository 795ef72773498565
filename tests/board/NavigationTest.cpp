// The arrow keys, Home and End on the board and in the grid windows, and the keys' names.
#include "ProgramFixture.h"
#include "board/CellNavigation.h"
#include "ui/Keys.h"

namespace {

struct Navigation : ProgramFixture {
    Navigation() { start(); }
    std::string press(ui::Control& control, const char* key) {
        ui::Press(program.forms(), control, *ui::ParseKeySequence(key));
        const ui::Control* focus = program.forms().focus();
        return focus ? focus->form().name() + "." + focus->path() : "";
    }
};

}  // namespace

TEST(Keys, ReadAndWriteAsQtWritesThem) {
    for (const char* text : {"Left", "Home", "End", "Del", "Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+V", "Ctrl+Shift+C", "Ctrl++",
                             "Ctrl+-", "Ctrl+0", "Shift+5", "F5", "Return", "Ctrl+Return", "+"}) {
        auto chord = ui::ParseKeySequence(text);
        ASSERT_TRUE(chord) << text;
        EXPECT_EQ(ui::KeySequenceText(*chord), text);
    }
    EXPECT_FALSE(ui::ParseKeySequence("ctrl+z")) << "modifiers are written as Qt writes them";
    EXPECT_EQ(ui::ParseKeySequence("Ctrl+z")->key, 'Z');
    EXPECT_EQ(ui::ParseKeySequence("Delete")->key, ui::kKeyDelete);
    for (const char* bad : {"", "Ctrl+", "Hyper+Z", "Left+Right", "F13", "ab"}) EXPECT_FALSE(ui::ParseKeySequence(bad)) << bad;
    EXPECT_EQ(ui::TypedCharacter(*ui::ParseKeySequence("5")), '5');
    EXPECT_EQ(ui::TypedCharacter(*ui::ParseKeySequence("Ctrl+5")), 0);
}

TEST(CellNavigation, StepsOverHiddenCellsAndStaysAtTheEdge) {
    // A 3x3 grid whose middle column is hidden.
    auto shown = [](int c) { return (c - 1) % 3 != 1; };
    EXPECT_EQ(board::NextCell(3, 1, ui::kKeyRight, shown), 3);
    EXPECT_EQ(board::NextCell(3, 3, ui::kKeyRight, shown), 3);
    EXPECT_EQ(board::NextCell(3, 3, ui::kKeyLeft, shown), 1);
    EXPECT_EQ(board::NextCell(3, 1, ui::kKeyUp, shown), 1);
    EXPECT_EQ(board::NextCell(3, 1, ui::kKeyDown, shown), 4);
    EXPECT_EQ(board::NextCell(3, 6, ui::kKeyHome, shown), 4);
    EXPECT_EQ(board::NextCell(3, 4, ui::kKeyEnd, shown), 6);
    EXPECT_EQ(board::NextCell(3, 4, ui::kKeyDelete, shown), 4);
}

// Pattern 12: grid 1 in rows 1-9, columns 1-9; grid 2 in rows 7-15, columns 7-15.
TEST_F(Navigation, ArrowsMoveBetweenTheShownCellsOfTheBoard) {
    ASSERT_EQ(cmn().PatternNo, 12);
    EXPECT_EQ(press(main().text1(1), "Right"), "frmAllGamen.text1(2)");
    EXPECT_EQ(press(main().text1(1), "Left"), "frmAllGamen.text1(1)") << "at the edge the focus stays";
    EXPECT_EQ(press(main().text1(9), "Right"), "frmAllGamen.text1(9)") << "nothing shown to the right in row 1";
    EXPECT_EQ(press(main().text1(135), "Down"), "frmAllGamen.text1(150)");
    // Row 10 starts at column 7: Home goes there, End to column 15.
    EXPECT_EQ(press(main().text1(145), "Home"), "frmAllGamen.text1(142)");
    EXPECT_EQ(press(main().text1(142), "End"), "frmAllGamen.text1(150)");
    // Up from row 10, column 10 lands on row 9; down from row 9, column 1 stays (nothing below).
    EXPECT_EQ(press(main().text1(144), "Up"), "frmAllGamen.text1(129)");
    EXPECT_EQ(press(main().text1(121), "Down"), "frmAllGamen.text1(121)");
    // Typing still types.
    press(main().text1(3), "7");
    EXPECT_EQ(main().text1(3).text(), "  7");
}

TEST_F(Navigation, ArrowsMoveInTheGridWindows) {
    EXPECT_EQ(press(grid1().Text1(0), "Right"), "frmMozelAuto.Text1(1)");
    EXPECT_EQ(press(grid1().Text1(8), "Down"), "frmMozelAuto.Text1(17)");
    EXPECT_EQ(press(grid2().Text1(80), "Down"), "frmMozelAuto2.Text1(80)");
    EXPECT_EQ(press(grid2().Text1(40), "Home"), "frmMozelAuto2.Text1(36)");
}
