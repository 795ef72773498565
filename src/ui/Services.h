// What the program asks of its surroundings: dialogs, the printer and the platform. The Qt
// layer provides the real ones; HeadlessServices records and answers for tests and scripts.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

class Form;

enum class MsgIcon { None, Information, Exclamation, Critical, Question };

const char* MsgIconName(MsgIcon icon);

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box with an OK button; returns when the user has closed it.
    virtual void MsgBox(const std::string& text, MsgIcon icon = MsgIcon::None) = 0;
    // A modal message box offering the buttons named (at least one); returns the index of the
    // button the user chose. focus is the button that Enter presses on screen. A script that
    // queued no answer for it takes button 0, as it answers a plain message box OK.
    virtual int Ask(const std::string& text, MsgIcon icon, const std::vector<std::string>& buttons, int focus = 0) = 0;
    virtual void Beep() = 0;
    // The Open box, starting at initialPath and showing the files that filter names (as
    // "画像 (*.png *.jpg)"; empty for every file); the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> OpenFile(const std::string& initialPath, const std::string& filter) = 0;
    // The printer dialog; false when cancelled.
    virtual bool PrinterDialog() = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // One print job of text lines in a fixed-pitch font.
    virtual void PrintText(const std::vector<std::string>& lines) = 0;
    // The window as it is shown on screen.
    virtual void PrintForm(const Form& form) = 0;
};

class Platform {
public:
    virtual ~Platform() = default;
    virtual bool AnotherInstanceRunning() = 0;
    // The folder that holds the program.
    virtual std::string ProgramFolder() = 0;
    // The user's data folder for the program (where the board is kept between runs).
    virtual std::string DataFolder() = 0;
    // The system clipboard's text.
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    // The picture on the system clipboard as PNG bytes; empty when it holds none.
    virtual std::vector<unsigned char> ClipboardPicture() = 0;
    // Seconds since midnight, as the clock reads now (BASIC Timer).
    virtual double Timer() = 0;
    // Seeds the random source from the clock (BASIC Randomize).
    virtual void Randomize() = 0;
    // The next random number in [0, 1) (BASIC Rnd).
    virtual double Rnd() = 0;
};

// Work done off the windows' thread, such as making a new problem: work runs elsewhere, then
// done runs on the windows' thread (it opens its own event). Without a screen both run at
// once, one after the other, inside the event that asked.
class Worker {
public:
    virtual ~Worker() = default;
    virtual void Run(std::function<void()> work, std::function<void()> done) = 0;
};

struct Services {
    Dialogs& dialogs;
    Printer& printer;
    Platform& platform;
    Worker& worker;
};

}  // namespace ui
