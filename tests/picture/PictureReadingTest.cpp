// The board reader: bad input refused with a message, and a set of drawn pictures across every
// distortion group read within the bounds the reader promises.
#include "picture/PictureInput.h"
#include "picture/PictureReading.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include "BoardDrawing.h"
#include "TestSet.h"
#include "puzzle/Generator.h"
#include "puzzle/Solver.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Encoded(const cv::Mat& picture, const std::string& extension) {
    Bytes bytes;
    cv::imencode(extension, picture, bytes);
    return bytes;
}

void Put(Bytes& b, std::size_t at, uint32_t value, int bytes, bool bigEndian) {
    if (b.size() < at + static_cast<std::size_t>(bytes)) b.resize(at + static_cast<std::size_t>(bytes));
    for (int i = 0; i < bytes; ++i) {
        int shift = 8 * (bigEndian ? bytes - 1 - i : i);
        b[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> shift);
    }
}

// The headers of 20,000 x 20,000 pictures, with a little data after them: nothing is decoded.
Bytes HugePng() {
    Bytes b = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    Put(b, 16, 20000, 4, true);
    Put(b, 20, 20000, 4, true);
    Bytes rest = {8, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};
    b.insert(b.end(), rest.begin(), rest.end());
    return b;
}

Bytes HugeJpeg() {
    Bytes b = {0xFF, 0xD8, 0xFF, 0xE0, 0, 4, 0, 0, 0xFF, 0xC0, 0, 11, 8};
    Put(b, b.size(), 20000, 2, true);  // height
    Put(b, b.size(), 20000, 2, true);  // width
    Bytes rest = {1, 1, 0x11, 0, 0xFF, 0xD9};
    b.insert(b.end(), rest.begin(), rest.end());
    return b;
}

Bytes HugeBmp() {
    Bytes b = {'B', 'M'};
    Put(b, 2, 54, 4, false);
    Put(b, 14, 40, 4, false);
    Put(b, 18, 20000, 4, false);
    Put(b, 22, static_cast<uint32_t>(-20000), 4, false);  // top-down rows
    Put(b, 26, 1, 2, false);
    Put(b, 28, 24, 2, false);
    b.resize(54);
    return b;
}

cv::Mat LoneGrid() {
    cv::Mat m(400, 400, CV_8UC3, cv::Scalar::all(255));
    for (int k = 0; k <= 9; ++k) {
        int at = 20 + k * 40;
        int width = k % 3 == 0 ? 3 : 1;
        cv::line(m, {at, 20}, {at, 380}, cv::Scalar::all(0), width);
        cv::line(m, {20, at}, {380, at}, cv::Scalar::all(0), width);
    }
    cv::putText(m, "5", {72, 110}, cv::FONT_HERSHEY_SIMPLEX, 1.0, cv::Scalar::all(0), 2);
    return m;
}

cv::Mat DrawnBoard() {
    picture::drawing::DrawStyle style;
    style.cellPixels = 30;
    return picture::drawing::DrawBoard(puzzle::GenerateProblem(6, false, 3), style);
}

struct BadCase {
    const char* name;
    Bytes bytes;
    const char* message;  // a part of the message
};

TEST(PictureReading, BadInputGivesAMessageAndNoBoard) {
    Bytes png = Encoded(DrawnBoard(), ".png");
    Bytes jpeg = Encoded(DrawnBoard(), ".jpg");
    Bytes damaged = png;
    for (std::size_t i = 100; i < damaged.size() - 100; i += 7) damaged[i] = static_cast<unsigned char>(damaged[i] ^ 0x5A);
    const BadCase cases[] = {
        {"empty", {}, "PNG、JPEG、BMP のどれでもありません"},
        {"text", Bytes{'1', ' ', '.', '.', '3', '\n'}, "PNG、JPEG、BMP のどれでもありません"},
        {"huge PNG", HugePng(), "画像が大きすぎます (20000×20000)"},
        {"huge JPEG", HugeJpeg(), "画像が大きすぎます (20000×20000)"},
        {"huge BMP", HugeBmp(), "画像が大きすぎます (20000×20000)"},
        {"cut PNG", Bytes(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(png.size() / 2)), "途中で切れています"},
        {"cut JPEG", Bytes(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() / 2)), "途中で切れています"},
        {"damaged PNG", damaged, "画像を読めません"},
        {"blank page", Encoded(cv::Mat(300, 400, CV_8UC3, cv::Scalar::all(250)), ".png"), "ダブルの盤が見つかりません"},
        {"lone grid", Encoded(LoneGrid(), ".png"), "9x9 の盤が1つしか見つかりません"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.name);
        picture::PictureReading reading = picture::ReadPicture(c.bytes);
        EXPECT_FALSE(reading.found);
        EXPECT_NE(reading.message.find(c.message), std::string::npos) << reading.message;
    }
    EXPECT_FALSE(picture::ReadPictureFile(MOZEL_TEST_DATA "/no-such-picture.png").found);
    EXPECT_TRUE(picture::ReadPicture(png).found);
}

// The size is read from each format's header as the decoder sees it.
TEST(PictureReading, SizeFromTheHeader) {
    cv::Mat m(37, 53, CV_8UC3, cv::Scalar::all(200));
    for (const char* extension : {".png", ".jpg", ".bmp"}) {
        SCOPED_TRACE(extension);
        std::optional<picture::PictureSize> size = picture::SniffSize(Encoded(m, extension));
        ASSERT_TRUE(size);
        EXPECT_EQ(size->width, 53);
        EXPECT_EQ(size->height, 37);
    }
}

// Four pictures of each distortion group (every pattern, half under the diagonal rule): at
// least 99.5 % of the cells and 95 % of the pictures read right, and a picture read wrong
// always shows it, by a doubtful cell or by a reading without exactly one solution.
TEST(PictureReading, ReadsTheDrawnSet) {
    const auto samples = picture::drawing::TestSet(44, 7);
    int cells = 0;
    int cellsRight = 0;
    int exact = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto& sample = samples[i];
        SCOPED_TRACE(std::to_string(i) + " " + sample.group + " " + sample.style.fontFamily);
        cv::Mat drawn = picture::drawing::DrawBoard(sample.problem, sample.style);
        picture::PictureReading reading = picture::ReadPicture(picture::drawing::Encode(drawn, sample.style));
        cells += 2 * puzzle::kGridCells;
        ASSERT_TRUE(reading.found) << reading.message;
        if (reading.board == sample.problem) {
            ++exact;
            cellsRight += 2 * puzzle::kGridCells;
            continue;
        }
        if (reading.board.pattern == sample.problem.pattern)
            for (int g = 1; g <= 2; ++g)
                for (int k = 1; k <= puzzle::kGridCells; ++k) cellsRight += reading.board.at(g, k) == sample.problem.at(g, k);
        bool flagged = !reading.doubtfulCells().empty() || puzzle::Solve(reading.board).verdict != puzzle::Verdict::Unique;
        EXPECT_TRUE(flagged) << "read wrong without a doubtful cell";
    }
    EXPECT_GE(cellsRight * 1000, cells * 995) << cellsRight << " of " << cells << " cells";
    EXPECT_GE(exact * 100, static_cast<int>(samples.size()) * 95) << exact << " of " << samples.size() << " pictures";
}

}  // namespace
