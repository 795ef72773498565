// Line sums under the 45 rule: a complete row, column or diagonal of 1..9 adds up to 45, so a
// line that adds up to more is marked.
#include <cmath>

#include "board/cmnMod01.h"
#include "grid/GridCell.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"

namespace grid {
namespace {

constexpr int kMainDiagonal = 19;
constexpr int kAntiDiagonal = 20;

}  // namespace

double frmMozelAuto::LineSum(const std::array<int, 9>& cells) {
    // Each filled cell adds its value rounded to a whole number; the sum is kept wide enough
    // that no cell text, however large, can overflow it.
    double sum = 0;
    for (int k : cells) {
        const std::string& text = cell(k).text();
        if (IsFilled(text)) sum += std::nearbyint(ui::Val(text));
    }
    return sum;
}

void frmMozelAuto::Wa45(int lineCode) {
    std::array<int, 9> cells{};
    ui::TextBox* box = nullptr;
    if (lineCode >= 0 && lineCode <= 8) {
        cells = Row(lineCode + 1);
        box = &Text4(lineCode);
    } else if (lineCode >= 10 && lineCode <= 18) {
        cells = Column(lineCode - 9);
        box = &Text5(lineCode - 10);
    } else if (lineCode == kMainDiagonal || lineCode == kAntiDiagonal) {
        cells = Diagonal(lineCode == kMainDiagonal ? cmn.NanameX : cmn.NanameY);
        box = lineCode == kMainDiagonal ? &Text7 : &Text6;
    } else {
        return;
    }
    double sum = LineSum(cells);
    box->setText(ui::NumberText(sum));
    box->setBackColor(sum < 46 ? cmn.IroMiketei : cmn.IroGaito);
    CALL_Setting();
}

void frmMozelAuto::RyouikiWa(int b) {
    Text8(b - 1).setText(ui::NumberText(LineSum(Box(b))));
    CALL_Setting();
}

void frmMozelAuto::Command_Click(int n) {
    if (n >= 1 && n <= 9) return Wa45(9 + n);       // column n
    if (n >= 10 && n <= 18) return Wa45(n - 10);    // row n - 9
    if (n >= 23 && n <= 31) return RyouikiWa(n - 22);
}

void frmMozelAuto::Wa45All() {
    for (int n = 1; n <= 18; ++n) Command_Click(n);
    if (Text6.visible()) Wa45(kMainDiagonal);
    if (Text7.visible()) Wa45(kAntiDiagonal);
    for (int n = 23; n <= 31; ++n) Command_Click(n);
}

void frmMozelAuto::Command33_Click() { Wa45All(); }

void frmMozelAuto::cmdNaname01_Click() {
    if (NanameXOnaji()) {
        program_.dialogs().MsgBox("対角線上に同じ数字が存在します。");
    } else {
        Wa45(kMainDiagonal);
    }
}

void frmMozelAuto::cmdNaname02_Click() {
    if (NanameYOnaji()) program_.dialogs().MsgBox("対角線上に同じ数字が存在します。");
    Wa45(kAntiDiagonal);
}

}  // namespace grid
