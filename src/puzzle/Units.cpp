#include "puzzle/Units.h"

namespace puzzle {

std::vector<Unit> Units(int p, bool diagonal) {
    const OverlapPattern& pattern = Pattern(p);
    std::vector<Unit> units;
    units.reserve(58);
    for (int g = 1; g <= 2; ++g) {
        auto add = [&](UnitKind kind, int index, auto gridCell) {
            Unit unit{g, kind, index, {}};
            for (int i = 1; i <= 9; ++i) unit.cells[static_cast<std::size_t>(i - 1)] = BoardCellOf(pattern, g, gridCell(i));
            units.push_back(unit);
        };
        for (int r = 1; r <= 9; ++r) add(UnitKind::Row, r, [r](int i) { return GridCell(r, i); });
        for (int c = 1; c <= 9; ++c) add(UnitKind::Column, c, [c](int i) { return GridCell(i, c); });
        for (int b = 1; b <= 9; ++b) add(UnitKind::Box, b, [b](int i) { return BoxCell(b, i); });
        if (diagonal) {
            add(UnitKind::MainDiagonal, 1, MainDiagonalCell);
            add(UnitKind::AntiDiagonal, 1, AntiDiagonalCell);
        }
    }
    return units;
}

std::vector<int> CoveredCells(int p) {
    const OverlapPattern& pattern = Pattern(p);
    std::vector<int> cells;
    for (int c = 1; c <= kBoardCells; ++c)
        if (CellCode(pattern, c) != 0) cells.push_back(c);
    return cells;
}

}  // namespace puzzle
