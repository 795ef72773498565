#include "picture/CellInk.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <opencv2/imgproc.hpp>
#include <opencv2/objdetect.hpp>

namespace picture {
namespace {

// Rows and columns at the cell's edge left out: the cell lines lie there.
constexpr int kMargin = 3;
constexpr int kSide = kCellSide - 2 * kMargin;

int Median(const cv::Mat& grey) {
    int histogram[256] = {};
    for (int y = 0; y < grey.rows; ++y)
        for (int x = 0; x < grey.cols; ++x) ++histogram[grey.at<uchar>(y, x)];
    int half = static_cast<int>(grey.total()) / 2;
    int sum = 0;
    int v = 0;
    while (v < 255 && (sum += histogram[v]) <= half) ++v;
    return v;
}

const cv::HOGDescriptor& Hog() {
    static const cv::HOGDescriptor hog(cv::Size(kInkSide, kInkSide), cv::Size(10, 10), cv::Size(5, 5), cv::Size(5, 5), 9);
    return hog;
}

}  // namespace

CellInk ReadInk(const cv::Mat& cell, float black, int diagonals, double cellPixels) {
    CellInk ink;
    cv::Mat crop = cell(cv::Rect(kMargin, kMargin, kSide, kSide));
    float white = static_cast<float>(Median(crop));
    // Ink is what is clearly darker than the paper: a faint or blurred digit still counts,
    // a light diagonal line does not. A digit much fainter than the lines (blurred from a
    // small picture) is cut at half its own depth instead.
    constexpr int kEdge = kCellSide / 5;
    cv::Mat middle;
    cv::blur(crop(cv::Rect(kEdge, kEdge, kSide - 2 * kEdge, kSide - 2 * kEdge)), middle, cv::Size(3, 3));
    double deepest = 0;
    cv::minMaxLoc(middle, &deepest);
    // A digit may be the darkest thing about, darker than the board's lines.
    black = std::min(black, static_cast<float>(deepest));
    if (white - black < 40.0F) return ink;
    float depth = white - static_cast<float>(deepest);
    float cut = 0.4F * (white - black);
    if (depth >= 0.25F * (white - black) && depth < 2 * cut) cut = depth / 2;
    auto threshold = static_cast<double>(white - cut);
    cv::Mat dark = crop < threshold;
    if (diagonals != 0) {
        // A diagonal line's pixels go where the ink across the line is no wider than a thin
        // line: a digit's stroke that crosses the line, or lies along it, is wider there. A
        // line of a small picture is wider once scaled up, and may lie further off.
        const int kThinLine = std::clamp(static_cast<int>(std::lround(2.0 * kCellSide / std::max(1.0, cellPixels))), 2, 5);
        const int kBand = kThinLine + 2;
        cv::Mat before = dark.clone();
        auto inkAt = [&](int x, int y) { return x >= 0 && y >= 0 && x < kSide && y < kSide && before.at<uchar>(y, x) != 0; };
        auto across = [&](int x, int y, int dx, int dy) {
            int run = 1;
            for (int t = 1; t <= kThinLine && inkAt(x + t * dx, y + t * dy); ++t) ++run;
            for (int t = 1; t <= kThinLine && inkAt(x - t * dx, y - t * dy); ++t) ++run;
            return run;
        };
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                if (!before.at<uchar>(y, x)) continue;
                bool onMain = (diagonals & kMainDiagonal) && std::abs(x - y) <= kBand;
                bool onOther = (diagonals & kOtherDiagonal) && std::abs(x + y + 2 * kMargin - (kCellSide - 1)) <= kBand;
                if ((onMain && across(x, y, 1, -1) <= kThinLine) || (onOther && across(x, y, 1, 1) <= kThinLine))
                    dark.at<uchar>(y, x) = 0;
            }
    }
    // Long straight runs near the edge are what is left of a cell line, even turned a little.
    {
        constexpr int kRun = kSide * 4 / 5;
        cv::Mat across;
        cv::Mat down;
        cv::morphologyEx(dark, across, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(kRun, 1)));
        cv::morphologyEx(dark, down, cv::MORPH_OPEN, cv::getStructuringElement(cv::MORPH_RECT, cv::Size(1, kRun)));
        // Only runs along the edge: a bold digit's side may be as long.
        across.rowRange(kEdge, kSide - kEdge) = 0;
        down.colRange(kEdge, kSide - kEdge) = 0;
        cv::Mat lines = across | down;
        cv::dilate(lines, lines, cv::Mat());
        dark.setTo(0, lines);
    }
    cv::Mat labels;
    cv::Mat stats;
    cv::Mat centroids;
    int count = cv::connectedComponentsWithStats(dark, labels, stats, centroids, 8, CV_32S);

    // Keep what is not a piece of a line: pieces touching the edge are kept only when large
    // and solid, as a big digit may touch it.
    std::vector<uchar> keep(static_cast<std::size_t>(count), 0);
    cv::Rect box;
    int area = 0;
    for (int i = 1; i < count; ++i) {
        int x = stats.at<int>(i, cv::CC_STAT_LEFT);
        int y = stats.at<int>(i, cv::CC_STAT_TOP);
        int w = stats.at<int>(i, cv::CC_STAT_WIDTH);
        int h = stats.at<int>(i, cv::CC_STAT_HEIGHT);
        int a = stats.at<int>(i, cv::CC_STAT_AREA);
        if (a < 4) continue;
        // Edges touched: a piece of a diagonal line reaches two.
        int edges = (x == 0) + (y == 0) + (x + w == kSide) + (y + h == kSide);
        // A cell line is left as a narrow piece along the side it lies on; a digit such as a
        // 1 may be as narrow across the other way.
        bool side = x == 0 || x + w == kSide;
        bool topOrBottom = y == 0 || y + h == kSide;
        if ((side && w * 4 <= kSide) || (topOrBottom && h * 4 <= kSide) || (edges >= 2 && a * 8 < w * h)) continue;
        // Specks far from the middle are no part of a digit.
        double cx = centroids.at<double>(i, 0) - kSide / 2.0;
        double cy = centroids.at<double>(i, 1) - kSide / 2.0;
        if (h * 4 < kSide && std::hypot(cx, cy) > kSide * 0.3) continue;
        keep[static_cast<std::size_t>(i)] = 1;
        box = box.area() ? (box | cv::Rect(x, y, w, h)) : cv::Rect(x, y, w, h);
        area += a;
    }
    constexpr int kMinHeight = kSide / 4;
    if (box.height < kMinHeight || area < 12) {
        ink.nearMark = std::min(1.0F, static_cast<float>(box.height) / kMinHeight);
        return ink;
    }
    ink.marked = true;

    // The kept ink, 0 (paper) .. 1 (ink), in its box.
    cv::Mat kept(kSide, kSide, CV_8U);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) kept.at<uchar>(y, x) = keep[static_cast<std::size_t>(labels.at<int>(y, x))];
    cv::dilate(kept, kept, cv::Mat());
    cv::Mat level(kSide, kSide, CV_32F);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            float v = (white - static_cast<float>(crop.at<uchar>(y, x))) / (white - black);
            level.at<float>(y, x) = kept.at<uchar>(y, x) ? std::clamp(v, 0.0F, 1.0F) : 0.0F;
        }

    // Scaled into the middle of an ink square, its longer side 16 of 20 pixels.
    cv::Mat square = cv::Mat::zeros(kInkSide, kInkSide, CV_32F);
    int longer = std::max(box.width, box.height);
    double f = 16.0 / longer;
    int w = std::max(1, static_cast<int>(std::lround(box.width * f)));
    int h = std::max(1, static_cast<int>(std::lround(box.height * f)));
    cv::Mat scaled;
    cv::resize(level(box), scaled, cv::Size(w, h), 0, 0, f < 1 ? cv::INTER_AREA : cv::INTER_LINEAR);
    scaled.copyTo(square(cv::Rect((kInkSide - w) / 2, (kInkSide - h) / 2, w, h)));

    cv::Mat square8;
    square.convertTo(square8, CV_8U, 255.0);
    std::vector<float> hog;
    Hog().compute(square8, hog);
    std::size_t n = 0;
    for (std::size_t i = 0; i < hog.size() && n < kHogFeatures; ++i) ink.features[n++] = hog[i];
    cv::Mat coarse;
    cv::resize(square, coarse, cv::Size(kCoarseSide, kCoarseSide), 0, 0, cv::INTER_AREA);
    for (int y = 0; y < kCoarseSide; ++y)
        for (int x = 0; x < kCoarseSide; ++x) ink.features[n++] = coarse.at<float>(y, x);
    double total = cv::sum(level(box))[0];
    ink.features[n++] = static_cast<float>(box.height) / kSide;
    ink.features[n++] = static_cast<float>(box.width) / kSide;
    ink.features[n++] = static_cast<float>(box.width) / static_cast<float>(box.height);
    ink.features[n++] = (static_cast<float>(box.x) + static_cast<float>(box.width) / 2) / kSide - 0.5F;
    ink.features[n++] = (static_cast<float>(box.y) + static_cast<float>(box.height) / 2) / kSide - 0.5F;
    ink.features[n++] = static_cast<float>(total / box.area());
    return ink;
}

}  // namespace picture
