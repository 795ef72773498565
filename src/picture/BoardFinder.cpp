#include "picture/BoardFinder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

#include <opencv2/calib3d.hpp>
#include <opencv2/imgproc.hpp>

#include "puzzle/OverlapPatterns.h"

namespace picture {
namespace {

// A board shape to look for: its grids' top-left corners (0-based row, column) and its outline
// in board coordinates, in the order findContours walks an outline.
struct Shape {
    int pattern = kLoneGrid;
    std::vector<cv::Point> grids;  // x = column, y = row of each grid's top-left cell
    std::vector<cv::Point2f> outline;
};

double SignedArea(const std::vector<cv::Point2f>& p) {
    double a = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const cv::Point2f& u = p[i];
        const cv::Point2f& v = p[(i + 1) % p.size()];
        a += static_cast<double>(u.x) * v.y - static_cast<double>(v.x) * u.y;
    }
    return a / 2;
}

// The outline of the union of the shape's grids, traced on a small mask the way the picture's
// outline is traced, with corners rounded to whole cells and straight runs merged.
std::vector<cv::Point2f> Outline(const std::vector<cv::Point>& grids) {
    constexpr int kScale = 8;
    constexpr int kPad = 2;
    cv::Mat mask = cv::Mat::zeros(puzzle::kBoardSize * kScale + 2 * kPad, puzzle::kBoardSize * kScale + 2 * kPad, CV_8U);
    for (const cv::Point& g : grids)
        mask(cv::Rect(kPad + g.x * kScale, kPad + g.y * kScale, puzzle::kGridSize * kScale, puzzle::kGridSize * kScale)) = 255;
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(mask, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    std::vector<cv::Point2f> corners;
    for (const cv::Point& p : contours.at(0)) {
        cv::Point2f c(std::round(static_cast<float>(p.x - kPad) / kScale), std::round(static_cast<float>(p.y - kPad) / kScale));
        if (corners.empty() || corners.back() != c) corners.push_back(c);
    }
    while (corners.size() > 1 && corners.front() == corners.back()) corners.pop_back();
    // Drop corners on a straight run.
    for (bool changed = true; changed;) {
        changed = false;
        for (std::size_t i = 0; i < corners.size() && corners.size() > 3; ++i) {
            const cv::Point2f& a = corners[(i + corners.size() - 1) % corners.size()];
            const cv::Point2f& b = corners[i];
            const cv::Point2f& c = corners[(i + 1) % corners.size()];
            if ((b - a).cross(c - b) == 0.0F) {
                corners.erase(corners.begin() + static_cast<std::ptrdiff_t>(i));
                changed = true;
                break;
            }
        }
    }
    return corners;
}

const std::vector<Shape>& Shapes() {
    static const std::vector<Shape> shapes = [] {
        std::vector<Shape> all;
        Shape lone{.pattern = kLoneGrid, .grids = {{0, 0}}, .outline = {}};
        lone.outline = Outline(lone.grids);
        all.push_back(lone);
        for (int p = 1; p <= puzzle::kPatternCount; ++p) {
            const puzzle::OverlapPattern& o = puzzle::Pattern(p);
            Shape s{.pattern = p, .grids = {{o.grid1Column - 1, o.grid1Row - 1}, {o.grid2Column - 1, o.grid2Row - 1}}, .outline = {}};
            s.outline = Outline(s.grids);
            all.push_back(s);
        }
        return all;
    }();
    return shapes;
}

cv::Point2f Map(const cv::Matx33d& h, double x, double y) {
    cv::Vec3d v = h * cv::Vec3d(x, y, 1.0);
    return {static_cast<float>(v[0] / v[2]), static_cast<float>(v[1] / v[2])};
}

// Grey value at a picture point, bilinear; -1 outside the picture.
float Sample(const cv::Mat& grey, cv::Point2f p) {
    if (!(p.x >= 0 && p.y >= 0 && p.x < static_cast<float>(grey.cols - 1) && p.y < static_cast<float>(grey.rows - 1))) return -1.0F;
    int x = static_cast<int>(p.x);
    int y = static_cast<int>(p.y);
    float fx = p.x - static_cast<float>(x);
    float fy = p.y - static_cast<float>(y);
    const uchar* r0 = grey.ptr<uchar>(y) + x;
    const uchar* r1 = grey.ptr<uchar>(y + 1) + x;
    return (1 - fy) * ((1 - fx) * r0[0] + fx * r0[1]) + fy * ((1 - fx) * r1[0] + fx * r1[1]);
}

// The middle of every cell side of every grid of the shape, with the direction across the line
// there: (point, true) for a vertical line, (point, false) for a horizontal one.
std::vector<std::pair<cv::Point2f, bool>> LinePoints(const Shape& s) {
    std::vector<std::pair<cv::Point2f, bool>> points;
    for (const cv::Point& g : s.grids)
        for (int k = 0; k <= puzzle::kGridSize; ++k)
            for (int j = 0; j < puzzle::kGridSize; ++j) {
                points.push_back({{static_cast<float>(g.x + k), static_cast<float>(g.y) + j + 0.5F}, true});
                points.push_back({{static_cast<float>(g.x) + j + 0.5F, static_cast<float>(g.y + k)}, false});
            }
    return points;
}

struct Pictures {
    cv::Mat grey;     // lightly smoothed
    cv::Mat darkest;  // the darkest value around each pixel (3x3), so that a thin line is hit
    float black = 0;  // the ink's grey level
};

// Share of the shape's line points where the picture shows a line: darker than the points a
// quarter cell to either side (a hairline of light grey counts).
double LatticeShare(const Pictures& pics, const cv::Matx33d& h, const Shape& s) {
    int shown = 0;
    int total = 0;
    for (const auto& [p, vertical] : LinePoints(s)) {
        cv::Point2f d = vertical ? cv::Point2f(0.25F, 0) : cv::Point2f(0, 0.25F);
        ++total;
        float on = Sample(pics.darkest, Map(h, p.x, p.y));
        float a = Sample(pics.grey, Map(h, p.x - d.x, p.y - d.y));
        float b = Sample(pics.grey, Map(h, p.x + d.x, p.y + d.y));
        if (on < 0 || a < 0 || b < 0) continue;
        float off = std::min(a, b);
        if (on <= off - std::max(12.0F, 0.15F * (off - pics.black))) ++shown;
    }
    return total ? static_cast<double>(shown) / total : 0.0;
}

double CellPixels(const cv::Matx33d& h, const Shape& s) {
    cv::Point2f c(static_cast<float>(s.grids[0].x) + 4.5F, static_cast<float>(s.grids[0].y) + 4.5F);
    cv::Point2f a = Map(h, c.x - 0.5, c.y);
    cv::Point2f b = Map(h, c.x + 0.5, c.y);
    cv::Point2f u = Map(h, c.x, c.y - 0.5);
    cv::Point2f v = Map(h, c.x, c.y + 0.5);
    return (cv::norm(b - a) + cv::norm(v - u)) / 2;
}

// Turned at most this much from upright, and not mirrored.
bool NearUpright(const cv::Matx33d& h, const Shape& s) {
    constexpr double kMaxTurn = 16.0 * std::numbers::pi / 180.0;
    cv::Point2f c(static_cast<float>(s.grids[0].x) + 4.5F, static_cast<float>(s.grids[0].y) + 4.5F);
    cv::Point2f o = Map(h, c.x, c.y);
    cv::Point2f right = Map(h, c.x + 1, c.y) - o;
    cv::Point2f down = Map(h, c.x, c.y + 1) - o;
    if (right.cross(down) <= 0) return false;
    return std::abs(std::atan2(right.y, right.x)) <= kMaxTurn && std::abs(std::atan2(-down.x, down.y)) <= kMaxTurn;
}

// Moves the fit onto the lines: at each line point the darkest place across the line within a
// third of a cell is taken as the line's middle, and the homography is fitted again to those.
bool Refine(const Pictures& pics, cv::Matx33d& h, const Shape& s) {
    double cell = CellPixels(h, s);
    std::vector<cv::Point2f> from;
    std::vector<cv::Point2f> to;
    for (const auto& [p, vertical] : LinePoints(s)) {
        cv::Point2f d = vertical ? cv::Point2f(0.5F, 0) : cv::Point2f(0, 0.5F);
        cv::Point2f centre = Map(h, p.x, p.y);
        cv::Point2f across = Map(h, p.x + d.x, p.y + d.y) - Map(h, p.x - d.x, p.y - d.y);
        double length = cv::norm(across);
        if (length < 1) continue;
        across *= static_cast<float>(1.0 / length);
        int reach = static_cast<int>(std::ceil(cell / 3));
        float best = 1e9F;
        float bestAt = 0;
        float edge = 0;
        for (int t = -reach; t <= reach; ++t) {
            float v = Sample(pics.grey, centre + across * static_cast<float>(t));
            if (v < 0) {
                best = 1e9F;
                break;
            }
            if (t == -reach || t == reach) edge = std::max(edge, v);
            if (v < best) {
                best = v;
                bestAt = static_cast<float>(t);
            }
        }
        if (best > edge - 15.0F) continue;
        from.push_back(p);
        to.push_back(centre + across * bestAt);
    }
    if (from.size() < 40) return false;
    cv::Mat inliers;
    cv::Mat fitted = cv::findHomography(from, to, cv::RANSAC, std::max(1.0, 0.12 * cell), inliers, 2000, 0.995);
    if (fitted.empty() || cv::countNonZero(inliers) < static_cast<int>(from.size()) / 2) return false;
    h = cv::Matx33d(fitted);
    return true;
}

// The outline's corner polygons worth trying: those with a corner count some shape has.
std::vector<std::vector<cv::Point2f>> Polygons(const std::vector<cv::Point>& contour) {
    std::vector<std::vector<cv::Point2f>> polygons;
    double perimeter = cv::arcLength(contour, true);
    for (double f : {0.006, 0.01, 0.015, 0.02, 0.03, 0.045}) {
        std::vector<cv::Point> poly;
        cv::approxPolyDP(contour, poly, f * perimeter, true);
        if (poly.size() != 4 && poly.size() != 8) continue;
        std::vector<cv::Point2f> p(poly.begin(), poly.end());
        bool seen = false;
        for (const auto& q : polygons) seen = seen || q.size() == p.size();
        if (!seen) polygons.push_back(p);
    }
    return polygons;
}

}  // namespace

cv::Point2f ToPicture(const cv::Matx33d& h, cv::Point2f board) { return Map(h, board.x, board.y); }

bool FindBoard(const cv::Mat& grey, FoundBoard& found, std::string& message) {
    Pictures pics;
    cv::GaussianBlur(grey, pics.grey, cv::Size(3, 3), 0);
    cv::erode(grey, pics.darkest, cv::Mat());
    {
        // The ink's level: the darkest 1 % of the picture.
        int histogram[256] = {};
        for (int y = 0; y < pics.grey.rows; ++y)
            for (const uchar* p = pics.grey.ptr<uchar>(y), *end = p + pics.grey.cols; p != end; ++p) ++histogram[*p];
        long long wanted = static_cast<long long>(pics.grey.total()) / 100;
        long long sum = 0;
        int level = 0;
        while (level < 255 && (sum += histogram[level]) < wanted) ++level;
        pics.black = static_cast<float>(level);
    }

    cv::Mat lines;
    int block = std::max(15, std::min(grey.cols, grey.rows) / 40) | 1;
    cv::adaptiveThreshold(pics.grey, lines, 255, cv::ADAPTIVE_THRESH_MEAN_C, cv::THRESH_BINARY_INV, block, 8);
    cv::Mat labels;
    cv::Mat stats;
    cv::Mat centroids;
    int count = cv::connectedComponentsWithStats(lines, labels, stats, centroids, 8, CV_32S);

    // The largest pieces by extent, the board's lines among them.
    std::vector<int> pieces;
    for (int i = 1; i < count; ++i)
        if (stats.at<int>(i, cv::CC_STAT_WIDTH) >= 60 && stats.at<int>(i, cv::CC_STAT_HEIGHT) >= 60) pieces.push_back(i);
    auto extent = [&](int i) { return static_cast<long long>(stats.at<int>(i, cv::CC_STAT_WIDTH)) * stats.at<int>(i, cv::CC_STAT_HEIGHT); };
    std::sort(pieces.begin(), pieces.end(), [&](int a, int b) { return extent(a) > extent(b); });
    if (pieces.size() > 3) pieces.resize(3);

    bool any = false;
    FoundBoard best;
    for (int piece : pieces) {
        cv::Rect box(stats.at<int>(piece, cv::CC_STAT_LEFT), stats.at<int>(piece, cv::CC_STAT_TOP),
                     stats.at<int>(piece, cv::CC_STAT_WIDTH), stats.at<int>(piece, cv::CC_STAT_HEIGHT));
        cv::Mat mask = labels(box) == piece;
        std::vector<std::vector<cv::Point>> contours;
        cv::findContours(mask, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE, box.tl());
        if (contours.empty()) continue;
        auto largest = std::max_element(contours.begin(), contours.end(), [](const auto& a, const auto& b) {
            return cv::contourArea(a) < cv::contourArea(b);
        });
        for (std::vector<cv::Point2f> polygon : Polygons(*largest)) {
            double area = std::abs(SignedArea(polygon));
            for (const Shape& shape : Shapes()) {
                if (shape.outline.size() != polygon.size()) continue;
                std::vector<cv::Point2f> corners = polygon;
                if ((SignedArea(corners) > 0) != (SignedArea(shape.outline) > 0)) std::reverse(corners.begin(), corners.end());
                double cell = std::sqrt(area / std::abs(SignedArea(shape.outline)));
                for (std::size_t shift = 0; shift < corners.size(); ++shift) {
                    std::vector<cv::Point2f> to(corners.size());
                    for (std::size_t i = 0; i < corners.size(); ++i) to[i] = corners[(i + shift) % corners.size()];
                    cv::Mat fitted = cv::findHomography(shape.outline, to, 0);
                    if (fitted.empty()) continue;
                    cv::Matx33d h(fitted);
                    double worst = 0;
                    for (std::size_t i = 0; i < to.size(); ++i)
                        worst = std::max(worst, cv::norm(Map(h, shape.outline[i].x, shape.outline[i].y) - to[i]));
                    if (worst > 0.4 * cell || !NearUpright(h, shape)) continue;
                    for (int pass = 0; pass < 2; ++pass) {
                        cv::Matx33d refined = h;
                        if (!Refine(pics, refined, shape) || !NearUpright(refined, shape)) break;
                        h = refined;
                    }
                    double share = LatticeShare(pics, h, shape);
                    if (!any || share > best.lattice) {
                        any = true;
                        best = {.pattern = shape.pattern, .toPicture = h, .lattice = share, .cellPixels = CellPixels(h, shape)};
                    }
                }
            }
        }
    }
    constexpr double kMinShare = 0.6;
    if (!any || best.lattice < kMinShare) {
        message = "ダブルの盤が見つかりません";
        return false;
    }
    if (best.pattern == kLoneGrid) {
        message = "9x9 の盤が1つしか見つかりません（ダブルの盤ではありません）";
        return false;
    }
    found = best;
    return true;
}

}  // namespace picture
