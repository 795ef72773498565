// Judging the double board: each grid is copied into its grid window, judged there and copied
// back; then the cross-grid rule, the completion checks and the congratulation.
#include "board/BoardCell.h"
#include "board/PatternTables.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "candidates/frmKouho.h"
#include "grid/frmMozelAuto.h"
#include "options/frmOption01.h"
#include "program/Program.h"
#include "puzzle/Rules.h"
#include "ui/Value.h"

namespace board {
namespace {

// Colours a congratulated board is painted with, one drawn at random per cell.
constexpr ui::Color kOmedetouColors[] = {0x00FFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0xFFFFFF, 150};

}  // namespace

void frmAllGamen::CopyToGrid(int g) {
    auto& grid = g == 1 ? program_.frmMozelAuto() : program_.frmMozelAuto2();
    const state::PuzzleState& board = program_.state();
    for (int i = 1; i <= kGridCells; ++i) grid.cell(i).setText(board.cellText(cmn.GridMasu[cmn.PatternNo][g][i]));
}

void frmAllGamen::CopyFromGrid(int g) {
    auto& grid = g == 1 ? program_.frmMozelAuto() : program_.frmMozelAuto2();
    state::PuzzleState& board = program_.state();
    state::PuzzleState::Batch batch(board);
    for (int i = 1; i <= kGridCells; ++i) board.setCellText(cmn.GridMasu[cmn.PatternNo][g][i], grid.cell(i).text());
}

void frmAllGamen::CopyToGrid1() { CopyToGrid(1); }
void frmAllGamen::CopyFromGrid1() { CopyFromGrid(1); }
void frmAllGamen::CopyToGrid2() { CopyToGrid(2); }
void frmAllGamen::CopyFromGrid2() { CopyFromGrid(2); }

bool frmAllGamen::AllChecked() {
    for (int d = 1; d <= 9; ++d) {
        if (Check1(d).value() != 1) return false;
    }
    return true;
}

void frmAllGamen::RaiseNanido() {
    const std::string& text = txtNanido.text();
    double value = ui::IsNumeric(text) ? ui::Val(text) : 0;
    txtNanido.setText(ui::NumberText(value + 1));
}

void frmAllGamen::cmdHantei_Click(int d) {
    auto& grid1 = program_.frmMozelAuto();
    auto& grid2 = program_.frmMozelAuto2();
    cmdClear02_Click();
    CopyToGrid1();
    grid1.btnSuujiHantei_Click(d);
    CopyFromGrid1();
    CopyToGrid2();
    grid2.btnSuujiHantei_Click(d);
    CopyFromGrid2();
    Double_Check01(d);
    ShowSetCount();
    if (grid1.Check1(d).value() == 1 && grid2.Check1(d).value() == 1) Check1(d).setValue(1);
    if (AllChecked()) Omedetou();
}

void frmAllGamen::cmdHantei123_Click() {
    cmn.OmedetouZumi = 0;
    bool congratulated = false;
    for (int d = 1; d <= 9; ++d) {
        cmdHantei_Click(d);
        if (cmn.OmedetouZumi == -1) {
            congratulated = true;
            break;
        }
    }
    if (!congratulated) {
        cmdClear02_Click();
        if (AllChecked()) Omedetou();
    }
    ShowSetCount();
    RaiseNanido();
}

void frmAllGamen::cmdHanteiA_Click(int Index) {
    cmn.OmedetouZumi = 0;
    cmdClear02_Click();
    if (Index == 3) {
        auto& grid1 = program_.frmMozelAuto();
        auto& grid2 = program_.frmMozelAuto2();
        CopyToGrid1();
        grid1.cmdAutoHantei_Click();
        CopyFromGrid1();
        CopyToGrid2();
        grid2.cmdAutoHantei_Click();
        CopyFromGrid2();
        for (int d = 1; d <= 9; ++d) {
            if (grid1.Check1(d).value() == 1 && grid2.Check1(d).value() == 1) Check1(d).setValue(1);
        }
        cmdClear02_Click();
    } else if (Index == 1) {
        auto& grid1 = program_.frmMozelAuto();
        CopyToGrid1();
        grid1.Show();
        grid1.cmdAutoHantei_Click();
        CopyFromGrid1();
    } else {
        CopyToGrid2();
        program_.frmMozelAuto2().cmdAutoHantei_Click();
        CopyFromGrid2();
    }
    if (AllChecked()) Omedetou();
    ShowSetCount();
    RaiseNanido();
}

void frmAllGamen::Double_Check01(int d) {
    // The segments follow from the grid corners: where the grids lie one above the other,
    // each shared column has a part only the upper grid covers and one only the lower grid
    // covers; where they lie side by side, each shared row has a left and a right part.
    const OverlapPattern& pattern = Pattern(cmn.PatternNo);
    const int R1 = pattern.grid1Row, C1 = pattern.grid1Column;
    const int R2 = pattern.grid2Row, C2 = pattern.grid2Column;
    const int top = std::min(R1, R2), lowerTop = std::max(R1, R2);
    const int left = std::min(C1, C2), rightLeft = std::max(C1, C2);
    if (R1 != R2) {
        const int length = lowerTop - top;
        for (int column = rightLeft; column <= left + kGridSize - 1; ++column) {
            std::vector<int> upper, lower;
            for (int i = 0; i < length; ++i) {
                upper.push_back(BoardCell(top + i, column));
                lower.push_back(BoardCell(top + kGridSize + i, column));
            }
            Double_Hantei(d, upper, lower);
        }
    }
    if (C1 != C2) {
        const int length = rightLeft - left;
        for (int row = lowerTop; row <= top + kGridSize - 1; ++row) {
            std::vector<int> leftPart, rightPart;
            for (int i = 0; i < length; ++i) {
                leftPart.push_back(BoardCell(row, left + i));
                rightPart.push_back(BoardCell(row, left + kGridSize + i));
            }
            Double_Hantei(d, leftPart, rightPart);
        }
    }
}

void frmAllGamen::Double_Hantei(int d, const std::vector<int>& A, const std::vector<int>& B) {
    auto holds = [&](int c) { return CellValue(text1(c).text()) == d; };
    auto marked = [&](const std::vector<int>& part) {
        int n = 0;
        for (int c : part) n += text1(c).backColor() == cmn.IroGaito;
        return n;
    };
    int holding = 0;
    for (const auto* part : {&A, &B}) {
        for (int c : *part) holding += holds(c);
    }
    if (holding >= 2) return;
    const int a = marked(A), b = marked(B);
    const std::vector<int>* target = nullptr;
    if (a == 1 && b == 0) {
        target = &B;
    } else if (b == 1 && a == 0) {
        target = &A;
    } else {
        return;
    }
    int free = 0, freeCell = 0;
    for (int c : *target) {
        ui::Color colour = text1(c).backColor();
        if (!ui::IsNumeric(text1(c).text()) && colour != cmn.IroRyouiki && colour != cmn.IroAuto1) {
            ++free;
            freeCell = c;
        }
    }
    if (free != 1) return;
    text1(freeCell).setText(std::to_string(d));
    // Plain integer shades of the automatic colour, carry included.
    text1(freeCell).setBackColor(cmn.IroAuto1 + (target->size() == 3 ? 65280 : 255));
}

void frmAllGamen::Omedetou() { Congratulate("おめでとう"); }

namespace {

// A span of seconds as the finish says it: "42秒", "3分05秒", "1時間02分05秒".
std::string SpanText(double seconds) {
    const long total = seconds > 0 ? static_cast<long>(seconds) : 0;
    const long h = total / 3600, m = total / 60 % 60, s = total % 60;
    auto two = [](long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (h > 0) return std::to_string(h) + "時間" + two(m) + "分" + two(s) + "秒";
    if (m > 0) return std::to_string(m) + "分" + two(s) + "秒";
    return std::to_string(s) + "秒";
}

}  // namespace

void frmAllGamen::CheckFinish() {
    if (cmn.OmedetouZumi == -1 || !program_.state().complete()) return;
    const state::BoardReading reading = program_.state().reading();
    if (reading.notDigit || puzzle::FindDuplicate(reading.board)) return;
    // The clock counts seconds since midnight: a problem solved past it has gone round once.
    double seconds = program_.platform().Timer() - placedAt_;
    if (seconds < 0) seconds += 24 * 60 * 60;
    ShowSetCount();
    Congratulate("おめでとう\n解き終わるまで " + SpanText(seconds) + "、ヒント " + std::to_string(hintsShown_) + " 回");
}

void frmAllGamen::Congratulate(const std::string& message) {
    if (cmn.OmedetouZumi == -1) return;
    cmn.OmedetouZumi = -1;
    auto& platform = program_.platform();
    platform.Randomize();
    for (int g = 1; g <= 2; ++g) {
        for (int k = 1; k <= kGridCells; ++k) {
            auto pick = static_cast<size_t>(platform.Rnd() * std::size(kOmedetouColors));
            text1(cmn.GridMasu[cmn.PatternNo][g][k]).setBackColor(kOmedetouColors[pick]);
        }
    }
    program_.dialogs().MsgBox(message);
    cmn.SolvedMark = 9;
    if (program_.frmOption01().chkEndGamen.value() == 1) {
        auto& grid2 = program_.frmMozelAuto2();
        auto& kouho = program_.frmKouho();
        kouho.lblKouhoFile.setCaption(grid2.lblMondaiFile.caption() + " " + grid2.lblMondaiNum.caption());
        kouho.setLeft(6950);
        kouho.setTop(300);
        kouho.Show();
    }
}

}  // namespace board
