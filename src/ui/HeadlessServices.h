// Services without a screen: every message, beep and print job is recorded in order (and
// passed to an optional listener as it happens), dialogs are answered from queues set up
// beforehand, and the clock is fixed unless set.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/RandomSource.h"
#include "ui/Services.h"

namespace ui {

struct Recorded {
    enum class Kind { MsgBox, Beep, Print, PrintForm };
    Kind kind;
    std::string text;                // message text, or the window name of PrintForm
    MsgIcon icon = MsgIcon::None;
    std::vector<std::string> lines;  // Print; the buttons of a message box that asks
    std::string answer;              // the button chosen, when it asks
};

class HeadlessServices : public Dialogs, public Printer, public Platform, public Worker {
public:
    HeadlessServices();

    Services services() { return {*this, *this, *this, *this}; }

    // Everything recorded so far, in order.
    const std::vector<Recorded>& records() const { return records_; }
    std::vector<std::string> messages() const;  // the texts of the message boxes, in order
    int beeps() const;
    void clearRecords() { records_.clear(); }
    std::function<void(const Recorded&)> onRecord;

    // Queued answers: an Open box takes the next path (nothing = cancel); the printer
    // dialog takes the next bool. An empty queue answers cancel.
    void queueOpen(std::optional<std::string> path) { openAnswers_.push_back(std::move(path)); }
    void queuePrinter(bool ok) { printerAnswers_.push_back(ok); }
    // The button the next message box offering it is answered with; boxes that do not offer
    // it meanwhile take their button 0.
    void queueAnswer(std::string button) { buttonAnswers_.push_back(std::move(button)); }

    void setAnotherInstanceRunning(bool running) { otherInstance_ = running; }
    void setProgramFolder(std::string folder) { folder_ = std::move(folder); }
    void setTimer(double seconds) { timer_ = seconds; }

    void MsgBox(const std::string& text, MsgIcon icon) override;
    int Ask(const std::string& text, MsgIcon icon, const std::vector<std::string>& buttons, int focus) override;
    void Beep() override;
    std::optional<std::string> OpenFile(const std::string& initialPath, const std::string& filter) override;
    bool PrinterDialog() override;
    void PrintText(const std::vector<std::string>& lines) override;
    void PrintForm(const Form& form) override;
    bool AnotherInstanceRunning() override { return otherInstance_; }
    std::string ProgramFolder() override { return folder_; }
    // Without a screen there is no data folder (nothing is kept between runs) unless set.
    std::string DataFolder() override { return dataFolder_; }
    void setDataFolder(std::string folder) { dataFolder_ = std::move(folder); }
    std::string ClipboardText() override { return clipboard_; }
    // Like the system clipboard, it holds either a text or a picture.
    void SetClipboardText(const std::string& text) override {
        clipboard_ = text;
        clipboardPicture_.clear();
    }
    std::vector<unsigned char> ClipboardPicture() override { return clipboardPicture_; }
    // A picture, with the text its source put beside it (a browser adds the address).
    void setClipboardPicture(std::vector<unsigned char> bytes, std::string text = {}) {
        clipboardPicture_ = std::move(bytes);
        clipboard_ = std::move(text);
    }
    double Timer() override { return timer_; }
    void Randomize() override;
    double Rnd() override;
    // The work and then its end, at once.
    void Run(std::function<void()> work, std::function<void()> done) override {
        work();
        done();
    }

private:
    void record(Recorded r);

    std::vector<Recorded> records_;
    std::deque<std::optional<std::string>> openAnswers_;
    std::deque<bool> printerAnswers_;
    std::deque<std::string> buttonAnswers_;
    bool otherInstance_ = false;
    std::string folder_ = ".";
    std::string dataFolder_;
    std::string clipboard_;
    std::vector<unsigned char> clipboardPicture_;
    double timer_ = 0.0;
    RandomSource random_;
};

}  // namespace ui
