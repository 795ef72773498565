// A text box on screen: keys go through the model's KeyPress, the model's text and looks show
// in the widget, mouse presses reach MouseDown.
#include <QLineEdit>
#include <QTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include "QtTestSupport.h"

namespace {

using qttest::TestWindow;

class TextBoxViewTest : public ::testing::Test {
protected:
    TestWindow window;
    qttest::TestForm& form = window.form;
    QLineEdit* edit = window.widget<QLineEdit>(form.txt);
};

TEST_F(TextBoxViewTest, TypedKeysReachKeyPressThenTheModel) {
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "ab");
    EXPECT_EQ(form.keys, (std::vector<int>{'a', 'b'}));
    EXPECT_EQ(form.txt.text(), "ab");
    EXPECT_EQ(edit->text(), "ab");
    EXPECT_EQ(form.changes, 2);

    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(form.keys.back(), 8);
    EXPECT_EQ(form.txt.text(), "a");
    EXPECT_EQ(form.changes, 3);
    // KeyUp follows each key once the widget has applied it.
    EXPECT_EQ(form.keyUps, (std::vector<std::string>{"97:a", "98:ab", "8:a"}));
}

TEST_F(TextBoxViewTest, ADroppedKeyNeverReachesTheWidget) {
    form.dropDigits = true;
    QTest::keyClicks(edit, "7x");
    EXPECT_EQ(form.keys, (std::vector<int>{'7', 'x'}));
    EXPECT_EQ(form.keyUps, std::vector<std::string>{"120:x"}) << "no KeyUp for a dropped key";
    EXPECT_EQ(edit->text(), "x");
    EXPECT_EQ(form.txt.text(), "x");
    EXPECT_EQ(form.changes, 1);
}

TEST_F(TextBoxViewTest, AKeyChangedByTheHandlerIsTheOneApplied) {
    form.upperCase = true;
    QTest::keyClicks(edit, "q1");
    EXPECT_EQ(edit->text(), "Q1");
    EXPECT_EQ(form.txt.text(), "Q1");
    EXPECT_EQ(form.changes, 2);
}

TEST_F(TextBoxViewTest, AKeyEditsTheBoxAsItsHandlerLeftIt) {
    form.txt.setText("abc");
    window.flush();
    form.clearOnKey = true;
    QTest::keyClick(edit, Qt::Key_5);
    EXPECT_EQ(edit->text(), "5");
    EXPECT_EQ(form.txt.text(), "5");
}

TEST_F(TextBoxViewTest, ALockedBoxStillReportsKeysButKeepsItsText) {
    form.txt.setText("9");
    form.txt.setLocked(true);
    window.flush();
    EXPECT_TRUE(edit->isReadOnly());
    QTest::keyClick(edit, Qt::Key_3);
    EXPECT_EQ(form.keys, (std::vector<int>{'3'}));
    EXPECT_EQ(edit->text(), "9");
    EXPECT_EQ(form.txt.text(), "9");
}

TEST_F(TextBoxViewTest, ModelChangesShowWithoutEchoingBack) {
    form.txt.setText("１２");
    window.flush();
    EXPECT_EQ(edit->text(), QStringLiteral("１２"));
    EXPECT_EQ(form.changes, 1);  // the code's own change, nothing from the widget
    EXPECT_TRUE(form.keys.empty());

    form.txt.setBackColor(0x0000FF);
    form.txt.setForeColor(0xFF0000);
    window.flush();
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(255, 0, 0));
    // Pure blue does not read on red: it is drawn in a darker blue.
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(0, 0, 179));
    // A shade that carried past 0xFFFFFF shows its low 24 bits.
    form.txt.setBackColor(0x1000000 + 0x00FFFF);
    window.flush();
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(255, 255, 0));

    form.txt.setBounds(300, 450, 1500, 600);
    window.flush();
    EXPECT_EQ(edit->geometry(), QRect(20, 30, 100, 40));
    form.txt.setFontSize(14);
    form.txt.setFontBold(true);
    window.flush();
    EXPECT_EQ(edit->font().pointSize(), 14);
    EXPECT_TRUE(edit->font().bold());
    form.txt.setAlignment(ui::Alignment::Right);
    window.flush();
    EXPECT_TRUE(edit->alignment() & Qt::AlignRight);

    EXPECT_TRUE(edit->isVisible());
    form.txt.setVisible(false);
    window.flush();
    EXPECT_FALSE(edit->isVisible());
    form.txt.setEnabled(false);
    window.flush();
    EXPECT_FALSE(edit->isEnabled());
    EXPECT_EQ(form.changes, 1);
}

TEST_F(TextBoxViewTest, MousePressesReachMouseDown) {
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::mouseClick(edit, Qt::RightButton);
    QTest::mouseClick(edit, Qt::MiddleButton);
    EXPECT_EQ(form.mouseButtons, (std::vector<int>{1, 2, 4}));
}

TEST_F(TextBoxViewTest, AMultiLineBoxKeepsLineBreaksAsTheModelDoes) {
    auto* memo = window.widget<QTextEdit>(form.memo);
    ASSERT_NE(memo, nullptr);
    form.memo.setText("一\r\n二");
    window.flush();
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("一\n二"));
    memo->moveCursor(QTextCursor::End);
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "3");
    EXPECT_EQ(form.memo.text(), "一\r\n二\r\n3");
}

}  // namespace
