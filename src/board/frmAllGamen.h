// The main window: the 15x15 double board, its digit palette, the judge, clear and lock
// buttons, the counters and the problem fields.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "puzzle/DoubleBoard.h"
#include "puzzle/LogicState.h"
#include "state/PuzzleState.h"
#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Surface.h"
#include "ui/TextBox.h"

namespace program { class Program; }
namespace grid { class frmMozelAuto; }

namespace board {

struct cmnMod01;

class frmAllGamen : public ui::Form {
public:
    explicit frmAllGamen(program::Program& program);
    ~frmAllGamen() override;

    // The board cells; text1(0) belongs to no pattern and is never shown.
    ui::ControlArray<ui::TextBox> text1{*this, "text1", 0, 225};
    // Box lines are drawn here.
    ui::Surface Surface{*this, "Surface"};

    // Digit palette: SUUJI1(d) writes digit d on a click into a cell, SUUJI1(0) a blank.
    ui::Label lblInputMoji{*this, "lblInputMoji"};
    ui::ControlArray<ui::OptionButton> SUUJI1{*this, "SUUJI1", 0, 9};
    ui::ControlArray<ui::Label> suuji{*this, "suuji", 1, 9};
    ui::Label lblKuuhaku{*this, "lblKuuhaku"};

    // Judgement of the double board.
    ui::ControlArray<ui::CommandButton> cmdHantei{*this, "cmdHantei", 1, 9};
    ui::ControlArray<ui::CommandButton> cmdHanteiA{*this, "cmdHanteiA", 1, 3};
    ui::CommandButton cmdHantei123{*this, "cmdHantei123"};
    ui::Label lblKanryou{*this, "lblKanryou"};
    ui::ControlArray<ui::CheckBox> Check1{*this, "Check1", 1, 9};

    // Clears, lock and window commands.
    ui::Label lblClear{*this, "lblClear"};
    ui::CommandButton cmdClear01{*this, "cmdClear01"};
    ui::CommandButton cmdClear02{*this, "cmdClear02"};
    ui::CommandButton cmdClear03{*this, "cmdClear03"};
    ui::CommandButton cmdClear04{*this, "cmdClear04"};
    ui::CommandButton cmdLock{*this, "cmdLock"};
    // 検証: the exact answer for the board (one solution, several, none, or what is unreadable).
    ui::CommandButton cmdKensyou{*this, "cmdKensyou"};
    ui::CommandButton cmdPattern{*this, "cmdPattern"};
    ui::CommandButton cmdMondai{*this, "cmdMondai"};
    ui::CommandButton cmdOpt01{*this, "cmdOpt01"};
    ui::CommandButton cmdPrint{*this, "cmdPrint"};
    ui::CommandButton cmdEnd{*this, "cmdEnd"};
    // The next logical step, explained and painted.
    ui::CommandButton cmdHint{*this, "cmdHint"};
    // Undo and redo of the user's actions (Ctrl+Z, Ctrl+Y); enabled while there is a step.
    ui::CommandButton cmdModosu{*this, "cmdModosu"};
    ui::CommandButton cmdYarinaosi{*this, "cmdYarinaosi"};
    // Problems without a collection: the board's digits made the problem (問題にする).
    ui::CommandButton cmdMondaiNiSuru{*this, "cmdMondaiNiSuru"};
    // A new problem from the generator (the new-problem window).
    ui::CommandButton cmdAtarasiiMondai{*this, "cmdAtarasiiMondai"};
    ui::CommandButton cmdGazou{*this, "cmdGazou"};
    // 続きから: shown at start-up when a board was kept at the end of the last run.
    ui::CommandButton cmdTudukikara{*this, "cmdTudukikara"};
    // 候補: the candidates shown small in the empty cells; 候補を再計算 starts them anew.
    ui::CheckBox chkKouho{*this, "chkKouho"};
    ui::CommandButton cmdKouhoSaikeisan{*this, "cmdKouhoSaikeisan"};

    // Counters and notices.
    ui::Label lblSetCountHead{*this, "lblSetCountHead"};
    ui::Label lblSetCount{*this, "lblSetCount"};
    ui::Label lblMasuSuuHead{*this, "lblMasuSuuHead"};
    ui::Label lblMasuSuu{*this, "lblMasuSuu"};
    ui::Label lblNanido{*this, "lblNanido"};
    ui::TextBox txtNanido{*this, "txtNanido"};
    ui::Label lblOsirase{*this, "lblOsirase"};

    // The problem: description, number, file.
    ui::TextBox txtMondaiMemo{*this, "txtMondaiMemo"};
    ui::Label lblMondaiNumHead{*this, "lblMondaiNumHead"};
    ui::Label lblMondaiNum{*this, "lblMondaiNum"};
    ui::Label lblKakunou{*this, "lblKakunou"};
    ui::TextBox txtQuestion{*this, "txtQuestion"};
    ui::TextBox txtQuestion2{*this, "txtQuestion2"};
    ui::Label lblMondaiFile{*this, "lblMondaiFile"};
    ui::Label lblFileName{*this, "lblFileName"};

    // Diagonal switch: shown only while the diagonal rule is on.
    ui::Label lblNaname{*this, "lblNaname"};
    ui::CommandButton cmdNaname01{*this, "cmdNaname01"};
    ui::TextBox txtNaname01{*this, "txtNaname01"};
    ui::CommandButton cmdNaname02{*this, "cmdNaname02"};
    ui::TextBox txtNaname02{*this, "txtNaname02"};
    // The numbers along the grids' outer edges: grid 1's columns (1-9) and rows (10-18), then
    // grid 2's (19-27, 28-36).
    static constexpr int kGridLabelCount = 36;
    ui::ControlArray<ui::Label> lblBan{*this, "lblBan", 1, kGridLabelCount};
    void ShowGridLabels();

    // Erases the box lines of every pattern, then draws those of the current pattern.
    void PLineClear();
    void PLine();

    // Cells of the current pattern; filled cells of the current pattern.
    void lblMasuSuu_CountSet(int16_t& n);
    void lblSetCount_CountSet(int16_t& n);

    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;

    void cmdPattern_Click();
    void cmdOpt01_Click();
    void cmdMondai_Click();
    void cmdPrint_Click();
    void cmdEnd_Click();

    // Cell entry, counts, clears and lock.
    void text1_KeyPress(int Index, int& KeyAscii);
    // The arrow keys, Home and End move the focus between the shown cells.
    void text1_KeyDown(int Index, int& KeyCode, int Shift);
    // After an accepted key: the filled count follows the board.
    void text1_KeyUp(int Index, int KeyAscii);
    void text1_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void lblSetCount_Change();
    void cmdClear01_Click();
    void cmdClear02_Click();
    void cmdClear03_Click();
    void cmdClear04_Click();
    void cmdLock_Click();
    // True while the given digits are locked (cmdLock shows red).
    bool LockState = false;

    // Verifying the board with the exact engine.
    void cmdKensyou_Click();

    // Judging the double board.
    void cmdHantei_Click(int Index);
    void cmdHantei123_Click();
    void cmdHanteiA_Click(int Index);
    // The cross-grid rule for digit d on the rows and columns the two grids share.
    void Double_Check01(int d);
    void Omedetou();
    // The finish: a board that a key, a click, a paste or 適用 has just completed, both grids
    // right, is congratulated once, as the judge commands congratulate, with the time since the
    // problem was placed and the hints used.
    void CheckFinish();

    // The colour of each board digit: givens (locked) black, the user's entries blue, and with
    // the option on, a digit that stands twice in a unit red in every place.
    void ShowDigitColors();
    // Only the cells marked in `which` (indexed by board cell).
    void ShowDigitColors(const std::vector<bool>& which);
    // Under the diagonal rule, the cells on a diagonal of either grid marked for the view.
    void ShowDiagonals();

    // Hint: names a wrong digit, or explains the next logical step in the hint window and
    // paints it.
    void cmdHint_Click();
    // 適用: places the step's digits or takes its removals out of the board's candidates
    // (showing them). ApplyLastHint (the hint window's 適用, Ctrl+Enter) does it for the step
    // shown while the board is unchanged, then shows the next step.
    void ApplyStep(const puzzle::Step& step);
    void ApplyLastHint();

    void cmdModosu_Click();
    void cmdYarinaosi_Click();

    // 問題にする: the board's digits become the problem, as a load from a collection would make
    // them one, once the engine has found the board solvable.
    void cmdMondaiNiSuru_Click();
    // A problem from the clipboard placed as a load places it; false (after a message) when
    // the clipboard holds none. The board to the clipboard, as the line or the picture.
    bool PasteMondai();
    // Whether the clipboard's text reads as a problem that PasteMondai would take.
    bool ClipboardHoldsProblem();
    void CopyMondai(bool picture);

    // The board kept for 続きから at the end of the program, and put back by it.
    void KeepBoard();
    void cmdTudukikara_Click();
    void cmdAtarasiiMondai_Click();
    void cmdGazou_Click();

    // Candidates: shown or not (in the grid windows too), started anew from the board, one
    // taken out or put back; a digit placed takes itself out of its peers' candidates.
    void chkKouho_Click();
    void cmdKouhoSaikeisan_Click();
    void ShowCandidates(bool shown);
    void RecalculateCandidates();
    void ToggleCandidate(int c, int d);
    // The small digit (1..9) under a point of a cell, in twips from its top left.
    static int CandidateUnder(const ui::TextBox& cell, int x, int y);
    // Delete and Backspace empty a cell that may be changed.
    void EmptyCell(int Index);

    // Placing a problem on the board and both grid windows, as a load from a collection does:
    // what a problem starts from is reset, the givens stand black on white and locked, the
    // other cells of the pattern are free (""), 判定A and 判定B appear. Without texts, the
    // problem's texts stay as they are.
    struct ProblemTexts {
        std::string number, question, question2, memo;
        std::optional<std::string> nanido;  // kept when nothing
    };
    void PlaceProblem(const puzzle::DoubleBoard& problem, const ProblemTexts* texts);
    // Its steps, for the collection's load, which reads a problem record by record: the full
    // clear with grid 1's and the board's texts emptied; the pattern shown; the givens of one
    // grid (cells[i] is the board cell of grid cell i + 1, digits[i] its digit or 0); the
    // texts; the diagonal rule; a grid window emptied; lines, buttons and counters.
    void ClearForProblem();
    void ShowProblemPattern(int pattern);
    void PlaceGivens(grid::frmMozelAuto& window, const std::vector<int>& cells, const std::vector<int>& digits);
    void ShowProblemTexts(const ProblemTexts& texts);
    void SetDiagonal(bool on);
    void EmptyGridWindow(int g);
    void FinishProblem();

private:
    void layOutControls();
    void connectEvents();
    void registerOperations();
    // Shows exactly the cells of the current pattern.
    void ShowPatternCells();
    // Writes the current counts into lblMasuSuu and lblSetCount, or lblSetCount alone.
    void ShowCounts();
    void ShowSetCount();

    // Board texts to and from the grid windows.
    void CopyToGrid1();
    void CopyFromGrid1();
    void CopyToGrid2();
    void CopyFromGrid2();
    void CopyToGrid(int g);
    void CopyFromGrid(int g);
    // The cross-grid rule on one pair of segments of board cells of equal length.
    void Double_Hantei(int d, const std::vector<int>& A, const std::vector<int>& B);
    bool AllChecked();
    void RaiseNanido();
    // The congratulation with its message: paints the grids, says it and marks the board solved.
    void Congratulate(const std::string& message);
    // When the problem on the board was placed (the clock's seconds since midnight) and how many
    // hints have been shown since: what the finish tells.
    double placedAt_ = 0;
    int hintsShown_ = 0;

    // The last hint's step and the board and candidates it was found on: Ctrl+Enter carries
    // it out while both are as they were.
    struct LastHint {
        puzzle::Step step;
        puzzle::DoubleBoard board;
        std::array<int, puzzle::kBoardCells + 1> candidates{};
    };
    std::optional<LastHint> lastHint_;
    void PaintHintCell(int c, ui::Color color);

    // The undo buttons follow the journal; 続きから is offered when a board was kept.
    void ShowUndoState();
    void ShowKeptBoardButton();
    int journalToken_ = 0;
    // The board cells are views of the puzzle state: they follow its changes, and the diagonal
    // controls follow its rule.
    void StateChanged(const state::StateChange& change);
    int stateToken_ = 0;

    program::Program& program_;
    cmnMod01& cmn;
};

}  // namespace board
