#include "candidates/frmKouho.h"

#include "ui/StateBytes.h"

#include <algorithm>

#include "board/cmnMod01.h"
#include "candidates/Personas.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"
#include "puzzle/BoardGeometry.h"
#include "ui/Layout.h"

namespace candidates {
namespace {

constexpr ui::Color kBackColor = 0x80FF80;
constexpr int kLeft[] = {120, 930, 1740, 2595, 3405, 4215, 5055, 5880, 6690};
constexpr int kTop[] = {120, 1170, 2220, 3300, 4365, 5430, 6525, 7575, 8625};

}  // namespace

frmKouho::frmKouho(program::Program& program) : ui::Form("frmKouho"), program_(program), cmn(program.cmn()) {
    setCaption("モゼルオート候補");
    setBackColor(kBackColor);
    setWidth(8415);
    setHeight(10350);
    layOutControls();
    cmdReturn02.onClick = [this] { cmdReturn02_Click(); };
    cmdPrint.onClick = [this] { cmdPrint_Click(); };
    cmdTataHan2.onClick = [this] { cmdTataHan2_Click(); };
    cmdYokoHan2.onClick = [this] { cmdYokoHan2_Click(); };
    cmdRyoHan2.onClick = [this] { cmdRyoHan2_Click(); };
    for (int i = 1; i <= 9; ++i) btnSuuji2(i).onClick = [this, i] { btnSuuji2_Click(i); };
    connectTrials();
    // The contents and save slots are puzzle state: a clear that destroys the window is undone
    // with them.
    setUndoRestoresWindow(true);
    addState({"slots",
              [this] {
                  ui::StateWriter out;
                  out << T81Tbl << boardSlots_;
                  return out.take();
              },
              [this](std::string_view bytes) { ui::StateReader(bytes) >> T81Tbl >> boardSlots_; }});
    addOperation("T81_Save", 1, [this](const std::vector<int64_t>& args) {
        return std::vector<int64_t>{T81_Save(static_cast<int16_t>(args[0])) ? -1 : 0};
    });
    addOperation("T81_Load", 1, [this](const std::vector<int64_t>& args) {
        return std::vector<int64_t>{T81_Load(static_cast<int16_t>(args[0])) ? -1 : 0};
    });
    addOperation("RyoHan21", [this](int region) {
        int16_t r = static_cast<int16_t>(region);
        RyoHan21(r);
    });
    addOperation("TateRetuNumber", 1, [](const std::vector<int64_t>& args) {
        int result = 0;
        TateRetuNumber(static_cast<int>(args[0]), result);
        return std::vector<int64_t>{result};
    });
}

void frmKouho::layOutControls() {
    for (int k = 1; k <= 81; ++k) {
        ui::TextBox& box = txtKouho(k);
        box.setMultiLine(true);
        box.setText(std::to_string(k));
        box.setAlignment(ui::Alignment::Center);
        box.setBounds(kLeft[puzzle::GridColumn(k) - 1], kTop[puzzle::GridRow(k) - 1], 780, 1035);
    }
    for (int x : {45, 2550, 5025, 7515}) Line1.line(x, 45, x, 9705, 5, ui::kBlack);
    for (int y : {45, 3270, 6495, 9705}) Line1.line(45, y, 7515, y, 5, ui::kBlack);

    // The personas down the right, named from their table, then the commands of the candidate
    // lists beyond the window's width.
    const auto& persona = Personas();
    const ui::LayoutRow rows[] = {
        {&cmdKakuritu, persona[0].caption, 7605, 60, 660, 465},
        {&cmdKakuritu2, persona[1].caption, 7605, 615, 660, 465},
        {&cmdKakuritu3, persona[2].caption, 7605, 1185, 660, 465},
        {&cmdKakuritu4, persona[3].caption, 7605, 1725, 660, 465},
        {&cmdKakuritu5, persona[4].caption, 7605, 2280, 660, 465},
        {&cmdKakuritu6, persona[5].caption, 7605, 2835, 660, 465},
        {&cmdKakuritu7, persona[6].caption, 7605, 3360, 660, 465},
        {&cmdReturn02, "戻る", 7605, 5265, 660, 465},
        {&cmdPrint, "　", 30, 9960, 135, 180},
        {&lblKouhoFile, "", 165, 9930, 7380, 300},
        {&cmdTataHan2, "縦判定２", 9000, 4500, 1200, 420},
        {&cmdYokoHan2, "横判定２", 10250, 4500, 1200, 420},
        {&cmdRyoHan2, "領域判定２", 9000, 5000, 1500, 420},
        {&txtHan02, "自動判定２", 9000, 6700, 1500, 360},
        {&Label20(9), "空白", 10600, 6700, 600, 300},
    };
    ui::LayOut(rows);
    for (int i = 1; i <= 9; ++i) {
        int top = 135 + (i - 1) * 470;
        txtHani01(i).setText(i == 1 ? "連番" : "　");
        txtHani01(i).setBounds(9000, top, 580, 400);
        Text1(i).setText(i == 1 ? "候補の文字列" : "　");
        Text1(i).setBounds(9600, top, 1330, 400);
        txtGoukei(i).setText(i == 1 ? "合計" : "　");
        txtGoukei(i).setBounds(10950, top, 580, 400);
        btnSuuji2(i).setCaption(std::to_string(i));
        btnSuuji2(i).setBounds(9000 + (i - 1) * 290, 5700, 280, 380);
    }
    for (int d = 0; d <= 9; ++d) SUUJI2(d).setBounds(9000 + d * 280, 6300, 270, 300);
}

std::string frmKouho::KouhoBits(int k) const {
    std::string bits;
    for (int d = 1; d <= 9; ++d) bits += cmn.KouhoTbl[k][d] == 1 ? '1' : '0';
    return bits;
}

void frmKouho::Form_Load() {
    auto& grid1 = program_.frmMozelAuto();
    lblKouhoFile.setCaption(grid1.lblMondaiFile.caption() + " " + grid1.lblMondaiNum.caption());
    for (int i = 1; i <= 9; ++i) Text1(i).setText(KouhoBits(i));
}

void frmKouho::Form_QueryUnload(bool& cancel) {
    // The user's close only hides the window, so that its save slots survive; the clears
    // destroy it from code.
    if (unloadMode() == UnloadMode::User) {
        cancel = true;
        Hide();
    }
}

void frmKouho::cmdReturn02_Click() { Hide(); }

void frmKouho::cmdPrint_Click() {
    std::vector<ui::CommandButton*> buttons;
    for (ui::Control* control : controls()) {
        if (auto* button = dynamic_cast<ui::CommandButton*>(control)) buttons.push_back(button);
    }
    for (auto* button : buttons) button->setVisible(false);
    setBackColor(ui::kWhite);
    program_.printer().PrintForm(*this);
    setBackColor(ui::kButtonFace);
    for (auto* button : buttons) button->setVisible(true);
}

bool frmKouho::T81_Save(int16_t slot) {
    if (slot < 0 || slot > 10) return false;
    auto& grid1 = program_.frmMozelAuto();
    for (int k = 1; k <= 81; ++k) T81Tbl[slot][k] = grid1.cell(k).text();
    return true;
}

bool frmKouho::T81_Load(int16_t slot) {
    if (slot < 0 || slot > 10) return false;
    auto& grid1 = program_.frmMozelAuto();
    for (int k = 1; k <= 81; ++k) grid1.cell(k).setText(T81Tbl[slot][k]);
    return true;
}

void frmKouho::TateRetuNumber(int n, int& result) {
    if (n <= 9) {
        result = n;
        return;
    }
    result = puzzle::GridColumn(n);
}

void frmKouho::ClearListing() {
    for (int i = 1; i <= 9; ++i) {
        Text1(i).setText("");
        txtHani01(i).setText("");
        txtGoukei(i).setText("");
    }
}

template <typename InUnit>
void frmKouho::Listing(InUnit inUnit) {
    ClearListing();
    int row = 1;
    for (int k = 1; k <= 81 && row <= 9; ++k) {
        if (!inUnit(k)) continue;
        std::string bits = KouhoBits(k);
        if (bits == "000000000") continue;
        txtHani01(row).setText(std::to_string(k));
        Text1(row).setText(bits);
        txtGoukei(row).setText(std::to_string(std::count(bits.begin(), bits.end(), '1')));
        ++row;
    }
}

void frmKouho::cmdTataHan2_Click() {
    for (int n = 1; n <= 9; ++n) {
        Listing([n](int k) {
            int column = 0;
            TateRetuNumber(k, column);
            return column == n;
        });
    }
}

void frmKouho::cmdYokoHan2_Click() {
    for (int r = 1; r <= 9; ++r) Listing([r](int k) { return puzzle::GridRow(k) == r; });
}

void frmKouho::RyoHan21(int16_t& region) {
    auto& grid1 = program_.frmMozelAuto();
    const int p = region;
    Listing([&grid1, p](int k) {
        int16_t box = 0;
        grid1.QQN_R_Change(static_cast<int16_t>(k), box);
        return box == p;
    });
}

void frmKouho::btnSuuji2_Click(int Index) {
    int16_t region = static_cast<int16_t>(Index);
    RyoHan21(region);
}

void frmKouho::cmdRyoHan2_Click() {
    for (int16_t p = 1; p <= 9; ++p) {
        int16_t region = p;
        RyoHan21(region);
        ClearListing();
    }
}

}  // namespace candidates
