// Dialogs on screen: modal message boxes with an OK button, the system beep, the Open box and
// the printer dialog. Unattended (for a run nobody watches, like a screenshot), messages go to
// the standard error stream and every dialog is cancelled at once.
#pragma once

#include "ui/Services.h"

namespace ui::qt {

class QtPrinter;

// The title of every message box. (The application's own name stays "MozelDouble": the settings
// and the data folder are found by it.)
extern const char* const kDialogTitle;

class QtDialogs : public Dialogs {
public:
    // printer: the printer whose settings the printer dialog edits.
    explicit QtDialogs(QtPrinter& printer);

    void setUnattended(bool unattended) { unattended_ = unattended; }
    bool unattended() const { return unattended_; }

    void MsgBox(const std::string& text, MsgIcon icon) override;
    int Ask(const std::string& text, MsgIcon icon, const std::vector<std::string>& buttons, int focus) override;
    void Beep() override;
    std::optional<std::string> OpenFile(const std::string& initialPath, const std::string& filter) override;
    bool PrinterDialog() override;

private:
    QtPrinter& printer_;
    bool unattended_ = false;
};

}  // namespace ui::qt
