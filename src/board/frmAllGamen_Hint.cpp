// ヒント: checks the board as 検証 does, then explains the next logical step, with its
// difficulty number, and paints the cells that prove it (IroOnly) and the cells it decides
// (IroAuto1). A cell that is not a digit, a digit twice in a unit, no solution or wrong digits
// are said in 検証's words and painted in IroError instead, and nothing else is shown. The hint works from the board's candidates (the ones
// the user sees when 候補 is on); its message offers 適用, which carries the step out as one
// undo step. With 候補 off, OK keeps the step's removals in the candidates, so that the next
// hint goes on from them.
#include <algorithm>
#include <string>

#include "board/BoardCheck.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "puzzle/GridPosition.h"
#include "puzzle/Solver.h"
#include "puzzle/StepFinder.h"
#include "puzzle/StepText.h"

namespace board {


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
        program_.dialogs().MsgBox("盤面に数字がありません。問題を入力してから、ヒントを押してください。", ui::MsgIcon::Information);
        return;
    }
    // A faulty board is named as 検証 names it, and nothing else is shown.
    const BoardCheck check = CheckBoard(reading, program_.state().lockedCells());
    if (check.fault) {
        for (int c : check.fault->cells) PaintHintCell(c, cmn.IroError);
        program_.dialogs().MsgBox(check.fault->text, check.fault->icon);
        return;
    }
    const puzzle::SolveResult& solved = check.solved;

    puzzle::LogicState state(board);
    if (state.solved()) {
        program_.dialogs().MsgBox("盤面はすべて埋まっています。", ui::MsgIcon::Information);
        return;
    }
    // The candidates on the board are the hint's own: it never relies on one they lack.
    const std::array<int, puzzle::kBoardCells + 1> masks = program_.state().candidateMasks();
    for (int c : state.cells()) {
        if (state.digit(c) != 0) continue;
        const int d = solved.verdict == puzzle::Verdict::Unique ? solved.solution.digits[static_cast<std::size_t>(c)] : 0;
        if (d != 0 && !(masks[static_cast<std::size_t>(c)] & (1 << d))) {
            PaintHintCell(c, cmn.IroError);
            program_.dialogs().MsgBox(name(c) + "の候補から、正しい数字の" + std::to_string(d) +
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
        program_.dialogs().MsgBox(
            "ここから先は、ヒントの手筋では進めません。候補ウィンドウの試行（ペルソナたち）に任せてみてください。",
            ui::MsgIcon::Information);
        return;
    }
    for (int c : step->proof) PaintHintCell(c, cmn.IroOnly);
    for (const puzzle::CellDigit& p : step->place) PaintHintCell(p.cell, cmn.IroAuto1);
    for (const puzzle::CellDigit& r : step->remove) PaintHintCell(r.cell, cmn.IroAuto1);
    lastHint_ = LastHint{*step, board, masks};
    ++hintsShown_;
    const int answer = program_.dialogs().Ask("ヒント（" + std::string(puzzle::JapaneseName(step->technique)) + "、難しさ " +
                                                  puzzle::DifficultyText(puzzle::Difficulty(step->technique)) + "）\n" +
                                                  puzzle::StepText(*step, pattern),
                                              ui::MsgIcon::Information, {"OK", "適用"});
    if (answer == 1) return ApplyStep(*step);
    // Unseen candidates keep what the hint removed.
    if (chkKouho.value() == 0) {
        puzzle::Step removals = *step;
        removals.place.clear();
        program_.state().applyStep(removals);
        lastHint_->candidates = program_.state().candidateMasks();
    }
}

void frmAllGamen::ApplyStep(const puzzle::Step& step) {
    lastHint_.reset();
    program_.state().applyStep(step);
    if (!step.remove.empty()) ShowCandidates(true);
    if (!step.place.empty()) ShowSetCount();
    CheckFinish();
}

void frmAllGamen::ApplyLastHint() {
    // Only while the board and its candidates are those the hint was found on.
    if (!lastHint_ || program_.state().board() != lastHint_->board || program_.state().candidateMasks() != lastHint_->candidates) {
        lastHint_.reset();
        program_.dialogs().MsgBox("適用できるヒントがありません。ヒントを押してから、もう一度どうぞ。", ui::MsgIcon::Information);
        return;
    }
    LastHint hint = std::move(*lastHint_);
    ApplyStep(hint.step);
}

}  // namespace board
