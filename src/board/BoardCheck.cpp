#include "board/BoardCheck.h"

#include "board/PatternTables.h"
#include "puzzle/Rules.h"

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

std::optional<BoardFinding> CheckDuplicates(const puzzle::DoubleBoard& board) {
    std::optional<puzzle::Duplicate> dup = puzzle::FindDuplicate(board);
    if (!dup) return std::nullopt;
    return BoardFinding{UnitName(dup->unit) + "に " + std::to_string(dup->digit) + " が2つあります（" +
                            RowColumn(board.pattern, dup->unit.grid, dup->first) + "と " +
                            RowColumn(board.pattern, dup->unit.grid, dup->second) + "）。",
                        {dup->first, dup->second}};
}

std::optional<BoardFinding> CheckReadable(const BoardReading& reading) {
    if (reading.notDigit) {
        int c = *reading.notDigit;
        GridPlace place = PlaceOf(reading.board.pattern, c);
        return BoardFinding{GridName(place.grid) + "の " + std::to_string(place.row) + " 行 " + std::to_string(place.column) +
                                " 列に、数字ではない「" + reading.notDigitText + "」が入っています。\n1〜9 の数字か空白にしてください。",
                            {c}};
    }
    return CheckDuplicates(reading.board);
}

BoardCheck CheckBoard(const BoardReading& reading, const std::vector<bool>& locked) {
    BoardCheck check;
    if ((check.fault = CheckReadable(reading))) return check;
    const puzzle::DoubleBoard& board = reading.board;
    check.solved = puzzle::Solve(board);
    if (check.solved.verdict != puzzle::Verdict::None) return check;

    puzzle::DoubleBoard given = board;
    bool anyLocked = false;
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        auto uc = static_cast<std::size_t>(c);
        if (given.digits[uc] == 0) continue;
        if (uc < locked.size() && locked[uc]) anyLocked = true;
        else given.digits[uc] = 0;
    }
    if (!anyLocked) {
        check.fault = BoardFinding{NoSolutionText(), {}};
        return check;
    }
    puzzle::SolveResult problem = puzzle::Solve(given);
    if (problem.verdict == puzzle::Verdict::None) {
        check.fault = BoardFinding{"解がありません。\nロックされた数字だけでも解がありません。", {}};
    } else if (problem.verdict == puzzle::Verdict::Multiple) {
        check.fault = BoardFinding{"解がありません。\nロックされた数字だけでは解が1つに決まらないので、間違っている数字を示せません。", {}};
    } else {
        std::vector<int> wrong;
        for (int c = 1; c <= puzzle::kBoardCells; ++c) {
            auto uc = static_cast<std::size_t>(c);
            if (board.digits[uc] != 0 && board.digits[uc] != problem.solution.digits[uc]) wrong.push_back(c);
        }
        check.fault = BoardFinding{"間違っている数字が " + std::to_string(wrong.size()) + " 個あります。\n色を付けたマスです。", wrong};
    }
    return check;
}

std::string UniqueText() { return "解は1つだけです。"; }

std::string NoSolutionText() {
    return "解がありません。\nどこかの数字が間違っています。問題の数字をロックしてから検証すると、"
           "ロックした数字から解を求めて、間違っている数字に色を付けます。";
}

}  // namespace board
