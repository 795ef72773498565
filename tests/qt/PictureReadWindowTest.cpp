// The reading window on screen: a picture of a double board put on the clipboard and pasted
// with Ctrl+V is read into the window beside the board, its digits in the widgets, both grids'
// box lines drawn. The picture stays in the build tree.
#include <QApplication>
#include <QLineEdit>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

#include "QtTestSupport.h"
#include "board/frmAllGamen.h"
#include "pictureread/frmPictureRead.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"
#include "ui/Keys.h"
#include "ui/UserInput.h"

struct PictureReadWindow : ::testing::Test, qttest::ProgramOnScreen {};

TEST_F(PictureReadWindow, ShowsThePictureReadFromTheClipboard) {
    std::ifstream file(MOZEL_TEST_DATA "/../scripts/picture-read.folder/board.png", std::ios::binary);
    services.setClipboardPicture({std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()});
    ui::Press(program.forms(), program.frmAllGamen().text1(1), {'V', ui::kCtrlMask});
    QApplication::processEvents();

    pictureread::frmPictureRead& window = program.frmPictureRead();
    ui::qt::FormView* view = views.viewOf(window);
    ASSERT_TRUE(view && view->isVisible());
    EXPECT_EQ(window.lblPattern.caption(), "パターン 2");
    auto* cell = dynamic_cast<QLineEdit*>(view->widgetOf(window.txtMasu(9)));
    ASSERT_TRUE(cell);
    EXPECT_EQ(cell->text(), "3");
    // The picture beside the board: its lines drawn dark within the box.
    const QImage picture = view->widgetOf(window.picGazou)->grab().toImage();
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) dark += qGray(picture.pixel(x, y)) < 96;
    EXPECT_GT(dark, picture.width() * 2) << "the grids' lines";
    EXPECT_TRUE(view->snapshot().save(MOZEL_SCREENSHOT_DIR "/picture-read.png"));
}
