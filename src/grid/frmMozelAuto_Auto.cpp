// Forced cells and the automatic step: the final digit of a cell's units, the only candidate
// of a cell, and one automatic step chaining them with the nine per-digit judgements.
#include "board/cmnMod01.h"
#include "candidates/frmKouho.h"
#include "grid/GridCell.h"
#include "grid/frmMozelAuto.h"
#include "options/frmOption01.h"
#include "program/Program.h"
#include "puzzle/BoardGeometry.h"

namespace grid {
namespace {

constexpr int kMaxPasses = 99;

// A cell's line of the candidate display: the candidate digits in place, a full-width blank
// where a digit is excluded, three to a line.
std::string CandidateText(const std::array<int16_t, 10>& marks, int& count) {
    std::string text;
    int length = 0;  // in characters
    count = 0;
    for (int d = 1; d <= 9; ++d) {
        if (marks[d] == 1) {
            text += std::to_string(d);
            ++count;
        } else {
            text += "　";
        }
        ++length;
        if (length == 3 || length == 8) {
            text += "\r\n";
            length += 2;
        }
    }
    return text;
}

}  // namespace

int frmMozelAuto::HanteiPasses() {
    const std::string text = HanteiNUM.text();
    double v = ui::Val(text);
    if (ui::IsNumeric(text) && v == ui::Fix(v) && v >= 1 && v <= kMaxPasses) return static_cast<int>(v);
    program_.dialogs().MsgBox("回数 [" + text + "] は1から99までの整数ではないので、1回として判定します。");
    HanteiNUM.setText("1");
    return 1;
}

void frmMozelAuto::cmdAutoHantei_Click() {
    if (AutoLevel1On()) {
        for (int i = 0; i <= 80; ++i) {
            bool ok = true;
            SuujiOk(i, ok);
            if (!ok) {
                program_.dialogs().MsgBox("数字以外がはいりました。修正してください。");
                return;
            }
        }
        // Grid 2 is never shown, so its judgement menu stays hidden.
        if (gridNo_ == 1) mnuHantei.setVisible(true);
        for (int k = 1; k <= 81; ++k) {
            for (int d = 1; d <= 9; ++d) cmn.KouhoTbl[k][d] = 0;
        }
        for (int d = 1; d <= 9; ++d) cmn.KouhoGrid[d] = static_cast<int16_t>(gridNo_);
        int passes = HanteiPasses();
        for (int pass = 0; pass < passes; ++pass) {
            btnNO_NUM_OK_Click();
            for (int d = 1; d <= 9; ++d) btnSuujiHantei_Click(d);
        }
        // One only-candidate placement per step: the first cell in cell order.
        bool placed = false;
        for (int k = 1; k <= 81 && !placed; ++k) {
            int digit = OnlyCandidate(k);
            if (digit != 0) {
                SuujiSet(k, std::to_string(digit));
                Nuri(k, cmn.IroOnly);
                placed = true;
            }
        }
        if (!placed) {
            for (int d = 1; d <= 9; ++d) btnSuujiHantei_Click(d);
        }
    }
    IroLock = 0;
    btnColor_Click();
    IroLock = 1;
    Kouhoda();
    cmdOnajiSuuji_Click();
    FinMsg();
    mnuKouho.setVisible(true);
    cmdKouho.setVisible(true);
}

void frmMozelAuto::MarkUsed(const std::array<int, 9>& unit, std::array<int16_t, 10>& used) {
    for (int k : unit) {
        const std::string& text = cell(k).text();
        double v = TruncatedValue(text);
        // Values outside 1..9 (say "12") have no entry in the table.
        if (IsFilled(text) && v >= 1 && v <= 9) used[static_cast<size_t>(v)] = 1;
    }
}

void frmMozelAuto::Nanamexy_check02(int row, int col, std::array<int16_t, 10>& used) {
    if (row == col) MarkUsed(Diagonal(cmn.NanameX), used);
    if (row + col == 10) MarkUsed(Diagonal(cmn.NanameY), used);
}

void frmMozelAuto::btnNO_NUM_OK_Click() {
    btnColor_Click();
    for (int i = 0; i <= 80; ++i) {
        bool ok = true;
        SuujiOk(i, ok);
        if (!ok) return;
    }
    const bool diagonal = NanameMode();
    for (int f = 1; f <= 9; ++f) {
        for (int n = 1; n <= 9; ++n) {
            int k = puzzle::GridCell(f, n);
            if (TruncatedValue(cell(k).text()) >= 1) continue;
            std::array<int16_t, 10> used{};
            MarkUsed(Column(n), used);
            MarkUsed(Row(f), used);
            int16_t box = 0;
            QQXY_R_Change(static_cast<int16_t>(f), static_cast<int16_t>(n), box);
            MarkUsed(Box(box), used);
            if (diagonal && (f + n == 10 || f == n)) Nanamexy_check02(f, n, used);
            int marked = 0, missing = 0;
            for (int i = 1; i <= 9; ++i) {
                marked += used[i];
                if (used[i] == 0) missing = i;
            }
            if (marked != 8) continue;
            // The board's text follows through the board's copy-back after a judgement.
            cell(k).setText(std::to_string(missing));
            Nuri(k, cmn.IroGaito);
        }
    }
}

int frmMozelAuto::OnlyCandidate(int k) const {
    int sum = 0, digit = 0;
    for (int d = 1; d <= 9; ++d) {
        // Marks the other grid's judgement wrote describe that grid's cells, not these.
        if (cmn.KouhoGrid[d] != gridNo_) continue;
        if (cmn.KouhoTbl[k][d] > 0) {
            ++sum;
            digit = d;
        }
    }
    return sum == 1 ? digit : 0;
}

void frmMozelAuto::btnOnlyOne_Click() {
    btnColor_Click();
    for (int k = 1; k <= 81; ++k) {
        int digit = OnlyCandidate(k);
        if (digit != 0) {
            SuujiSet(k, std::to_string(digit));
            Nuri(k, cmn.IroOnly);
        }
    }
}

void frmMozelAuto::FinMsg() {
    int complete = 0;
    for (int d = 1; d <= 9; ++d) complete += Check1(d).value() == 1;
    if (complete == 9) {
        Omedetou();
        Text10.setText("やった！！完了です。");
    } else {
        Text10.setText("完了した数字は、現在" + std::to_string(complete) + "個です。");
    }
}

// The board window congratulates; a grid window has nothing to add.
void frmMozelAuto::Omedetou() {}

void frmMozelAuto::Kouhoda() {
    btnColor_Click();
    auto& kouho = program_.frmKouho();
    for (int k = 1; k <= 81; ++k) {
        ui::TextBox& box = kouho.txtKouho(k);
        box.setText("");
        box.setAlignment(ui::Alignment::Center);
        box.setFontBold(true);
        int count = 0;
        std::string text = CandidateText(cmn.KouhoTbl[k], count);
        box.setForeColor(ui::kBlack);
        if (count < 2) {
            box.setText(cell(k).text());
            box.setFontSize(48);
            box.setBackColor(cmn.IroAuto1);
            box.setLocked(true);
        } else {
            box.setText(text);
            box.setFontSize(16);
            box.setBackColor(cmn.IroMiketei);
            box.setLocked(false);
        }
    }
}

void frmMozelAuto::cmdKouho_Click() {
    auto& kouho = program_.frmKouho();
    kouho.lblKouhoFile.setCaption(lblMondaiFile.caption() + " " + lblMondaiNum.caption());
    kouho.setTop(300);
    kouho.setLeft(6950);
    kouho.Show();
}

}  // namespace grid
