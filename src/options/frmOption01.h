// The options window: pickers for the six marking colours, and the check boxes that are the
// program's shared switches (screen display, diagonal rule, automatic judgement level 1, digit
// judge buttons, answer screen).
#pragma once

#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/ImageCombo.h"
#include "ui/Label.h"

namespace program { class Program; }
namespace board { struct cmnMod01; }

namespace options {

class frmOption01 : public ui::Form {
public:
    explicit frmOption01(program::Program& program);

    ui::ControlArray<ui::Label> lblIro{*this, "lblIro", 0, 5};
    ui::ControlArray<ui::ImageCombo> icIro{*this, "icIro", 0, 5};
    ui::CheckBox chkGlook{*this, "chkGlook"};
    ui::CheckBox chkTaikakusen{*this, "chkTaikakusen"};
    // Digits that stand twice in a unit drawn in red on the board (cmnMod01::MarkRepeats).
    ui::CheckBox chkJuufuku{*this, "chkJuufuku"};
    ui::CommandButton Command1{*this, "Command1"};
    // Below the client area: switches that code sets and reads.
    ui::CheckBox chkAutoCheck1{*this, "chkAutoCheck1"};
    ui::CheckBox Check2{*this, "Check2"};
    ui::CheckBox chkEndGamen{*this, "chkEndGamen"};

    // The seven colour swatches of the pickers.
    ui::ImageList ImageList1;

    void Form_Load() override;
    void chkGlook_Click();
    void chkAutoCheck1_Click();
    void Check2_Click();
    void chkTaikakusen_Click();
    void chkJuufuku_Click();
    void icIro_Click(int Index);
    void Command1_Click();

private:
    void layOutControls();
    program::Program& program_;
    board::cmnMod01& cmn;
};

// The colour a picker's entry name stands for; black for any other text.
ui::Color IroOfName(const std::string& name);

}  // namespace options
