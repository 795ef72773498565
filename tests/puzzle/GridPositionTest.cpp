#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <stdexcept>

#include "puzzle/GridPosition.h"

using namespace puzzle;

namespace {

std::string WithoutBlanks(std::string s) {
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

const Unit& Find(const std::vector<Unit>& units, int grid, UnitKind kind, int index) {
    return *std::find_if(units.begin(), units.end(),
                         [&](const Unit& u) { return u.grid == grid && u.kind == kind && u.index == index; });
}

}  // namespace

TEST(GridPosition, BoardCellsAndPositionsRoundTripInEveryPattern) {
    for (int p = 1; p <= kPatternCount; ++p) {
        for (int g = 1; g <= 2; ++g)
            for (int row = 1; row <= kGridSize; ++row)
                for (int column = 1; column <= kGridSize; ++column) {
                    const GridPosition at{g, row, column};
                    const int c = BoardCellAt(p, at);
                    ASSERT_GE(c, 1);
                    ASSERT_LE(c, kBoardCells);
                    EXPECT_EQ(PositionOf(p, c, g), at) << p << " " << c;
                }
        for (int c : CoveredCells(p))
            for (int g = 1; g <= 2; ++g) EXPECT_EQ(BoardCellAt(p, PositionOf(p, c, g)), c) << p << " " << c;
    }
}

TEST(GridPosition, OnlySharedCellsHaveAPositionInEachGrid) {
    for (int p = 1; p <= kPatternCount; ++p) {
        const OverlapPattern& pattern = Pattern(p);
        const int down = pattern.grid2Row - pattern.grid1Row;
        const int across = pattern.grid2Column - pattern.grid1Column;
        int shared = 0;
        for (int c : CoveredCells(p)) {
            const GridPosition one = PositionOf(p, c, 1), two = PositionOf(p, c, 2);
            if (one == two) continue;  // one grid only: the preferred grid is passed over
            ++shared;
            EXPECT_EQ(one.grid, 1);
            EXPECT_EQ(two.grid, 2);
            EXPECT_EQ(one.row - two.row, down) << p << " " << c;
            EXPECT_EQ(one.column - two.column, across) << p << " " << c;
        }
        EXPECT_EQ(shared, (kGridSize - std::abs(down)) * (kGridSize - std::abs(across))) << p;
    }
}

TEST(GridPosition, ACellOutsideBothGridsHasNoPosition) {
    // Pattern 12: grid 1 at the top left, grid 2 at the bottom right; the top-right corner is neither's.
    EXPECT_THROW(PositionOf(12, BoardCell(1, 15), 1), std::out_of_range);
    EXPECT_THROW(PositionOf(12, BoardCell(15, 1), 2), std::out_of_range);
    EXPECT_THROW(PositionOf(13, 1, 1), std::out_of_range);
}

TEST(GridPosition, CellNames) {
    // Board row 7, column 7 of pattern 12 is the shared top-left cell of grid 2.
    const int shared = BoardCell(7, 7);
    EXPECT_EQ(CellName(12, shared, 1), "グリッド1の7行7列");
    EXPECT_EQ(CellName(12, shared, 2), "グリッド2の1行1列");
    EXPECT_EQ(CellName(12, BoardCell(15, 15), 1), "グリッド2の9行9列");
    EXPECT_EQ(SpacedCellName(12, shared, 2), "グリッド2の 1 行 1 列");
    EXPECT_EQ(SpacedRowColumnName({1, 3, 5}), "3 行 5 列");
    EXPECT_EQ(GridName(2), "グリッド2");

    // The two forms differ in their blanks only, for every cell of every pattern.
    for (int p = 1; p <= kPatternCount; ++p)
        for (int c : CoveredCells(p))
            for (int g = 1; g <= 2; ++g) EXPECT_EQ(WithoutBlanks(SpacedCellName(p, c, g)), CellName(p, c, g)) << p << " " << c;
}

TEST(GridPosition, AListNamesEachGridWhereItChanges) {
    int last = 0;
    std::string list;
    for (GridPosition at : {GridPosition{1, 3, 5}, GridPosition{1, 3, 7}, GridPosition{2, 1, 1}, GridPosition{1, 9, 9}})
        list += (list.empty() ? "" : "、") + CellNameAfter(at, last);
    EXPECT_EQ(list, "グリッド1の3行5列、3行7列、グリッド2の1行1列、グリッド1の9行9列");
    EXPECT_EQ(last, 1);
}

TEST(GridPosition, UnitNamesInBothForms) {
    const std::vector<Unit> units = Units(12, true);
    EXPECT_EQ(UnitName(Find(units, 1, UnitKind::Row, 3)), "グリッド1の3行目");
    EXPECT_EQ(UnitName(Find(units, 2, UnitKind::Column, 5)), "グリッド2の5列目");
    EXPECT_EQ(UnitName(Find(units, 1, UnitKind::Box, 4)), "グリッド1のブロック4");
    EXPECT_EQ(UnitName(Find(units, 2, UnitKind::MainDiagonal, 1)), "グリッド2の対角線（左上から右下）");
    EXPECT_EQ(UnitName(Find(units, 1, UnitKind::AntiDiagonal, 1)), "グリッド1の対角線（右上から左下）");
    EXPECT_EQ(BoxName(2, 1), "グリッド2のブロック1");

    EXPECT_EQ(SpacedUnitName(Find(units, 1, UnitKind::Row, 3)), "グリッド1の 3 行目");
    EXPECT_EQ(SpacedUnitName(Find(units, 2, UnitKind::Column, 5)), "グリッド2の 5 列目");
    EXPECT_EQ(SpacedUnitName(Find(units, 1, UnitKind::Box, 3)), "グリッド1の左上から 3 番目の3×3のブロック");
    EXPECT_EQ(SpacedUnitName(Find(units, 2, UnitKind::MainDiagonal, 1)), "グリッド2の左上から右下への対角線");
    EXPECT_EQ(SpacedUnitName(Find(units, 1, UnitKind::AntiDiagonal, 1)), "グリッド1の右上から左下への対角線");

    // Each form tells every unit of both grids apart.
    std::set<std::string> shortNames, spacedNames;
    for (const Unit& u : units) {
        shortNames.insert(UnitName(u));
        spacedNames.insert(SpacedUnitName(u));
    }
    EXPECT_EQ(shortNames.size(), units.size());
    EXPECT_EQ(spacedNames.size(), units.size());
}
