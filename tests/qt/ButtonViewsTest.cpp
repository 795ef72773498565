// Clicks, picks and spinner presses on screen go through the model, and the widgets mirror
// what the model decided.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "ui/qt/UpDownView.h"

namespace {

using qttest::TestWindow;

class ButtonViewsTest : public ::testing::Test {
protected:
    TestWindow window;
    qttest::TestForm& form = window.form;
};

TEST_F(ButtonViewsTest, ACheckBoxClickGoesThroughTheModel) {
    auto* check = window.widget<QCheckBox>(form.chk);
    ASSERT_NE(check, nullptr);
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(form.checkClicks, 1);
    EXPECT_EQ(form.chk.value(), 1);
    window.flush();
    EXPECT_TRUE(check->isChecked());

    // The same value again is no change: no Click.
    form.chk.setValue(1);
    EXPECT_EQ(form.checkClicks, 1);
    form.chk.setValue(0);
    EXPECT_EQ(form.checkClicks, 2);
    window.flush();
    EXPECT_FALSE(check->isChecked());
}

TEST_F(ButtonViewsTest, ACheckBoxShowsWhatTheModelDecidedNotWhatItWouldToggleTo) {
    auto* check = window.widget<QCheckBox>(form.chk);
    form.grayOnClick = true;
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(form.chk.value(), 2);
    window.flush();
    EXPECT_EQ(check->checkState(), Qt::PartiallyChecked);
}

TEST_F(ButtonViewsTest, OptionButtonsExcludeEachOtherThroughTheModel) {
    auto* first = window.widget<QRadioButton>(form.opt1);
    auto* second = window.widget<QRadioButton>(form.opt2);
    ASSERT_TRUE(first && second);
    QTest::mouseClick(first, Qt::LeftButton);
    window.flush();
    QTest::mouseClick(second, Qt::LeftButton);
    window.flush();
    EXPECT_FALSE(form.opt1.value());
    EXPECT_TRUE(form.opt2.value());
    EXPECT_FALSE(first->isChecked());
    EXPECT_TRUE(second->isChecked());
    // Clicking the selected one again selects nothing new.
    QTest::mouseClick(second, Qt::LeftButton);
    window.flush();
    EXPECT_TRUE(second->isChecked());
    EXPECT_EQ(form.optionClicks, 2);
}

TEST_F(ButtonViewsTest, ACommandButtonClickFiresClickOnce) {
    auto* button = window.widget<QPushButton>(form.cmd);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("実行"));
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(form.commandClicks, 1);

    form.cmd.setBackColor(0x00FF00);
    window.flush();
    EXPECT_EQ(button->palette().color(QPalette::Button), QColor(0, 255, 0));
    form.cmd.setCaption("中止");
    window.flush();
    EXPECT_EQ(button->text(), QStringLiteral("中止"));
}

TEST_F(ButtonViewsTest, MenuItemsFormTheMenuBarAndReachTheModel) {
    QMenuBar* bar = window.view.menuBar();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 1);
    QAction* file = bar->actions().front();
    EXPECT_EQ(file->text(), QStringLiteral("ファイル"));
    ASSERT_NE(file->menu(), nullptr);
    ASSERT_EQ(file->menu()->actions().size(), 1);
    QAction* open = file->menu()->actions().front();
    EXPECT_EQ(open, window.view.viewOf(form.mnuOpen));

    open->trigger();
    EXPECT_EQ(form.menuClicks, 1);
    form.mnuOpen.setCaption("保存");
    form.mnuOpen.setVisible(false);
    window.flush();
    EXPECT_EQ(open->text(), QStringLiteral("保存"));
    EXPECT_FALSE(open->isVisible());
}

TEST_F(ButtonViewsTest, AnOpenedMenuShowsItsItemsAsItsClickLeftThem) {
    QMenu* file = window.view.menuBar()->actions().front()->menu();
    auto* open = static_cast<QAction*>(window.view.viewOf(form.mnuOpen));
    form.renameOnOpen = true;
    file->popup(QPoint(0, 0));  // aboutToShow: the Click of mnuFile runs
    EXPECT_EQ(open->text(), QStringLiteral("最近のファイル"));
    file->hide();
}

TEST_F(ButtonViewsTest, AComboShowsSwatchesAndAPickGoesToTheModel) {
    auto* combo = window.widget<QComboBox>(form.combo);
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->currentIndex(), 0);
    QImage swatch = combo->itemIcon(2).pixmap(combo->iconSize()).toImage();
    EXPECT_EQ(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), QColor(0, 0, 255));

    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form.combo.selected(), 2);
    EXPECT_EQ(form.combo.text(), "緑");
    EXPECT_EQ(form.comboClicks, 1);

    // Selecting from code shows the entry and fires nothing.
    form.combo.select(3);
    window.flush();
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(form.comboClicks, 1);
}

TEST_F(ButtonViewsTest, SpinnerArrowsStepTheBuddyWithinItsRange) {
    auto* spinner = window.widget<ui::qt::UpDownView>(form.spin);
    ASSERT_NE(spinner, nullptr);
    auto* buddy = window.widget<QLineEdit>(form.txtNum);
    QTest::mouseClick(spinner->upButton(), Qt::LeftButton);
    EXPECT_EQ(form.txtNum.text(), "6");
    window.flush();
    EXPECT_EQ(buddy->text(), "6");
    QTest::mouseClick(spinner->upButton(), Qt::LeftButton);
    EXPECT_EQ(form.txtNum.text(), "6");
    EXPECT_EQ(form.upClicks, 2);
    QTest::mouseClick(spinner->downButton(), Qt::LeftButton);
    window.flush();
    EXPECT_EQ(buddy->text(), "5");
}

}  // namespace
