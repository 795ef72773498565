// A small window with one control of each kind, for the ui layer's tests.
#pragma once

#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/ImageCombo.h"
#include "ui/Label.h"
#include "ui/Surface.h"
#include "ui/TextBox.h"
#include "ui/UpDown.h"

struct TestForm : ui::Form {
    explicit TestForm(std::string name = "frmTest") : ui::Form(std::move(name)) { spinner.setBuddy(&box); }

    ui::TextBox box{*this, "box"};
    ui::Label label{*this, "label"};
    ui::CheckBox check{*this, "check"};
    ui::ControlArray<ui::OptionButton> option{*this, "option", 0, 2};
    ui::OptionButton other{*this, "other"};
    ui::CommandButton button{*this, "button"};
    ui::ImageCombo combo{*this, "combo"};
    ui::UpDown spinner{*this, "spinner"};
    ui::Surface surface{*this, "surface"};
};
