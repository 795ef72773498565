#include "options/frmOption01.h"

#include "board/cmnMod01.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"
#include "ui/Layout.h"

namespace options {
namespace {

struct IroEntry {
    const char* name;
    ui::Color colour;
};

// The entries of every picker, in list order; entry i shows picture i.
constexpr IroEntry kIroTable[] = {
    {"赤", 0x0000FF}, {"青", 0xFF0000}, {"黄色", 0x00FFFF}, {"黄緑", 0x00FF00},
    {"水色", 0xFFFF00}, {"ピンク", 0xFF00FF}, {"白", 0xFFFFFF},
};

// The entry each picker shows when the window loads: the default colour of its role.
constexpr int kDefaultEntry[] = {1, 2, 7, 4, 3, 5};

constexpr ui::Color kBackColor = 0xFFE0C0;

}  // namespace

ui::Color IroOfName(const std::string& name) {
    for (const auto& entry : kIroTable) {
        if (name == entry.name) return entry.colour;
    }
    return ui::kBlack;
}

frmOption01::frmOption01(program::Program& program)
    : ui::Form("frmOption01"), program_(program), cmn(program.cmn()) {
    setCaption("モゼルオプション");
    setBackColor(kBackColor);
    setWidth(5040);
    setHeight(3720);
    for (const auto& entry : kIroTable) ImageList1.pictures.push_back(entry.colour);

    layOutControls();
    for (int i = 0; i <= 5; ++i) {
        // The marking colours are settings, not puzzle state: undo leaves them alone.
        icIro(i).setJournaled(false);
        icIro(i).onClick = [this, i] { icIro_Click(i); };
    }
    chkGlook.onClick = [this] { chkGlook_Click(); };
    chkAutoCheck1.onClick = [this] { chkAutoCheck1_Click(); };
    Check2.onClick = [this] { Check2_Click(); };
    chkTaikakusen.onClick = [this] { chkTaikakusen_Click(); };
    chkJuufuku.setJournaled(false);
    chkJuufuku.onClick = [this] { chkJuufuku_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
}

void frmOption01::layOutControls() {
    // Eleven ideographic spaces make the last label wrap to two lines.
    std::string onlyLabel = "その数字のみ";
    for (int i = 0; i < 11; ++i) onlyLabel += "　";
    onlyLabel += "入る所の色";
    const char* const labels[] = {"該当数字の色", "影響を受ける領域の色", "未決定の色", "エラーの色",
                                  "自動判定レベル1の色",
                                  onlyLabel.c_str()};
    for (int i = 0; i <= 5; ++i) {
        int top = 120 + i * 450;
        lblIro(i).setCaption(labels[i]);
        lblIro(i).setBounds(120, top + 30, 2300, i == 5 ? 420 : 300);
        icIro(i).setBounds(2500, top, 1400, 360);
    }
    const ui::LayoutRow rows[] = {
        {&chkGlook, "画面表示", 120, 2880, 1300, 300},
        {&chkTaikakusen, "対角線ナンプレ", 1500, 2880, 1800, 300},
        {&Command1, "設定終了", 3950, 2780, 1000, 420},
        {&chkJuufuku, "重なった数字を赤で示す", 120, 3300, 3600, 300},
        {&chkAutoCheck1, "自動判定レベル１", 120, 3870, 2000, 300},
        {&Check2, "数字判定", 2200, 3870, 1300, 300},
        {&chkEndGamen, "解答画面表示", 3500, 3870, 1500, 300},
    };
    ui::LayOut(rows);
    ui::SetBackColor({&chkGlook, &chkTaikakusen, &chkJuufuku}, kBackColor);
}

void frmOption01::Form_Load() {
    // The switches are derived from the windows they act on.
    auto& grid1 = program_.frmMozelAuto();
    chkTaikakusen.setValue(program_.state().diagonal() ? 1 : 0);
    if (grid1.Text7.visible()) chkTaikakusen.setValue(1);
    if (grid1.btnSuujiHantei(1).visible()) Check2.setValue(1);
    if (grid1.lblAuto.caption() != "  ") {
        chkAutoCheck1.setValue(1);
        grid1.lblAuto.setCaption("自動");
    } else {
        chkAutoCheck1.setValue(0);
    }
    chkGlook.setValue(grid1.lblGamenHyouji.caption() == "Refresh" ? 1 : 0);
    chkJuufuku.setValue(cmn.MarkRepeats ? 1 : 0);
    for (int i = 0; i <= 5; ++i) {
        icIro(i).setImageList(&ImageList1);
        for (size_t e = 0; e < std::size(kIroTable); ++e) icIro(i).addItem(static_cast<int>(e) + 1, kIroTable[e].name);
        icIro(i).setText(cmn.IroName[static_cast<size_t>(i)]);
        // Shows the default entry; selecting from code is not a colour choice.
        icIro(i).select(kDefaultEntry[i]);
    }
}

void frmOption01::chkGlook_Click() {
    program_.frmMozelAuto().lblGamenHyouji.setCaption(chkGlook.value() == 1 ? "Refresh" : "NoRefresh");
}

void frmOption01::chkAutoCheck1_Click() {
    auto& grid1 = program_.frmMozelAuto();
    if (chkAutoCheck1.value() != 0) {
        grid1.lblAuto.setCaption("自動");
        Check2.setValue(1);
    } else {
        grid1.lblAuto.setCaption("  ");
        Check2.setValue(0);
    }
}

void frmOption01::Check2_Click() {
    auto& grid1 = program_.frmMozelAuto();
    bool show = Check2.value() == 1;
    for (int d = 1; d <= 9; ++d) {
        grid1.btnSuujiHantei(d).setVisible(show);
        grid1.suuji(d).setVisible(true);
    }
    grid1.Command41(1).setVisible(show);
}

void frmOption01::chkJuufuku_Click() {
    cmn.MarkRepeats = chkJuufuku.value() == 1;
    program_.digitColorsChanged();
}

void frmOption01::chkTaikakusen_Click() {
    bool show = chkTaikakusen.value() == 1;
    auto& grid1 = program_.frmMozelAuto();
    for (ui::Control* c : std::initializer_list<ui::Control*>{&grid1.cmdNaname01, &grid1.cmdNaname02, &grid1.Text6,
                                                               &grid1.Text7}) {
        c->setVisible(show);
    }
    // The board's diagonal controls follow the rule.
    program_.state().setDiagonal(show);
}

void frmOption01::icIro_Click(int Index) {
    ui::Color colour = IroOfName(icIro(Index).text());
    ui::Color* roles[] = {&cmn.IroGaito, &cmn.IroRyouiki, &cmn.IroMiketei, &cmn.IroError, &cmn.IroAuto1, &cmn.IroOnly};
    *roles[Index] = colour;
}

void frmOption01::Command1_Click() { Unload(); }

}  // namespace options
