// ヒント: checks the board as 検証 does, then explains the next logical step, with its
// difficulty number, in the hint window beside the board, and paints the cells that prove it
// (IroOnly) and the cells it decides (IroAuto1). A cell that is not a digit, a digit twice in a
// unit, no solution or wrong digits are said in 検証's words and painted in IroError instead,
// in a message box, and the hint window closes; so do a full board, a wrong candidate and a
// board no technique moves on. The hint works from the board's candidates (the ones the user
// sees when 候補 is on). 適用 (the window's button or Ctrl+Enter) carries the step out as one
// undo step and shows the next. With 候補 off, a step shown keeps its removals in the
// candidates, so that the next hint goes on from them.
#include <algorithm>
#include <string>

#include "board/BoardCheck.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "hint/frmHint.h"
#include "program/Program.h"
#include "puzzle/GridPosition.h"
#include "puzzle/Solver.h"
#include "puzzle/StepFinder.h"
#include "puzzle/StepText.h"

namespace board {
namespace {

void CloseHintWindow(program::Program& program) {
    if (ui::Form* window = program.forms().find("frmHint")) window->Hide();
}

// What is not a step is said in a message box; the hint window's step no longer stands.
void SayNoStep(program::Program& program, const std::string& text, ui::MsgIcon icon) {
    CloseHintWindow(program);
    program.dialogs().MsgBox(text, icon);
}

}  // namespace


void frmAllGamen::PaintHintCell(int c, ui::Color color) { text1(c).setBackColor(color); }


void frmAllGamen::cmdHint_Click() {
    cmdClear02_Click();
    // The hint reads the whole board, as the judge commands do, and so shows its count: a cell
    // set without a key or a click (a script's set, an input method) has not counted yet.
    ShowSetCount();
    const state::BoardReading reading = program_.state().reading();
    const puzzle::DoubleBoard& board = reading.board;
    const int pattern = board.pattern;
    auto name = [pattern](int c) { return puzzle::CellName(pattern, c, 1); };

    bool anyDigit = false;
    for (uint8_t d : board.digits) anyDigit = anyDigit || d != 0;
    if (!reading.notDigit && !anyDigit) {
        SayNoStep(program_, "盤面に数字がありません。問題を入力してから、ヒントを押してください。", ui::MsgIcon::Information);
        return;
    }
    // A faulty board is named as 検証 names it, and nothing else is shown.
    const BoardCheck check = CheckBoard(reading, program_.state().lockedCells());
    if (check.fault) {
        for (int c : check.fault->cells) PaintHintCell(c, cmn.IroError);
        SayNoStep(program_, check.fault->text, check.fault->icon);
        return;
    }
    const puzzle::SolveResult& solved = check.solved;

    puzzle::LogicState state(board);
    if (state.solved()) {
        SayNoStep(program_, "盤面はすべて埋まっています。", ui::MsgIcon::Information);
        return;
    }
    // The candidates on the board are the hint's own: it never relies on one they lack.
    const std::array<int, puzzle::kBoardCells + 1> masks = program_.state().candidateMasks();
    for (int c : state.cells()) {
        if (state.digit(c) != 0) continue;
        const int d = solved.verdict == puzzle::Verdict::Unique ? solved.solution.digits[static_cast<std::size_t>(c)] : 0;
        if (d != 0 && !(masks[static_cast<std::size_t>(c)] & (1 << d))) {
            PaintHintCell(c, cmn.IroError);
            SayNoStep(program_,
                      name(c) + "の候補から、正しい数字の" + std::to_string(d) +
                          "が外れています。候補を直すか、「候補を再計算」を押してから、もう一度ヒントを押してください。",
                      ui::MsgIcon::Exclamation);
            return;
        }
        for (int digit : puzzle::DigitsOf(state.candidates(c)))
            if (!(masks[static_cast<std::size_t>(c)] & (1 << digit))) state.removeCandidate(c, digit);
    }
    // Uniqueness techniques only where the engine finds exactly one solution.
    puzzle::FindOptions options;
    options.unique = solved.verdict == puzzle::Verdict::Unique;
    std::optional<puzzle::Step> step = puzzle::FindStep(state, options);
    if (!step) {
        SayNoStep(program_, "ここから先は、ヒントの手筋では進めません。候補ウィンドウの試行（ペルソナたち）に任せてみてください。",
                  ui::MsgIcon::Information);
        return;
    }
    for (int c : step->proof) PaintHintCell(c, cmn.IroOnly);
    for (const puzzle::CellDigit& p : step->place) PaintHintCell(p.cell, cmn.IroAuto1);
    for (const puzzle::CellDigit& r : step->remove) PaintHintCell(r.cell, cmn.IroAuto1);
    lastHint_ = LastHint{*step, board, masks};
    ++hintsShown_;
    // Unseen candidates keep what the hint removed.
    if (chkKouho.value() == 0) {
        puzzle::Step removals = *step;
        removals.place.clear();
        program_.state().applyStep(removals);
        lastHint_->candidates = program_.state().candidateMasks();
    }
    program_.frmHint().ShowStep("ヒント（" + std::string(puzzle::JapaneseName(step->technique)) + "、難しさ " +
                                puzzle::DifficultyText(puzzle::Difficulty(step->technique)) + "）\n" +
                                puzzle::StepText(*step, pattern));
}

void frmAllGamen::ApplyStep(const puzzle::Step& step) {
    lastHint_.reset();
    program_.state().applyStep(step);
    if (!step.remove.empty()) ShowCandidates(true);
    if (!step.place.empty()) ShowSetCount();
    CheckFinish();
}

void frmAllGamen::ApplyLastHint() {
    // Only while the hint window shows the step, and the board and its candidates are those
    // it was found on.
    const ui::Form* window = program_.forms().find("frmHint");
    if (!lastHint_ || !window || !window->visible() || program_.state().board() != lastHint_->board ||
        program_.state().candidateMasks() != lastHint_->candidates) {
        lastHint_.reset();
        SayNoStep(program_, "適用できるヒントがありません。ヒントを押してから、もう一度どうぞ。", ui::MsgIcon::Information);
        return;
    }
    LastHint hint = std::move(*lastHint_);
    ApplyStep(hint.step);
    // The next step at once; a board the step completed has been congratulated instead.
    if (program_.state().complete()) {
        CloseHintWindow(program_);
        return;
    }
    cmdHint_Click();
}

}  // namespace board
