#include "board/GridLabels.h"

#include <algorithm>
#include <vector>

#include "board/BoardLayout.h"
#include "puzzle/OverlapPatterns.h"

namespace board {
namespace {

struct Origin {
    int row, column;
};

Origin OriginOf(const puzzle::OverlapPattern& shape, int g) {
    return g == 1 ? Origin{shape.grid1Row, shape.grid1Column} : Origin{shape.grid2Row, shape.grid2Column};
}

bool InGrid(Origin o, int row, int column) { return row >= o.row && row < o.row + 9 && column >= o.column && column < o.column + 9; }

// The nine spots of one side of grid g: along a row (columns) or a column (rows).
std::array<LabelSpot, 9> Side(Origin o, bool columns, int line) {
    std::array<LabelSpot, 9> spots{};
    for (int i = 0; i < 9; ++i) spots[static_cast<std::size_t>(i)] = columns ? LabelSpot{line, o.column + i} : LabelSpot{o.row + i, line};
    return spots;
}

std::array<LabelSpot, 9> Choose(const puzzle::OverlapPattern& shape, int g, bool columns, const std::vector<LabelSpot>& taken) {
    const Origin o = OriginOf(shape, g);
    auto free = [&](const std::array<LabelSpot, 9>& spots) {
        return std::all_of(spots.begin(), spots.end(), [&](LabelSpot s) {
            if (s.row < 0 || s.row > 16 || s.column < 0 || s.column > 16) return false;
            if (InGrid(OriginOf(shape, 1), s.row, s.column) || InGrid(OriginOf(shape, 2), s.row, s.column)) return false;
            return std::find(taken.begin(), taken.end(), s) == taken.end();
        });
    };
    const int before = columns ? o.row - 1 : o.column - 1;
    const std::array<LabelSpot, 9> first = Side(o, columns, before);
    return free(first) ? first : Side(o, columns, before + 10);
}

}  // namespace

std::array<LabelSpot, 9> GridLabelSpots(int pattern, int g, bool columns) {
    const puzzle::OverlapPattern& shape = puzzle::Pattern(pattern);
    std::vector<LabelSpot> taken;
    for (int grid = 1; grid <= 2; ++grid) {
        for (bool cols : {true, false}) {
            const std::array<LabelSpot, 9> spots = Choose(shape, grid, cols, taken);
            if (grid == g && cols == columns) return spots;
            taken.insert(taken.end(), spots.begin(), spots.end());
        }
    }
    return {};
}

LabelBounds LabelBoundsOf(LabelSpot spot) {
    using namespace layout;
    LabelBounds b{0, 0, kCellSize, kCellSize};
    if (spot.column == 0) b.left = kLabelLeftMargin, b.width = kCellLeft - kLabelLeftMargin;
    else if (spot.column == 16) b.left = kBoardRight, b.width = kLabelRightMargin - kBoardRight;
    else b.left = CellLeft(spot.column);
    if (spot.row == 0) b.top = kLabelTopMargin, b.height = kCellTop - kLabelTopMargin;
    else if (spot.row == 16) b.top = kBoardBottom, b.height = kLabelBottomMargin - kBoardBottom;
    else b.top = CellTop(spot.row);
    return b;
}

}  // namespace board
