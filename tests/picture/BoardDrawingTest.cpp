// The test pictures: what a clean drawing holds where, the set's reproducibility, and the errors
// of a font that is not installed or a style out of range.
#include "BoardDrawing.h"
#include "FontFiles.h"
#include "TestSet.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include <gtest/gtest.h>
#include <opencv2/imgproc.hpp>

#include "puzzle/Generator.h"
#include "puzzle/OverlapPatterns.h"
#include "puzzle/Solver.h"

namespace {

using picture::drawing::DrawStyle;
using picture::drawing::LineStyle;

struct CleanCase {
    int pattern;
    bool diagonal;
    DrawStyle style;
};

// A clean picture has its lines dark, ink in every cell with a given and none in an empty one,
// and, under the diagonal rule, the diagonals through the empty cells.
TEST(BoardDrawing, CleanPictureHoldsLinesGivensAndDiagonals) {
    const CleanCase cases[] = {
        {1, false, {.fontFamily = "IPAMincho", .cellPixels = 16, .lines = LineStyle::Thin, .margin = 3}},
        {6, true, {.fontFamily = "Noto Sans CJK JP", .bold = true, .cellPixels = 40, .diagonals = true, .caption = "ダブル 12"}},
        {8, false, {.fontFamily = "IPAGothic", .bold = true, .cellPixels = 31, .lines = LineStyle::Thin}},
        {12, true, {.fontFamily = "DejaVu Sans", .bold = true, .cellPixels = 120, .diagonals = true}},
    };
    for (const auto& [patternNumber, diagonal, style] : cases) {
        SCOPED_TRACE(style.fontFamily);
        const puzzle::DoubleBoard board = puzzle::GenerateProblem(patternNumber, diagonal, 11);
        const cv::Mat picture = picture::drawing::DrawBoard(board, style);
        ASSERT_EQ(picture.type(), CV_8UC3);
        cv::Mat grey;
        cv::cvtColor(picture, grey, cv::COLOR_BGR2GRAY);

        const auto& pattern = puzzle::Pattern(patternNumber);
        const int cell = style.cellPixels;
        const cv::Point origin = picture::drawing::BoardOrigin(style);
        const int firstColumn = std::min(pattern.grid1Column, pattern.grid2Column);
        auto left = [&](int column) { return origin.x + (column - firstColumn) * cell; };
        auto top = [&](int row) { return origin.y + (row - 1) * cell; };
        for (int g = 1; g <= 2; ++g)
            for (int k = 0; k <= 9; ++k)
                for (int m = 0; m < 9; ++m) {
                    const int along = m * cell + cell / 2;
                    EXPECT_LT(grey.at<uint8_t>(top(pattern.rowOf(g)) + k * cell, left(pattern.columnOf(g)) + along), 100)
                        << "grid " << g << " row line " << k;
                    EXPECT_LT(grey.at<uint8_t>(top(pattern.rowOf(g)) + along, left(pattern.columnOf(g)) + k * cell), 100)
                        << "grid " << g << " column line " << k;
                }

        const int inset = picture::drawing::BoxLineWidth(style) + 1;
        for (int c = 1; c <= puzzle::kBoardCells; ++c) {
            if (puzzle::CellCode(pattern, c) == 0) continue;
            const int row = puzzle::BoardRow(c), column = puzzle::BoardColumn(c);
            const cv::Rect inside(left(column) + inset, top(row) + inset, cell - 2 * inset, cell - 2 * inset);
            cv::Mat dark;
            cv::threshold(grey(inside), dark, 128, 255, cv::THRESH_BINARY_INV);
            const int inked = cv::countNonZero(dark);
            bool onDiagonal = false;
            for (int g = 1; g <= 2; ++g) {
                const int k = puzzle::GridCellOf(pattern, g, c);
                onDiagonal = onDiagonal || (k > 0 && (puzzle::GridRow(k) == puzzle::GridColumn(k) ||
                                                      puzzle::GridRow(k) + puzzle::GridColumn(k) == 10));
            }
            if (board.digits[static_cast<size_t>(c)] != 0)
                EXPECT_GT(inked, inside.area() / 30) << "given in board cell " << c;
            else if (diagonal && onDiagonal)
                EXPECT_LT(grey.at<uint8_t>(top(row) + cell / 2, left(column) + cell / 2), 160) << "diagonal in " << c;
            else
                EXPECT_EQ(inked, 0) << "empty board cell " << c;
        }
    }
}

// The set gives the same problems, styles and bytes for a seed, a longer set begins with a
// shorter one, every group is dealt out, and every problem has exactly one solution.
TEST(BoardDrawing, TestSetIsReproducible) {
    const auto& groups = picture::drawing::DistortionGroups();
    const int count = static_cast<int>(groups.size());
    const auto first = picture::drawing::TestSet(2 * count, 7);
    const auto again = picture::drawing::TestSet(count, 7);
    const auto other = picture::drawing::TestSet(count, 8);
    std::set<std::string> dealt;
    for (int i = 0; i < count; ++i) {
        const auto& a = first[static_cast<size_t>(i)];
        const auto& b = again[static_cast<size_t>(i)];
        SCOPED_TRACE(a.group);
        dealt.insert(a.group);
        EXPECT_EQ(a.problem, b.problem);
        EXPECT_NE(a.problem, other[static_cast<size_t>(i)].problem);
        EXPECT_EQ(puzzle::CountSolutions(a.problem, 2), 1);
        const auto bytes = picture::drawing::Encode(picture::drawing::DrawBoard(a.problem, a.style), a.style);
        EXPECT_EQ(bytes, picture::drawing::Encode(picture::drawing::DrawBoard(b.problem, b.style), b.style));
    }
    EXPECT_EQ(dealt, std::set<std::string>(groups.begin(), groups.end()));
}

TEST(BoardDrawing, MissingFontAndBadStyleAreNamed) {
    const puzzle::DoubleBoard board = puzzle::GenerateProblem(12, false, 1);
    try {
        picture::drawing::DrawBoard(board, {.fontFamily = "Mozel No Such Face"});
        FAIL() << "drawn without its font";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("font not installed: Mozel No Such Face"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(picture::drawing::FindFont("IPAGothic", true).emboldened);
    EXPECT_FALSE(picture::drawing::FindFont("DejaVu Sans", true).emboldened);
    EXPECT_THROW(picture::drawing::DrawBoard(board, {.cellPixels = 15}), std::invalid_argument);
    EXPECT_THROW(picture::drawing::DrawBoard(board, {.rotationDegrees = 10.5}), std::invalid_argument);
}

}  // namespace
