// Start-up, layout of the board for the current pattern, the pattern switch, the window
// commands and closing.
#include "board/BoardLayout.h"
#include "board/PatternTables.h"
#include "board/frmAllGamen.h"
#include "grid/frmMozelAuto.h"
#include "options/frmOption01.h"
#include "program/Program.h"
#include "ui/Value.h"

namespace board {

using namespace layout;

void frmAllGamen::Form_Load() {
    setLeft(kWindowLeft);
    setTop(kWindowTop);
    if (program_.platform().AnotherInstanceRunning()) {
        program_.dialogs().MsgBox("ごめんなさいね、今、いそがしいの。ペッタより");
        Unload();
        program_.End();
        return;
    }
    BuildPatternTables(cmn);
    // The grid windows' start-up sets the shared colours and diagonal tables.
    program_.frmMozelAuto();
    program_.frmMozelAuto2();
    if (program_.ended()) return;
    for (int c = 0; c <= kBoardCells; ++c) {
        if (cmn.PatternMasu[12][c] == 0) text1(c).setVisible(false);
        text1(c).setFontSize(kCellFontSize);
    }
    lblOsirase.setCaption("兄貴分：モゼルオートをよろしくね");
    // The lines are drawn on the shown window.
    Show();
    Refresh();
    PLineClear();
    PLine();
    ShowCounts();
    txtNanido.setText("0");
    cmdClear01_Click();
    cmdMondai_Click();
    program_.frmOption01().chkGlook.setValue(1);
    if (ui::Val(lblSetCount.caption()) == 0) {
        cmdHanteiA(3).setVisible(false);
        cmdHantei123.setVisible(false);
        cmdPattern.setVisible(true);
        for (int d = 1; d <= 9; ++d) cmdHantei(d).setVisible(false);
    }
    cmdNaname01.setVisible(false);
    txtNaname01.setVisible(false);
    cmdNaname02.setVisible(false);
    txtNaname02.setVisible(false);
    program_.frmOption01().chkTaikakusen.setValue(0);
    ShowKeptBoardButton();
    placedAt_ = program_.platform().Timer();
}

void frmAllGamen::Form_QueryUnload(bool&) {
    // Closing the main window closes every window and ends the program; nothing is asked.
    for (ui::Form* form : program_.forms().loaded()) {
        if (form != this) program_.forms().unload(*form);
        if (program_.ended()) return;
    }
    program_.End();
}

void frmAllGamen::PLineClear() {
    // The lines are kept and painted again on every repaint; erasing starts the drawing anew
    // and then covers every place a box line of any pattern can take.
    Surface.clear();
    for (int i = 0; i <= 5; ++i) {
        int x = kEraseX0 + kEraseStepX * i;
        Surface.line(x, kEraseY0, x, kEraseBottom, kEraseWidth, kBackColor);
    }
    for (int j = 0; j <= 5; ++j) {
        int y = kEraseY0 + kEraseStepY * j;
        Surface.line(kEraseX0, y, kEraseRight, y, kEraseWidth, kBackColor);
    }
}

void frmAllGamen::PLine() {
    const OverlapPattern& pattern = Pattern(cmn.PatternNo);
    auto drawGrid = [this](int x0, int y0) {
        for (int i = 0; i <= 3; ++i) {
            int x = x0 + kBoxStepX * i;
            Surface.line(x, y0, x, y0 + kBoxHeight, kBoxLineWidth, ui::kBlack);
        }
        for (int j = 0; j <= 3; ++j) {
            int y = y0 + kBoxStepY * j;
            Surface.line(x0, y, x0 + kBoxWidth, y, kBoxLineWidth, ui::kBlack);
        }
    };
    for (int g = 1; g <= 2; ++g) {
        BoxLineOrigin origin = BoxLinesOf(g, pattern.rowOf(g), pattern.columnOf(g));
        drawGrid(origin.x, origin.y);
    }
}

void frmAllGamen::lblMasuSuu_CountSet(int16_t& n) { n = static_cast<int16_t>(program_.state().cellCount()); }

void frmAllGamen::lblSetCount_CountSet(int16_t& n) { n = static_cast<int16_t>(program_.state().filledCount()); }

void frmAllGamen::ShowCounts() {
    int16_t n = 0;
    lblMasuSuu_CountSet(n);
    lblMasuSuu.setCaption(std::to_string(n));
    ShowSetCount();
}

void frmAllGamen::ShowSetCount() {
    int16_t n = 0;
    lblSetCount_CountSet(n);
    lblSetCount.setCaption(std::to_string(n));
}

void frmAllGamen::ShowPatternCells() {
    for (int c = 0; c <= kBoardCells; ++c) text1(c).setVisible(cmn.PatternMasu[cmn.PatternNo][c] != 0);
}

void frmAllGamen::cmdPattern_Click() {
    // Another pattern would hide digits of this one: a board with digits keeps its pattern.
    int16_t filled = 0;
    lblSetCount_CountSet(filled);
    if (filled > 0) {
        ShowSetCount();
        program_.dialogs().MsgBox("盤面に数字があるので、パターンを切り替えられません。\n"
                                  "数字のクリアで盤面を空にしてから切り替えてください。",
                                  ui::MsgIcon::Information);
        return;
    }
    program_.frmMozelAuto().btnSpace_Click();
    program_.frmMozelAuto2().btnSpace_Click();
    cmn.PatternNo = static_cast<int16_t>(cmn.PatternNo % kPatternCount + 1);
    ShowPatternCells();
    RecalculateCandidates();
    PLineClear();
    PLine();
    ShowCounts();
}

void frmAllGamen::cmdOpt01_Click() {
    auto& options = program_.frmOption01();
    options.setLeft(10300);
    options.setTop(3100);
    options.Show();
}

void frmAllGamen::cmdPrint_Click() { program_.printer().PrintForm(*this); }

void frmAllGamen::cmdEnd_Click() {
    Unload();
    program_.End();
}

}  // namespace board
