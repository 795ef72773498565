#include "puzzle/Rules.h"

#include <array>

namespace puzzle {

std::optional<Duplicate> FindDuplicate(const DoubleBoard& board) {
    for (const Unit& unit : Units(board.pattern, board.diagonal)) {
        std::array<int, 10> cellOf{};  // digit -> first board cell holding it in this unit
        for (int c : unit.cells) {
            int d = board.digits[static_cast<std::size_t>(c)];
            if (d < 1 || d > 9) continue;
            int& seen = cellOf[static_cast<std::size_t>(d)];
            if (seen != 0) return Duplicate{unit, d, seen, c};
            seen = c;
        }
    }
    return std::nullopt;
}

}  // namespace puzzle
