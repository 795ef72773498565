// The grid window: one 9x9 grid of the double board with its solver. One class serves grid 1
// (frmMozelAuto) and grid 2 (frmMozelAuto2); every colour it paints and every digit it places
// by rule is mirrored onto the grid's board cells.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "grid/GridCandidates.h"
#include "ui/Buttons.h"
#include "ui/Color.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/TextBox.h"

namespace program { class Program; }
namespace board { struct cmnMod01; class frmAllGamen; }
namespace options { class frmOption01; }

namespace grid {

class frmMozelAuto : public ui::Form {
public:
    // gridNo 1 is frmMozelAuto, 2 is frmMozelAuto2.
    frmMozelAuto(program::Program& program, int gridNo);
    ~frmMozelAuto() override;

    int gridNo() const { return gridNo_; }

    // The cells, Text1(0) to Text1(80); code reaches grid cell k (1..81) through cell(k).
    ui::ControlArray<ui::TextBox> Text1{*this, "Text1", 0, 80};
    ui::TextBox& cell(int k) { return Text1(k - 1); }
    const ui::TextBox& cell(int k) const { return Text1(k - 1); }

    // Per digit: palette option, digit label, completion check, judge button.
    ui::ControlArray<ui::OptionButton> SUUJI1{*this, "SUUJI1", 0, 9};
    ui::ControlArray<ui::Label> suuji{*this, "suuji", 1, 9};
    ui::Label lblKuuhaku{*this, "lblKuuhaku"};
    ui::ControlArray<ui::CheckBox> Check1{*this, "Check1", 1, 9};
    ui::ControlArray<ui::CommandButton> btnSuujiHantei{*this, "btnSuujiHantei", 1, 9};
    ui::ControlArray<ui::CommandButton> Command41{*this, "Command41", 1, 1};

    // Line sums: rows, columns, boxes and the two diagonals.
    ui::ControlArray<ui::TextBox> Text4{*this, "Text4", 0, 8};
    ui::ControlArray<ui::TextBox> Text5{*this, "Text5", 0, 8};
    ui::ControlArray<ui::TextBox> Text8{*this, "Text8", 0, 8};
    ui::TextBox Text6{*this, "Text6"};  // anti-diagonal, at its lower end (bottom left)
    ui::TextBox Text7{*this, "Text7"};  // main diagonal, at its lower end (bottom right)

    // Result lists of the last judgement: cells holding the digit, free cells.
    ui::ControlArray<ui::TextBox> Text2{*this, "Text2", 0, 81};
    ui::ControlArray<ui::TextBox> txtGaitoSpace{*this, "txtGaitoSpace", 0, 81};

    // Counts, status and problem fields.
    ui::Label lblTitle{*this, "lblTitle"};
    ui::Label lblChuui{*this, "lblChuui"};
    ui::TextBox Setting{*this, "Setting"};
    ui::Label lbl81{*this, "lbl81"};
    ui::TextBox Text9{*this, "Text9"};
    ui::TextBox Text10{*this, "Text10"};
    ui::TextBox txtMemo01{*this, "txtMemo01"};
    ui::Label lblHanteiNUM{*this, "lblHanteiNUM"};
    ui::TextBox HanteiNUM{*this, "HanteiNUM"};
    ui::Label lblTB_NUN{*this, "lblTB_NUN"};
    ui::TextBox TB_NUN{*this, "TB_NUN"};
    ui::Label lblAuto{*this, "lblAuto"};
    ui::Label lblGamenHyouji{*this, "lblGamenHyouji"};
    ui::Label lblMondaiFile{*this, "lblMondaiFile"};
    ui::Label lblMondaiNum{*this, "lblMondaiNum"};
    ui::TextBox txtMondaiMemo{*this, "txtMondaiMemo"};
    ui::TextBox txtQuestion{*this, "txtQuestion"};
    ui::TextBox txtQuestion2{*this, "txtQuestion2"};

    // Commands.
    ui::CommandButton cmdAutoHantei{*this, "cmdAutoHantei"};
    ui::CommandButton btnNO_NUM_OK{*this, "btnNO_NUM_OK"};
    ui::CommandButton btnOnlyOne{*this, "btnOnlyOne"};
    ui::CommandButton cmdKouho{*this, "cmdKouho"};
    ui::CommandButton cmdOnajiSuuji{*this, "cmdOnajiSuuji"};
    ui::CommandButton Command33{*this, "Command33"};
    ui::CommandButton cmdNaname01{*this, "cmdNaname01"};
    ui::CommandButton cmdNaname02{*this, "cmdNaname02"};
    ui::CommandButton btnColor{*this, "btnColor"};
    ui::CommandButton btnSpace{*this, "btnSpace"};
    ui::CommandButton btnCheck{*this, "btnCheck"};
    ui::CommandButton btnAllClear{*this, "btnAllClear"};
    ui::CommandButton btn99PRINT{*this, "btn99PRINT"};
    ui::CommandButton Command21{*this, "Command21"};
    ui::CommandButton Command22{*this, "Command22"};

    // Hidden sum buttons, run from code: Command1..9 columns, Command10..18 rows,
    // Command23..31 boxes.
    ui::CommandButton& Command(int n);

    // Menus.
    ui::MenuItem mnuFile{*this, "mnuFile"};
    ui::MenuItem mnuMondai{*this, "mnuMondai"};
    ui::MenuItem OPT_INF{*this, "OPT_INF"};
    ui::MenuItem mnuHagaki{*this, "mnuHagaki"};
    ui::MenuItem mnuEnd{*this, "mnuEnd"};
    ui::MenuItem mnuHantei{*this, "mnuHantei"};
    ui::MenuItem mnuAutoHantei{*this, "mnuAutoHantei"};
    ui::MenuItem mnuOnajiSuuji{*this, "mnuOnajiSuuji"};
    ui::MenuItem mnuSaisyuuSuuji{*this, "mnuSaisyuuSuuji"};
    ui::MenuItem mnuKouho{*this, "mnuKouho"};
    ui::MenuItem mnuClear{*this, "mnuClear"};
    ui::MenuItem mnuIro{*this, "mnuIro"};
    ui::MenuItem mnuSuuji{*this, "mnuSuuji"};
    ui::MenuItem mnuCheck{*this, "mnuCheck"};
    ui::MenuItem mnuAllClear{*this, "mnuAllClear"};
    ui::MenuItem mnuLock{*this, "mnuLock"};
    ui::MenuItem mnuLockIn{*this, "mnuLockIn"};
    ui::MenuItem mnuLockOut{*this, "mnuLockOut"};
    ui::MenuItem mnuVolAbout{*this, "mnuVolAbout"};

    // Colour-reset lock: plain colour resets are skipped while it is 1.
    int16_t IroLock = 0;
    // Grid cell of position p (1..9) of box b (1..9), row-major.
    std::array<std::array<int16_t, 10>, 10> RyouikiMasu{};

    // --- State, clears and validation ---
    void Form_Initialize() override;
    void Form_QueryUnload(bool& cancel) override;
    void CALL_Setting();
    void btnCheck_Click();
    void btnColor_Click();
    void btnSpace_Click();
    void SuujiOk(int index, bool& ok);
    void QQN_R_Change(int16_t cell, int16_t& box);
    void QQXY_R_Change(int16_t row, int16_t col, int16_t& box);
    void Text1_Change(int index);
    void mnuIro_Click();
    void mnuEnd_Click();
    void Command22_Click();

    // --- Cell entry and the window's own commands ---
    void Text1_KeyPress(int Index, int& KeyAscii);
    // The arrow keys, Home and End move the focus between the cells.
    void Text1_KeyDown(int Index, int& KeyCode, int Shift);
    void Text1_MouseDown(int Index, int Button, int Shift, int X, int Y);
    // Delete and Backspace empty a cell that may be changed; Shift+digit and a right click
    // edit the candidates of its board cell.
    void EmptyCell(int Index);
    // Candidates set on a grid cell are its board cell's.
    void ToggleCandidate(int Index, int d);
    void btnAllClear_Click();
    void mnuAllClear_Click();
    void mnuSuuji_Click();
    void OPT_INF_Click();
    void Command21_Click();
    void mnuLockIn_Click();
    void mnuLockOut_Click();
    // Prints the grid as text lines through the printer dialog.
    void btn99PRINT_Click();
    // The printed lines of the grid, given the problem window's file name and storage number.
    std::vector<std::string> PrintLines(const std::string& file, const std::string& number) const;

    // --- Line sums and duplicate check ---
    void Command_Click(int n);
    void Command33_Click();
    void cmdNaname01_Click();
    void cmdNaname02_Click();
    void cmdOnajiSuuji_Click();
    void mnuOnajiSuuji_Click();

    // The diagonal rule is on while the main window's cmdNaname01 is visible.
    bool NanameMode();

    // --- Per-digit judgement ---
    void btnSuujiHantei_Click(int Index);
    void Command41_Click(int Index);
    void NANAME_check01(int col, int row);
    // Lists the free cells of digit d in txtGaitoSpace and marks them in KouhoTbl.
    void GaitoSpace(int d, int16_t& count);
    // Single-place rules over the first m entries of the free-cell list.
    void GaitoTate(int d, int m);
    void GaitoYoko(int d, int m);
    void GaitoRyouiki(int d, int m);
    void NanameOnly(int d);

    // --- Forced cells and automatic judgement ---
    void cmdAutoHantei_Click();
    void btnNO_NUM_OK_Click();
    void btnOnlyOne_Click();
    // The digit of grid cell k's only candidate mark, counting only marks this grid wrote
    // last; 0 when the cell has none or several.
    int OnlyCandidate(int k) const;
    void Nanamexy_check02(int row, int col, std::array<int16_t, 10>& used);
    void FinMsg();
    void Omedetou();
    void Kouhoda();
    void cmdKouho_Click();

private:
    void layOutControls();
    void layOutMenus();
    void connectEvents();
    void registerOperations();

    // Board mirror: paint grid cell k (1..81) and its board cell; place text in both.
    ui::TextBox& boardCell(int k);
    void Nuri(int k, ui::Color colour);
    void SuujiSet(int k, const std::string& text);
    // Redraws this window and the board.
    void RedrawBoth();
    int RyouikiBangou(int cell) const;

    // Grid 2's lock-in and lock-out: filled cells take the lock, empty ones become "".
    void LockFilledCells(bool lock);

    // Judgement helpers.
    // The shared switches of the options window: 画面表示 and 自動判定レベル１.
    bool ScreenDisplayOn();
    bool AutoLevel1On();
    void TateNuri(int col);
    void YokoNuri(int row);
    void RyouikiNuri(int cell);
    // True when a cell of the unit other than target is empty (in any form) and not ruled
    // out, so that the digit could still go there.
    bool OtherCellCouldTake(const std::array<int, 9>& unit, int target);
    void PlaceIfAlone(int d, const std::array<int, 9>& unit, int target, ui::Color colour);
    void MarkUsed(const std::array<int, 9>& unit, std::array<int16_t, 10>& used);
    // The pass count of the automatic step: a whole number 1..99 (a message and 1 otherwise).
    int HanteiPasses();

    // Sums.
    void Wa45(int lineCode);
    void RyouikiWa(int box);
    void Wa45All();
    double LineSum(const std::array<int, 9>& cells);

    // Duplicate scans; each reports whether it found a pair.
    bool Onaji(const std::array<int, 9>& cells, bool byText, int16_t kind);
    bool NanameXOnaji();
    bool NanameYOnaji();
    bool TateOnaji();
    bool YokoOnaji();
    bool RyouikiOnaji();

    program::Program& program_;
    board::cmnMod01& cmn;
    int gridNo_;
    // The cells show the puzzle state's candidates and follow its changes.
    GridCandidates candidates_;
    void StateChanged(const state::StateChange& change);
    int stateToken_ = 0;
    std::vector<std::unique_ptr<ui::CommandButton>> sumButtons_;
    // Units as cell lists.
    std::array<int, 9> Column(int col) const;
    std::array<int, 9> Row(int row) const;
    std::array<int, 9> Box(int box) const;
    std::array<int, 9> Diagonal(const std::array<int16_t, 10>& cells) const;
    std::string MaeSuuji;
};

}  // namespace grid
