// The candidates window: the remaining candidates of every cell of one grid as a 9x9 display,
// listings of one unit's candidates, the save slots of grid 1's cells for the trial solvers,
// and the seven persona buttons that start them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Surface.h"
#include "ui/TextBox.h"

namespace program { class Program; }
namespace board { struct cmnMod01; }

namespace candidates {

struct Persona;

class frmKouho : public ui::Form {
public:
    explicit frmKouho(program::Program& program);

    // The display: one multi-line box per grid cell, index = grid cell number.
    ui::ControlArray<ui::TextBox> txtKouho{*this, "txtKouho", 1, 81};
    // Thick lines around the 3x3 regions of the display.
    ui::Surface Line1{*this, "Line1"};
    ui::CommandButton cmdKakuritu{*this, "cmdKakuritu"};
    ui::CommandButton cmdKakuritu2{*this, "cmdKakuritu2"};
    ui::CommandButton cmdKakuritu3{*this, "cmdKakuritu3"};
    ui::CommandButton cmdKakuritu4{*this, "cmdKakuritu4"};
    ui::CommandButton cmdKakuritu5{*this, "cmdKakuritu5"};
    ui::CommandButton cmdKakuritu6{*this, "cmdKakuritu6"};
    ui::CommandButton cmdKakuritu7{*this, "cmdKakuritu7"};
    ui::CommandButton cmdReturn02{*this, "cmdReturn02"};
    ui::CommandButton cmdPrint{*this, "cmdPrint"};
    ui::Label lblKouhoFile{*this, "lblKouhoFile"};

    // The unit listing: candidate bit strings, cell numbers and candidate counts.
    ui::ControlArray<ui::TextBox> Text1{*this, "Text1", 1, 9};
    ui::ControlArray<ui::TextBox> txtHani01{*this, "txtHani01", 1, 9};
    ui::ControlArray<ui::TextBox> txtGoukei{*this, "txtGoukei", 1, 9};
    ui::CommandButton cmdTataHan2{*this, "cmdTataHan2"};
    ui::CommandButton cmdYokoHan2{*this, "cmdYokoHan2"};
    ui::CommandButton cmdRyoHan2{*this, "cmdRyoHan2"};
    ui::ControlArray<ui::CommandButton> btnSuuji2{*this, "btnSuuji2", 1, 9};
    // Laid out with the window but without any behaviour.
    ui::ControlArray<ui::OptionButton> SUUJI2{*this, "SUUJI2", 0, 9};
    ui::TextBox txtHan02{*this, "txtHan02"};
    ui::ControlArray<ui::Label> Label20{*this, "Label20", 9, 9};

    // Grid 1's cells saved per slot (0..10) and cell (1..81).
    std::array<std::array<std::string, 82>, 11> T81Tbl{};

    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;
    void cmdReturn02_Click();
    void cmdPrint_Click();
    // Save and restore grid 1's cells; slots 0..10 (false for any other slot).
    bool T81_Save(int16_t slot);
    bool T81_Load(int16_t slot);
    // Column (1..9) of grid cell n.
    static void TateRetuNumber(int n, int& result);
    void RyoHan21(int16_t& region);
    void btnSuuji2_Click(int Index);
    void cmdTataHan2_Click();
    void cmdYokoHan2_Click();
    void cmdRyoHan2_Click();

    // The seven trial solvers, one per persona button; each runs Kakuritu with its persona.
    void cmdKakuritu_Click();
    void cmdKakuritu2_Click();
    void cmdKakuritu3_Click();
    void cmdKakuritu4_Click();
    void cmdKakuritu5_Click();
    void cmdKakuritu6_Click();
    void cmdKakuritu7_Click();
    // One trial run on grid 1: guess on two-candidate cells of the persona's stretch, follow
    // grid 1's automatic judgement, back out of contradictions, save one slot per level.
    void Kakuritu(const Persona& persona);

    // "0"/"1" for each digit 1..9 of grid cell k's candidates.
    std::string KouhoBits(int k) const;

private:
    void layOutControls();
    void connectTrials();

    // How one propagation of a trial digit ends.
    enum class Outcome { Solved, Stalled, Contradiction };
    // Runs grid 1's propagation step until the filled-cell count stops changing, a duplicate
    // appears, or grid 1 is complete; count follows the filled cells.
    Outcome Propagate(int16_t& count);
    // True when grid 1 as it stands, with the board's digits in the cells only grid 2 covers,
    // still leaves the double board a solution.
    bool DoubleBoardSolvable();
    // The two candidates of grid 1's cell k when it has exactly two (grid 1's own marks only).
    bool TwoCandidates(int k, std::array<int, 2>& pair) const;
    // Writes a trial digit into grid 1's cell k and its board cell, in IroOnly.
    void PlaceTrial(int k, int digit);
    // Grid 1's slot back into its cells, and the board cells of grid 1 as they were then.
    void RestoreSlot(int16_t slot);
    void SaveBoardSlot(int16_t slot);
    void Say(const char* text);
    // Board texts of grid 1's cells per slot, saved with T81Tbl during a run.
    std::array<std::array<std::string, 82>, 11> boardSlots_{};
    void ClearListing();
    // Lists the cells k = 1..81 for which inUnit(k) holds and that still have candidates.
    template <typename InUnit>
    void Listing(InUnit inUnit);

    program::Program& program_;
    board::cmnMod01& cmn;
};

}  // namespace candidates
