// Shared by the binding tests: the one QApplication (offscreen unless a platform is set), a
// small window with one control of each kind, and pixel helpers.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/FormRegistry.h"
#include "ui/ImageCombo.h"
#include "ui/Label.h"
#include "ui/Surface.h"
#include "ui/TextBox.h"
#include "ui/UpDown.h"
#include "ui/qt/ViewManager.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"
#include <QApplication>

namespace qttest {

void EnsureApplication();

// As the first member of a fixture: the application exists before any other member.
struct WithApplication {
    WithApplication() { EnsureApplication(); }
};

// The whole program, started, with its windows on screen; services headless.
struct ProgramOnScreen : WithApplication {
    ui::HeadlessServices services;
    program::Program program{services.services()};
    ui::qt::ViewManager views{program.forms()};
    ProgramOnScreen() {
        program.Start();
        QApplication::processEvents();
    }
};

// A window with one control of each kind; its handlers record what they see.
class TestForm : public ui::Form {
public:
    explicit TestForm(std::string name = "frmTest");

    ui::TextBox txt{*this, "txt"};
    ui::TextBox memo{*this, "memo"};
    ui::Label lbl{*this, "lbl"};
    ui::CheckBox chk{*this, "chk"};
    ui::OptionButton opt1{*this, "opt1"};
    ui::OptionButton opt2{*this, "opt2"};
    ui::CommandButton cmd{*this, "cmd"};
    ui::MenuItem mnuFile{*this, "mnuFile"};
    ui::MenuItem mnuOpen{*this, "mnuOpen"};
    ui::ImageCombo combo{*this, "combo"};
    ui::TextBox txtNum{*this, "txtNum"};
    ui::UpDown spin{*this, "spin"};
    ui::Surface surface{*this, "Surface"};

    ui::ImageList pictures;

    // What the handlers saw.
    std::vector<int> keys;
    std::vector<std::string> keyUps;  // "key:text" as KeyUp found the box
    std::vector<int> mouseButtons;
    int changes = 0;
    int checkClicks = 0;
    int optionClicks = 0;
    int commandClicks = 0;
    int menuClicks = 0;
    int comboClicks = 0;
    int upClicks = 0;
    int queryUnloads = 0;

    // How the handlers behave.
    bool dropDigits = false;     // KeyPress drops 0-9
    bool clearOnKey = false;     // KeyPress empties the box before its key is applied
    bool upperCase = false;      // KeyPress turns a-z into A-Z
    bool grayOnClick = false;    // the check box's Click sets it to 2 (grayed)
    bool refuseClose = false;    // QueryUnload cancels
    bool renameOnOpen = false;   // opening the file menu renames its item

    void Form_QueryUnload(bool& cancel) override;
};

// A registry holding the test window, and the views of its windows.
struct TestWindow {
    TestWindow();
    ~TestWindow();
    ui::FormRegistry registry;
    std::unique_ptr<ui::qt::ViewManager> views;
    TestForm& form;
    ui::qt::FormView& view;

    template <typename W>
    W* widget(const ui::Control& control) const {
        return dynamic_cast<W*>(view.widgetOf(control));
    }
    // Brings the widgets in step with the model, as returning to the event loop would.
    void flush() const { views->flush(); }
    // The client area as painted now (flushed first).
    QImage client() const;
};

// A window's picture with an information message box beside it, as the user sees a message.
QPixmap WithMessageBox(const QPixmap& window, const std::string& message);

// A colour from the model's 0x00BBGGRR.
QColor Bgr(ui::Color color);
// True when the pixel is near black.
bool IsDark(QRgb pixel);
// The bounding box of the dark pixels of an image (within an area of it, when given).
QRect Ink(const QImage& image, QRect area = QRect());

}  // namespace qttest
