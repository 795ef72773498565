#include "grid/frmMozelAuto.h"

#include "grid/GridLayout.h"
#include "program/Program.h"
#include "puzzle/BoardGeometry.h"
#include "ui/Layout.h"
#include "ui/StateBytes.h"

namespace grid {

using namespace layout;

namespace {
// Digits that operations take from outside: 1..9 only.
int CheckedDigit(int64_t d) {
    if (d < 1 || d > 9) throw std::out_of_range("a digit is 1..9, not " + std::to_string(d));
    return static_cast<int>(d);
}

constexpr ui::Color kBackColor = 0xC0FFC0;

// The command column right of the digits: one button every 440 twips from the grid's top.
constexpr int CommandTop(int place) { return kGridTop + place * 440; }

// The sums are shown centred and are never typed into.
void LockedSum(ui::TextBox& box) {
    box.setAlignment(ui::Alignment::Center);
    box.setLocked(true);
}
}  // namespace

frmMozelAuto::frmMozelAuto(program::Program& program, int gridNo)
    : ui::Form(gridNo == 1 ? "frmMozelAuto" : "frmMozelAuto2"),
      program_(program),
      cmn(program.cmn()),
      gridNo_(gridNo),
      candidates_(program.state(), program.cmn(), gridNo) {
    for (int i = 0; i <= 80; ++i) Text1(i).bindTo(candidates_, i, ui::CellStore::kCandidates | ui::CellStore::kCandidatesShown);
    stateToken_ = program_.state().changed.connect([this](const state::StateChange& change) { StateChanged(change); });
    for (int n = 1; n <= 31; ++n) {
        if (n > 18 && n < 23) continue;
        sumButtons_.push_back(std::make_unique<ui::CommandButton>(*this, "Command" + std::to_string(n)));
    }
    setCaption("モゼルオート");
    setBackColor(kBackColor);
    setWidth(gridNo == 1 ? kClientWidth1 : kClientWidth2);
    setHeight(gridNo == 1 ? kClientHeight1 : kClientHeight2);
    layOutControls();
    layOutMenus();
    connectEvents();
    registerOperations();
    addState({"grid",
              [this] {
                  ui::StateWriter out;
                  out << IroLock << MaeSuuji;
                  return out.take();
              },
              [this](std::string_view bytes) { ui::StateReader(bytes) >> IroLock >> MaeSuuji; }});
}

ui::CommandButton& frmMozelAuto::Command(int n) {
    if (n >= 1 && n <= 18) return *sumButtons_.at(static_cast<size_t>(n - 1));
    if (n >= 23 && n <= 31) return *sumButtons_.at(static_cast<size_t>(n - 5));
    throw std::out_of_range("no sum button Command" + std::to_string(n));
}

frmMozelAuto::~frmMozelAuto() { program_.state().changed.disconnect(stateToken_); }

void frmMozelAuto::StateChanged(const state::StateChange& change) {
    constexpr unsigned kShown = ui::CellStore::kCandidates | ui::CellStore::kCandidatesShown;
    // Another pattern puts other board cells under every grid cell.
    if (change.pattern) {
        for (int i = 0; i <= 80; ++i) Text1(i).storeChanged(kShown, !change.restored);
        return;
    }
    for (const auto& [c, fields] : change.cells) {
        if (!(fields & kShown)) continue;
        if (const int i = candidates_.indexOf(c); i >= 0) Text1(i).storeChanged(fields, !change.restored);
    }
}

void frmMozelAuto::layOutControls() {
    // The 9x9 cells with their sums: rows at the right, columns below, boxes further right.
    for (int k = 1; k <= 81; ++k) {
        ui::TextBox& box = cell(k);
        box.setText(std::to_string(k));
        box.setFontSize(16);
        box.setAlignment(ui::Alignment::Center);
        box.setBounds(CellLeft(puzzle::GridColumn(k)), CellTop(puzzle::GridRow(k)), kCellSize, kCellSize);
    }
    // One row per digit right of the grid: option, digit, completion check, judge button.
    for (int d = 0; d <= 9; ++d) {
        int row = d == 0 ? 10 : d;
        int top = kGridTop + (row - 1) * 540;
        SUUJI1(d).setBounds(7000, top, 300, 360);
        SUUJI1(d).setBackColor(kBackColor);
        if (d == 0) continue;
        suuji(d).setCaption(std::to_string(d));
        suuji(d).setFontSize(12);
        suuji(d).setBounds(7330, top, 330, 360);
        Check1(d).setBounds(7700, top, 300, 360);
        Check1(d).setBackColor(kBackColor);
        btnSuujiHantei(d).setCaption(std::to_string(d));
        btnSuujiHantei(d).setBounds(8050, top - 20, 480, 400);
    }
    for (int i = 0; i <= 8; ++i) {
        Text4(i).setBounds(kGridRight + 60, CellTop(i + 1) + 110, 480, 330);
        Text5(i).setBounds(CellLeft(i + 1) + 40, kGridBottom + 60, 480, 330);
        Text8(i).setText(std::string(1, static_cast<char>('A' + i)));
        Text8(i).setBounds(10450 + (i % 3) * 540, 5400 + (i / 3) * 400, 480, 330);
    }
    // The result lists, as rows of small boxes at the bottom.
    for (int i = 0; i <= 81; ++i) {
        Text2(i).setFontSize(7);
        Text2(i).setBounds(60 + (i % 41) * 310, 8900 + (i / 41) * 270, 300, 260);
        txtGaitoSpace(i).setFontSize(7);
        txtGaitoSpace(i).setBounds(60 + (i % 41) * 310, 9470 + (i / 41) * 270, 300, 260);
    }

    const bool second = gridNo_ == 2;
    const ui::LayoutRow rows[] = {
        {&lblKuuhaku, "空白", 7330, kGridTop + 9 * 540, 700, 360},
        {&Command41(1), "縦横領域", 7700, kGridTop + 10 * 540, 1100, 400},
        {&Text6, "", 60, kGridBottom + 60, 480, 330},
        {&Text7, "", kGridRight + 60, kGridBottom + 60, 480, 330},
        {&lblTitle, second ? "モゼルオート2" : "モゼルオート", kGridLeft, 60, 2400, 360, 12},
        {&lblChuui, "注意：単体使用禁止", 3100, 100, 2200, 300},
        // Status lines and counts below the grid.
        {&Setting, "", 3300, 7700, 600, 360},
        {&lbl81, "/81", 3950, 7730, 500, 330},
        {&Text9, "１個の数字のチェック状況表示", kGridLeft, 6900, 6000, 360},
        {&Text10, " ９個の数字の判定完了状況表示", kGridLeft, 7300, 6000, 360},
        {&txtMemo01, "", kGridLeft, 7700, 2600, 360},
        {&lblHanteiNUM, "回数", 4600, 7730, 500, 330},
        {&HanteiNUM, "1", 5150, 7700, 450, 360},
        {&lblTB_NUN, "難易度", second ? 5500 : 5470, second ? 180 : 150, 740, 300},
        {&TB_NUN, "", second ? 6270 : 6240, second ? 150 : 120, 480, 330},
        {&lblAuto, "自動", 5700, 7730, 700, 330},
        {&lblGamenHyouji, "NoRefresh", 6500, 7730, 1200, 330},
        {&lblMondaiFile, "", kGridLeft, 8100, 7000, 300},
        {&lblMondaiNum, "", 7700, 8100, 700, 300},
        {&txtMondaiMemo, "問題の説明", kGridLeft, 8450, 5000, 360},
        {&txtQuestion, "", 5700, 8450, 480, 360},
        {&txtQuestion2, "", 6250, 8450, 400, 360},
        // Commands in a column at the right; the automatic judgement and the digit clear
        // stand below it, where the smaller second window still shows them.
        {&cmdAutoHantei, "自動判定", 8900, second ? 5580 : 5595, 1400, 440},
        {&btnNO_NUM_OK, "最終数字", 8900, CommandTop(0), 1400, 400},
        {&btnOnlyOne, "OnlyOne", 8900, CommandTop(1), 1400, 400},
        {&cmdKouho, "候補表示", 8900, CommandTop(2), 1400, 400},
        {&cmdOnajiSuuji, "同じ数字", 8900, CommandTop(3), 1400, 400},
        {&Command33, "和　45", 8900, CommandTop(4), 1400, 400},
        {&cmdNaname01, "X", 10450, kGridTop, 600, 400},
        {&cmdNaname02, "/", 11100, kGridTop, 600, 400},
        {&btnColor, "色", 8900, CommandTop(5), 1400, 400},
        {&btnSpace, "数字クリア", 8900, second ? 6240 : 6120, 1400, 440},
        {&btnCheck, "ﾁｪｯｸ欄", 8900, CommandTop(6), 1400, 400},
        {&btnAllClear, "ｵｰﾙｸﾘｱ", 8900, CommandTop(7), 1400, 400},
        {&btn99PRINT, "印　刷", 8900, CommandTop(8), 1400, 400},
        {&Command21, "問題集", 8900, CommandTop(9), 1400, 400},
        {&Command22, "終　了", 8900, CommandTop(10), 1400, 400},
    };
    ui::LayOut(rows);
    lblTitle.setFontBold(true);
    lblChuui.setForeColor(0x0000C0);
    for (int i = 0; i <= 8; ++i) {
        for (ui::TextBox* sum : {&Text4(i), &Text5(i), &Text8(i)}) LockedSum(*sum);
    }
    LockedSum(Text6);
    LockedSum(Text7);
    Setting.setAlignment(ui::Alignment::Right);
    HanteiNUM.setAlignment(ui::Alignment::Right);

    // The hidden sum buttons sit beside the lines they add up.
    for (int n = 1; n <= 9; ++n) {
        Command(n).setCaption("↓");
        Command(n).setBounds(CellLeft(n) + 120, kGridBottom + 420, 300, 300);
        Command(n + 9).setCaption("→");
        Command(n + 9).setBounds(kGridRight + 560, CellTop(n) + 120, 300, 300);
        Command(n + 22).setCaption(std::string(1, static_cast<char>('A' + n - 1)));
        Command(n + 22).setBounds(10450 + ((n - 1) % 3) * 540, 6700 + ((n - 1) / 3) * 330, 480, 300);
    }
}

// Top-level menu entries and their items.
void frmMozelAuto::layOutMenus() {
    const std::pair<ui::MenuItem*, const char*> tops[] = {
        {&mnuFile, "ファイル"}, {&mnuHantei, "判定"}, {&mnuClear, "クリア"}, {&mnuLock, "ロック"},
        {&mnuVolAbout, "バージョン情報(&V)"}};
    for (auto [menu, caption] : tops) menu->setCaption(caption);
    struct Item {
        ui::MenuItem* item;
        const char* caption;
        const char* parent;
    };
    const Item items[] = {
        {&mnuMondai, "問題集", "mnuFile"},           {&OPT_INF, "オプション(&O)", "mnuFile"},
        {&mnuHagaki, "ハガキ", "mnuFile"},           {&mnuEnd, "終了", "mnuFile"},
        {&mnuAutoHantei, "自動判定", "mnuHantei"},   {&mnuOnajiSuuji, "同じ数字", "mnuHantei"},
        {&mnuSaisyuuSuuji, "最終数字", "mnuHantei"}, {&mnuKouho, "候補表示", "mnuHantei"},
        {&mnuIro, "色", "mnuClear"},                 {&mnuSuuji, "数字", "mnuClear"},
        {&mnuCheck, "チェック欄", "mnuClear"},       {&mnuAllClear, "オールクリア", "mnuClear"},
        {&mnuLockIn, "ロックイン", "mnuLock"},       {&mnuLockOut, "ロックアウト", "mnuLock"},
    };
    for (const auto& i : items) {
        i.item->setCaption(i.caption);
        i.item->setParentMenu(i.parent);
    }
}

void frmMozelAuto::connectEvents() {
    for (int i = 0; i <= 80; ++i) {
        Text1(i).onChange = [this, i] { Text1_Change(i); };
        Text1(i).onKeyPress = [this, i](int& key) { Text1_KeyPress(i, key); };
        Text1(i).onKeyDown = [this, i](int& key, int shift) { Text1_KeyDown(i, key, shift); };
        Text1(i).onMouseDown = [this, i](int button, int shift, int x, int y) { Text1_MouseDown(i, button, shift, x, y); };
    }
    btnAllClear.onClick = [this] { btnAllClear_Click(); };
    mnuAllClear.onClick = [this] { mnuAllClear_Click(); };
    mnuSuuji.onClick = [this] { mnuSuuji_Click(); };
    OPT_INF.onClick = [this] { OPT_INF_Click(); };
    Command21.onClick = [this] { Command21_Click(); };
    mnuMondai.onClick = [this] { Command21_Click(); };
    mnuLockIn.onClick = [this] { mnuLockIn_Click(); };
    mnuLockOut.onClick = [this] { mnuLockOut_Click(); };
    btn99PRINT.onClick = [this] { btn99PRINT_Click(); };
    btnCheck.onClick = [this] { btnCheck_Click(); };
    btnColor.onClick = [this] { btnColor_Click(); };
    btnSpace.onClick = [this] { btnSpace_Click(); };
    mnuCheck.onClick = [this] { btnCheck_Click(); };
    mnuIro.onClick = [this] { mnuIro_Click(); };
    mnuEnd.onClick = [this] { mnuEnd_Click(); };
    Command22.onClick = [this] { Command22_Click(); };
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 23, 24, 25, 26, 27, 28, 29, 30, 31}) {
        Command(n).onClick = [this, n] { Command_Click(n); };
    }
    Command33.onClick = [this] { Command33_Click(); };
    cmdNaname01.onClick = [this] { cmdNaname01_Click(); };
    cmdNaname02.onClick = [this] { cmdNaname02_Click(); };
    cmdOnajiSuuji.onClick = [this] { cmdOnajiSuuji_Click(); };
    for (int d = 1; d <= 9; ++d) btnSuujiHantei(d).onClick = [this, d] { btnSuujiHantei_Click(d); };
    Command41(1).onClick = [this] { Command41_Click(1); };
    cmdAutoHantei.onClick = [this] { cmdAutoHantei_Click(); };
    mnuAutoHantei.onClick = [this] { cmdAutoHantei_Click(); };
    btnNO_NUM_OK.onClick = [this] { btnNO_NUM_OK_Click(); };
    mnuSaisyuuSuuji.onClick = [this] { btnNO_NUM_OK_Click(); };
    btnOnlyOne.onClick = [this] { btnOnlyOne_Click(); };
    cmdKouho.onClick = [this] { cmdKouho_Click(); };
    mnuKouho.onClick = [this] { cmdKouho_Click(); };
    mnuOnajiSuuji.onClick = [this] { mnuOnajiSuuji_Click(); };
}

void frmMozelAuto::registerOperations() {
    addOperation("CALL_Setting", [this] { CALL_Setting(); });
    addOperation("btnCheck_Click", [this] { btnCheck_Click(); });
    addOperation("btnSpace_Click", [this] { btnSpace_Click(); });
    addOperation("btnColor_Click", [this] { btnColor_Click(); });
    addOperation("mnuOnajiSuuji_Click", [this] { mnuOnajiSuuji_Click(); });
    addOperation("btnSuujiHantei_Click", [this](int d) { btnSuujiHantei_Click(CheckedDigit(d)); });
    addOperation("cmdAutoHantei_Click", [this] { cmdAutoHantei_Click(); });
    addOperation("btnNO_NUM_OK_Click", [this] { btnNO_NUM_OK_Click(); });
    addOperation("btnOnlyOne_Click", [this] { btnOnlyOne_Click(); });
    addOperation("FinMsg", [this] { FinMsg(); });
    addOperation("Omedetou", [this] { Omedetou(); });
    addOperation("Kouhoda", [this] { Kouhoda(); });
    addOperation("cmdKouho_Click", [this] { cmdKouho_Click(); });
    addOperation("GaitoSpace", 1, [this](const std::vector<int64_t>& args) {
        int16_t count = 0;
        GaitoSpace(CheckedDigit(args[0]), count);
        return std::vector<int64_t>{count};
    });
    using Rule = void (frmMozelAuto::*)(int, int);
    for (auto [name, rule] : {std::pair<const char*, Rule>{"GaitoTate", &frmMozelAuto::GaitoTate},
                              {"GaitoYoko", &frmMozelAuto::GaitoYoko},
                              {"GaitoRyouiki", &frmMozelAuto::GaitoRyouiki}}) {
        addOperation(name, 2, [this, rule](const std::vector<int64_t>& args) {
            int m = static_cast<int>(args[1]);
            if (m < 0 || m > 81) throw std::out_of_range("a free-cell count is 0..81");
            (this->*rule)(CheckedDigit(args[0]), m);
            return std::vector<int64_t>{};
        });
    }
    if (gridNo_ == 1) {
        addOperation("NANAME_check01", 2, [this](const std::vector<int64_t>& args) {
            NANAME_check01(static_cast<int>(args[0]), static_cast<int>(args[1]));
            return std::vector<int64_t>{};
        });
    }
    addOperation("Nanamexy_check02", 2, [this](const std::vector<int64_t>& args) {
        std::array<int16_t, 10> used{};
        Nanamexy_check02(static_cast<int>(args[0]), static_cast<int>(args[1]), used);
        return std::vector<int64_t>(used.begin() + 1, used.end());
    });
    addOperation("SuujiOk", 1, [this](const std::vector<int64_t>& args) {
        bool ok = true;
        SuujiOk(static_cast<int>(args[0]), ok);
        return std::vector<int64_t>{ok ? -1 : 0};
    });
    addOperation("QQN_R_Change", 1, [this](const std::vector<int64_t>& args) {
        int16_t box = 0;
        QQN_R_Change(static_cast<int16_t>(args[0]), box);
        return std::vector<int64_t>{box};
    });
    addOperation("QQXY_R_Change", 2, [this](const std::vector<int64_t>& args) {
        int16_t box = 0;
        QQXY_R_Change(static_cast<int16_t>(args[0]), static_cast<int16_t>(args[1]), box);
        return std::vector<int64_t>{box};
    });
}

}  // namespace grid
