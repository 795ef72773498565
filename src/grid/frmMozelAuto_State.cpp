// Start-up, the board mirror, clears, the colour reset, cell validation, box lookups and
// closing of the grid window.
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "grid/GridCell.h"
#include "grid/frmMozelAuto.h"
#include "options/frmOption01.h"
#include "program/Program.h"
#include "puzzle/Units.h"

namespace grid {

void frmMozelAuto::Form_Initialize() {
    if (program_.platform().AnotherInstanceRunning()) {
        program_.dialogs().MsgBox("ごめんなさいね、今、ナンプレを解いています。ぴころより");
        Unload();
        program_.End();
        return;
    }
    mnuHantei.setVisible(false);
    if (gridNo_ == 1) {
        // The random source, the colours and the diagonals are shared: grid 1 sets them up.
        program_.platform().Randomize();
        cmn.IroGaito = 255;
        cmn.IroRyouiki = 0xFF0000;
        cmn.IroMiketei = 0xFFFFFF;
        cmn.IroError = 0x00FF00;
        cmn.IroAuto1 = 0x00FFFF;
        cmn.IroOnly = 0xFFFF00;
        cmn.IroName = {"赤", "青", "白", "黄緑", "黄色", "水色", "水色", "水色", "水色"};
    }
    TB_NUN.setText("3");
    for (int i = 0; i <= 80; ++i) Text1(i).setAlignment(ui::Alignment::Center);
    btnSpace_Click();
    if (program_.ended()) return;
    for (int d = 1; d <= 9; ++d) btnSuujiHantei(d).setVisible(false);
    Command41(1).setVisible(false);
    cmdNaname01.setVisible(false);
    cmdNaname02.setVisible(false);
    Text7.setVisible(false);
    Text6.setVisible(false);
    auto& options = program_.frmOption01();
    options.Check2.setValue(0);
    options.chkGlook.setValue(0);
    lblGamenHyouji.setCaption("NoRefresh");
    if (gridNo_ == 1) {
        for (int i = 1; i <= 9; ++i) {
            cmn.NanameX[i] = static_cast<int16_t>(puzzle::MainDiagonalCell(i));
            cmn.NanameY[i] = static_cast<int16_t>(puzzle::AntiDiagonalCell(i));
        }
    }
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 23, 24, 25, 26, 27, 28, 29, 30, 31}) {
        Command(n).setVisible(false);
    }
    for (int b = 1; b <= 9; ++b) {
        for (int p = 1; p <= 9; ++p) {
            RyouikiMasu[b][p] = static_cast<int16_t>(puzzle::BoxCell(b, p));
        }
    }
}

void frmMozelAuto::Form_QueryUnload(bool&) {
    // Closing a grid window closes every window and ends the program.
    for (int pass = 0; pass < 2 && !program_.ended(); ++pass) {
        for (ui::Form* form : program_.forms().loaded()) {
            if (form != this) program_.forms().unload(*form);
            if (program_.ended()) return;
        }
    }
    program_.End();
}

void frmMozelAuto::mnuEnd_Click() {
    Unload();
    if (!program_.ended()) program_.End();
}

void frmMozelAuto::Command22_Click() { program_.End(); }

bool frmMozelAuto::NanameMode() { return program_.state().diagonal(); }

ui::TextBox& frmMozelAuto::boardCell(int k) {
    return program_.frmAllGamen().text1(cmn.GridMasu[cmn.PatternNo][gridNo_][k]);
}

void frmMozelAuto::Nuri(int k, ui::Color colour) {
    cell(k).setBackColor(colour);
    boardCell(k).setBackColor(colour);
}

void frmMozelAuto::SuujiSet(int k, const std::string& text) {
    cell(k).setText(text);
    program_.state().setCellText(cmn.GridMasu[cmn.PatternNo][gridNo_][k], text);
}

void frmMozelAuto::RedrawBoth() {
    Refresh();
    program_.frmAllGamen().Refresh();
}

void frmMozelAuto::CALL_Setting() {
    // Counted aside and written once: the count runs after every line sum, and nothing
    // watches the box change in between.
    int filled = 0;
    for (int i = 0; i <= 80; ++i) {
        const std::string& text = Text1(i).text();
        // A single digit, by far the usual text, needs no number parsing.
        if (text.size() == 1 && text[0] >= '1' && text[0] <= '9') {
            ++filled;
        } else if (IsFilled(text) && ui::Val(text) > 0) {
            ++filled;
        }
    }
    Setting.setText(std::to_string(filled));
}

void frmMozelAuto::btnCheck_Click() {
    for (int d = 1; d <= 9; ++d) Check1(d).setValue(0);
}

void frmMozelAuto::btnColor_Click() {
    if (IroLock != 0) return;
    for (int k = 1; k <= 81; ++k) {
        cell(k).setBackColor(cmn.IroMiketei);
        ui::TextBox& board = boardCell(k);
        // Grid 2 runs after grid 1 on the shared cells: it keeps grid 1's marks there.
        if (gridNo_ == 2 && (board.backColor() == cmn.IroGaito || board.backColor() == cmn.IroRyouiki)) continue;
        board.setBackColor(cmn.IroMiketei);
    }
    IroLock = 1;
}

void frmMozelAuto::mnuIro_Click() {
    IroLock = 0;
    btnColor_Click();
}

void frmMozelAuto::btnSpace_Click() {
    for (int i = 0; i <= 80; ++i) {
        Text1(i).setText(std::string(kClearedCell));
        Text1(i).setLocked(false);
        Text1(i).setAlignment(ui::Alignment::Center);
    }
    mnuHantei.setVisible(false);
    Setting.setText("0");
    IroLock = 0;
    btnColor_Click();
    auto& options = program_.frmOption01();
    options.chkTaikakusen.setValue(0);
    btnCheck_Click();
    options.chkAutoCheck1.setValue(1);
    lblAuto.setCaption("自動");
    cmn.ClearFlag = 1;
    mnuKouho.setVisible(false);
    cmdKouho.setVisible(false);
    for (int k = 1; k <= 81; ++k) {
        for (int d = 1; d <= 9; ++d) cmn.KouhoTbl[k][d] = 0;
    }
    cmn.KouhoGrid.fill(0);
    program_.forms().unload("frmKouho");
}

void frmMozelAuto::Text1_Change(int index) {
    bool ok = true;
    SuujiOk(index, ok);
}

void frmMozelAuto::SuujiOk(int index, bool& ok) {
    ok = true;
    const std::string text = Text1(index).text();
    // A cell of blanks only (a blank written from the board's palette) is empty, not an error.
    if (IsBlankOnly(text) || text == "Text1" || ui::IsNumeric(text)) return;
    ok = false;
    program_.dialogs().MsgBox(" 数字以外がはいりましたので、自動クリアしました。 値は [" + text + "] でした。 \n\n" +
                              "左上から右下に向かって、1から81とすると <" + std::to_string(index + 1) +
                              "> 番目のところです。");
    Text1(index).setText(std::string(kClearedCell));
    Text1(index).setLocked(false);
}

void frmMozelAuto::QQN_R_Change(int16_t cell, int16_t& box) {
    box = static_cast<int16_t>(RyouikiBangou(cell));
    if (box <= 9) return;
    program_.dialogs().MsgBox("数字がない。=" + std::to_string(cell) + "領域 =" + std::to_string(box));
}

void frmMozelAuto::QQXY_R_Change(int16_t row, int16_t col, int16_t& box) {
    QQN_R_Change(static_cast<int16_t>(puzzle::GridCell(row, col)), box);
}

std::array<int, 9> frmMozelAuto::Column(int col) const {
    std::array<int, 9> cells{};
    for (int r = 1; r <= 9; ++r) cells[r - 1] = puzzle::GridCell(r, col);
    return cells;
}

std::array<int, 9> frmMozelAuto::Row(int row) const {
    std::array<int, 9> cells{};
    for (int c = 1; c <= 9; ++c) cells[c - 1] = puzzle::GridCell(row, c);
    return cells;
}

std::array<int, 9> frmMozelAuto::Box(int box) const {
    std::array<int, 9> cells{};
    for (int p = 1; p <= 9; ++p) cells[p - 1] = RyouikiMasu[box][p];
    return cells;
}

std::array<int, 9> frmMozelAuto::Diagonal(const std::array<int16_t, 10>& diagonal) const {
    std::array<int, 9> cells{};
    for (int i = 1; i <= 9; ++i) cells[i - 1] = diagonal[i];
    return cells;
}

int frmMozelAuto::RyouikiBangou(int cell) const {
    for (int b = 1; b <= 9; ++b) {
        for (int p = 1; p <= 9; ++p) {
            if (RyouikiMasu[b][p] == cell) return b;
        }
    }
    return 10;
}

}  // namespace grid
