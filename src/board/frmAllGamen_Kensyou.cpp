// 検証: the exact engine's answer on the board as the program reads it. Only colours change:
// the cells the answer points at are painted after the board colours are cleared, and the
// colour clear (色) takes the paint off again.
#include <string>
#include <vector>

#include "board/BoardReading.h"
#include "board/PatternTables.h"
#include "board/cmnMod01.h"
#include "board/frmAllGamen.h"
#include "program/Program.h"
#include "puzzle/Rules.h"
#include "puzzle/Solver.h"

namespace board {
namespace {

std::string GridName(int g) { return g == 1 ? "グリッド1" : "グリッド2"; }

// "3 行 5 列" of grid g.
std::string RowColumn(int pattern, int g, int c) {
    int k = puzzle::GridCellOf(Pattern(pattern), g, c);
    return std::to_string(GridRow(k)) + " 行 " + std::to_string(GridColumn(k)) + " 列";
}

std::string UnitName(const puzzle::Unit& unit) {
    std::string grid = GridName(unit.grid) + "の";
    switch (unit.kind) {
        case puzzle::UnitKind::Row: return grid + " " + std::to_string(unit.index) + " 行目";
        case puzzle::UnitKind::Column: return grid + " " + std::to_string(unit.index) + " 列目";
        case puzzle::UnitKind::Box: return grid + "左上から " + std::to_string(unit.index) + " 番目の3×3のブロック";
        case puzzle::UnitKind::MainDiagonal: return grid + "左上から右下への対角線";
        case puzzle::UnitKind::AntiDiagonal: return grid + "右上から左下への対角線";
    }
    return grid;
}

}  // namespace

void frmAllGamen::cmdKensyou_Click() {
    BoardReading reading = ReadBoard(*this, cmn);
    const puzzle::DoubleBoard& board = reading.board;
    const int pattern = board.pattern;
    auto say = [this](const std::string& text) { program_.dialogs().MsgBox(text, ui::MsgIcon::Information); };
    auto paint = [this](const std::vector<int>& cells, ui::Color colour) {
        cmdClear02_Click();
        for (int c : cells) text1(c).setBackColor(colour);
    };

    if (reading.notDigit) {
        int c = *reading.notDigit;
        GridPlace place = PlaceOf(pattern, c);
        paint({c}, cmn.IroError);
        say(GridName(place.grid) + "の " + std::to_string(place.row) + " 行 " + std::to_string(place.column) +
            " 列に、数字ではない「" + reading.notDigitText + "」が入っています。\n1〜9 の数字か空白にしてください。");
        return;
    }
    if (std::optional<puzzle::Duplicate> dup = puzzle::FindDuplicate(board)) {
        paint({dup->first, dup->second}, cmn.IroError);
        say(UnitName(dup->unit) + "に " + std::to_string(dup->digit) + " が2つあります（" +
            RowColumn(pattern, dup->unit.grid, dup->first) + "と " + RowColumn(pattern, dup->unit.grid, dup->second) + "）。");
        return;
    }

    puzzle::SolveResult result = puzzle::Solve(board);
    if (result.verdict == puzzle::Verdict::Unique) {
        say("解は1つだけです。");
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
        say("解がありません。\nどこかの数字が間違っています。問題の数字をロックしてから検証すると、"
            "ロックした数字から解を求めて、間違っている数字に色を付けます。");
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
