#include "picture/PictureReading.h"

#include <algorithm>
#include <variant>
#include <iterator>
#include <exception>
#include <new>
#include <vector>

#include <opencv2/imgproc.hpp>

#include "picture/BoardFinder.h"
#include "picture/CellInk.h"
#include "picture/DigitClassifier.h"
#include "picture/PictureFile.h"
#include "picture/PictureInput.h"

namespace picture {
namespace {

// Below this confidence a cell is doubtful. On the standard test set (396 pictures, 64,152
// grid cells; tools/picture/measure-test-set.sh prints the figures) 0.9 leaves 8 of 33 wrong
// cells unflagged and flags 502 right ones; 0.7 would leave 19 and flag 96, 0.99 leave 4 and
// flag 508.
constexpr float kDoubtful = 0.9F;

int Percentile(const cv::Mat& grey, double share) {
    int histogram[256] = {};
    for (int y = 0; y < grey.rows; ++y)
        for (const uchar* p = grey.ptr<uchar>(y), *end = p + grey.cols; p != end; ++p) ++histogram[*p];
    auto wanted = static_cast<long long>(static_cast<double>(grey.total()) * share);
    long long sum = 0;
    int v = 0;
    while (v < 255 && (sum += histogram[v]) <= wanted) ++v;
    return v;
}

// The board seen straight on, kCellSide pixels a cell, 15 x 15 cells.
cv::Mat Rectify(const cv::Mat& grey, const FoundBoard& found) {
    cv::Matx33d h = found.toPicture;
    const cv::Mat* source = &grey;
    cv::Mat smaller;
    // Large cells are first scaled down as a whole, so that the warp does not skip pixels.
    if (found.cellPixels > 2.0 * kCellSide) {
        double f = 1.5 * kCellSide / found.cellPixels;
        cv::resize(grey, smaller, cv::Size(), f, f, cv::INTER_AREA);
        h = cv::Matx33d(f, 0, 0, 0, f, 0, 0, 0, 1) * h;
        source = &smaller;
    }
    const double c = kCellSide;
    cv::Matx33d toBoard(1 / c, 0, 0.5 / c, 0, 1 / c, 0.5 / c, 0, 0, 1);
    cv::Mat board;
    cv::warpPerspective(*source, board, cv::Mat(h * toBoard), cv::Size(puzzle::kBoardSize * kCellSide, puzzle::kBoardSize * kCellSide),
                        cv::INTER_LINEAR | cv::WARP_INVERSE_MAP, cv::BORDER_REPLICATE);
    return board;
}

// Grey level at a point of the rectified board in cell units; the darkest of 3x3 when asked.
float At(const cv::Mat& board, double x, double y, bool darkest) {
    int px = std::clamp(static_cast<int>(x * kCellSide), 1, board.cols - 2);
    int py = std::clamp(static_cast<int>(y * kCellSide), 1, board.rows - 2);
    if (!darkest) return board.at<uchar>(py, px);
    uchar v = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) v = std::min(v, board.at<uchar>(py + dy, px + dx));
    return v;
}

// Whether both grids' long diagonals are drawn: the points a sixth of a cell in from the
// corners along the diagonals are darker than the other two corners' points of the cells.
bool DiagonalsDrawn(const cv::Mat& board, const puzzle::OverlapPattern& pattern) {
    std::vector<float> darker;
    for (int g = 1; g <= 2; ++g) {
        double r0 = pattern.rowOf(g) - 1;
        double c0 = pattern.columnOf(g) - 1;
        for (int i = 0; i < puzzle::kGridSize; ++i) {
            if (i == puzzle::kGridSize / 2) continue;  // both diagonals cross the middle cell
            constexpr double a = 1.0 / 6;
            constexpr double b = 1 - a;
            double y = r0 + i;
            double x = c0 + i;  // on the main diagonal
            float on = std::max(At(board, x + a, y + a, true), At(board, x + b, y + b, true));
            float off = std::min(At(board, x + b, y + a, false), At(board, x + a, y + b, false));
            darker.push_back(off - on);
            x = c0 + puzzle::kGridSize - 1 - i;  // on the other diagonal
            on = std::max(At(board, x + b, y + a, true), At(board, x + a, y + b, true));
            off = std::min(At(board, x + a, y + a, false), At(board, x + b, y + b, false));
            darker.push_back(off - on);
        }
    }
    // Most of the points must show it: a digit may lie over some.
    std::nth_element(darker.begin(), darker.begin() + static_cast<std::ptrdiff_t>(darker.size() / 4), darker.end());
    return darker[darker.size() / 4] >= 12.0F;
}

// The diagonal lines of either grid that cross board cell c.
int DiagonalsThrough(const puzzle::OverlapPattern& pattern, int c) {
    int lines = 0;
    for (int g = 1; g <= 2; ++g) {
        int k = puzzle::GridCellOf(pattern, g, c);
        if (k == 0) continue;
        if (puzzle::GridRow(k) == puzzle::GridColumn(k)) lines |= kMainDiagonal;
        if (puzzle::GridRow(k) + puzzle::GridColumn(k) == puzzle::kGridSize + 1) lines |= kOtherDiagonal;
    }
    return lines;
}

// Reads every cell of the pattern's grids.
void CellReading(const cv::Mat& board, double cellPixels, PictureReading& reading) {
    const puzzle::OverlapPattern& pattern = puzzle::Pattern(reading.board.pattern);
    auto black = static_cast<float>(Percentile(board, 0.01));
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        if (puzzle::CellCode(pattern, c) == 0) continue;
        cv::Rect box((puzzle::BoardColumn(c) - 1) * kCellSide, (puzzle::BoardRow(c) - 1) * kCellSide, kCellSide, kCellSide);
        CellInk ink = ReadInk(board(box), black, reading.board.diagonal ? DiagonalsThrough(pattern, c) : 0, cellPixels);
        CellRead& read = reading.cells[static_cast<std::size_t>(c)];
        if (!ink.marked) {
            read.digit = 0;
            read.confidence = 1.0F - 0.5F * ink.nearMark;
        } else {
            Chances chances = Classify(DigitModel(), ink.features);
            auto top = std::max_element(chances.begin(), chances.end());
            read.digit = static_cast<int>(top - chances.begin());
            read.confidence = *top;
            // A mark read as no digit may be a digit that lost strokes to a diagonal line it
            // lies along: the cell is worth a look.
            if (read.digit == 0) read.confidence = std::min(read.confidence, kDoubtful - 0.05F);
        }
        read.doubtful = read.confidence < kDoubtful;
        reading.board.digits[static_cast<std::size_t>(c)] = static_cast<uint8_t>(read.digit);
    }
}

}  // namespace

std::vector<int> PictureReading::doubtfulCells() const {
    std::vector<int> list;
    for (int c = 1; c <= puzzle::kBoardCells; ++c)
        if (cells[static_cast<std::size_t>(c)].doubtful) list.push_back(c);
    return list;
}

PictureReading ReadPicture(std::span<const unsigned char> encoded) {
    PictureReading reading;
    try {
        cv::Mat grey = DecodeGrey(encoded, reading.message);
        if (grey.empty()) return reading;
        FoundBoard found;
        if (!FindBoard(grey, found, reading.message)) return reading;
        cv::Mat board = Rectify(grey, found);
        reading.board.pattern = found.pattern;
        reading.board.diagonal = DiagonalsDrawn(board, puzzle::Pattern(found.pattern));
        CellReading(board, found.cellPixels, reading);
        reading.found = true;
    } catch (const cv::Exception&) {
        reading = {};
        reading.message = "画像を読めません（処理できない画像です）";
    } catch (const std::bad_alloc&) {
        reading = {};
        reading.message = "画像を読めません（メモリが足りません）";
    } catch (const std::exception&) {
        reading = {};
        reading.message = "画像を読めません（処理できない画像です）";
    }
    return reading;
}

PictureReading ReadPictureFile(const std::string& path) {
    auto bytes = ReadPictureBytes(path);
    if (auto* read = std::get_if<std::vector<unsigned char>>(&bytes)) return ReadPicture(*read);
    PictureReading reading;
    reading.message = std::get<std::string>(bytes);
    return reading;
}

}  // namespace picture
