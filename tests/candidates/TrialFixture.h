// A started program for the trial solvers: grid 1 filled from an 81-character line, the board
// with a double problem, and what grid 1 looked like each time a persona spoke.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ProgramFixture.h"
#include "candidates/Personas.h"
#include "candidates/frmKouho.h"

struct TrialFixture : ProgramFixture {
    using Grid = std::array<std::string, 81>;
    struct Said {
        std::string text;
        Grid grid;
        int trialCell;  // the grid 1 cell painted IroOnly when it was said, 0 for none
    };
    std::vector<Said> said;

    TrialFixture() {
        start();
        services.onRecord = [this](const ui::Recorded& r) {
            if (r.kind != ui::Recorded::Kind::MsgBox) return;
            int trial = 0;
            for (int k = 1; k <= 81; ++k) {
                if (grid1().Text1(k - 1).backColor() == cmn().IroOnly) trial = trial ? -1 : k;
            }
            said.push_back({r.text, cells(), trial});
        };
    }

    candidates::frmKouho& kouho() { return program.frmKouho(); }
    const candidates::Persona& persona(int i) { return candidates::Personas()[static_cast<size_t>(i)]; }
    ui::CommandButton& button(int i) {
        ui::CommandButton* buttons[] = {&kouho().cmdKakuritu,  &kouho().cmdKakuritu2, &kouho().cmdKakuritu3,
                                        &kouho().cmdKakuritu4, &kouho().cmdKakuritu5, &kouho().cmdKakuritu6,
                                        &kouho().cmdKakuritu7};
        return *buttons[i];
    }

    Grid cells() {
        Grid g;
        for (int k = 1; k <= 81; ++k) g[static_cast<size_t>(k - 1)] = grid1().Text1(k - 1).text();
        return g;
    }
    // Grid 1's cells from a line of 81 characters, '.' for an empty "" cell.
    void loadGrid1(const std::string& line) {
        for (int k = 1; k <= 81; ++k) {
            char c = line[static_cast<size_t>(k - 1)];
            grid1().Text1(k - 1).setText(c >= '1' && c <= '9' ? std::string(1, c) : "");
        }
    }
    // The double problem on the board and in grid 1, in the given pattern.
    void loadBoard(int pattern, const std::array<std::string, 2>& givens) {
        while (cmn().PatternNo != pattern) click(main().cmdPattern);
        for (int c = 1; c <= 225; ++c) main().text1(c).setText("  ");
        for (int g = 1; g <= 2; ++g) {
            for (int k = 1; k <= 81; ++k) {
                char c = givens[static_cast<size_t>(g - 1)][static_cast<size_t>(k - 1)];
                boardCell(g, k).setText(c >= '1' && c <= '9' ? std::string(1, c) : "");
            }
        }
        loadGrid1(givens[0]);
    }
    // The board's automatic judgement of both grids, repeated while it fills cells; grid 1
    // then holds the board's grid 1.
    void judgeBoardUntilStuck() {
        for (std::string before; before != main().lblSetCount.caption();) {
            before = main().lblSetCount.caption();
            click(main().cmdHanteiA(3));
        }
    }
    // Grid 1's automatic step, repeated while it fills cells.
    void judgeUntilStuck() {
        for (std::string before; before != grid1().Setting.text();) {
            before = grid1().Setting.text();
            grid1().cmdAutoHantei_Click();
        }
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& s : said) out.push_back(s.text);
        return out;
    }
};
