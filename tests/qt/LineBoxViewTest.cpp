// A single-line text box stands in for its line edit until the box shows text or the user
// reaches it; the stand-in looks exactly like the line edit that then takes its place.
#include <QApplication>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "ui/qt/LineBoxView.h"

namespace {

using qttest::TestWindow;
using ui::qt::LineBoxView;

LineBoxView* StandIn(const TestWindow& window, const ui::Control& control) {
    return window.view.findChild<LineBoxView*>(QString::fromStdString(control.path()));
}

int DifferingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    }
    return count;
}

class LineBoxViewTest : public ::testing::Test {
protected:
    TestWindow window;
    qttest::TestForm& form = window.form;
    LineBoxView* box = StandIn(window, form.txt);
};

TEST_F(LineBoxViewTest, TheLineEditComesWhenTheBoxFirstShowsText) {
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->hasEditor());
    EXPECT_TRUE(box->isVisible());
    // Blanks show nothing, as the board's empty cells hold.
    form.txt.setText("  ");
    window.flush();
    EXPECT_FALSE(box->hasEditor());

    form.txt.setText("7");
    window.flush();
    ASSERT_TRUE(box->hasEditor());
    QLineEdit* edit = &box->editor();
    EXPECT_EQ(edit->text(), "7");
    EXPECT_TRUE(edit->isVisible());
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(edit->geometry(), box->geometry());
    // From now on the editor follows the model.
    form.txt.setVisible(false);
    window.flush();
    EXPECT_FALSE(edit->isVisible());
    EXPECT_FALSE(box->isVisible());
}

TEST_F(LineBoxViewTest, TheEditorTakesTheBoxPlaceInTheStackAndTheFocusChain) {
    QLineEdit* edit = window.widget<QLineEdit>(form.txt);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(box->hasEditor());
    // Directly under the stand-in: below every control made after the box, as it was.
    QObjectList order = window.view.canvas()->children();
    EXPECT_EQ(order.indexOf(edit) + 1, order.indexOf(box));
    EXPECT_EQ(box->nextInFocusChain(), edit);
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus);
}

TEST_F(LineBoxViewTest, TheWindowFocusPassesToTheEditor) {
    // The box is the window's first control: an activated window gives it the focus.
    window.view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window.view));
    ASSERT_TRUE(box->hasEditor());
    EXPECT_EQ(QApplication::focusWidget(), &box->editor());
}

TEST_F(LineBoxViewTest, TheFocusAndTheKeysGoToTheEditor) {
    // Out of reach while the window takes its first focus.
    form.txt.setEnabled(false);
    window.flush();
    window.view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window.view));
    ASSERT_FALSE(box->hasEditor());
    form.txt.setEnabled(true);
    form.txt.setText("  ");
    window.flush();
    box->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(box->hasEditor());
    QLineEdit* edit = &box->editor();
    EXPECT_EQ(QApplication::focusWidget(), edit);
    // Reached by Tab, the line edit selects its text, as it always did.
    EXPECT_EQ(edit->selectedText(), "  ");
    QTest::keyClicks(QApplication::focusWidget(), "4");
    EXPECT_EQ(form.keys, (std::vector<int>{'4'}));
    EXPECT_EQ(form.txt.text(), "4");
}

TEST_F(LineBoxViewTest, APressOnTheStandInReachesMouseDownAndTheEditor) {
    QTest::mousePress(box, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(box, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(form.mouseButtons, (std::vector<int>{ui::kRightButton}));
    EXPECT_TRUE(box->hasEditor());
}

TEST(LineBoxViewReach, TheMouseOrADragArrivingMakesTheEditor) {
    TestWindow window;
    LineBoxView* box = StandIn(window, window.form.txt);
    ASSERT_NE(box, nullptr);
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QCoreApplication::sendEvent(box, &enter);
    EXPECT_TRUE(box->hasEditor());

    TestWindow dragged;
    LineBoxView* target = StandIn(dragged, dragged.form.txt);
    QMimeData text;
    text.setText("9");
    QDragEnterEvent drag(QPoint(3, 3), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drag);
    EXPECT_TRUE(target->hasEditor());
    // The stand-in itself takes no drop: the drag's next move meets the editor.
    EXPECT_FALSE(drag.isAccepted());
}

// Every look of an empty box: the client area is the same, pixel for pixel, before and after
// the line edit takes over.
TEST(LineBoxViewLooks, TheStandInLooksExactlyLikeTheLineEdit) {
    const std::vector<std::pair<const char*, std::function<void(ui::TextBox&)>>> looks = {
        {"plain", [](ui::TextBox&) {}},
        {"blanks", [](ui::TextBox& box) { box.setText("  "); }},
        {"coloured", [](ui::TextBox& box) {
             box.setBackColor(0x80C0FF);
             box.setForeColor(0x0000FF);
         }},
        {"locked", [](ui::TextBox& box) { box.setLocked(true); }},
        {"disabled", [](ui::TextBox& box) { box.setEnabled(false); }},
        {"wide", [](ui::TextBox& box) { box.setBounds(150, 150, 2700, 300); }},
    };
    for (const auto& [name, apply] : looks) {
        TestWindow window;
        apply(window.form.txt);
        LineBoxView* box = StandIn(window, window.form.txt);
        ASSERT_NE(box, nullptr) << name;
        QImage standIn = window.client();
        ASSERT_FALSE(box->hasEditor()) << name;
        ASSERT_NE(window.widget<QLineEdit>(window.form.txt), nullptr) << name;
        QImage edit = window.client();
        EXPECT_EQ(DifferingPixels(standIn, edit), 0) << name;
    }
}

}  // namespace
