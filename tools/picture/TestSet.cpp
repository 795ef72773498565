#include "TestSet.h"

#include <random>

#include "puzzle/Generator.h"
#include "puzzle/OverlapPatterns.h"
#include "puzzle/Random.h"

namespace picture::drawing {
namespace {

// Draws that come out the same with every standard library (puzzle/Random.h).
class Draws {
public:
    explicit Draws(uint64_t seed) : rng_(seed) {}
    uint64_t next() { return rng_(); }
    int between(int low, int high) { return low + static_cast<int>(puzzle::Below(rng_, uint64_t(high - low + 1))); }
    double uniform(double low, double high) { return low + (high - low) * double(rng_() >> 11) * 0x1.0p-53; }
    double eitherWay(double low, double high) { return chance(0.5) ? uniform(low, high) : -uniform(low, high); }
    bool chance(double p) { return uniform(0, 1) < p; }
    cv::Scalar grey(int low, int high) { return cv::Scalar::all(between(low, high)); }
    // A light tint: one channel near white, the others lower by up to `depth`.
    cv::Scalar tint(int depth) {
        cv::Scalar colour;
        for (int c = 0; c < 3; ++c) colour[c] = 255 - between(0, depth);
        colour[between(0, 2)] = 255 - between(0, 8);
        return colour;
    }

private:
    std::mt19937_64 rng_;
};

// Darker inks a web page or a coloured book prints in (BGR): navy, dark blue, brown, dark green.
cv::Scalar DarkColour(Draws& draws) {
    static const cv::Scalar kColours[] = {{90, 30, 0}, {150, 60, 20}, {20, 50, 90}, {40, 80, 20}, {60, 60, 60}};
    return kColours[draws.between(0, 4)];
}

std::string Caption(const TestFont& font, int number, Draws& draws) {
    if (!font.japanese) return "No. " + std::to_string(number);
    static const char* kTitles[] = {"ダブルナンプレ", "ダブル数独", "問題", "上級"};
    return std::string(kTitles[draws.between(0, 3)]) + " " + std::to_string(number);
}

DrawStyle BaseStyle(const TestFont& font, bool diagonal, Draws& draws) {
    DrawStyle s;
    s.fontFamily = font.family;
    s.bold = draws.chance(0.3);
    s.digitHeight = draws.uniform(0.55, 0.75);
    s.cellPixels = draws.between(24, 64);
    s.lines = draws.chance(0.5) ? LineStyle::Thin : LineStyle::Thick;
    // A web page draws its cell lines grey more often than not; a book prints them black.
    if (s.lines == LineStyle::Thin && draws.chance(0.5)) s.cellLineColour = draws.grey(80, 150);
    s.margin = draws.between(6, 6 + s.cellPixels);
    if (draws.chance(0.5)) s.caption = Caption(font, draws.between(1, 120), draws);
    s.diagonals = diagonal;
    s.diagonalColour = draws.chance(0.5) ? s.cellLineColour : draws.grey(60, 160);
    s.seed = draws.next();
    return s;
}

void Distort(const std::string& group, DrawStyle& s, Draws& draws) {
    if (group == "small") {
        s.cellPixels = draws.between(16, 20);
        s.margin = draws.between(4, 16);
        s.digitHeight = draws.uniform(0.6, 0.75);
    } else if (group == "large") {
        s.cellPixels = draws.between(100, 120);
        s.margin = draws.between(10, 60);
    } else if (group == "rotated") {
        s.rotationDegrees = draws.eitherWay(1, 10);
    } else if (group == "perspective") {
        s.perspectiveX = draws.eitherWay(0.02, 0.12);
        s.perspectiveY = draws.eitherWay(0.02, 0.12);
        s.rotationDegrees = draws.uniform(-2, 2);
    } else if (group == "blur") {
        s.blurSigma = draws.uniform(0.6, 0.6 + s.cellPixels / 33.0);
    } else if (group == "jpeg") {
        s.jpegQuality = draws.between(40, 60);
    } else if (group == "noise") {
        s.noiseSigma = draws.uniform(6, 20);
    } else if (group == "grey") {
        s.cellColour = draws.grey(200, 240);
        s.shading = static_cast<Shading>(draws.between(0, 2));
        s.shadeColour = draws.grey(170, 215);
        if (draws.chance(0.3)) s.pageColour = draws.grey(225, 245);
    } else if (group == "colour") {
        s.cellColour = draws.chance(0.3) ? cv::Scalar::all(255) : draws.tint(45);
        s.shading = static_cast<Shading>(draws.between(0, 2));
        s.shadeColour = draws.tint(70);
        if (draws.chance(0.5)) s.boxLineColour = s.cellLineColour = DarkColour(draws);
        if (draws.chance(0.5)) s.inkColour = DarkColour(draws);
        if (draws.chance(0.3)) s.pageColour = draws.tint(25);
    } else if (group == "photo") {
        s.pageColour = cv::Scalar(draws.between(200, 235), draws.between(225, 245), draws.between(230, 250));
        s.cellColour = s.pageColour;
        s.shadow = draws.uniform(0.1, 0.35);
        s.perspectiveX = draws.eitherWay(0.02, 0.08);
        s.perspectiveY = draws.eitherWay(0.02, 0.08);
        s.rotationDegrees = draws.uniform(-4, 4);
        s.blurSigma = draws.uniform(0.5, 1.2);
        s.noiseSigma = draws.uniform(2, 6);
        s.jpegQuality = draws.between(70, 92);
    }
}

}  // namespace

const std::vector<TestFont>& TestFonts() {
    static const std::vector<TestFont> kFonts{
        {"IPAMincho", true},    {"IPAGothic", true},        {"Noto Sans CJK JP", true}, {"Noto Serif CJK JP", true},
        {"VL Gothic", true},    {"DejaVu Sans", false},     {"Liberation Serif", false}, {"FreeSans", false},
        {"Nimbus Roman", false}, {"Liberation Sans", false}, {"FreeSerif", false},
    };
    return kFonts;
}

const std::vector<std::string>& DistortionGroups() {
    static const std::vector<std::string> kGroups{"clean", "small", "large",  "rotated", "perspective", "blur",
                                                  "jpeg",  "noise", "grey",   "colour",  "photo"};
    return kGroups;
}

std::vector<Sample> TestSet(int count, uint64_t seed) {
    const auto& groups = DistortionGroups();
    const auto& fonts = TestFonts();
    const int groupCount = static_cast<int>(groups.size());
    std::vector<Sample> samples;
    for (int i = 0; i < count; ++i) {
        const int g = i % groupCount, k = i / groupCount;  // the k-th sample of group g
        Draws draws(seed * 0x9E3779B97F4A7C15ULL + static_cast<uint64_t>(i));
        const int pattern = 1 + k % puzzle::kPatternCount;
        const bool diagonal = (k + k / puzzle::kPatternCount) % 2 == 1;
        const TestFont& font = fonts[static_cast<size_t>((k + g) % static_cast<int>(fonts.size()))];
        Sample sample{.problem = puzzle::GenerateProblem(pattern, diagonal, draws.next()),
                      .style = BaseStyle(font, diagonal, draws),
                      .group = groups[static_cast<size_t>(g)]};
        Distort(sample.group, sample.style, draws);
        samples.push_back(std::move(sample));
    }
    return samples;
}

}  // namespace picture::drawing
