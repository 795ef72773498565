// Dialogs that show nothing and answer as a user who cancels would: for a window made again
// behind the scenes (an undo step), whose start-up must not speak to the user a second time.
#pragma once

#include "ui/Services.h"

namespace ui {

class SilentDialogs : public Dialogs {
public:
    void MsgBox(const std::string&, MsgIcon) override {}
    int Ask(const std::string&, MsgIcon, const std::vector<std::string>& buttons, int) override {
        return buttons.empty() ? 0 : static_cast<int>(buttons.size()) - 1;
    }
    void Beep() override {}
    std::optional<std::string> OpenFile(const std::string&, const std::string&) override { return std::nullopt; }
    bool PrinterDialog() override { return false; }
};

}  // namespace ui
