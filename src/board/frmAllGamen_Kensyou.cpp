// 検証: the exact engine's answer on the board as the program reads it. Only colours change:
// the cells the answer points at are painted after the board colours are cleared, and the
// colour clear (色) takes the paint off again.
#include <string>
#include <vector>

#include "board/BoardCheck.h"
#include "board/PatternTables.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "puzzle/Rules.h"
#include "puzzle/Solver.h"

namespace board {

void frmAllGamen::cmdKensyou_Click() {
    auto say = [this](const std::string& text) { program_.dialogs().MsgBox(text, ui::MsgIcon::Information); };
    auto paint = [this](const std::vector<int>& cells, ui::Color colour) {
        cmdClear02_Click();
        for (int c : cells) text1(c).setBackColor(colour);
    };

    const BoardCheck check = CheckBoard(program_.state().reading(), program_.state().lockedCells());
    if (check.fault) {
        paint(check.fault->cells, cmn.IroError);
        program_.dialogs().MsgBox(check.fault->text, check.fault->icon);
        return;
    }
    if (check.solved.verdict == puzzle::Verdict::Unique) {
        say(UniqueText());
        return;
    }
    std::vector<int> differ;
    for (int c = 1; c <= kBoardCells; ++c)
        if (check.solved.solution.digits[static_cast<std::size_t>(c)] != check.solved.second.digits[static_cast<std::size_t>(c)])
            differ.push_back(c);
    paint(differ, cmn.IroOnly);
    say("解が2つ以上あります。\n2つの解で数字が分かれる " + std::to_string(differ.size()) +
        " 個のマスに色を付けました。このどこかに数字が足りません。");
}

}  // namespace board
