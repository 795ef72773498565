// The per-digit judgement: where a digit stands, which cells it rules out, which cells it can
// still take, and, with automatic judgement level 1, the digit placed wherever a column, row,
// box or diagonal leaves it a single place.
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "grid/GridCell.h"
#include "grid/frmMozelAuto.h"
#include "options/frmOption01.h"
#include "program/Program.h"
#include "puzzle/BoardGeometry.h"

namespace grid {
namespace {

// Fixed white for cells holding another digit, whatever the undecided colour is.
constexpr ui::Color kOtherDigitColor = 0xFFFFFF;
constexpr int kRowOrBoxShade = 30;

bool IsEmptyInAnyForm(const std::string& text) { return IsBlankOnly(text) || TruncatedValue(text) == 0; }

}  // namespace

bool frmMozelAuto::ScreenDisplayOn() { return program_.frmOption01().chkGlook.value() == 1; }

bool frmMozelAuto::AutoLevel1On() { return program_.frmOption01().chkAutoCheck1.value() == 1; }

void frmMozelAuto::btnSuujiHantei_Click(int d) {
    IroLock = 0;
    btnColor_Click();
    IroLock = 1;
    for (int i = 0; i <= 14; ++i) Text2(i).setText("  ");
    int n = 0;
    int j = 0;
    for (int k = 1; k <= 81; ++k) {
        bool ok = true;
        SuujiOk(k - 1, ok);
        if (!ok) {
            // Abandoned at this cell: only the final redraw.
            if (ScreenDisplayOn()) RedrawBoth();
            return;
        }
        const std::string& text = cell(k).text();
        if (!IsFilled(text)) continue;
        double v = TruncatedValue(text);
        if (v == d) {
            Nuri(k, cmn.IroGaito);
            Text2(j++).setText(std::to_string(k));
            ++n;
        } else if (v != 0) {
            Nuri(k, kOtherDigitColor);
        } else {
            Nuri(k, cmn.IroMiketei);
        }
    }
    Text2(j).setText("*");
    Wa45All();
    Command41_Click(1);
    SUUJI1(d).setValue(true);
    program_.frmAllGamen().SUUJI1(d).setValue(true);
    if (ScreenDisplayOn()) RedrawBoth();
    if (AutoLevel1On()) {
        int16_t m = 0;
        GaitoSpace(d, m);
        GaitoTate(d, m);
        GaitoYoko(d, m);
        GaitoRyouiki(d, m);
        if (NanameMode()) NanameOnly(d);
        if (ScreenDisplayOn()) {
            if (gridNo_ == 1) {
                RedrawBoth();
            } else {
                Refresh();
            }
        }
    }
    if (n == 9) {
        Check1(d).setValue(1);
        Text9.setText("やった！！この数字は、完了です。");
    } else {
        Text9.setText("この数字は、現在" + std::to_string(n) + "個決定されています。");
    }
    cmdOnajiSuuji_Click();
    if (cmn.ClearFlag == 0) FinMsg();
    if (ScreenDisplayOn()) RedrawBoth();
}

void frmMozelAuto::Command41_Click(int) {
    for (int i = 0; i <= 81; ++i) {
        const std::string& entry = Text2(i).text();
        if (entry == "*") break;
        if (IsBlankOnly(entry)) continue;
        double g = ui::Val(entry);
        // Only real cell numbers: the list box can be typed into.
        if (g < 1 || g > 81) continue;
        int cell = static_cast<int>(g);
        int col = puzzle::GridColumn(cell);
        int row = puzzle::GridRow(cell);
        if (NanameMode() && (row + col == 10 || row == col)) NANAME_check01(col, row);
        TateNuri(col);
        YokoNuri(row);
        RyouikiNuri(cell);
        Nuri(cell, cmn.IroGaito);
    }
}

void frmMozelAuto::TateNuri(int col) {
    for (int k : Column(col)) Nuri(k, cmn.IroRyouiki);
}

void frmMozelAuto::YokoNuri(int row) {
    for (int k : Row(row)) Nuri(k, cmn.IroRyouiki);
}

void frmMozelAuto::RyouikiNuri(int cell) {
    for (int k : Box(RyouikiBangou(cell))) Nuri(k, cmn.IroRyouiki);
}

void frmMozelAuto::NANAME_check01(int col, int row) {
    if (col == row) {
        for (int k : Diagonal(cmn.NanameX)) Nuri(k, cmn.IroRyouiki);
        if (col == 5) {
            for (int k : Diagonal(cmn.NanameY)) Nuri(k, cmn.IroRyouiki);
        }
    } else if (col + row == 10) {
        for (int k : Diagonal(cmn.NanameY)) Nuri(k, cmn.IroRyouiki);
    }
}

void frmMozelAuto::GaitoSpace(int d, int16_t& count) {
    // Every free cell is listed (up to all 81), so that every mark of d is current.
    for (int i = 1; i <= 81; ++i) txtGaitoSpace(i).setText("");
    int i = 1;
    cmn.KouhoGrid[d] = static_cast<int16_t>(gridNo_);
    for (int k = 1; k <= 81; ++k) {
        cmn.KouhoTbl[k][d] = 0;
        if (cell(k).text().empty() && cell(k).backColor() != cmn.IroRyouiki) {
            txtGaitoSpace(i++).setText(std::to_string(k - 1));
            cmn.KouhoTbl[k][d] = 1;
        }
    }
    count = static_cast<int16_t>(i - 1);
}

bool frmMozelAuto::OtherCellCouldTake(const std::array<int, 9>& unit, int target) {
    for (int k : unit) {
        if (k != target && IsEmptyInAnyForm(cell(k).text()) && cell(k).backColor() != cmn.IroRyouiki) {
            return true;
        }
    }
    return false;
}

void frmMozelAuto::PlaceIfAlone(int d, const std::array<int, 9>& unit, int target, ui::Color colour) {
    // A cell holding "  " is never listed but may still take the digit: then the listed
    // cell is not its only place.
    if (OtherCellCouldTake(unit, target)) return;
    SuujiSet(target, std::to_string(d));
    Nuri(target, colour);
}

void frmMozelAuto::GaitoTate(int d, int m) {
    std::array<int, 10> count{}, last{};
    for (int i = 1; i <= m; ++i) {
        int k = static_cast<int>(ui::Val(txtGaitoSpace(i).text())) + 1;
        int col = puzzle::GridColumn(k);
        ++count[col];
        last[col] = k;
    }
    for (int col = 1; col <= 9; ++col) {
        if (count[col] == 1) PlaceIfAlone(d, Column(col), last[col], cmn.IroAuto1);
    }
}

void frmMozelAuto::GaitoYoko(int d, int m) {
    std::array<int, 10> count{}, last{};
    for (int i = 1; i <= m; ++i) {
        int k = static_cast<int>(ui::Val(txtGaitoSpace(i).text())) + 1;
        int row = puzzle::GridRow(k);
        ++count[row];
        last[row] = k;
    }
    for (int row = 1; row <= 9; ++row) {
        if (count[row] == 1) PlaceIfAlone(d, Row(row), last[row], cmn.IroAuto1 - kRowOrBoxShade);
    }
}

void frmMozelAuto::GaitoRyouiki(int d, int m) {
    std::array<int, 10> count{}, last{};
    for (int i = 1; i <= m; ++i) {
        int k = static_cast<int>(ui::Val(txtGaitoSpace(i).text())) + 1;
        int box = RyouikiBangou(k);
        if (box > 9) {
            program_.dialogs().MsgBox("該当領域がみつかりません。なんか変！！ GaitoSpaceN =" + std::to_string(k - 1) + "*");
            continue;
        }
        ++count[box];
        last[box] = k;
    }
    for (int box = 1; box <= 9; ++box) {
        if (count[box] == 1) PlaceIfAlone(d, Box(box), last[box], cmn.IroAuto1 - kRowOrBoxShade);
    }
}

void frmMozelAuto::NanameOnly(int d) {
    for (const auto* diagonal : {&cmn.NanameX, &cmn.NanameY}) {
        std::array<int, 9> unit = Diagonal(*diagonal);
        int open = 0, last = 0, holding = 0;
        for (int k : unit) {
            const std::string& text = cell(k).text();
            if (!IsFilled(text) && cell(k).backColor() == cmn.IroMiketei) {
                ++open;
                last = k;
            }
            if (ui::IsNumeric(text) && ui::Val(text) == d) ++holding;
        }
        if (open == 1 && holding == 0) PlaceIfAlone(d, unit, last, cmn.IroOnly);
    }
}

}  // namespace grid
