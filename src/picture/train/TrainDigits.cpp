// Trains the digit classifier of the picture reader and writes its weights as C++ source.
//   mozel-train-digits OUT.inc [--samples N] [--epochs E] [--seed S]
// Digits 1..9 are rendered from font files Debian ships (fonts-ipafont, fonts-vlgothic,
// fonts-noto-cjk, fonts-dejavu, fonts-liberation2, fonts-freefont-ttf, fonts-urw-base35) into
// a cell with its lines, at 16 to 120 pixels a cell, on white, grey or tinted paper, with the
// faults the reader meets (a slightly wrong fit, blur, noise, JPEG loss, a diagonal line), and
// cut out through the reader's own CellInk. Marks that are no digit (specks, strokes) form
// class 0. The fonts marked held out are not trained on: their figures are printed apart.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include <opencv2/freetype.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include "picture/CellInk.h"
#include "picture/DigitClassifier.h"

namespace {

using picture::kCellSide;
using picture::kClasses;
using picture::kFeatureCount;

struct Font {
    const char* name;
    const char* path;
    int face;
    bool heldOut;
};

// Japanese Mincho and Gothic faces and Latin serif and sans faces, regular and bold.
constexpr Font kFonts[] = {
    {"IPA Gothic", "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf", 0, false},
    {"IPA Mincho", "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf", 0, true},
    {"VL Gothic", "/usr/share/fonts/truetype/vlgothic/VL-Gothic-Regular.ttf", 0, false},
    {"Noto Sans CJK JP", "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", 0, false},
    {"Noto Sans CJK JP Bold", "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc", 0, false},
    {"Noto Serif CJK JP", "/usr/share/fonts/opentype/noto/NotoSerifCJK-Regular.ttc", 0, false},
    {"Noto Serif CJK JP Bold", "/usr/share/fonts/opentype/noto/NotoSerifCJK-Bold.ttc", 0, false},
    {"DejaVu Sans", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0, false},
    {"DejaVu Sans Bold", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 0, false},
    {"DejaVu Serif", "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf", 0, false},
    {"DejaVu Serif Bold", "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf", 0, false},
    {"Liberation Sans", "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf", 0, false},
    {"Liberation Sans Bold", "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf", 0, false},
    {"Liberation Serif", "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf", 0, true},
    {"Liberation Serif Bold", "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf", 0, true},
    {"FreeSans", "/usr/share/fonts/truetype/freefont/FreeSans.ttf", 0, false},
    {"FreeSans Bold", "/usr/share/fonts/truetype/freefont/FreeSansBold.ttf", 0, false},
    {"FreeSerif", "/usr/share/fonts/truetype/freefont/FreeSerif.ttf", 0, false},
    {"FreeSerif Bold", "/usr/share/fonts/truetype/freefont/FreeSerifBold.ttf", 0, false},
    {"Nimbus Sans", "/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf", 0, false},
    {"Nimbus Roman", "/usr/share/fonts/opentype/urw-base35/NimbusRoman-Regular.otf", 0, false},
    {"Nimbus Roman Bold", "/usr/share/fonts/opentype/urw-base35/NimbusRoman-Bold.otf", 0, false},
    {"C059", "/usr/share/fonts/opentype/urw-base35/C059-Roman.otf", 0, false},
    {"P052 Bold", "/usr/share/fonts/opentype/urw-base35/P052-Bold.otf", 0, false},
    {"URW Gothic", "/usr/share/fonts/opentype/urw-base35/URWGothic-Book.otf", 0, false},
};

struct Sample {
    std::array<float, kFeatureCount> features;
    int label;
    int font;
};

double Uniform(std::mt19937& rng, double a, double b) { return std::uniform_real_distribution<double>(a, b)(rng); }
bool Chance(std::mt19937& rng, double p) { return Uniform(rng, 0, 1) < p; }

int Percentile(const cv::Mat& grey, double share) {
    cv::Mat sorted = grey.reshape(1, 1).clone();
    cv::sort(sorted, sorted, cv::SORT_ASCENDING | cv::SORT_EVERY_ROW);
    return sorted.at<uchar>(0, static_cast<int>(share * static_cast<double>(sorted.cols - 1)));
}

// One cell with digit `digit` (0: a stray mark) drawn at a random size and spoilt as pictures
// are; the cell as the reader cuts it, kCellSide square, with the ink's grey level.
cv::Mat RenderCell(cv::freetype::FreeType2& font, int digit, std::mt19937& rng, float& black, int& diagonals, double& s) {
    s = std::exp(Uniform(rng, std::log(16.0), std::log(120.0)));
    int side = static_cast<int>(std::lround(3 * s));
    // White, grey or lightly tinted paper (the font renderer draws in colour).
    cv::Scalar paper = Chance(rng, 0.5)   ? cv::Scalar::all(Uniform(rng, 235, 255))
                       : Chance(rng, 0.5) ? cv::Scalar::all(Uniform(rng, 180, 240))
                                          : cv::Scalar(Uniform(rng, 190, 255), Uniform(rng, 190, 255), Uniform(rng, 190, 255));
    cv::Mat patch(side, side, CV_8UC3, paper);
    // The lines of the cell and its neighbours; some sides are box lines, thicker.
    double ink = Chance(rng, 0.7) ? Uniform(rng, 0, 60) : Uniform(rng, 60, 150);
    double thin = std::max(1.0, s * Uniform(rng, 0.015, 0.05));
    for (int k = 0; k <= 3; ++k) {
        double at = k * s;
        double wx = Chance(rng, 0.3) ? thin * Uniform(rng, 2, 3) : thin;
        double wy = Chance(rng, 0.3) ? thin * Uniform(rng, 2, 3) : thin;
        cv::rectangle(patch, cv::Rect2d(at - wx / 2, 0, wx, side), cv::Scalar::all(ink), cv::FILLED, cv::LINE_AA);
        cv::rectangle(patch, cv::Rect2d(0, at - wy / 2, side, wy), cv::Scalar::all(ink), cv::FILLED, cv::LINE_AA);
    }
    diagonals = 0;
    if (Chance(rng, 0.3)) {
        double shade = Chance(rng, 0.5) ? Uniform(rng, 150, 235) : Uniform(rng, 40, 150);
        int width = std::max(1, static_cast<int>(std::lround(s * Uniform(rng, 0.01, 0.05))));
        // One diagonal, or both as in a grid's middle cell.
        diagonals = Chance(rng, 0.15) ? picture::kMainDiagonal | picture::kOtherDiagonal
                    : Chance(rng, 0.5) ? picture::kMainDiagonal
                                       : picture::kOtherDiagonal;
        if (diagonals & picture::kMainDiagonal) cv::line(patch, {0, 0}, {side, side}, cv::Scalar::all(shade), width, cv::LINE_AA);
        if (diagonals & picture::kOtherDiagonal) cv::line(patch, {side, 0}, {0, side}, cv::Scalar::all(shade), width, cv::LINE_AA);
    }
    double printed = Uniform(rng, 0, 100);
    if (digit > 0) {
        int height = static_cast<int>(std::lround(s * Uniform(rng, 0.5, 0.82)));
        std::string text(1, static_cast<char>('0' + digit));
        int baseline = 0;
        cv::Size size = font.getTextSize(text, height, -1, &baseline);
        cv::Point origin(static_cast<int>(std::lround(1.5 * s - size.width / 2.0 + Uniform(rng, -0.06, 0.06) * s)),
                         static_cast<int>(std::lround(1.5 * s + size.height / 2.0 + Uniform(rng, -0.06, 0.06) * s)));
        font.putText(patch, text, origin, height, cv::Scalar::all(printed), -1, cv::LINE_AA, true);
    } else if (diagonals == 0 || Chance(rng, 0.5)) {
        // Specks and short strokes: dirt, a pencil touch, a piece of a line.
        int marks = std::uniform_int_distribution<int>(1, 4)(rng);
        for (int m = 0; m < marks; ++m) {
            cv::Point2d a(Uniform(rng, 1.15, 1.85) * s, Uniform(rng, 1.15, 1.85) * s);
            cv::Point2d b = a + cv::Point2d(Uniform(rng, -0.3, 0.3) * s, Uniform(rng, -0.3, 0.3) * s);
            int width = std::max(1, static_cast<int>(std::lround(s * Uniform(rng, 0.02, 0.08))));
            cv::line(patch, a, Chance(rng, 0.5) ? a : b, cv::Scalar::all(Uniform(rng, 0, 120)), width, cv::LINE_AA);
        }
    }
    cv::cvtColor(patch, patch, cv::COLOR_BGR2GRAY);
    // A fit a little off: turned, scaled and shifted.
    cv::Mat turn = cv::getRotationMatrix2D(cv::Point2f(static_cast<float>(1.5 * s), static_cast<float>(1.5 * s)),
                                           Uniform(rng, -3, 3), Uniform(rng, 0.95, 1.05));
    turn.at<double>(0, 2) += Uniform(rng, -0.05, 0.05) * s;
    turn.at<double>(1, 2) += Uniform(rng, -0.05, 0.05) * s;
    cv::warpAffine(patch, patch, turn, patch.size(), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    if (Chance(rng, 0.6)) {
        double sigma = Uniform(rng, 0.3, 0.6 + s / 33);
        cv::GaussianBlur(patch, patch, cv::Size(), sigma);
    }
    if (Chance(rng, 0.5)) {
        cv::Mat noise(patch.size(), CV_16S);
        cv::randn(noise, 0, Uniform(rng, 2, 20));
        cv::Mat wide;
        patch.convertTo(wide, CV_16S);
        wide += noise;
        wide.convertTo(patch, CV_8U);
    }
    if (Chance(rng, 0.5)) {
        std::vector<uchar> bytes;
        cv::imencode(".jpg", patch, bytes, {cv::IMWRITE_JPEG_QUALITY, static_cast<int>(Uniform(rng, 40, 95))});
        patch = cv::imdecode(bytes, cv::IMREAD_GRAYSCALE);
    }
    // As the reader does: large cells scaled down whole, then the cell warped to kCellSide.
    double scale = 1.0;
    if (s > 2.0 * kCellSide) {
        scale = 1.5 * kCellSide / s;
        cv::resize(patch, patch, cv::Size(), scale, scale, cv::INTER_AREA);
    }
    double f = kCellSide / (s * scale);
    cv::Matx23d toCell(f, 0, -s * scale * f + 0.5 * (f - 1), 0, f, -s * scale * f + 0.5 * (f - 1));
    cv::Mat cell;
    cv::warpAffine(patch, cell, toCell, cv::Size(kCellSide, kCellSide), cv::INTER_LINEAR, cv::BORDER_REPLICATE);
    black = static_cast<float>(Percentile(patch, 0.01));
    return cell;
}

// Training by plain stochastic gradient descent with momentum on the cross-entropy.
struct Net {
    int hidden;
    std::vector<float> mean, inverseSpread, w1, b1, w2, b2;

    picture::NetWeights Weights() const {
        return {.hidden = hidden, .mean = mean.data(), .inverseSpread = inverseSpread.data(), .w1 = w1.data(), .b1 = b1.data(),
                .w2 = w2.data(), .b2 = b2.data()};
    }
};

void Train(Net& net, const std::vector<Sample>& samples, int epochs, std::mt19937& rng) {
    const int n = kFeatureCount;
    const int h = net.hidden;
    net.mean.assign(n, 0);
    net.inverseSpread.assign(n, 0);
    for (const Sample& s : samples)
        for (int i = 0; i < n; ++i) net.mean[i] += s.features[i];
    for (float& m : net.mean) m /= static_cast<float>(samples.size());
    for (const Sample& s : samples)
        for (int i = 0; i < n; ++i) net.inverseSpread[i] += (s.features[i] - net.mean[i]) * (s.features[i] - net.mean[i]);
    for (float& v : net.inverseSpread) v = 1.0F / std::sqrt(v / static_cast<float>(samples.size()) + 1e-2F);

    std::normal_distribution<float> gauss(0, 1);
    net.w1.resize(static_cast<std::size_t>(h * n));
    for (float& w : net.w1) w = gauss(rng) * std::sqrt(2.0F / n);
    net.b1.assign(h, 0);
    net.w2.resize(static_cast<std::size_t>(kClasses * h));
    for (float& w : net.w2) w = gauss(rng) * std::sqrt(1.0F / h);
    net.b2.assign(kClasses, 0);
    std::vector<float> v1(net.w1.size(), 0), vb1(h, 0), v2(net.w2.size(), 0), vb2(kClasses, 0);

    std::vector<std::size_t> order(samples.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::vector<float> x(n), a(h), z(kClasses), dz(kClasses), da(h);
    for (int epoch = 0; epoch < epochs; ++epoch) {
        std::shuffle(order.begin(), order.end(), rng);
        float rate = 0.003F * (epoch < epochs / 2 ? 1.0F : epoch < epochs * 3 / 4 ? 0.3F : 0.1F);
        double loss = 0;
        for (std::size_t index : order) {
            const Sample& s = samples[index];
            for (int i = 0; i < n; ++i) x[i] = (s.features[i] - net.mean[i]) * net.inverseSpread[i];
            for (int j = 0; j < h; ++j) {
                float sum = net.b1[j];
                const float* w = &net.w1[static_cast<std::size_t>(j * n)];
                for (int i = 0; i < n; ++i) sum += w[i] * x[i];
                a[j] = std::max(0.0F, sum);
            }
            float top = -1e30F;
            for (int k = 0; k < kClasses; ++k) {
                float sum = net.b2[k];
                for (int j = 0; j < h; ++j) sum += net.w2[static_cast<std::size_t>(k * h + j)] * a[j];
                z[k] = sum;
                top = std::max(top, sum);
            }
            float total = 0;
            for (int k = 0; k < kClasses; ++k) total += (z[k] = std::exp(z[k] - top));
            for (int k = 0; k < kClasses; ++k) dz[k] = z[k] / total - (k == s.label ? 1.0F : 0.0F);
            loss -= std::log(std::max(1e-12F, z[s.label] / total));
            std::fill(da.begin(), da.end(), 0.0F);
            for (int k = 0; k < kClasses; ++k) {
                for (int j = 0; j < h; ++j) {
                    std::size_t at = static_cast<std::size_t>(k * h + j);
                    da[j] += net.w2[at] * dz[k];
                    v2[at] = 0.9F * v2[at] - rate * dz[k] * a[j];
                    net.w2[at] += v2[at];
                }
                vb2[k] = 0.9F * vb2[k] - rate * dz[k];
                net.b2[k] += vb2[k];
            }
            for (int j = 0; j < h; ++j) {
                if (a[j] <= 0) continue;
                float* w = &net.w1[static_cast<std::size_t>(j * n)];
                float* v = &v1[static_cast<std::size_t>(j * n)];
                for (int i = 0; i < n; ++i) {
                    v[i] = 0.9F * v[i] - rate * (da[j] * x[i] + 1e-5F * w[i]);
                    w[i] += v[i];
                }
                vb1[j] = 0.9F * vb1[j] - rate * da[j];
                net.b1[j] += vb1[j];
            }
        }
        std::cerr << "epoch " << epoch + 1 << ": loss " << loss / static_cast<double>(samples.size()) << "\n";
    }
}

void WriteArray(std::ostream& out, const char* name, const std::vector<float>& values) {
    out << "constexpr float " << name << "[" << values.size() << "] = {";
    char text[32];
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i % 8 == 0) out << "\n    ";
        std::snprintf(text, sizeof text, "%.6g", static_cast<double>(values[i]));
        out << text << "F" << (i + 1 < values.size() ? ", " : "");
    }
    out << "};\n";
}

// Right share, and the share of cells below the doubt threshold, among right and wrong.
void Report(const char* title, const Net& net, const std::vector<Sample>& samples, int missed) {
    picture::NetWeights w = net.Weights();
    int right = 0;
    int wrongSure = 0;
    int rightDoubtful = 0;
    for (const Sample& s : samples) {
        picture::Chances c = picture::Classify(w, s.features);
        auto top = std::max_element(c.begin(), c.end());
        bool ok = top - c.begin() == s.label;
        right += ok;
        if (!ok && *top >= 0.9F) ++wrongSure;
        if (ok && *top < 0.9F) ++rightDoubtful;
    }
    std::printf("%-10s samples %6zu  right %.4f  wrong at >= 0.9: %d  right below 0.9: %d  digits not marked: %d\n", title,
                samples.size(), static_cast<double>(right) / static_cast<double>(samples.size()), wrongSure, rightDoubtful, missed);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: mozel-train-digits OUT.inc [--samples N] [--epochs E] [--seed S] [--hidden H] [--dump DIR]\n";
        return 2;
    }
    std::string out = argv[1];
    int perDigit = 400;
    int epochs = 16;
    int hidden = 40;
    unsigned seed = 1;
    std::string dump;  // a folder for some digits the cell reader missed
    for (int i = 2; i + 1 < argc; i += 2) {
        std::string key = argv[i];
        if (key == "--dump") {
            dump = argv[i + 1];
            continue;
        }
        int value = std::stoi(argv[i + 1]);
        if (key == "--samples") perDigit = value;
        else if (key == "--epochs") epochs = value;
        else if (key == "--seed") seed = static_cast<unsigned>(value);
        else if (key == "--hidden") hidden = value;
    }
    std::mt19937 rng(seed);
    std::vector<Sample> training;
    std::vector<Sample> heldOut;
    std::vector<Sample> trainingCheck;
    int missedTraining = 0;
    int missedHeldOut = 0;
    cv::Ptr<cv::freetype::FreeType2> ft = cv::freetype::createFreeType2();
    for (int f = 0; f < static_cast<int>(std::size(kFonts)); ++f) {
        const Font& font = kFonts[f];
        if (!std::filesystem::exists(font.path)) {
            std::cerr << "missing font " << font.path << " (install the font packages named above)\n";
            return 1;
        }
        ft->loadFontData(font.path, font.face);
        for (int digit = 0; digit <= 9; ++digit) {
            // Stray marks: as many tries as a digit gets; only those read as marks are kept.
            for (int k = 0; k < perDigit; ++k) {
                float black = 0;
                int diagonals = 0;
                double cellPixels = 0;
                cv::Mat cell = RenderCell(*ft, digit, rng, black, diagonals, cellPixels);
                picture::CellInk ink = picture::ReadInk(cell, black, diagonals, cellPixels);
                if (!ink.marked) {
                    if (digit > 0 && !dump.empty() && missedTraining + missedHeldOut < 40)
                        cv::imwrite(dump + "/missed-" + std::to_string(missedTraining + missedHeldOut) + ".png", cell);
                    if (digit > 0) ++(font.heldOut ? missedHeldOut : missedTraining);
                    continue;
                }
                Sample s{ink.features, digit, f};
                if (font.heldOut)
                    heldOut.push_back(s);
                else if (k % 10 == 0)
                    trainingCheck.push_back(s);
                else
                    training.push_back(s);
            }
        }
        std::cerr << font.name << ": " << training.size() << " training samples so far\n";
    }
    Net net{.hidden = hidden, .mean = {}, .inverseSpread = {}, .w1 = {}, .b1 = {}, .w2 = {}, .b2 = {}};
    Train(net, training, epochs, rng);
    Report("training", net, training, missedTraining);
    Report("check", net, trainingCheck, 0);
    Report("held out", net, heldOut, missedHeldOut);

    std::ofstream file(out);
    file << "// The digit classifier's weights, written by mozel-train-digits (src/picture/train/remake-model.sh);\n"
         << "// " << training.size() << " training samples, " << epochs << " epochs, seed " << seed << ".\n"
         << "// Held out from training:";
    for (const Font& font : kFonts)
        if (font.heldOut) file << " " << font.name << ";";
    file << "\n";
    file << "constexpr int kModelHidden = " << hidden << ";\n";
    WriteArray(file, "kModelMean", net.mean);
    WriteArray(file, "kModelInverseSpread", net.inverseSpread);
    WriteArray(file, "kModelW1", net.w1);
    WriteArray(file, "kModelB1", net.b1);
    WriteArray(file, "kModelW2", net.w2);
    WriteArray(file, "kModelB2", net.b2);
    return file.good() ? 0 : 1;
}
