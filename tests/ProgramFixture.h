// A headless program for tests: the real windows, services that record what the user would
// have seen, and helpers that act as the user does.
#pragma once

#include <gtest/gtest.h>

#include "board/frmAllGamen.h"
#include "grid/frmMozelAuto.h"
#include "options/frmOption01.h"
#include "program/Program.h"
#include "ui/HeadlessServices.h"
#include "ui/UserInput.h"

struct ProgramFixture : ::testing::Test {
    ui::HeadlessServices services;
    program::Program program{services.services()};

    void start() { program.Start(); }
    board::frmAllGamen& main() { return program.frmAllGamen(); }
    board::cmnMod01& cmn() { return program.cmn(); }
    grid::frmMozelAuto& grid1() { return program.frmMozelAuto(); }
    grid::frmMozelAuto& grid2() { return program.frmMozelAuto2(); }
    options::frmOption01& options() { return program.frmOption01(); }
    // Board cell of grid cell k of grid g in the current pattern.
    ui::TextBox& boardCell(int g, int k) { return main().text1(cmn().GridMasu[cmn().PatternNo][g][k]); }

    void click(ui::Control& control) { ui::Click(program.forms(), control); }
    void type(ui::TextBox& box, std::string_view text) { ui::TypeText(program.forms(), box, text); }
    void mouse(ui::TextBox& box) { ui::MouseDown(program.forms(), box, ui::kLeftButton); }
    void close(ui::Form& form) { ui::CloseWindow(program.forms(), form); }
    // Runs code as one event, so that windows it unloads are destroyed afterwards.
    template <typename F>
    void event(F&& f) {
        ui::FormRegistry::EventScope scope(program.forms());
        f();
    }

};
