// Where the main window and its board stand, in twips.
#pragma once

#include "ui/Color.h"
#include "ui/Placement.h"

namespace board::layout {

constexpr int kWindowLeft = 10;
constexpr int kWindowTop = 10;
constexpr int kWindowWidth = 10200;
constexpr int kWindowHeight = 12020;
constexpr ui::Color kBackColor = 0x80FF80;

// Board cells: 492 x 492, row 1 column 1 at (930, 1290), column 15 at left 8475 and row 15
// at top 9315: a pitch of about 538 across and 573 down, spread so that both ends hold.
constexpr int kCellSize = 492;
constexpr int kCellLeft = 930;
constexpr int kCellTop = 1290;
constexpr int kLastCellLeft = 8475;
constexpr int kLastCellTop = 9315;
constexpr int kCellFontSize = 22;

constexpr int CellLeft(int column) { return kCellLeft + ((column - 1) * (kLastCellLeft - kCellLeft) + 7) / 14; }
constexpr int CellTop(int row) { return kCellTop + ((row - 1) * (kLastCellTop - kCellTop) + 7) / 14; }
// The board's right and bottom edges: those of its last column and row.
constexpr int kBoardRight = kLastCellLeft + kCellSize;
constexpr int kBoardBottom = kLastCellTop + kCellSize;

// The 15x15 board within the main window, which windows placed beside it keep clear.
constexpr ui::Rect kBoardArea{.left = CellLeft(1), .top = CellTop(1), .width = kBoardRight - CellLeft(1), .height = kBoardBottom - CellTop(1)};

// The strips around the board where grid numbers may stand: from the left column of buttons to
// the board, from the top band to it, from it to the palette and to the judge buttons.
constexpr int kLabelLeftMargin = 805;
constexpr int kLabelTopMargin = 1090;
constexpr int kLabelRightMargin = 9095;
constexpr int kLabelBottomMargin = 10060;

// Erase lines: every place a box line of any pattern can stand, in the background colour.
constexpr int kEraseWidth = 4;
constexpr int kEraseX0 = 899;
constexpr int kEraseY0 = 1259;
constexpr int kEraseStepX = 1620;
constexpr int kEraseStepY = 1710;
constexpr int kEraseRight = 8999;
constexpr int kEraseBottom = 9809;

// Box lines of one grid from its origin: 4 verticals 1620 apart, 5130 long; 4 horizontals
// 1710 apart, 4860 long.
constexpr int kBoxLineWidth = 3;
constexpr int kBoxStepX = 1620;
constexpr int kBoxStepY = 1710;
constexpr int kBoxHeight = 5130;
constexpr int kBoxWidth = 4860;

// Origin of the box lines of grid g (1, 2) whose top-left board cell is (row, column): 540 a
// board column from x 900 and 570 a board row from y 1260, except that grid 1 starting in
// column 7 has its lines at x 4125, 15 twips left of where grid 2's would stand.
struct BoxLineOrigin {
    int x, y;
};
constexpr BoxLineOrigin BoxLinesOf(int g, int row, int column) {
    return {.x = g == 1 && column == 7 ? 4125 : 900 + 540 * (column - 1), .y = 1260 + 570 * (row - 1)};
}

}  // namespace board::layout
