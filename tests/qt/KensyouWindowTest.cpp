// 検証 on the real main window: the button stands in the left column under the difficulty,
// clear of its neighbours, and the cells it paints show the colour. The screenshot stays in
// the build tree (kensyou.png).
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

#include "DoubleProblem.h"
#include "QtTestSupport.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"
#include "ui/UserInput.h"

struct KensyouWindow : ::testing::Test, qttest::ProgramOnScreen {};

TEST_F(KensyouWindow, TheButtonAndItsPaintOnScreen) {
    ui::qt::FormView* view = views.viewOf("frmAllGamen");
    ASSERT_NE(view, nullptr);
    board::frmAllGamen& main = program.frmAllGamen();
    board::cmnMod01& cmn = program.cmn();

    // A double problem of pattern 12 without the 5 in grid 1's corner: several solutions.
    DoubleProblem p = DoubleProblem::Load("sensei-1-180422-185709.easy.txt");
    ASSERT_TRUE(p.valid());
    for (int g = 1; g <= 2; ++g)
        for (int k = 1; k <= 81; ++k) {
            char c = p.givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
            main.text1(cmn.GridMasu[12][g][k]).setText(c >= '1' && c <= '9' ? std::string(1, c) : "");
        }
    main.text1(1).setText("");
    ui::Click(program.forms(), main.cmdKensyou);
    ASSERT_EQ(services.messages().size(), 1u);
    views.flush();

    auto* button = qobject_cast<QPushButton*>(view->widgetOf(main.cmdKensyou));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisibleTo(view));
    EXPECT_EQ(button->text(), QString::fromUtf8("検証"));
    for (ui::Control* other : {static_cast<ui::Control*>(&main.txtNanido), static_cast<ui::Control*>(&main.cmdLock),
                               static_cast<ui::Control*>(&main.lblNanido)})
        EXPECT_FALSE(button->geometry().intersects(view->widgetOf(*other)->geometry())) << other->name();
    EXPECT_LT(button->geometry().right(), view->widgetOf(main.text1(1))->geometry().left());

    // Board cell 4 is one of the cells where two solutions differ.
    ASSERT_EQ(main.text1(4).backColor(), cmn.IroOnly);
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();
    QImage canvas = view->canvas()->grab().toImage();
    QRect cell = view->widgetOf(main.text1(4))->geometry();
    EXPECT_EQ(QColor(canvas.pixel(cell.left() + 4, cell.center().y())), qttest::Bgr(cmn.IroOnly));
    ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    EXPECT_TRUE(view->snapshot().save(MOZEL_SCREENSHOT_DIR "/kensyou.png"));
}
