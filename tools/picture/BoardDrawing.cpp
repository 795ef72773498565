#include "BoardDrawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <mutex>
#include <stdexcept>
#include <utility>

#include <opencv2/freetype.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include "FontFiles.h"
#include "puzzle/OverlapPatterns.h"

namespace picture::drawing {
namespace {

void Require(bool ok, const char* field, const char* range) {
    if (!ok) throw std::invalid_argument(std::string("DrawStyle.") + field + " out of range " + range);
}

struct LoadedFont {
    cv::Ptr<cv::freetype::FreeType2> face;
    bool emboldened = false;
};

// Loading a face costs more than drawing a board, so each one is loaded once per process.
const LoadedFont& Font(const std::string& family, bool bold) {
    static std::mutex mutex;
    static std::map<std::pair<std::string, bool>, LoadedFont> fonts;
    std::lock_guard lock(mutex);
    auto key = std::make_pair(family, bold);
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    FontFile file = FindFont(family, bold);
    LoadedFont font{.face = cv::freetype::createFreeType2(), .emboldened = file.emboldened};
    font.face->loadFontData(file.path, file.index);
    return fonts.emplace(key, std::move(font)).first->second;
}

// The digits 1..9 of the font as ink masks (CV_8U, 255 full ink) whose ink is ink pixels
// high. Each mask is cropped to its digit's ink across and to the common band of all digits
// from top to bottom, so that digits centred in their cells stand on one baseline, as printed.
std::array<cv::Mat, 10> DigitMasks(const LoadedFont& font, int ink) {
    // An emboldened face is drawn four times larger, thickened and scaled down, so that the
    // thickening need not be whole pixels.
    const int scale = font.emboldened ? 4 : 1;
    auto render = [&font](int em, int thicken) {
        const int size = em * 3;
        std::array<cv::Mat, 10> glyphs;
        cv::Rect band;
        for (int d = 1; d <= 9; ++d) {
            cv::Mat canvas(size, size, CV_8UC3, cv::Scalar::all(0));
            // The point is the top-left corner of the em box (bottomLeftOrigin false).
            font.face->putText(canvas, std::string(1, static_cast<char>('0' + d)), cv::Point(em / 2, em / 2), em,
                               cv::Scalar::all(255), -1, cv::LINE_AA, false);
            cv::Mat grey;
            cv::cvtColor(canvas, grey, cv::COLOR_BGR2GRAY);
            if (thicken > 0)
                cv::dilate(grey, grey,
                           cv::getStructuringElement(cv::MORPH_ELLIPSE, cv::Size(2 * thicken + 1, 2 * thicken + 1)));
            cv::Rect box = cv::boundingRect(grey);
            if (box.empty()) throw std::runtime_error("the font draws no digit " + std::to_string(d));
            band = band.empty() ? box : (band | box);
            glyphs[static_cast<size_t>(d)] = grey;
        }
        for (int d = 1; d <= 9; ++d) {
            cv::Mat& glyph = glyphs[static_cast<size_t>(d)];
            cv::Rect box = cv::boundingRect(glyph);
            glyph = glyph(cv::Rect(box.x, band.y, box.width, band.height)).clone();
        }
        return glyphs;
    };
    // The em that gives the wanted ink height follows from one drawing at a known em.
    constexpr int kReferenceEm = 200;
    const int referenceThicken = font.emboldened ? kReferenceEm / 30 : 0;
    const int referenceInk = render(kReferenceEm, referenceThicken)[1].rows;
    const int em = std::max(4, static_cast<int>(std::lround(double(ink * scale) * kReferenceEm / referenceInk)));
    std::array<cv::Mat, 10> masks = render(em, font.emboldened ? std::max(1, em / 30) : 0);
    if (scale > 1)
        for (int d = 1; d <= 9; ++d) {
            cv::Mat& mask = masks[static_cast<size_t>(d)];
            cv::resize(mask, mask, cv::Size(std::max(1, mask.cols / scale), std::max(1, mask.rows / scale)), 0, 0,
                       cv::INTER_AREA);
        }
    return masks;
}

// Lays ink through the mask onto the picture, the mask's centre at centre.
void Stamp(cv::Mat& picture, const cv::Mat& mask, cv::Point2d centre, const cv::Scalar& ink) {
    const int left = static_cast<int>(std::lround(centre.x - mask.cols / 2.0));
    const int top = static_cast<int>(std::lround(centre.y - mask.rows / 2.0));
    for (int y = 0; y < mask.rows; ++y) {
        const int py = top + y;
        if (py < 0 || py >= picture.rows) continue;
        for (int x = 0; x < mask.cols; ++x) {
            const int px = left + x;
            if (px < 0 || px >= picture.cols) continue;
            const double a = mask.at<uint8_t>(y, x) / 255.0;
            if (a == 0) continue;
            auto& pixel = picture.at<cv::Vec3b>(py, px);
            for (int c = 0; c < 3; ++c)
                pixel[c] = cv::saturate_cast<uint8_t>(pixel[c] * (1 - a) + ink[c] * a);
        }
    }
}

// The band above the board that a caption takes, in pixels.
int CaptionEm(const DrawStyle& style) { return std::clamp(style.cellPixels * 3 / 5, 14, 40); }
int CaptionBand(const DrawStyle& style) { return style.caption.empty() ? 0 : CaptionEm(style) * 2; }

// The board rows and columns the two grids cover: first row, row count, first column, count.
struct Covered {
    int row = 1, rows = 0, column = 1, columns = 0;
};
Covered CoveredPart(const puzzle::OverlapPattern& p) {
    Covered c;
    c.row = std::min(p.grid1Row, p.grid2Row);
    c.rows = std::max(p.grid1Row, p.grid2Row) + puzzle::kGridSize - c.row;
    c.column = std::min(p.grid1Column, p.grid2Column);
    c.columns = std::max(p.grid1Column, p.grid2Column) + puzzle::kGridSize - c.column;
    return c;
}

// Fills a line of the given width centred on the pixel boundary at `at`, across from..to.
void Line(cv::Mat& picture, bool horizontal, int at, int from, int to, int width, const cv::Scalar& colour) {
    const int start = at - width / 2;
    cv::Rect r = horizontal ? cv::Rect(from, start, to - from, width) : cv::Rect(start, from, width, to - from);
    cv::rectangle(picture, r & cv::Rect(0, 0, picture.cols, picture.rows), colour, cv::FILLED);
}

void Darken(cv::Mat& picture, double shadow, uint64_t seed) {
    // The darkest corner is the seed's; the page darkens linearly towards it.
    const bool right = (seed & 1) != 0, bottom = (seed & 2) != 0;
    const double w = std::max(1, picture.cols - 1), h = std::max(1, picture.rows - 1);
    for (int y = 0; y < picture.rows; ++y) {
        const double ty = bottom ? y / h : 1 - y / h;
        for (int x = 0; x < picture.cols; ++x) {
            const double tx = right ? x / w : 1 - x / w;
            const double f = 1 - shadow * (tx + ty) / 2;
            auto& pixel = picture.at<cv::Vec3b>(y, x);
            for (int c = 0; c < 3; ++c) pixel[c] = cv::saturate_cast<uint8_t>(pixel[c] * f);
        }
    }
}

// Tilts the page as seen by a camera a little off its axis, then turns it; the picture grows to
// hold the whole page and the page colour fills the corners.
cv::Mat Warp(const cv::Mat& page, const DrawStyle& style) {
    const double w = page.cols, h = page.rows;
    const std::array<cv::Point2f, 4> from{{{0, 0}, {float(w), 0}, {float(w), float(h)}, {0, float(h)}}};
    const double angle = -style.rotationDegrees * CV_PI / 180;  // y grows downwards
    std::array<cv::Point2f, 4> to;
    for (size_t i = 0; i < 4; ++i) {
        const double dx = from[i].x - w / 2, dy = from[i].y - h / 2;
        const double x = dx * (1 + style.perspectiveY / 2 * (dy > 0 ? 1 : -1));
        const double y = dy * (1 + style.perspectiveX / 2 * (dx > 0 ? 1 : -1));
        to[i] = cv::Point2f(float(x * std::cos(angle) - y * std::sin(angle)),
                            float(x * std::sin(angle) + y * std::cos(angle)));
    }
    float minX = to[0].x, minY = to[0].y, maxX = to[0].x, maxY = to[0].y;
    for (const auto& p : to) {
        minX = std::min(minX, p.x), minY = std::min(minY, p.y);
        maxX = std::max(maxX, p.x), maxY = std::max(maxY, p.y);
    }
    for (auto& p : to) p -= cv::Point2f(minX, minY);
    const cv::Mat transform = cv::getPerspectiveTransform(from.data(), to.data());
    cv::Mat warped;
    cv::warpPerspective(page, warped, transform,
                        cv::Size(int(std::ceil(maxX - minX)), int(std::ceil(maxY - minY))), cv::INTER_LINEAR,
                        cv::BORDER_CONSTANT, style.pageColour);
    return warped;
}

}  // namespace

void CheckStyle(const DrawStyle& s) {
    Require(s.cellPixels >= 16 && s.cellPixels <= 120, "cellPixels", "16..120");
    Require(s.digitHeight >= 0.4 && s.digitHeight <= 0.85, "digitHeight", "0.4..0.85");
    Require(s.margin >= 0 && s.margin <= 400, "margin", "0..400");
    Require(s.shadow >= 0 && s.shadow <= 0.5, "shadow", "0..0.5");
    Require(std::abs(s.perspectiveX) <= 0.2, "perspectiveX", "-0.2..0.2");
    Require(std::abs(s.perspectiveY) <= 0.2, "perspectiveY", "-0.2..0.2");
    Require(std::abs(s.rotationDegrees) <= 10, "rotationDegrees", "-10..10");
    Require(s.blurSigma >= 0 && s.blurSigma <= 5, "blurSigma", "0..5");
    Require(s.noiseSigma >= 0 && s.noiseSigma <= 40, "noiseSigma", "0..40");
    Require(s.jpegQuality == 0 || (s.jpegQuality >= 10 && s.jpegQuality <= 100), "jpegQuality", "0 or 10..100");
}

int CellLineWidth(const DrawStyle& style) {
    return style.lines == LineStyle::Thin ? 1 : std::max(1, (style.cellPixels + 20) / 40);
}

int BoxLineWidth(const DrawStyle& style) {
    return style.lines == LineStyle::Thin ? std::max(2, style.cellPixels / 24) : 3 * CellLineWidth(style);
}

cv::Point BoardOrigin(const DrawStyle& style) { return {style.margin, style.margin + CaptionBand(style)}; }

cv::Mat DrawBoard(const puzzle::DoubleBoard& board, const DrawStyle& style) {
    CheckStyle(style);
    if (!puzzle::IsPattern(board.pattern))
        throw std::invalid_argument("no overlap pattern " + std::to_string(board.pattern));
    const puzzle::OverlapPattern& pattern = puzzle::Pattern(board.pattern);
    const LoadedFont& font = Font(style.fontFamily, style.bold);

    const int cell = style.cellPixels;
    const Covered covered = CoveredPart(pattern);
    const cv::Point origin = BoardOrigin(style);
    cv::Mat page(origin.y + covered.rows * cell + style.margin, 2 * style.margin + covered.columns * cell, CV_8UC3,
                 style.pageColour);
    // The pixel position of the boundary before board row or column n (1..16).
    auto x = [&](int column) { return origin.x + (column - covered.column) * cell; };
    auto y = [&](int row) { return origin.y + (row - covered.row) * cell; };

    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        const int code = puzzle::CellCode(pattern, c);
        if (code == 0) continue;
        const int row = puzzle::BoardRow(c), column = puzzle::BoardColumn(c);
        const bool shaded = (style.shading == Shading::SharedCells && code == 3) ||
                            (style.shading == Shading::AlternateBoxes && ((row - 1) / 3 + (column - 1) / 3) % 2 == 1);
        cv::rectangle(page, cv::Rect(x(column), y(row), cell, cell), shaded ? style.shadeColour : style.cellColour,
                      cv::FILLED);
    }
    const int cellWidth = CellLineWidth(style), boxWidth = BoxLineWidth(style);
    for (int g = 1; style.diagonals && g <= 2; ++g) {
        const cv::Point corner(x(pattern.columnOf(g)), y(pattern.rowOf(g)));
        const int side = puzzle::kGridSize * cell;
        cv::line(page, corner, corner + cv::Point(side, side), style.diagonalColour, cellWidth, cv::LINE_AA);
        cv::line(page, corner + cv::Point(side, 0), corner + cv::Point(0, side), style.diagonalColour, cellWidth,
                 cv::LINE_AA);
    }
    // Cell lines first, so that the box lines of either grid lie on top of them.
    for (bool boxes : {false, true})
        for (int g = 1; g <= 2; ++g) {
            const int top = y(pattern.rowOf(g)), left = x(pattern.columnOf(g));
            const int bottom = top + puzzle::kGridSize * cell, right = left + puzzle::kGridSize * cell;
            const int reach = boxWidth / 2, extra = boxWidth - boxWidth / 2;  // the outline's corners closed
            for (int k = 0; k <= puzzle::kGridSize; ++k) {
                if ((k % 3 == 0) != boxes) continue;
                const int width = boxes ? boxWidth : cellWidth;
                const cv::Scalar& colour = boxes ? style.boxLineColour : style.cellLineColour;
                Line(page, true, top + k * cell, left - reach, right + extra, width, colour);
                Line(page, false, left + k * cell, top - reach, bottom + extra, width, colour);
            }
        }

    const int ink = std::max(5, static_cast<int>(std::lround(style.digitHeight * cell)));
    const std::array<cv::Mat, 10> masks = DigitMasks(font, ink);
    for (int c = 1; c <= puzzle::kBoardCells; ++c) {
        const int d = board.digits[static_cast<size_t>(c)];
        if (d == 0 || puzzle::CellCode(pattern, c) == 0) continue;
        const cv::Point2d centre(x(puzzle::BoardColumn(c)) + cell / 2.0, y(puzzle::BoardRow(c)) + cell / 2.0);
        Stamp(page, masks[static_cast<size_t>(d)], centre, style.inkColour);
    }
    if (!style.caption.empty())
        font.face->putText(page, style.caption, cv::Point(origin.x, style.margin + CaptionEm(style) * 3 / 10),
                           CaptionEm(style), style.inkColour, -1, cv::LINE_AA, false);

    if (style.shadow > 0) Darken(page, style.shadow, style.seed);
    cv::Mat picture =
        (style.rotationDegrees != 0 || style.perspectiveX != 0 || style.perspectiveY != 0) ? Warp(page, style) : page;
    if (style.blurSigma > 0) cv::GaussianBlur(picture, picture, cv::Size(0, 0), style.blurSigma);
    if (style.noiseSigma > 0) {
        cv::Mat noisy, noise(picture.size(), CV_32FC3);
        cv::RNG rng(style.seed * 0x9E3779B97F4A7C15ULL + 1);
        rng.fill(noise, cv::RNG::NORMAL, 0.0, style.noiseSigma);
        picture.convertTo(noisy, CV_32FC3);
        noisy += noise;
        noisy.convertTo(picture, CV_8UC3);
    }
    return picture;
}

std::vector<unsigned char> Encode(const cv::Mat& picture, const DrawStyle& style) {
    std::vector<unsigned char> bytes;
    const bool ok = style.jpegQuality > 0
                        ? cv::imencode(".jpg", picture, bytes, {cv::IMWRITE_JPEG_QUALITY, style.jpegQuality})
                        : cv::imencode(".png", picture, bytes);
    if (!ok) throw std::runtime_error("OpenCV could not encode the picture");
    return bytes;
}

std::string FileExtension(const DrawStyle& style) { return style.jpegQuality > 0 ? "jpg" : "png"; }

}  // namespace picture::drawing
