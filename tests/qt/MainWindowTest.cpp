// The real main window on screen: the program starts with the Qt views, and the picture shows
// the board of pattern 12 with its thick box lines, readable digits and captions in a font
// that has every character. The screenshot stays in the build tree.
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QRawFont>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "board/PatternTables.h"
#include "board/BoardLayout.h"
#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"
#include "ui/UserInput.h"

namespace {

using board::layout::CellLeft;
using board::layout::CellTop;
using board::layout::kCellSize;
using qttest::Ink;

// Grid origins of pattern 12, in twips; 4 verticals 1620 apart, 4 horizontals 1710 apart.
struct Grid {
    int x0, y0;
    int firstRow, firstColumn;  // board row and column of the grid's top-left cell
};
constexpr Grid kPattern12[] = {{900, 1260, 1, 1}, {4140, 4680, 7, 7}};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qttest::EnsureApplication();
        views = std::make_unique<ui::qt::ViewManager>(program.forms());
        program.Start();
        view = views->viewOf("frmAllGamen");
        ASSERT_NE(view, nullptr);
        views->flush();
        image = view->canvas()->grab().toImage();
    }

    int px(int twips) const { return view->scale().px(twips); }
    // The pixel at the centre of a board row or column.
    int rowMiddle(int row) const { return px(CellTop(row) + kCellSize / 2); }
    int columnMiddle(int column) const { return px(CellLeft(column) + kCellSize / 2); }
    // A dark pixel within one pixel across the line.
    bool darkAcross(int x, int y, bool vertical) const {
        for (int d = -1; d <= 1; ++d) {
            if (qttest::IsDark(image.pixel(vertical ? x + d : x, vertical ? y : y + d))) return true;
        }
        return false;
    }
    bool backgroundAcross(int x, int y, bool vertical) const {
        for (int d = -2; d <= 2; ++d) {
            if (image.pixelColor(vertical ? x + d : x, vertical ? y : y + d) != qttest::Bgr(0x80FF80)) return false;
        }
        return true;
    }

    ui::HeadlessServices services;
    program::Program program{services.services()};
    std::unique_ptr<ui::qt::ViewManager> views;
    ui::qt::FormView* view = nullptr;
    QImage image;
};

TEST_F(MainWindowTest, TheScreenshotIsKept) {
    ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    QPixmap shot = view->snapshot();
    EXPECT_EQ(shot.size(), QSize(px(board::layout::kWindowWidth), px(board::layout::kWindowHeight)));
    EXPECT_TRUE(shot.save(MOZEL_SCREENSHOT_DIR "/main-window.png"));
}

TEST_F(MainWindowTest, EveryWindowOfTheProgramShowsAllItsControls) {
    ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    for (ui::Form* form : program.forms().loaded()) {
        ui::qt::FormView* formView = views->viewOf(*form);
        ASSERT_NE(formView, nullptr) << form->name();
        for (ui::Control* control : form->controls()) {
            EXPECT_NE(formView->viewOf(*control), nullptr) << form->name() << "." << control->path();
        }
        EXPECT_TRUE(formView->snapshot().save(QString(MOZEL_SCREENSHOT_DIR "/%1.png").arg(form->name().c_str())));
    }
}

TEST_F(MainWindowTest, TheBoxLinesOfPattern12AreDrawn) {
    ASSERT_EQ(view->scale().dpi(), 96.0);
    for (const Grid& grid : kPattern12) {
        for (int i = 0; i <= 3; ++i) {
            int x = px(grid.x0 + 1620 * i);
            for (int row = grid.firstRow; row < grid.firstRow + 9; ++row) {
                EXPECT_TRUE(darkAcross(x, rowMiddle(row), true)) << "vertical " << grid.x0 + 1620 * i << " row " << row;
            }
            int y = px(grid.y0 + 1710 * i);
            for (int column = grid.firstColumn; column < grid.firstColumn + 9; ++column) {
                EXPECT_TRUE(darkAcross(columnMiddle(column), y, false)) << "horizontal " << grid.y0 + 1710 * i << " column " << column;
            }
        }
    }
}

TEST_F(MainWindowTest, LinesOfOtherPatternsAreNotDrawn) {
    struct Stretch {
        int twips;
        bool vertical;
        int from, to;  // board rows (vertical) or columns (horizontal)
    };
    // Each is a box line of another pattern where pattern 12 draws none.
    const Stretch absent[] = {
        {7380, true, 1, 6},    // pattern 1, grid 2
        {9000, true, 1, 6},    // pattern 2, grid 2
        {900, true, 10, 15},   // pattern 10, grid 2
        {2520, true, 10, 15},  // pattern 11, grid 2
        {2970, false, 10, 15}, // pattern 2, grid 2
        {8100, false, 1, 5},   // pattern 10, grid 2
    };
    for (const Stretch& s : absent) {
        for (int k = s.from; k <= s.to; ++k) {
            int x = s.vertical ? px(s.twips) : columnMiddle(k);
            int y = s.vertical ? rowMiddle(k) : px(s.twips);
            EXPECT_TRUE(backgroundAcross(x, y, s.vertical)) << (s.vertical ? "vertical " : "horizontal ") << s.twips << " at " << k;
        }
    }
}

TEST_F(MainWindowTest, ExactlyTheCellsOfPattern12AreShownWhereTheLayoutPutsThem) {
    board::frmAllGamen& main = program.frmAllGamen();
    int shown = 0;
    for (int c = 0; c <= board::kBoardCells; ++c) {
        QWidget* cell = view->widgetOf(main.text1(c));
        ASSERT_NE(cell, nullptr);
        int row = board::BoardRow(c);
        int column = board::BoardColumn(c);
        bool inGrid1 = c > 0 && row <= 9 && column <= 9;
        bool inGrid2 = c > 0 && row >= 7 && column >= 7;
        EXPECT_EQ(cell->isVisibleTo(view), inGrid1 || inGrid2) << "cell " << c;
        shown += cell->isVisibleTo(view);
    }
    EXPECT_EQ(shown, 153);
    EXPECT_EQ(view->widgetOf(main.text1(1))->geometry(), QRect(62, 86, 33, 33));
    EXPECT_EQ(view->widgetOf(main.text1(225))->geometry(), QRect(565, 621, 33, 33));
}

TEST_F(MainWindowTest, DigitsInTheCellsAreWholeAndCentred) {
    board::frmAllGamen& main = program.frmAllGamen();
    // Givens, drawn in black.
    for (int d = 1; d <= 9; ++d) program.state().placeGivens({d}, {d});
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();  // no text cursor
    ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    view->snapshot().save(MOZEL_SCREENSHOT_DIR "/board-digits.png");

    for (int d = 1; d <= 9; ++d) {
        QWidget* cell = view->widgetOf(main.text1(d));
        QImage shown = cell->grab().toImage();
        // Inside the frame.
        QRect ink = Ink(shown.copy(shown.rect().adjusted(2, 2, -2, -2))).translated(2, 2);
        // The same digit drawn with nothing around it.
        QImage free(120, 120, QImage::Format_RGB32);
        free.fill(Qt::white);
        {
            QPainter painter(&free);
            painter.setFont(cell->font());
            painter.drawText(free.rect(), Qt::AlignCenter, QString::number(d));
        }
        QRect whole = Ink(free);
        ASSERT_GE(whole.height(), 18) << "a 22-point digit";
        EXPECT_LE(std::abs(ink.height() - whole.height()), 1) << d << " clipped: " << ink.height() << " of " << whole.height();
        EXPECT_LE(std::abs(ink.width() - whole.width()), 1) << d;
        EXPECT_LE(std::abs(ink.center().x() - shown.width() / 2), 2) << d;  // the advance is centred, not the ink
        EXPECT_LE(std::abs(ink.center().y() - shown.height() / 2), 1) << d;
    }
}

TEST_F(MainWindowTest, TheFontHasEveryCharacterOfTheWindow) {
    ui::Form& main = program.frmAllGamen();
    auto check = [](const QFont& font, const std::string& text, const std::string& where) {
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Noto Sans CJK JP")) << where;
        QFontMetrics metrics(font);
        QRawFont raw = QRawFont::fromFont(font);
        for (uint c : QString::fromStdString(text).toUcs4()) {
            EXPECT_TRUE(metrics.inFontUcs4(c) && raw.supportsCharacter(c))
                << where << ": U+" << std::hex << c;
        }
    };
    check(view->font(), main.caption(), "caption");
    int texts = 0;
    for (ui::Control* control : main.controls()) {
        QWidget* widget = view->widgetOf(*control);
        for (const char* property : {"Caption", "Text"}) {
            try {
                std::string text = ui::ToText(control->property(property));
                if (text.empty() || !widget) continue;
                check(widget->font(), text, control->path());
                ++texts;
            } catch (const ui::PropertyError&) {
            }
        }
    }
    EXPECT_GT(texts, 30);
}

}  // namespace

namespace {

// The solving surface on screen, pattern 12 under the diagonal rule: black givens, blue entries,
// a red repeat, the judgement colours of 5 over the diagonals' lines, candidates in the empty
// cells. What a digit or a line leaves of a cell's colour is checked; the picture is kept.
TEST_F(MainWindowTest, GivensEntriesRepeatsAndDiagonalsOnTheJudgementColours) {
    board::frmAllGamen& main = program.frmAllGamen();
    auto event = [&](auto&& f) {
        ui::FormRegistry::EventScope scope(program.forms());
        f();
    };
    while (program.cmn().PatternNo != 12) ui::Click(program.forms(), main.cmdPattern);
    program.state().setDiagonal(true);
    const auto cell = [](int row, int column) { return (row - 1) * 15 + column; };
    event([&] {
        program.state().placeGivens({cell(1, 1), cell(2, 4), cell(5, 5), cell(9, 9), cell(12, 12), cell(15, 8)}, {5, 7, 3, 8, 2, 6});
    });
    ui::TypeText(program.forms(), main.text1(cell(1, 5)), "4");
    ui::TypeText(program.forms(), main.text1(cell(3, 3)), "9");
    ui::TypeText(program.forms(), main.text1(cell(3, 8)), "9");  // a repeat in row 3
    ui::Click(program.forms(), main.cmdHantei(5));
    ui::Click(program.forms(), main.chkKouho);
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    views->flush();
    ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    const QPixmap shot = view->snapshot();
    EXPECT_TRUE(shot.save(MOZEL_SCREENSHOT_DIR "/solving-surface.png"));
    // The entry's digit is blue, the repeat's red, the given's black.
    auto inkOf = [&](int c) {
        QImage shown = view->widgetOf(main.text1(c))->grab().toImage();
        QColor darkest = Qt::white;
        for (int y = 3; y < shown.height() - 3; ++y)
            for (int x = 3; x < shown.width() - 3; ++x)
                if (shown.pixelColor(x, y).lightness() < darkest.lightness()) darkest = shown.pixelColor(x, y);
        return darkest;
    };
    const QColor entry = inkOf(cell(1, 5)), repeat = inkOf(cell(3, 8)), given = inkOf(cell(2, 4));
    EXPECT_GT(entry.blue(), entry.red() + 80) << entry.name().toStdString();
    EXPECT_GT(repeat.red(), repeat.blue() + 80) << repeat.name().toStdString();
    EXPECT_LT(given.lightness(), 40) << given.name().toStdString();
}

}  // namespace
