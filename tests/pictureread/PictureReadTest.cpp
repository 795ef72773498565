// The reading window: a reading is shown as read, doubtful cells yellow; corrections are one
// digit a cell; 問題にする places a problem with one solution and refuses, saying why, one with
// a clash (its cells marked), none or several; a picture without a board only says so; Ctrl+V
// takes a picture from the clipboard.
#include <fstream>
#include <iterator>

#include "ProgramFixture.h"
#include "pictureread/frmPictureRead.h"
#include "puzzle/Generator.h"
#include "puzzle/ProblemLine.h"
#include "puzzle/Rules.h"
#include "puzzle/Solver.h"
#include "ui/Keys.h"

namespace {

using pictureread::kClashColor;
using pictureread::kDoubtColor;
using pictureread::kPlainColor;

struct PictureRead : ProgramFixture {
    PictureRead() {
        start();
        puzzle::GenerateRequest request;
        request.pattern = 7;
        request.seed = 5;
        problem = puzzle::GenerateLeveled(request)->problem;
        for (int c = 1; c <= 225; ++c) {
            if (problem.digits[static_cast<std::size_t>(c)] != 0 && first == 0) first = c;
        }
    }
    pictureread::frmPictureRead& window() { return program.frmPictureRead(); }
    picture::PictureReading Reading(std::vector<int> doubtful) const {
        picture::PictureReading reading;
        reading.found = true;
        reading.board = problem;
        for (int c : doubtful) reading.cells[static_cast<std::size_t>(c)].doubtful = true;
        return reading;
    }
    void show(std::vector<int> doubtful = {}) {
        event([&] { window().ShowReading(Reading(std::move(doubtful)), {}); });
    }
    puzzle::DoubleBoard problem;
    int first = 0;  // the first given's cell
};

}  // namespace

TEST_F(PictureRead, ShowsTheBoardAsReadWithDoubtfulCellsYellow) {
    show({first, 2});
    ASSERT_TRUE(window().visible());
    EXPECT_EQ(window().lblPattern.caption(), "パターン 7");
    int shown = 0;
    for (int c = 1; c <= 225; ++c) {
        const int d = problem.digits[static_cast<std::size_t>(c)];
        EXPECT_EQ(window().txtMasu(c).text(), d ? std::to_string(d) : "") << c;
        shown += window().txtMasu(c).visible();
    }
    EXPECT_EQ(shown, 81 + 81 - 18) << "pattern 7 shares two boxes";
    EXPECT_EQ(window().txtMasu(first).backColor(), kDoubtColor);
    EXPECT_EQ(window().txtMasu(3).backColor(), kPlainColor);
    EXPECT_NE(window().lblJoutai.caption().find("黄色の 2 マス"), std::string::npos) << window().lblJoutai.caption();
    EXPECT_EQ(window().Board(), problem);

    // A correction replaces the digit and takes the cell out of doubt; letters are refused.
    const std::string before = window().txtMasu(first).text();
    type(window().txtMasu(first), "x");
    EXPECT_EQ(window().txtMasu(first).text(), before);
    EXPECT_EQ(services.beeps(), 1);
    type(window().txtMasu(first), before == "9" ? "8" : "9");
    EXPECT_EQ(window().txtMasu(first).text(), before == "9" ? "8" : "9");
    EXPECT_EQ(window().txtMasu(first).backColor(), kPlainColor);
    type(window().txtMasu(first), "0");
    EXPECT_EQ(window().txtMasu(first).text(), "");

    // Arrows move between the pattern's cells and stop at its edge; Delete empties a cell.
    ui::Press(program.forms(), window().txtMasu(1), {ui::kKeyRight, 0});
    EXPECT_EQ(program.forms().focus(), &window().txtMasu(2));
    ui::Press(program.forms(), window().txtMasu(9), {ui::kKeyRight, 0});
    EXPECT_EQ(program.forms().focus(), &window().txtMasu(9)) << "row 1 ends in column 9";
    ui::Press(program.forms(), window().txtMasu(10 * 15 - 5), {ui::kKeyLeft, 0});
    EXPECT_EQ(program.forms().focus(), &window().txtMasu(10 * 15 - 6)) << "grid 2's row 7";
    ui::Press(program.forms(), window().txtMasu(9), {ui::kKeyDelete, 0});
    EXPECT_EQ(window().txtMasu(9).text(), "");
}

TEST_F(PictureRead, PlacesAProblemWithOneSolution) {
    show();
    const std::size_t steps = program.journal().steps();
    click(window().cmdMondaiNiSuru);
    EXPECT_TRUE(services.messages().empty());
    EXPECT_FALSE(window().visible());
    EXPECT_EQ(program.state().reading().board, problem);
    EXPECT_EQ(main().txtMondaiMemo.text(), "画像から読んだ問題");
    EXPECT_TRUE(main().text1(first).locked());
    EXPECT_EQ(program.journal().steps(), steps + 1) << "placing is one step";
}

TEST_F(PictureRead, RefusesAClashNoSolutionOrSeveralSayingWhy) {
    const puzzle::DoubleBoard board = program.state().reading().board;
    show();
    // A clash: the first given's digit again in the cell beside it, or the one below.
    const int d = problem.digits[static_cast<std::size_t>(first)];
    int twin = first + 1;
    if (problem.digits[static_cast<std::size_t>(twin)] != 0 || !window().txtMasu(twin).visible()) twin = first + 15;
    type(window().txtMasu(twin), std::to_string(d));
    click(window().cmdMondaiNiSuru);
    ASSERT_EQ(services.messages().size(), 1U);
    EXPECT_NE(services.messages()[0].find("が2つあります"), std::string::npos) << services.messages()[0];
    EXPECT_EQ(window().txtMasu(first).backColor(), kClashColor);
    EXPECT_EQ(window().txtMasu(twin).backColor(), kClashColor);
    // Mending the cell clears the marks.
    type(window().txtMasu(twin), "0");
    EXPECT_EQ(window().txtMasu(first).backColor(), kPlainColor);

    // A given taken away: several solutions (the problem is minimal).
    type(window().txtMasu(first), "0");
    click(window().cmdMondaiNiSuru);
    ASSERT_EQ(services.messages().size(), 2U);
    EXPECT_NE(services.messages()[1].find("解が2つ以上"), std::string::npos);
    // A wrong digit without a clash in its units: no solution, or several.
    for (int other = 1; other <= 9; ++other) {
        if (other == d) continue;
        type(window().txtMasu(first), std::to_string(other));
        puzzle::DoubleBoard b = window().Board();
        if (puzzle::FindDuplicate(b) || puzzle::Solve(b).verdict != puzzle::Verdict::None) continue;
        click(window().cmdMondaiNiSuru);
        EXPECT_NE(services.messages().back().find("解がありません"), std::string::npos);
        break;
    }
    EXPECT_TRUE(window().visible());
    EXPECT_EQ(program.state().reading().board, board) << "nothing placed";
}

TEST_F(PictureRead, APictureWithoutABoardOnlySaysSo) {
    picture::PictureReading nothing;
    nothing.message = "ダブルの盤が見つかりません。";
    event([&] { window().ShowReading(nothing, {}); });
    EXPECT_EQ(services.messages(), std::vector<std::string>{"画像から問題を読めませんでした。\nダブルの盤が見つかりません。"});
    EXPECT_FALSE(window().visible());
}

// Ctrl+V reads a picture on the clipboard, also when a browser put its address beside it as
// text; a problem line beside a picture is pasted as the problem.
TEST_F(PictureRead, CtrlVReadsAPictureUnlessTheTextIsAProblem) {
    std::ifstream file(MOZEL_TEST_DATA "/../scripts/picture-read.folder/board.png", std::ios::binary);
    const std::vector<unsigned char> png{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    services.setClipboardPicture(png, "https://example.com/double.png");
    ui::Press(program.forms(), main().text1(1), {'V', ui::kCtrlMask});
    EXPECT_TRUE(services.messages().empty());
    EXPECT_TRUE(window().visible());
    EXPECT_EQ(window().Board().pattern, 2);
    close(window());

    services.setClipboardPicture(png, puzzle::FormatProblemLine(problem));
    ui::Press(program.forms(), main().text1(1), {'V', ui::kCtrlMask});
    EXPECT_FALSE(program.forms().isLoaded("frmPictureRead") && window().visible());
    EXPECT_EQ(program.state().reading().board, problem);
}
