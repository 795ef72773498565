// Windows that fit the screen and follow the user's zoom, on the offscreen screen (1920 x 1200):
// the zoom keys wherever the focus is and never in the model, windows made later, a window
// larger than the screen, the program's positions scaled and kept inside the screen, and the
// zoom kept in the settings.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "ui/Keys.h"
#include "ui/qt/ScreenFit.h"
#include "ui/qt/ZoomSetting.h"

namespace {

using qttest::TestForm;
using qttest::TestWindow;

// The whole window, frame included, lies in its screen's free area.
::testing::AssertionResult InsideItsScreen(const QWidget& window) {
    const QRect free = window.screen()->availableGeometry();
    if (free.contains(window.frameGeometry())) return ::testing::AssertionSuccess();
    const QRect frame = window.frameGeometry();
    return ::testing::AssertionFailure() << "frame " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                         << frame.height() << " outside " << free.width() << "x" << free.height();
}

class ZoomKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Shortcuts of the program on the zoom keys must never run.
        for (int key : {'=', '+', '-', '0'}) {
            for (int shift : {0, ui::kShiftMask}) {
                window.registry.addShortcut({key, ui::kCtrlMask | shift}, [this](ui::Control*) {
                    ++modelShortcuts;
                    return true;
                });
            }
        }
        window.views->onZoomChanged = [this](double zoom) { told.push_back(zoom); };
    }
    QSize client() const { return window.view.canvas()->size(); }

    TestWindow window;
    TestForm& form = window.form;
    int modelShortcuts = 0;
    std::vector<double> told;
};

TEST_F(ZoomKeysTest, ZoomEveryWayWhereverTheFocusIs) {
    auto* box = window.widget<QLineEdit>(form.txt);
    auto* button = window.widget<QPushButton>(form.cmd);
    ASSERT_TRUE(box && button);
    box->setFocus();
    ASSERT_EQ(client(), QSize(400, 300));

    QTest::keyClick(box, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(client(), QSize(440, 330));
    QTest::keyClick(box, Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(client(), QSize(500, 375));
    // The box grows with the window, and its text with it.
    EXPECT_EQ(box->geometry(), QRect(13, 13, 125, 37));
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 9 * 1.25);
    QTest::keyClick(button, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(client(), QSize(440, 330));
    QTest::keyClick(&window.view, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(client(), QSize(500, 375));
    QTest::keyClick(box, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(client(), QSize(400, 300));
    EXPECT_EQ(box->geometry(), QRect(10, 10, 100, 30));
    EXPECT_DOUBLE_EQ(box->font().pointSizeF(), 9);

    EXPECT_EQ(told, (std::vector<double>{1.1, 1.25, 1.1, 1.25, 1.0}));
    // Neither the model's shortcuts nor the box's KeyPress saw a zoom key.
    EXPECT_EQ(modelShortcuts, 0);
    EXPECT_TRUE(form.keys.empty());
    EXPECT_EQ(form.txt.text(), "");
}

TEST_F(ZoomKeysTest, OtherChordsAndTheEndsOfTheRangeLeaveTheZoom) {
    auto* box = window.widget<QLineEdit>(form.txt);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Equal, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(box, Qt::Key_Minus);
    EXPECT_EQ(client(), QSize(400, 300));
    // A minus without Ctrl is typed.
    EXPECT_EQ(form.keys.back(), '-');

    for (size_t i = 0; i < ui::qt::kZoomSteps.size(); ++i) QTest::keyClick(box, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.views->zoom(), ui::qt::kZoomSteps.front());
    EXPECT_EQ(told.size(), 5u);  // 0.9, 0.8, 0.75, 0.67, 0.5 and no more
}

TEST_F(ZoomKeysTest, AShortcutOnTheSameKeysDoesNotTakeThem) {
    int fired = 0;
    QShortcut shortcut(QKeySequence(QStringLiteral("Ctrl+=")), &window.view);
    QObject::connect(&shortcut, &QShortcut::activated, [&fired] { ++fired; });
    window.widget<QLineEdit>(form.txt)->setFocus();
    QTest::keyClick(window.widget<QLineEdit>(form.txt), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(fired, 0);
    EXPECT_DOUBLE_EQ(window.views->zoom(), 1.1);
}

TEST(Zoom, WindowsMadeLaterOpenAtTheZoomAndTheModelKeepsItsTwips) {
    qttest::EnsureApplication();
    ui::FormRegistry registry;
    ui::qt::ViewManager views(registry);
    views.setZoom(1.5);
    registry.add("frmTest", [] { return std::make_unique<TestForm>(); });
    auto& form = static_cast<TestForm&>(registry.get("frmTest"));
    form.chk.setFontSize(12);
    form.Show();
    views.flush();
    ui::qt::FormView& view = *views.viewOf(form);
    EXPECT_EQ(view.canvas()->size(), QSize(600, 450));
    EXPECT_EQ(view.pos(), QPoint(150, 75));
    auto* label = dynamic_cast<QLabel*>(view.widgetOf(form.lbl));
    ASSERT_NE(label, nullptr);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 13.5);
    // Buttons take the window's font, scaled too.
    EXPECT_DOUBLE_EQ(view.widgetOf(form.cmd)->font().pointSizeF(), 13.5);
    // A button with a font size of its own keeps it in proportion.
    EXPECT_DOUBLE_EQ(view.widgetOf(form.chk)->font().pointSizeF(), 18);

    // A click reports twips as the model knows them.
    int x = -1, y = -1;
    form.txt.onMouseDown = [&](int, int, int atX, int atY) { x = atX, y = atY; };
    QWidget* box = view.widgetOf(form.txt);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(75, 30));
    EXPECT_EQ(x, 750);
    EXPECT_EQ(y, 300);
    EXPECT_EQ(form.width(), 6000);
    EXPECT_EQ(form.txt.left(), 150);
    EXPECT_EQ(form.txt.width(), 1500);
    EXPECT_EQ(form.lbl.fontSize(), 9);
}

// A registry with the views of its windows, and one test window of the given size in twips.
struct SizedWindow {
    SizedWindow(int width, int height)
        : views((qttest::EnsureApplication(), registry)), form(Open(registry, width, height)), view(*views.viewOf(form)) {
        views.flush();
    }
    static TestForm& Open(ui::FormRegistry& registry, int width, int height) {
        registry.add("frmTest", [width, height] {
            auto form = std::make_unique<TestForm>();
            form->setWidth(width);
            form->setHeight(height);
            return form;
        });
        auto& form = static_cast<TestForm&>(registry.get("frmTest"));
        form.Show();
        return form;
    }
    ui::FormRegistry registry;
    ui::qt::ViewManager views;
    TestForm& form;
    ui::qt::FormView& view;
};

TEST(Zoom, AWindowLargerThanTheScreenOpensScaledDownInsideIt) {
    SizedWindow window(24000, 19500);  // 1600 x 1300 pixels at its own size
    ui::qt::FormView& view = window.view;
    TestForm& form = window.form;
    EXPECT_TRUE(InsideItsScreen(view));
    // The client area and a menu bar in the screen's 1200 rows, less the frame.
    const double fitted = view.scale().factor();
    EXPECT_LT(fitted, 1200.0 / 1325);
    EXPECT_GT(fitted, 1100.0 / 1325);
    // Geometry and fonts together, the menu bar's included.
    EXPECT_EQ(view.widgetOf(form.txt)->geometry(), view.scale().rect(150, 150, 1500, 450));
    EXPECT_NEAR(view.widgetOf(form.lbl)->font().pointSizeF(), 9 * fitted, 1e-9);
    EXPECT_NEAR(view.menuBar()->font().pointSizeF(), 9 * fitted, 1e-9);

    // Zooming in cannot push it past the screen; zooming out shrinks it further. (The window
    // fits anew each time, with the frame the window system has given it by now.)
    window.views.setZoom(2.0);
    const double fit = view.scale().factor();
    EXPECT_NEAR(fit, fitted, 0.03);
    EXPECT_TRUE(InsideItsScreen(view));
    window.views.setZoom(1.0);
    EXPECT_DOUBLE_EQ(view.scale().factor(), fit);
    window.views.setZoom(0.9);
    EXPECT_NEAR(view.scale().factor(), fit * 0.9, 0.001);
    EXPECT_TRUE(InsideItsScreen(view));
}

TEST(Zoom, OnAScreenTooSmallTheTextStaysReadableAndTheTopLeftCornerShows) {
    SizedWindow window(45000, 30000);  // 3000 x 2000 pixels: 0.6 would fit
    EXPECT_DOUBLE_EQ(window.view.scale().factor(), ui::qt::ReadableFactor(96, 1));
    EXPECT_EQ(window.view.frameGeometry().topLeft(), window.view.screen()->availableGeometry().topLeft());
}

TEST(Zoom, ProgramPositionsAreScaledAndKeptInsideTheScreenAndTheUsersMoveStays) {
    TestWindow window;
    TestForm& form = window.form;
    ASSERT_EQ(window.view.pos(), QPoint(100, 50));
    window.views->setZoom(2.0);
    EXPECT_EQ(window.view.pos(), QPoint(200, 100));

    // Placed past the screen's right and bottom edges: just inside them.
    form.setLeft(60000);
    form.setTop(30000);
    window.flush();
    EXPECT_TRUE(InsideItsScreen(window.view));
    const QRect free = window.view.screen()->availableGeometry();
    EXPECT_EQ(window.view.frameGeometry().right(), free.right());
    EXPECT_EQ(window.view.frameGeometry().bottom(), free.bottom());

    // Where the user puts it, it stays when the window changes, and when the zoom does.
    window.view.move(300, 200);
    QApplication::processEvents();  // the window system reports the move
    form.setCaption("別名");
    window.flush();
    EXPECT_EQ(window.view.pos(), QPoint(300, 200));
    window.views->setZoom(1.0);
    EXPECT_EQ(window.view.pos(), QPoint(300, 200));
    // Until the program places it again.
    form.setLeft(3000);
    form.setTop(1500);
    window.flush();
    EXPECT_EQ(window.view.pos(), QPoint(200, 100));
}

TEST(ZoomSetting, TheZoomIsKeptAndABadValueReadsAsTheFittedSize) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("MozelDouble.ini"));
    {
        QSettings settings(file, QSettings::IniFormat);
        EXPECT_DOUBLE_EQ(ui::qt::ReadZoom(settings), 1.0);
        ui::qt::WriteZoom(settings, 1.25);
    }
    QSettings settings(file, QSettings::IniFormat);
    EXPECT_DOUBLE_EQ(ui::qt::ReadZoom(settings), 1.25);
    settings.setValue(QStringLiteral("windows/zoom"), QStringLiteral("大きく"));
    EXPECT_DOUBLE_EQ(ui::qt::ReadZoom(settings), 1.0);
    settings.setValue(QStringLiteral("windows/zoom"), 12);
    EXPECT_DOUBLE_EQ(ui::qt::ReadZoom(settings), ui::qt::kZoomSteps.back());
}

}  // namespace
