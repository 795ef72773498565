// ヒント on screen: a double problem on the main window, the hints followed (their placements
// written as a user would) until the first step that is not a single; that step's cells
// painted on the board and its text in the hint window beside it. Then a chain across the
// overlap, and the hint window's place on a laptop screen. The pictures stay in the build tree.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

#include "DoubleProblem.h"
#include "QtTestSupport.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "hint/frmHint.h"
#include "program/Program.h"
#include "puzzle/OverlapPatterns.h"
#include "ui/HeadlessServices.h"
#include "ui/qt/Convert.h"

namespace {

// The screen as the user sees it: the shown windows of the program where they stand; cropped
// to them unless the whole screen is asked for.
QPixmap Desktop(std::initializer_list<ui::qt::FormView*> windows, bool wholeScreen = false) {
    QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen->devicePixelRatio();
    QPixmap shot(screen->geometry().size() * ratio);
    shot.setDevicePixelRatio(ratio);
    shot.fill(Qt::darkGray);
    QPainter painter(&shot);
    QRect shown;
    for (ui::qt::FormView* w : windows) {
        if (!w->isVisible()) continue;
        const QPoint at = w->geometry().topLeft() - screen->geometry().topLeft();
        painter.drawPixmap(at, w->snapshot());
        shown |= QRect(at, w->size());
    }
    painter.end();
    if (wholeScreen) return shot;
    return shot.copy(QRect(shown.topLeft() * ratio, shown.size() * ratio).adjusted(0, 0, 4, 4));
}

// The board's 15 x 15 cells on the screen.
QRect BoardOnScreen(ui::qt::FormView& view, board::frmAllGamen& main) {
    QRect board;
    for (int c = 1; c <= 225; ++c) {
        QWidget* cell = view.widgetOf(main.text1(c));
        board |= QRect(cell->mapToGlobal(QPoint(0, 0)), cell->size());
    }
    return board;
}

// The step shown in the hint window, also as its label shows it.
std::string ShownStep(program::Program& program, ui::qt::ViewManager& views) {
    hint::frmHint& window = program.frmHint();
    if (!window.visible()) return "";
    ui::qt::FormView* view = views.viewOf(window);
    auto* label = view ? dynamic_cast<QLabel*>(view->widgetOf(window.lblText)) : nullptr;
    EXPECT_TRUE(label && label->text() == QString::fromStdString(window.lblText.caption()));
    return window.lblText.caption();
}

struct HintWindow : ::testing::Test, qttest::ProgramOnScreen {};

TEST_F(HintWindow, PaintsTheStepAndExplainsIt) {
    board::frmAllGamen& main = program.frmAllGamen();
    board::cmnMod01& cmn = program.cmn();

    DoubleProblem problem = DoubleProblem::Load("sensei-1-180501-144448.hard.txt");
    ASSERT_TRUE(problem.valid());
    auto cell = [&](int g, int k) -> ui::TextBox& { return main.text1(cmn.GridMasu[12][g][k]); };
    for (int g = 1; g <= 2; ++g)
        for (int k = 1; k <= 81; ++k) {
            char ch = problem.givens[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(k - 1)];
            cell(g, k).setText(ch == '.' ? "" : std::string(1, ch));
            cell(g, k).setLocked(ch != '.');
        }

    ui::qt::FormView* view = views.viewOf(main);
    ASSERT_NE(view, nullptr);
    auto* hint = dynamic_cast<QPushButton*>(view->widgetOf(main.cmdHint));
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->text(), QStringLiteral("ヒント"));

    std::string message;
    for (int n = 0; n < 120; ++n) {
        QTest::mouseClick(hint, Qt::LeftButton);
        QApplication::processEvents();
        message = ShownStep(program, views);
        if (message.find("入ります。") == std::string::npos) break;
        for (int g = 1; g <= 2; ++g)
            for (int k = 1; k <= 81; ++k)
                if (cell(g, k).backColor() == cmn.IroAuto1)
                    cell(g, k).setText(std::string(1, problem.solution[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(k - 1)]));
    }
    ASSERT_EQ(message.find("入ります。"), std::string::npos) << message;
    ASSERT_EQ(message.rfind("ヒント（", 0), 0u) << message;

    // The painted cells are shown in their colours.
    int proving = 0, decided = 0;
    for (int c = 1; c <= 225; ++c) {
        auto* box = dynamic_cast<QLineEdit*>(view->widgetOf(main.text1(c)));
        ASSERT_NE(box, nullptr);
        QColor shown = box->palette().color(QPalette::Base);
        if (main.text1(c).backColor() == cmn.IroOnly) {
            ++proving;
            EXPECT_EQ(shown, ui::qt::ToQColor(cmn.IroOnly, box->palette())) << c;
        }
        if (main.text1(c).backColor() == cmn.IroAuto1) ++decided;
    }
    EXPECT_GT(proving, 0);
    EXPECT_GT(decided, 0);

    // The board with the hint window beside it, as the user sees them.
    EXPECT_TRUE(services.messages().empty());
    ui::qt::FormView* window = views.viewOf(program.frmHint());
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->frameGeometry().intersects(view->frameGeometry()));
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    EXPECT_TRUE(Desktop({view, window}).save(MOZEL_SCREENSHOT_DIR "/hint.png"));
}

// The board of tests/scripts/hint-chain.txt (its "set frmAllGamen.text1(N).Text "D"" lines):
// pressed seven times, ヒント shows an alternating inference chain that runs through the shared
// box from grid 1 into grid 2 and back.
TEST_F(HintWindow, ShowsAChainAcrossTheOverlap) {
    board::frmAllGamen& main = program.frmAllGamen();
    board::cmnMod01& cmn = program.cmn();

    std::ifstream script(MOZEL_TEST_DATA "/../scripts/hint-chain.txt");
    // Lines of the form: set frmAllGamen.text1(N).Text "D"
    int typed = 0;
    for (std::string line; std::getline(script, line);) {
        int index = 0;
        char digit = 0;
        if (std::sscanf(line.c_str(), "set frmAllGamen.text1(%d).Text \"%c\"", &index, &digit) != 2) continue;
        main.text1(index).setText(std::string(1, digit));
        ++typed;
    }
    ASSERT_GT(typed, 50);

    ui::qt::FormView* view = views.viewOf(main);
    ASSERT_NE(view, nullptr);
    auto* hint = dynamic_cast<QPushButton*>(view->widgetOf(main.cmdHint));
    ASSERT_NE(hint, nullptr);
    for (int n = 0; n < 7; ++n) {
        QTest::mouseClick(hint, Qt::LeftButton);
        QApplication::processEvents();
    }
    const std::string message = ShownStep(program, views);
    ASSERT_EQ(message.rfind("ヒント（交互推論チェーン、難しさ 7.0）", 0), 0u) << message;

    // The chain's cells: only grid 1 covers board cell 121, only grid 2 cell 130, both 127.
    const puzzle::OverlapPattern& pattern = puzzle::Pattern(12);
    EXPECT_EQ(puzzle::CellCode(pattern, 121), 1);
    EXPECT_EQ(puzzle::CellCode(pattern, 130), 2);
    EXPECT_EQ(puzzle::CellCode(pattern, 127), 3);
    for (int c : {127, 128, 130}) {
        EXPECT_EQ(main.text1(c).backColor(), cmn.IroOnly) << c;
        auto* box = dynamic_cast<QLineEdit*>(view->widgetOf(main.text1(c)));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->palette().color(QPalette::Base), ui::qt::ToQColor(cmn.IroOnly, box->palette())) << c;
    }
    EXPECT_EQ(main.text1(121).backColor(), cmn.IroAuto1);

    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    EXPECT_TRUE(Desktop({view, views.viewOf(program.frmHint())}).save(MOZEL_SCREENSHOT_DIR "/hint-chain.png"));
}

// The hint window on the screen the test runs on (ctest runs it on a 1366 x 768 laptop screen
// at display scales 1 and 1.5): never over the board, inside the screen; its 適用 and
// 次のヒント buttons and Ctrl+Enter on screen, one action a step; Esc closes it.
TEST_F(HintWindow, StandsBesideTheBoard) {
    board::frmAllGamen& main = program.frmAllGamen();
    DoubleProblem problem = DoubleProblem::Load("sensei-1-180501-144448.hard.txt");
    ASSERT_TRUE(problem.valid());
    for (int g = 1; g <= 2; ++g)
        for (int k = 1; k <= 81; ++k) {
            char ch = problem.givens[static_cast<std::size_t>(g - 1)][static_cast<std::size_t>(k - 1)];
            main.text1(program.cmn().GridMasu[12][g][k]).setText(ch == '.' ? "" : std::string(1, ch));
        }
    ui::qt::FormView* view = views.viewOf(main);
    ASSERT_NE(view, nullptr);
    QTest::mouseClick(dynamic_cast<QPushButton*>(view->widgetOf(main.cmdHint)), Qt::LeftButton);
    QApplication::processEvents();
    const std::string first = ShownStep(program, views);
    ASSERT_EQ(first.rfind("ヒント（", 0), 0u) << first;

    hint::frmHint& hint = program.frmHint();
    ui::qt::FormView* window = views.viewOf(hint);
    ASSERT_NE(window, nullptr);
    const QRect screen = window->screen()->availableGeometry();
    const QRect board = BoardOnScreen(*view, main);
    EXPECT_FALSE(window->frameGeometry().intersects(board)) << "board " << board.x() << "," << board.y() << " " << board.width()
                                                            << "x" << board.height();
    EXPECT_TRUE(screen.contains(window->frameGeometry()));
    const bool beside = !window->frameGeometry().intersects(view->frameGeometry());
    RecordProperty("beside", beside ? 1 : 0);

    // A picture of the screen with the step shown and its cells painted.
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    const QString name = QStringLiteral(MOZEL_SCREENSHOT_DIR "/hint-beside-%1x%2-%3.png")
                             .arg(window->screen()->geometry().width())
                             .arg(window->screen()->geometry().height())
                             .arg(qRound(window->screen()->devicePixelRatio() * 100));
    EXPECT_TRUE(Desktop({view, window}, true).save(name));

    // 次のヒント asks again; 適用 places the step's digit and shows the next; Ctrl+Enter in the
    // window does the same; Esc closes it.
    auto filled = [&] { return program.state().filledCount(); };
    const int before = filled();
    QTest::mouseClick(dynamic_cast<QPushButton*>(window->widgetOf(hint.cmdNext)), Qt::LeftButton);
    EXPECT_EQ(filled(), before);
    EXPECT_EQ(ShownStep(program, views), first);
    QTest::mouseClick(dynamic_cast<QPushButton*>(window->widgetOf(hint.cmdApply)), Qt::LeftButton);
    EXPECT_EQ(filled(), before + 1);
    ASSERT_TRUE(window->isVisible());
    QTest::keyClick(window->widgetOf(hint.cmdApply), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(filled(), before + 2);
    QTest::keyClick(window->widgetOf(hint.cmdApply), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(hint.visible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(services.messages().empty());
}

}  // namespace
