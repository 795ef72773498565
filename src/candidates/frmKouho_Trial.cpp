// The trial solvers: a persona guesses one of the two candidates of a cell of grid 1, lets grid
// 1's automatic judgement follow it, takes the other candidate when a contradiction shows, and
// goes one level deeper (one save slot per level) when the judgement stalls.
#include <stdexcept>

#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "candidates/Personas.h"
#include "candidates/frmKouho.h"
#include "grid/GridCell.h"
#include "grid/frmMozelAuto.h"
#include "program/Program.h"
#include "puzzle/Solver.h"
#include "ui/Value.h"

namespace candidates {
namespace {

constexpr int16_t kSolved = 9;
constexpr int16_t kLastSlot = 10;
constexpr int kTriesBeforeComplaint = 20;
constexpr int kCell29 = 29;
constexpr int kMaxPropagationSteps = 2 * 81;

// A cell's digit 1..9, 0 for an empty cell, -1 for any other text.
int DigitOf(const std::string& text) {
    if (!grid::IsFilled(text)) return 0;
    if (!ui::IsNumeric(text)) return -1;
    double v = ui::Val(text);
    return v >= 1 && v <= 9 && v == ui::Fix(v) ? static_cast<int>(v) : -1;
}

}  // namespace

void frmKouho::connectTrials() {
    cmdKakuritu.onClick = [this] { cmdKakuritu_Click(); };
    cmdKakuritu2.onClick = [this] { cmdKakuritu2_Click(); };
    cmdKakuritu3.onClick = [this] { cmdKakuritu3_Click(); };
    cmdKakuritu4.onClick = [this] { cmdKakuritu4_Click(); };
    cmdKakuritu5.onClick = [this] { cmdKakuritu5_Click(); };
    cmdKakuritu6.onClick = [this] { cmdKakuritu6_Click(); };
    cmdKakuritu7.onClick = [this] { cmdKakuritu7_Click(); };
}

void frmKouho::cmdKakuritu_Click() { Kakuritu(Personas()[0]); }
void frmKouho::cmdKakuritu2_Click() { Kakuritu(Personas()[1]); }
void frmKouho::cmdKakuritu3_Click() { Kakuritu(Personas()[2]); }
void frmKouho::cmdKakuritu4_Click() { Kakuritu(Personas()[3]); }
void frmKouho::cmdKakuritu5_Click() { Kakuritu(Personas()[4]); }
void frmKouho::cmdKakuritu6_Click() { Kakuritu(Personas()[5]); }
void frmKouho::cmdKakuritu7_Click() { Kakuritu(Personas()[6]); }

void frmKouho::Say(const char* text) { program_.dialogs().MsgBox(text, ui::MsgIcon::Information); }

bool frmKouho::TwoCandidates(int k, std::array<int, 2>& pair) const {
    // A cell that holds a digit is no place for a trial, whatever marks it still carries: a
    // digit placed late in the last automatic step keeps the marks of the digits judged before.
    if (grid::IsFilled(program_.frmMozelAuto().cell(k).text())) return false;
    int n = 0;
    for (int d = 1; d <= 9; ++d) {
        // Marks written by grid 2's judgement describe grid 2's cells.
        if (cmn.KouhoGrid[d] != 1 || cmn.KouhoTbl[k][d] != 1) continue;
        if (n < 2) pair[static_cast<size_t>(n)] = d;
        ++n;
    }
    return n == 2;
}

void frmKouho::PlaceTrial(int k, int digit) {
    auto& grid1 = program_.frmMozelAuto();
    grid1.cell(k).setText(std::to_string(digit));
    grid1.cell(k).setBackColor(cmn.IroOnly);
    const int c = cmn.GridMasu[cmn.PatternNo][1][k];
    program_.state().placeDigit(c, digit);
    program_.frmAllGamen().text1(c).setBackColor(cmn.IroOnly);
}

void frmKouho::SaveBoardSlot(int16_t slot) {
    for (int k = 1; k <= 81; ++k) boardSlots_[slot][k] = program_.state().cellText(cmn.GridMasu[cmn.PatternNo][1][k]);
}

void frmKouho::RestoreSlot(int16_t slot) {
    T81_Load(slot);
    // The digits the judgement placed on the board while following a failed trial go too.
    for (int k = 1; k <= 81; ++k) program_.state().setCellText(cmn.GridMasu[cmn.PatternNo][1][k], boardSlots_[slot][k]);
}

bool frmKouho::DoubleBoardSolvable() {
    auto& grid1 = program_.frmMozelAuto();
    const state::PuzzleState& current = program_.state();
    if (!puzzle::IsPattern(cmn.PatternNo)) return false;
    puzzle::DoubleBoard board;
    board.pattern = cmn.PatternNo;
    board.diagonal = current.diagonal();
    for (int k = 1; k <= 81; ++k) {
        int d = DigitOf(grid1.cell(k).text());
        if (d < 0) return false;
        board.set(1, k, d);
    }
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        if (cmn.PatternMasu[cmn.PatternNo][c] != 2) continue;  // cells only grid 2 covers
        int d = DigitOf(current.cellText(c));
        if (d < 0) return false;
        board.digits[static_cast<size_t>(c)] = static_cast<uint8_t>(d);
    }
    return puzzle::CountSolutions(board, 1) >= 1;
}

frmKouho::Outcome frmKouho::Propagate(int16_t& count) {
    auto& grid1 = program_.frmMozelAuto();
    // Each step that goes on has changed the filled count; cells only fill up, so the steps
    // are few. The bound only keeps a count that moves both ways from running for ever.
    for (int step = 0; step < kMaxPropagationSteps; ++step) {
        cmn.SolvedMark = 0;
        grid1.btnColor_Click();
        grid1.btnCheck_Click();
        grid1.cmdAutoHantei_Click();
        grid1.mnuOnajiSuuji_Click();
        if (cmn.HintKind > 0) return Outcome::Contradiction;
        bool complete = true;
        for (int k = 1; k <= 81 && complete; ++k) complete = DigitOf(grid1.cell(k).text()) > 0;
        if (complete) {
            // A full grid 1 counts only when the double board can still be completed around it.
            if (!DoubleBoardSolvable()) return Outcome::Contradiction;
            cmn.SolvedMark = kSolved;
            return Outcome::Solved;
        }
        const double filled = ui::Val(grid1.Setting.text());
        if (filled == count) return Outcome::Stalled;
        count = static_cast<int16_t>(filled);
    }
    return Outcome::Stalled;
}

void frmKouho::Kakuritu(const Persona& persona) {
    auto& grid1 = program_.frmMozelAuto();
    Say(persona.start);
    int16_t level = 1;
    int tries = 1;
    int cell = persona.firstCell;
    bool solved = false;
    // Each pass of this loop is one level: save, then search and try until solved, stalled
    // (next level) or the stretch is exhausted.
    for (bool deeper = true; deeper && !solved;) {
        deeper = false;
        if (tries > kTriesBeforeComplaint) Say(persona.tries);
        if (level > kLastSlot) {
            // No slot is left for an eleventh level: the run ends as an exhausted one does.
            Say(persona.level);
            break;
        }
        T81_Save(level);
        SaveBoardSlot(level);
        // The filled-cell count of the level; a restore brings it back with the cells.
        const int16_t levelCount = static_cast<int16_t>(ui::Val(grid1.Setting.text()));
        int16_t count = levelCount;
        for (;;) {
            std::array<int, 2> pair{};
            while (persona.inStretch(cell) && !TwoCandidates(cell, pair)) cell += persona.step;
            if (!persona.inStretch(cell)) {
                Say(persona.exhausted);
                break;
            }
            PlaceTrial(cell, pair[0]);
            Say(persona.placing);
            if (persona.redrawAfterPlacing) {
                grid1.Refresh();
                Refresh();
            }
            if (cell == kCell29 && persona.cell29) Say(persona.cell29);
            Outcome outcome = Propagate(count);
            if (outcome == Outcome::Contradiction) {
                RestoreSlot(level);
                count = levelCount;
                grid1.Setting.setText(std::to_string(count));
                PlaceTrial(cell, pair[1]);
                Say(persona.second);
                outcome = Propagate(count);
            }
            if (outcome == Outcome::Solved) {
                Say(persona.solved);
                solved = true;
                break;
            }
            if (outcome == Outcome::Stalled) {
                ++level;
                ++tries;
                deeper = true;
                break;
            }
            // Both candidates failed: back to the level's state and on to the next cell.
            RestoreSlot(level);
            count = levelCount;
            grid1.Setting.setText(std::to_string(count));
            ++tries;
            cell += persona.step;
        }
    }
    if (solved) {
        // The board takes the solved grid 1, final-digit placements included.
        for (int k = 1; k <= 81; ++k) program_.state().setCellText(cmn.GridMasu[cmn.PatternNo][1][k], grid1.cell(k).text());
    } else {
        Say(persona.notSolved);
        RestoreSlot(1);
        grid1.btnCheck_Click();
        grid1.cmdAutoHantei_Click();
    }
    // The board's count follows what the run left on it.
    program_.frmAllGamen().lblSetCount.setCaption(std::to_string(program_.state().filledCount()));
}

}  // namespace candidates
