// A headless program for tests: the real windows, services that record what the user would
// have seen, and helpers that act as the user does.
#pragma once

#include <gtest/gtest.h>

#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"
#include "ui/UserInput.h"

struct ProgramFixture : ::testing::Test {
    ui::HeadlessServices services;
    program::Program program{services.services()};

    void start() { program.Start(); }
    board::frmAllGamen& main() { return program.frmAllGamen(); }
    board::cmnMod01& cmn() { return program.cmn(); }

    void click(ui::Control& control) { ui::Click(program.forms(), control); }
    void type(ui::TextBox& box, std::string_view text) { ui::TypeText(program.forms(), box, text); }
    void mouse(ui::TextBox& box) { ui::MouseDown(program.forms(), box, ui::kLeftButton); }
};
