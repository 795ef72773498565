// A started program with helpers to fill grid 1 row by row.
#pragma once

#include <string>
#include <vector>

#include "ProgramFixture.h"

struct GridFixture : ProgramFixture {
    GridFixture() { start(); }

    // Writes the texts into grid cells from k on (Text1(k - 1), ...).
    void fill(grid::frmMozelAuto& grid, int k, const std::vector<std::string>& texts) {
        for (const auto& text : texts) grid.Text1(k++ - 1).setText(text);
    }
    ui::Color colour(grid::frmMozelAuto& grid, int k) { return grid.Text1(k - 1).backColor(); }
};
