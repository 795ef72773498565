#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "puzzle/Units.h"

using namespace puzzle;

TEST(PuzzleGeometry, GridAndBoardCellsRoundTrip) {
    for (int p = 1; p <= kPatternCount; ++p) {
        const OverlapPattern& pattern = Pattern(p);
        for (int g = 1; g <= 2; ++g) {
            for (int k = 1; k <= kGridCells; ++k) EXPECT_EQ(GridCellOf(pattern, g, BoardCellOf(pattern, g, k)), k);
        }
        for (int c = 1; c <= kBoardCells; ++c) {
            int code = CellCode(pattern, c);
            EXPECT_EQ(GridCellOf(pattern, 1, c) != 0, (code & 1) != 0) << p << " " << c;
            EXPECT_EQ(GridCellOf(pattern, 2, c) != 0, (code & 2) != 0) << p << " " << c;
        }
    }
    EXPECT_FALSE(IsPattern(0));
    EXPECT_FALSE(IsPattern(13));
    EXPECT_THROW(Pattern(13), std::out_of_range);
}

TEST(PuzzleGeometry, BoxAndDiagonalCells) {
    EXPECT_EQ(BoxCell(1, 1), 1);
    EXPECT_EQ(BoxCell(5, 5), 41);
    EXPECT_EQ(BoxCell(9, 9), 81);
    EXPECT_EQ(BoxCell(3, 4), 16);
    for (int k = 1; k <= kGridCells; ++k) {
        int b = BoxOf(k);
        int hits = 0;
        for (int i = 1; i <= 9; ++i) hits += BoxCell(b, i) == k;
        EXPECT_EQ(hits, 1) << k;
    }
    EXPECT_EQ(MainDiagonalCell(9), 81);
    EXPECT_EQ(AntiDiagonalCell(1), 9);
    EXPECT_EQ(AntiDiagonalCell(9), 73);
}

TEST(PuzzleUnits, EveryGridCellLiesInOneUnitOfEachKind) {
    for (int p = 1; p <= kPatternCount; ++p) {
        for (bool diagonal : {false, true}) {
            std::vector<Unit> units = Units(p, diagonal);
            ASSERT_EQ(units.size(), diagonal ? 58u : 54u);
            // cell -> number of units (of each grid) holding it
            std::map<std::pair<int, int>, int> perGrid;
            for (const Unit& u : units) {
                std::set<int> distinct(u.cells.begin(), u.cells.end());
                EXPECT_EQ(distinct.size(), 9u);
                for (int c : u.cells) {
                    EXPECT_NE(GridCellOf(Pattern(p), u.grid, c), 0);
                    if (u.kind == UnitKind::Row || u.kind == UnitKind::Column || u.kind == UnitKind::Box)
                        ++perGrid[{u.grid, c}];
                }
            }
            for (const auto& [key, count] : perGrid) EXPECT_EQ(count, 3);
            EXPECT_EQ(perGrid.size(), 162u);
        }
    }
}

TEST(PuzzleUnits, SharedBoxIsAUnitOfBothGrids) {
    // Pattern 12: grid 2 starts at board row 7, column 7, so grid 1's box 9 is grid 2's box 1.
    std::vector<Unit> units = Units(12, false);
    auto box = [&](int g, int b) {
        auto it = std::find_if(units.begin(), units.end(),
                               [&](const Unit& u) { return u.grid == g && u.kind == UnitKind::Box && u.index == b; });
        return it->cells;
    };
    EXPECT_EQ(box(1, 9), box(2, 1));
    EXPECT_EQ(CoveredCells(12).size(), 162u - 9u);
    EXPECT_EQ(CoveredCells(1).size(), 162u - 54u);
}
