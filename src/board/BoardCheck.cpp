#include "board/BoardCheck.h"

#include "board/PatternTables.h"
#include "puzzle/GridPosition.h"
#include "puzzle/Rules.h"

namespace board {

std::optional<BoardFinding> CheckDuplicates(const puzzle::DoubleBoard& board) {
    std::optional<puzzle::Duplicate> dup = puzzle::FindDuplicate(board);
    if (!dup) return std::nullopt;
    auto place = [&](int c) { return puzzle::SpacedRowColumnName(puzzle::PositionOf(board.pattern, c, dup->unit.grid)); };
    return BoardFinding{puzzle::SpacedUnitName(dup->unit) + "に " + std::to_string(dup->digit) + " が2つあります（" +
                            place(dup->first) + "と " + place(dup->second) + "）。",
                        {dup->first, dup->second}};
}

std::optional<BoardFinding> CheckReadable(const BoardReading& reading) {
    if (reading.notDigit) {
        int c = *reading.notDigit;
        return BoardFinding{puzzle::SpacedCellName(reading.board.pattern, c, 1) + "に、数字ではない「" + reading.notDigitText +
                                "」が入っています。\n1〜9 の数字か空白にしてください。",
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
