// 検証: the exact engine's answer on the board as the program reads it. Only colours change:
// the cells the answer points at are painted after the board colours are cleared, and the
// colour clear (色) takes the paint off again.
#include <string>
#include <vector>

#include "board/BoardCheck.h"
#include "board/BoardReading.h"
#include "board/PatternTables.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "puzzle/Rules.h"
#include "puzzle/Solver.h"

namespace board {

void frmAllGamen::cmdKensyou_Click() {
    BoardReading reading = ReadBoard(*this, cmn);
    const puzzle::DoubleBoard& board = reading.board;
    auto say = [this](const std::string& text) { program_.dialogs().MsgBox(text, ui::MsgIcon::Information); };
    auto paint = [this](const std::vector<int>& cells, ui::Color colour) {
        cmdClear02_Click();
        for (int c : cells) text1(c).setBackColor(colour);
    };

    if (std::optional<BoardFinding> fault = CheckReadable(reading)) {
        paint(fault->cells, cmn.IroError);
        say(fault->text);
        return;
    }

    puzzle::SolveResult result = puzzle::Solve(board);
    if (result.verdict == puzzle::Verdict::Unique) {
        say(UniqueText());
        return;
    }
    if (result.verdict == puzzle::Verdict::Multiple) {
        std::vector<int> differ;
        for (int c = 1; c <= kBoardCells; ++c)
            if (result.solution.digits[static_cast<std::size_t>(c)] != result.second.digits[static_cast<std::size_t>(c)])
                differ.push_back(c);
        paint(differ, cmn.IroOnly);
        say("解が2つ以上あります。\n2つの解で数字が分かれる " + std::to_string(differ.size()) +
            " 個のマスに色を付けました。このどこかに数字が足りません。");
        return;
    }

    // No solution: the locked cells are the problem as given (loading a problem locks its
    // givens, and so does ロック); when they alone have one solution, the other digits that
    // differ from it are the mistakes.
    puzzle::DoubleBoard locked = board;
    bool anyLocked = false;
    for (int c = 1; c <= kBoardCells; ++c) {
        auto uc = static_cast<std::size_t>(c);
        if (locked.digits[uc] == 0) continue;
        if (text1(c).locked()) anyLocked = true;
        else locked.digits[uc] = 0;
    }
    if (!anyLocked) {
        say(NoSolutionText());
        return;
    }
    puzzle::SolveResult given = puzzle::Solve(locked);
    if (given.verdict == puzzle::Verdict::None) {
        say("解がありません。\nロックされた数字だけでも解がありません。");
        return;
    }
    if (given.verdict == puzzle::Verdict::Multiple) {
        say("解がありません。\nロックされた数字だけでは解が1つに決まらないので、間違っている数字を示せません。");
        return;
    }
    std::vector<int> wrong;
    for (int c = 1; c <= kBoardCells; ++c) {
        auto uc = static_cast<std::size_t>(c);
        if (board.digits[uc] != 0 && board.digits[uc] != given.solution.digits[uc]) wrong.push_back(c);
    }
    paint(wrong, cmn.IroError);
    say("間違っている数字が " + std::to_string(wrong.size()) + " 個あります。\n色を付けたマスです。");
}

}  // namespace board
