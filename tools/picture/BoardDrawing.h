// Pictures of double boards as puzzles are printed, shown on web pages and photographed: the two
// grids with their lines and givens in a chosen font, then the distortions of a scan or a photo.
// They make the test set of the board reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <opencv2/core.hpp>

#include "puzzle/DoubleBoard.h"

namespace picture::drawing {

enum class LineStyle {
    Thin,   // hairline cell lines, box lines about twice as wide (a web page)
    Thick,  // cell lines of a pen's width, box and outer lines three times that (a puzzle book)
};

enum class Shading {
    None,
    SharedCells,     // the cells both grids share
    AlternateBoxes,  // every other 3x3 box of the board, as a chessboard
};

// How a board is drawn and distorted. Colours are OpenCV's BGR.
struct DrawStyle {
    std::string fontFamily = "IPAGothic";  // as fontconfig names it (fc-list : family)
    bool bold = false;                     // the bold face, or the regular one drawn thicker
    double digitHeight = 0.62;             // a digit's ink height as a share of the cell (0.4..0.85)
    cv::Scalar inkColour{0, 0, 0};

    int cellPixels = 40;  // 16..120
    LineStyle lines = LineStyle::Thick;
    cv::Scalar cellLineColour{0, 0, 0};
    cv::Scalar boxLineColour{0, 0, 0};  // box lines and each grid's outline
    cv::Scalar cellColour{255, 255, 255};
    Shading shading = Shading::None;
    cv::Scalar shadeColour{220, 220, 220};
    bool diagonals = false;  // each grid's two long diagonals as thin lines
    cv::Scalar diagonalColour{96, 96, 96};

    int margin = 24;  // pixels of page around the grids (0..400)
    cv::Scalar pageColour{255, 255, 255};
    std::string caption{};  // a title above the board, in the same font; empty for none

    // Distortions, in the order a camera or scanner makes them.
    double shadow = 0.0;           // 0..0.5: the page darkens by this share from one corner to the other
    double perspectiveX = 0.0;     // -0.2..0.2: the right edge this share taller than the left (negative: shorter)
    double perspectiveY = 0.0;     // -0.2..0.2: the bottom edge this share wider than the top
    double rotationDegrees = 0.0;  // -10..10, anticlockwise
    double blurSigma = 0.0;        // Gaussian blur, pixels (0..5)
    double noiseSigma = 0.0;       // Gaussian noise on each channel, grey levels (0..40)
    int jpegQuality = 0;           // 0: PNG; 10..100: JPEG at that quality (Encode)
    uint64_t seed = 0;             // the noise and the shadow's direction
};

// Throws std::invalid_argument naming the first field out of its range.
void CheckStyle(const DrawStyle& style);

// The line widths in pixels that the style gives cell lines and box lines (the grids' outlines
// are as wide as box lines).
int CellLineWidth(const DrawStyle& style);
int BoxLineWidth(const DrawStyle& style);

// The board drawn: both grids of the board's pattern with their lines and the givens centred in
// their cells, the diagonals of both grids when the style says so, then the distortions except
// the JPEG compression. CV_8UC3. Before distortion the picture spans only the rows and columns
// of the board that the two grids cover: board line k (0..15) of the first covered row or
// column lies at margin + k * cellPixels (plus the caption's band above the board, when there
// is a caption). A rotated or tilted picture grows to hold the whole page. The same board and
// style give the same picture. Throws std::invalid_argument for a style out of range or a board
// of no pattern, std::runtime_error when the font is not installed.
cv::Mat DrawBoard(const puzzle::DoubleBoard& board, const DrawStyle& style);

// Where the board's top-left corner lies in an undistorted picture of the style (the picture
// of DrawBoard before rotation and perspective): the caption's band is above it.
cv::Point BoardOrigin(const DrawStyle& style);

// The picture as a PNG, or as a JPEG at the style's quality.
std::vector<unsigned char> Encode(const cv::Mat& picture, const DrawStyle& style);

// "png" or "jpg", as Encode writes the style's pictures.
std::string FileExtension(const DrawStyle& style);

}  // namespace picture::drawing
