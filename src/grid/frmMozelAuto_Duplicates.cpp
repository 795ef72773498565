// The duplicate check: two equal digits in one column, row, box or diagonal are painted in
// the error colour, and HintKind names the kind of unit of the last find.
#include "board/cmnMod01.h"
#include "grid/GridCell.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"

namespace grid {
namespace {

constexpr int16_t kColumn = 1;
constexpr int16_t kRow = 2;
constexpr int16_t kBox = 4;
constexpr int16_t kMainDiagonal = 31;
constexpr int16_t kAntiDiagonal = 32;

}  // namespace

bool frmMozelAuto::Onaji(const std::array<int, 9>& cells, bool byText, int16_t kind) {
    bool found = false;
    for (size_t i = 0; i < cells.size(); ++i) {
        const std::string& a = cell(cells[i]).text();
        if (!IsFilled(a) || TruncatedValue(a) == 0) continue;
        for (size_t j = i + 1; j < cells.size(); ++j) {
            const std::string& b = cell(cells[j]).text();
            if (!IsFilled(b) || TruncatedValue(b) == 0) continue;
            // Columns and rows compare the texts, boxes and diagonals the numbers.
            bool equal = byText ? a == b : ui::Val(a) == ui::Val(b);
            if (!equal) continue;
            Nuri(cells[i], cmn.IroError);
            Nuri(cells[j], cmn.IroError);
            cmn.HintKind = kind;
            found = true;
        }
    }
    return found;
}

bool frmMozelAuto::NanameXOnaji() { return Onaji(Diagonal(cmn.NanameX), false, kMainDiagonal); }

bool frmMozelAuto::NanameYOnaji() { return Onaji(Diagonal(cmn.NanameY), false, kAntiDiagonal); }

bool frmMozelAuto::TateOnaji() {
    bool found = false;
    for (int c = 1; c <= 9; ++c) found = Onaji(Column(c), true, kColumn) || found;
    return found;
}

bool frmMozelAuto::YokoOnaji() {
    bool found = false;
    for (int r = 1; r <= 9; ++r) found = Onaji(Row(r), true, kRow) || found;
    return found;
}

bool frmMozelAuto::RyouikiOnaji() {
    bool found = false;
    for (int b = 1; b <= 9; ++b) found = Onaji(Box(b), false, kBox) || found;
    return found;
}

void frmMozelAuto::cmdOnajiSuuji_Click() {
    btnColor_Click();
    cmn.HintKind = 0;
    if (NanameMode()) {
        NanameXOnaji();
        NanameYOnaji();
    }
    TateOnaji();
    YokoOnaji();
    RyouikiOnaji();
}

void frmMozelAuto::mnuOnajiSuuji_Click() {
    IroLock = 0;
    cmdOnajiSuuji_Click();
}

}  // namespace grid
