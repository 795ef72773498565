// Every window of the program on the screen the test runs on. Under Xvfb it runs on a 1366 x 768
// laptop screen and on a 1920 x 1080 screen at display scales of 1.5 and 2 (see CMakeLists.txt);
// offscreen, on a large desktop screen and on a 1366 x 768 one (where the windows open fitted
// to the screen before their frame is known). Each window is opened as the user opens it, and then:
// the window and every control it shows lie inside the screen's free area, text stays readable
// and label captions whole, and a click at the window's far corner reaches the control there
// through the window system. The screen with all the windows is saved.
#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "QtTestSupport.h"
#include "ui/qt/CandidateDigits.h"
#include "board/frmAllGamen.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"
#include "ui/ImageCombo.h"
#include "ui/UpDown.h"

namespace {

using qttest::Ink;

// Takes the mouse presses and releases that reach a window's widgets and notes the control
// each one reached; the controls never see them.
class PressCatcher : public QObject {
public:
    explicit PressCatcher(ui::qt::FormView& view) : view_(view) { qApp->installEventFilter(this); }
    ~PressCatcher() override { qApp->removeEventFilter(this); }
    std::vector<const ui::Control*> pressed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != &view_) return false;
        if (type == QEvent::MouseButtonPress) pressed.push_back(view_.controlOf(widget));
        return true;
    }

private:
    ui::qt::FormView& view_;
};

bool Clickable(const ui::Control& control) {
    return dynamic_cast<const ui::CommandButton*>(&control) || dynamic_cast<const ui::CheckBox*>(&control) ||
           dynamic_cast<const ui::OptionButton*>(&control) || dynamic_cast<const ui::TextBox*>(&control) ||
           dynamic_cast<const ui::ImageCombo*>(&control) || dynamic_cast<const ui::UpDown*>(&control);
}

class ScreenFitWindows : public ::testing::Test {
protected:
    void SetUp() override {
        views.flush();
        ASSERT_TRUE(QDir().mkpath(MOZEL_SCREENSHOT_DIR));
    }

    board::frmAllGamen& main() { return program.frmAllGamen(); }
    ui::qt::FormView& viewOf(const ui::Form& form) { return *views.viewOf(form); }
    QWidget* widget(const ui::Control& control) { return viewOf(control.form()).widgetOf(control); }
    void click(const ui::Control& control) {
        QTest::mouseClick(widget(control), Qt::LeftButton);
        QApplication::processEvents();
    }

    // Every window, opened from the main window's buttons as the user opens them.
    std::vector<ui::Form*> openAll() {
        click(main().cmdOpt01);
        click(main().cmdAtarasiiMondai);
        click(main().cmdHanteiA(1));
        click(main().cmdHanteiA(2));
        click(program.frmMozelAuto().cmdKouho);
        // No button shows grid 2 (scripts may).
        program.frmMozelAuto2().Show();
        views.flush();
        std::vector<ui::Form*> shown;
        for (ui::Form* form : program.forms().loaded()) {
            if (form->visible()) shown.push_back(form);
        }
        return shown;
    }

    // The widget of a control the user sees: shown, and within its window's client area.
    // (Some windows park controls they do not use beyond their edges.)
    QWidget* seen(const ui::Control& control) {
        QWidget* shown = widget(control);
        if (!shown || !shown->isVisible()) return nullptr;
        return viewOf(control.form()).canvas()->rect().intersects(shown->geometry()) ? shown : nullptr;
    }

    // The bottom-right corner of a window as the user sees it: the shown, enabled control that
    // takes clicks and reaches furthest right and down.
    const ui::Control* farCorner(const ui::Form& form) {
        const ui::Control* corner = nullptr;
        int reach = -1;
        for (const ui::Control* control : form.controls()) {
            QWidget* shown = seen(*control);
            if (!shown || !shown->isEnabled() || !Clickable(*control)) continue;
            const QRect at = shown->geometry();
            if (at.right() + at.bottom() > reach) {
                reach = at.right() + at.bottom();
                corner = control;
            }
        }
        return corner;
    }

    // A click a few pixels inside a control's bottom-right corner, through the window system
    // (the window finds the widget under the point).
    void clickCorner(ui::qt::FormView& view, const ui::Control& control) {
        QWidget* shown = widget(control);
        const QPoint inside = shown->rect().bottomRight() - QPoint(3, 3);
        EXPECT_TRUE(view.screen()->availableGeometry().contains(shown->mapToGlobal(inside))) << control.path();
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) view.raise();
        view.activateWindow();
        QApplication::processEvents();
        QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, shown->mapTo(&view, inside));
        QApplication::processEvents();
    }

    // The name of this screen for the pictures: its size and display scale.
    static QString ScreenName() {
        QScreen* screen = QGuiApplication::primaryScreen();
        const QSize device = screen->size() * screen->devicePixelRatio();
        return QStringLiteral("%1x%2-%3").arg(device.width()).arg(device.height()).arg(qRound(screen->devicePixelRatio() * 100));
    }

    qttest::WithApplication application;
    ui::HeadlessServices services;
    program::Program program{services.services()};
    ui::qt::ViewManager views{program.forms()};
};

TEST_F(ScreenFitWindows, EveryWindowAndEveryControlItShowsLieInsideTheScreen) {
    program.Start();
    const std::vector<ui::Form*> shown = openAll();
    EXPECT_EQ(shown.size(), 7u) << "main, collection, options, new problem, both grids, candidates";
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect free = screen->availableGeometry();
    for (ui::Form* form : shown) {
        ui::qt::FormView& view = viewOf(*form);
        const QRect frame = view.frameGeometry();
        EXPECT_TRUE(free.contains(frame)) << form->name() << " at " << frame.x() << "," << frame.y() << " "
                                          << frame.width() << "x" << frame.height();
        int controls = 0;
        for (const ui::Control* control : form->controls()) {
            QWidget* w = seen(*control);
            if (!w) continue;
            ++controls;
            // What the window shows of it (grid 2 cuts its row of sums at any size).
            const QRect part = w->geometry() & view.canvas()->rect();
            const QRect global(view.canvas()->mapToGlobal(part.topLeft()), part.size());
            EXPECT_TRUE(free.contains(global)) << form->name() << "." << control->path();
            // Nine device pixels at least for every text.
            EXPECT_GE(QFontInfo(w->font()).pixelSize() * screen->devicePixelRatio(), 9.0) << control->path();
            // So do the candidates of a board cell.
            if (form == &main() && control->name() == "text1") {
                EXPECT_GE(ui::qt::CandidatePixelSize(w->contentsRect().adjusted(1, 1, -1, -1)) * screen->devicePixelRatio(), 9.0)
                    << control->path() << " " << w->height();
            }
            if (dynamic_cast<const ui::Label*>(control)) {
                QImage label = w->grab().toImage();
                QRect ink = Ink(label);
                EXPECT_TRUE(ink.isNull() || label.rect().contains(ink)) << form->name() << "." << control->path();
            }
        }
        EXPECT_GT(controls, 0) << form->name();
    }
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        for (ui::Form* form : shown) viewOf(*form).raise();
        viewOf(main()).raise();
    }
    QApplication::processEvents();
    EXPECT_TRUE(screen->grabWindow(0).save(QStringLiteral(MOZEL_SCREENSHOT_DIR "/screen-%1.png").arg(ScreenName())));
}

// The zoom keys in a cell of the board zoom every window, none past the screen, and Ctrl+0
// brings back the sizes the windows opened with (also where they opened fitted to the screen
// before their frame was known).
TEST_F(ScreenFitWindows, TheZoomKeysKeepEveryWindowInsideTheScreen) {
    program.Start();
    const std::vector<ui::Form*> shown = openAll();
    std::vector<double> fitted;
    std::vector<QSize> opened;
    for (ui::Form* form : shown) {
        fitted.push_back(viewOf(*form).scale().factor());
        opened.push_back(viewOf(*form).size());
    }
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const std::string cellText = main().text1(1).text();
    auto pressInACell = [this](Qt::Key key) {
        QWidget* cell = widget(main().text1(1));
        cell->setFocus();
        QTest::keyClick(cell, key, Qt::ControlModifier);
        QApplication::processEvents();
    };
    for (Qt::Key key : {Qt::Key_Equal, Qt::Key_Equal, Qt::Key_Equal, Qt::Key_Minus, Qt::Key_Minus, Qt::Key_Minus,
                        Qt::Key_Minus, Qt::Key_Minus}) {
        pressInACell(key);
        for (ui::Form* form : shown) {
            EXPECT_TRUE(free.contains(viewOf(*form).frameGeometry())) << form->name() << " at zoom " << views.zoom();
        }
    }
    EXPECT_DOUBLE_EQ(views.zoom(), 0.8);
    EXPECT_EQ(main().text1(1).text(), cellText) << "no key reached the cell";
    pressInACell(Qt::Key_0);
    for (size_t i = 0; i < shown.size(); ++i) {
        EXPECT_DOUBLE_EQ(viewOf(*shown[i]).scale().factor(), fitted[i]) << shown[i]->name();
        EXPECT_EQ(viewOf(*shown[i]).size(), opened[i]) << shown[i]->name();
    }
    // One step out and back.
    pressInACell(Qt::Key_Minus);
    pressInACell(Qt::Key_0);
    for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(viewOf(*shown[i]).size(), opened[i]) << shown[i]->name();
}

TEST_F(ScreenFitWindows, AClickAtEachWindowsFarCornerReachesTheControlThere) {
    program.Start();
    for (ui::Form* form : openAll()) {
        ui::qt::FormView& view = viewOf(*form);
        const ui::Control* corner = farCorner(*form);
        ASSERT_NE(corner, nullptr) << form->name();
        PressCatcher catcher(view);
        clickCorner(view, *corner);
        EXPECT_EQ(catcher.pressed, std::vector<const ui::Control*>{corner}) << form->name() << "." << corner->path();
    }
}

TEST_F(ScreenFitWindows, EndAtTheMainWindowsCornerEndsTheProgram) {
    program.Start();
    ASSERT_EQ(farCorner(main()), &main().cmdEnd);
    clickCorner(viewOf(main()), main().cmdEnd);
    EXPECT_TRUE(program.ended());
}

}  // namespace
