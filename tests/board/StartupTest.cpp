#include <set>
#include <tuple>

#include "ProgramFixture.h"
#include "board/BoardLayout.h"
#include "board/PatternTables.h"

using namespace board;

namespace {

using Segment = std::tuple<int, int, int, int>;

// The black lines on the main window's surface that are not covered by a later line.
std::set<Segment> BlackLines(const frmAllGamen& window) {
    std::set<Segment> black;
    for (const auto& line : window.Surface.lines()) {
        Segment s{line.x1, line.y1, line.x2, line.y2};
        if (line.color == ui::kBlack) black.insert(s);
    }
    return black;
}

std::set<Segment> BoxLinesOf(int p) {
    const OverlapPattern& pattern = Pattern(p);
    std::set<Segment> expected;
    for (int g = 1; g <= 2; ++g) {
        auto [x0, y0] = layout::BoxLinesOf(g, pattern.rowOf(g), pattern.columnOf(g));
        for (int i = 0; i <= 3; ++i) expected.insert({x0 + 1620 * i, y0, x0 + 1620 * i, y0 + 5130});
        for (int j = 0; j <= 3; ++j) expected.insert({x0, y0 + 1710 * j, x0 + 4860, y0 + 1710 * j});
    }
    return expected;
}

struct Startup : ProgramFixture {
    Startup() { start(); }
};

}  // namespace

TEST_F(Startup, MainWindowShowsPattern12) {
    auto& w = main();
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.caption(), "モゼルダブル");
    EXPECT_EQ(w.left(), 10);
    EXPECT_EQ(w.top(), 10);
    EXPECT_EQ(w.backColor(), 0x80FF80);
    EXPECT_GE(w.refreshCount(), 1);
    EXPECT_EQ(cmn().PatternNo, 12);
    EXPECT_FALSE(w.text1(0).visible());
    for (int c = 1; c <= kBoardCells; ++c) {
        int r = BoardRow(c), k = BoardColumn(c);
        bool inPattern = (r <= 9 && k <= 9) || (r >= 7 && k >= 7);
        EXPECT_EQ(w.text1(c).visible(), inPattern) << "cell " << c;
        EXPECT_EQ(w.text1(c).fontSize(), 22);
    }
    EXPECT_EQ(w.text1(1).left(), 930);
    EXPECT_EQ(w.text1(1).top(), 1290);
    EXPECT_EQ(w.text1(225).left(), 8475);
    EXPECT_EQ(w.text1(225).top(), 9315);
    EXPECT_EQ(w.text1(225).width(), 492);
    EXPECT_EQ(w.lblOsirase.caption(), "兄貴分：モゼルオートをよろしくね");
    EXPECT_EQ(w.txtNanido.text(), "0");
    EXPECT_FALSE(w.cmdNaname01.visible());
    EXPECT_FALSE(w.txtNaname02.visible());
    EXPECT_TRUE(services.records().empty());
}

TEST_F(Startup, BoxLinesAreThoseOfTheCurrentPatternOnly) {
    auto& w = main();
    EXPECT_EQ(BlackLines(w), BoxLinesOf(12));
    // Every line is drawn after the erase lines, which use the window colour.
    const auto& lines = w.Surface.lines();
    ASSERT_EQ(lines.size(), 12u + 16u);
    EXPECT_EQ(lines.front(), (ui::SurfaceLine{899, 1259, 899, 9809, 4, 0x80FF80}));
    EXPECT_EQ(lines[6], (ui::SurfaceLine{899, 1259, 8999, 1259, 4, 0x80FF80}));
    EXPECT_EQ(lines[12].width, 3);
    for (int p = 1; p <= kPatternCount; ++p) {
        click(w.cmdPattern);
        EXPECT_EQ(BlackLines(w), BoxLinesOf(cmn().PatternNo)) << "pattern " << cmn().PatternNo;
        EXPECT_EQ(w.Surface.lines().size(), 28u);
    }
}

TEST_F(Startup, PatternSwitchCyclesThroughAllTwelve) {
    auto& w = main();
    click(w.cmdPattern);
    EXPECT_EQ(cmn().PatternNo, 1);
    EXPECT_EQ(w.lblMasuSuu.caption(), "108");
    const int cells[] = {0, 108, 135, 144, 126, 108, 126, 144, 153, 144, 135, 144, 153};
    for (int i = 0; i < 12; ++i) {
        int p = cmn().PatternNo;
        for (int c = 0; c <= kBoardCells; ++c) EXPECT_EQ(w.text1(c).visible(), cmn().PatternMasu[p][c] != 0);
        EXPECT_EQ(w.lblMasuSuu.caption(), std::to_string(cells[p]));
        click(w.cmdPattern);
    }
    EXPECT_EQ(cmn().PatternNo, 1);
}

TEST_F(Startup, PatternSwitchKeepsCellTextsAndCountsFilledCells) {
    auto& w = main();
    w.text1(15).setText("  7");     // row 1, column 15: outside pattern 12, inside pattern 2
    w.text1(15).setBackColor(0x123456);
    click(w.cmdPattern);            // pattern 1: columns 1-12 of rows 1-9
    EXPECT_EQ(w.text1(15).text(), "  7");
    EXPECT_EQ(w.text1(15).backColor(), 0x123456);
    EXPECT_EQ(w.lblSetCount.caption(), "0");
    click(w.cmdPattern);            // pattern 2: grid 2 at columns 7-15
    EXPECT_EQ(w.lblSetCount.caption(), "1");
}

// A board that holds a digit keeps its pattern, whatever the (lagging) count shows; it says why.
TEST_F(Startup, PatternSwitchNeverHidesADigit) {
    auto& w = main();
    w.text1(1).setText("5");  // by code: the count still shows 0 and the switch is offered
    ASSERT_TRUE(w.cmdPattern.visible());
    click(w.cmdPattern);
    EXPECT_EQ(cmn().PatternNo, 12);
    EXPECT_EQ(w.text1(1).text(), "5");
    EXPECT_TRUE(w.text1(1).visible());
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_NE(services.messages()[0].find("パターンを切り替えられません"), std::string::npos);
    EXPECT_EQ(w.lblSetCount.caption(), "1");
    EXPECT_FALSE(w.cmdPattern.visible());
    // Blanks and unreadable texts are no digits.
    w.text1(1).setText("  ");
    w.text1(2).setText("5a");
    click(w.cmdPattern);
    EXPECT_EQ(cmn().PatternNo, 1);
}

TEST_F(Startup, PrintEndAndClose) {
    click(main().cmdPrint);
    ASSERT_EQ(services.records().size(), 1u);
    EXPECT_EQ(services.records()[0].kind, ui::Recorded::Kind::PrintForm);
    EXPECT_EQ(services.records()[0].text, "frmAllGamen");
    click(main().cmdEnd);
    EXPECT_TRUE(program.ended());
    EXPECT_FALSE(program.forms().isLoaded("frmAllGamen"));
}

TEST_F(Startup, ClosingTheMainWindowEndsTheProgram) {
    ui::CloseWindow(program.forms(), main());
    EXPECT_TRUE(program.ended());
}

TEST(SecondInstance, IsRefusedWithTheBusyMessage) {
    ui::HeadlessServices services;
    services.setAnotherInstanceRunning(true);
    program::Program program{services.services()};
    program.Start();
    EXPECT_EQ(services.messages(), (std::vector<std::string>{"ごめんなさいね、今、いそがしいの。ペッタより"}));
    EXPECT_TRUE(program.ended());
    EXPECT_FALSE(program.forms().isLoaded("frmAllGamen"));
}
