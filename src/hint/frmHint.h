// The hint window (ヒント): the next step of the board, as ヒント finds it, in words, beside the
// main window and never over its board, with 適用 (carry the step out and show the next) and
// 次のヒント (the next step without carrying this one out). The main window finds the step and
// paints its cells; this window only shows it and passes the buttons on.
#pragma once

#include <string>

#include "ui/Buttons.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace program { class Program; }

namespace hint {

class frmHint : public ui::Form {
public:
    explicit frmHint(program::Program& program);

    // The step: technique, difficulty and its explanation.
    ui::Label lblText{*this, "lblText"};
    ui::CommandButton cmdApply{*this, "cmdApply"};
    ui::CommandButton cmdNext{*this, "cmdNext"};

    void cmdApply_Click();
    void cmdNext_Click();

    // Shows a step's text (the window opens when closed).
    void ShowStep(const std::string& text);

private:
    void layOutControls();
    program::Program& program_;
};

}  // namespace hint
