// Everyday solving on screen: the arrow keys and Ctrl+Z through the real widgets, a picture of
// the board pasted with Ctrl+V, and the new-problem window making a problem on a thread of its
// own while the windows keep answering. The pictures stay in the build tree.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "state/PuzzleState.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "collection/frmMondai.h"
#include "newproblem/frmNewProblem.h"
#include "program/Program.h"
#include "puzzle/Generator.h"
#include "puzzle/ProblemText.h"
#include "ui/HeadlessServices.h"
#include "ui/qt/QtWorker.h"

namespace {

// Recorded dialogs, the real worker threads.
struct ThreadedServices : ui::HeadlessServices {
    void Run(std::function<void()> work, std::function<void()> done) override { worker.Run(std::move(work), std::move(done)); }
    ui::qt::QtWorker worker;
};

struct Everyday : ::testing::Test {
    Everyday() {
        program.Start();
        // The collection window that opens with the program stands aside.
        program.frmMondai().Hide();
        view = views.viewOf(program.frmAllGamen());
        activate(view);
    }
    board::frmAllGamen& main() { return program.frmAllGamen(); }
    static void activate(QWidget* window) {
        QApplication::processEvents();
        window->activateWindow();
        QApplication::setActiveWindow(window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }
    QWidget* widget(const ui::Control& control) {
        ui::qt::FormView* owner = views.viewOf(control.form());
        return owner ? owner->widgetOf(control) : nullptr;
    }
    // The model control that has the focus, as the views report it.
    std::string focus() {
        QApplication::processEvents();
        const ui::Control* f = program.forms().focus();
        return f ? f->path() : "";
    }
    void save(ui::qt::FormView* v, const char* name) {
        ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
        EXPECT_TRUE(v->snapshot().save(QString(MOZEL_SCREENSHOT_DIR "/") + name));
    }

    // The application first: the views connect to it.
    qttest::WithApplication application;
    ThreadedServices services;
    program::Program program{services.services()};
    ui::qt::ViewManager views{program.forms()};
    ui::qt::FormView* view = nullptr;
};

TEST_F(Everyday, ArrowKeysAndUndoThroughTheWidgets) {
    QWidget* first = widget(main().text1(1));
    ASSERT_NE(first, nullptr);
    first->setFocus();
    EXPECT_EQ(focus(), "text1(1)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    EXPECT_EQ(focus(), "text1(2)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(focus(), "text1(17)");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_EQ(focus(), "text1(24)") << "row 2 ends at column 9 in pattern 12";
    QTest::keyClicks(QApplication::focusWidget(), "6");
    EXPECT_EQ(main().text1(24).text(), "  6");
    EXPECT_EQ(main().lblSetCount.caption(), "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(main().text1(24).text(), "  ");
    EXPECT_EQ(main().lblSetCount.caption(), "0");
    // With a button focused, the window takes the shortcut.
    widget(main().cmdHint)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(main().text1(24).text(), "  6");
    views.flush();
    auto* undo = dynamic_cast<QPushButton*>(widget(main().cmdModosu));
    ASSERT_NE(undo, nullptr);
    EXPECT_TRUE(undo->isEnabled());
    save(view, "undo-keys.png");
}

TEST_F(Everyday, APictureOfTheBoardPastedWithCtrlV) {
    puzzle::DoubleBoard problem = puzzle::GenerateProblem(3, false, 11);
    services.SetClipboardText(puzzle::BoardPicture(problem));
    widget(main().text1(1))->setFocus();
    QApplication::processEvents();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(program.cmn().PatternNo, 3);
    EXPECT_EQ(program.state().reading().board, problem);
    views.flush();
    // A given's cell shows its digit and takes no key.
    int k = 1;
    while (problem.at(1, k) == 0) ++k;
    auto* given = dynamic_cast<QLineEdit*>(widget(main().text1(program.cmn().GridMasu[3][1][k])));
    ASSERT_NE(given, nullptr);
    EXPECT_TRUE(given->isReadOnly());
    EXPECT_EQ(given->text(), QString::number(problem.at(1, k)));
    if (QWidget* f = QApplication::focusWidget()) f->clearFocus();
    save(view, "paste-picture.png");
}

// Making a problem takes a thread of its own: the busy bar moves, the board still takes keys,
// 中止 stops the work; an easy level then places its problem.
TEST_F(Everyday, TheNewProblemWindowKeepsTheWindowsAnswering) {
    QTest::mouseClick(widget(main().cmdAtarasiiMondai), Qt::LeftButton);
    newproblem::frmNewProblem& window = program.frmNewProblem();
    ui::qt::FormView* dialog = views.viewOf(window);
    ASSERT_NE(dialog, nullptr);
    QApplication::processEvents();
    ASSERT_TRUE(dialog->isVisible());
    activate(view);
    window.txtPattern.setText("1");
    window.chkNaname.setValue(1);
    window.optNanido(7).setValue(true);
    window.txtTane.setText("5");
    QTest::mouseClick(widget(window.cmdTukuru), Qt::LeftButton);
    auto* bar = dynamic_cast<QProgressBar*>(widget(window.pbSagyou));
    ASSERT_NE(bar, nullptr);
    QApplication::processEvents();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), 0) << "busy";
    EXPECT_FALSE(widget(window.cmdTukuru)->isEnabled());
    save(dialog, "new-problem-busy.png");
    // The board answers meanwhile.
    widget(main().text1(5))->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(QApplication::focusWidget(), "8");
    EXPECT_EQ(main().text1(5).text(), "  8");
    QTest::mouseClick(widget(window.cmdTyuusi), Qt::LeftButton);
    QElapsedTimer clock;
    clock.start();
    while (window.lblJoutai.caption() != "中止しました。" && clock.elapsed() < 10000) QTest::qWait(20);
    EXPECT_EQ(window.lblJoutai.caption(), "中止しました。") << window.lblJoutai.caption();
    EXPECT_LT(clock.elapsed(), 2000) << "a stop takes effect soon";
    EXPECT_TRUE(widget(window.cmdTukuru)->isEnabled());

    window.chkNaname.setValue(0);
    window.optNanido(1).setValue(true);
    QTest::mouseClick(widget(window.cmdTukuru), Qt::LeftButton);
    clock.restart();
    while (program.cmn().PatternNo != 1 && clock.elapsed() < 20000) QTest::qWait(20);
    EXPECT_EQ(program.cmn().PatternNo, 1);
    EXPECT_NE(main().txtMondaiMemo.text().find("自動生成 やさしい 種 8"), std::string::npos);
}

}  // namespace
