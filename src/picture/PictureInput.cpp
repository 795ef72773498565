#include "picture/PictureInput.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

namespace picture {
namespace {

uint32_t BigEndian(std::span<const unsigned char> b, std::size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

uint32_t LittleEndian(std::span<const unsigned char> b, std::size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

bool IsPng(std::span<const unsigned char> b) {
    static constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return b.size() >= 8 && std::equal(kSignature, kSignature + 8, b.begin());
}
bool IsJpeg(std::span<const unsigned char> b) { return b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF; }
bool IsBmp(std::span<const unsigned char> b) { return b.size() >= 26 && b[0] == 'B' && b[1] == 'M'; }

// The size in a JPEG's start-of-frame segment, found by walking the segments before it.
std::optional<PictureSize> JpegSize(std::span<const unsigned char> b) {
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xFF) return std::nullopt;
        unsigned char marker = b[at + 1];
        if (marker == 0xFF) {  // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length follows
            at += 2;
            continue;
        }
        uint32_t length = BigEndian(b, at + 2, 2);
        if (length < 2) return std::nullopt;
        bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (at + 9 > b.size()) return std::nullopt;
            return PictureSize{static_cast<int>(BigEndian(b, at + 7, 2)), static_cast<int>(BigEndian(b, at + 5, 2))};
        }
        if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // image data before any frame
        at += 2 + length;
    }
    return std::nullopt;
}

std::string SizeText(const PictureSize& s) { return std::to_string(s.width) + "×" + std::to_string(s.height); }

}  // namespace

std::optional<PictureSize> SniffSize(std::span<const unsigned char> b) {
    if (IsPng(b)) {
        if (b.size() < 24 || b[12] != 'I' || b[13] != 'H' || b[14] != 'D' || b[15] != 'R') return std::nullopt;
        uint32_t w = BigEndian(b, 16, 4);
        uint32_t h = BigEndian(b, 20, 4);
        if (w > 0x7FFFFFFF || h > 0x7FFFFFFF) return std::nullopt;
        return PictureSize{static_cast<int>(w), static_cast<int>(h)};
    }
    if (IsJpeg(b)) return JpegSize(b);
    if (IsBmp(b)) {
        uint32_t header = LittleEndian(b, 14, 4);
        if (header == 12) return PictureSize{static_cast<int>(LittleEndian(b, 18, 2)), static_cast<int>(LittleEndian(b, 20, 2))};
        auto w = static_cast<int32_t>(LittleEndian(b, 18, 4));
        auto h = static_cast<int32_t>(LittleEndian(b, 22, 4));
        if (w <= 0 || h == INT32_MIN) return std::nullopt;
        return PictureSize{w, std::abs(h)};
    }
    return std::nullopt;
}

bool EndsWhole(std::span<const unsigned char> b) {
    if (IsPng(b)) {
        // The last chunk: length 0, "IEND", CRC.
        static constexpr unsigned char kEnd[8] = {0, 0, 0, 0, 'I', 'E', 'N', 'D'};
        return b.size() >= 12 + 8 && std::search(b.end() - 12 - 8, b.end(), kEnd, kEnd + 8) != b.end();
    }
    if (IsJpeg(b)) {
        // The end-of-image marker, perhaps followed by a little padding.
        std::size_t from = b.size() > 64 ? b.size() - 64 : 0;
        for (std::size_t i = b.size() - 1; i > from; --i)
            if (b[i - 1] == 0xFF && b[i] == 0xD9) return true;
        return false;
    }
    if (IsBmp(b)) return b.size() >= LittleEndian(b, 2, 4);
    return false;
}

cv::Mat DecodeGrey(std::span<const unsigned char> encoded, std::string& message) {
    std::optional<PictureSize> size = SniffSize(encoded);
    if (!size) {
        message = "画像を読めません（PNG、JPEG、BMP のどれでもありません）";
        return {};
    }
    if (size->width <= 0 || size->height <= 0) {
        message = "画像を読めません（大きさが 0 です）";
        return {};
    }
    if (static_cast<long long>(size->width) * size->height > kMaxPixels) {
        message = "画像が大きすぎます (" + SizeText(*size) + ")";
        return {};
    }
    if (!EndsWhole(encoded)) {
        message = "画像を読めません（ファイルが途中で切れています）";
        return {};
    }
    // A large JPEG is decoded at a half, a quarter or an eighth of its size directly.
    int flags = cv::IMREAD_GRAYSCALE;
    int longer = std::max(size->width, size->height);
    if (IsJpeg(encoded)) {
        if (longer >= 8 * kMaxSide) flags = cv::IMREAD_REDUCED_GRAYSCALE_8;
        else if (longer >= 4 * kMaxSide) flags = cv::IMREAD_REDUCED_GRAYSCALE_4;
        else if (longer >= 2 * kMaxSide) flags = cv::IMREAD_REDUCED_GRAYSCALE_2;
    }
    cv::Mat grey;
    try {
        cv::Mat data(1, static_cast<int>(encoded.size()), CV_8U, const_cast<unsigned char*>(encoded.data()));
        grey = cv::imdecode(data, flags);
    } catch (const cv::Exception&) {
        grey.release();
    } catch (const std::bad_alloc&) {
        grey.release();
    }
    if (grey.empty()) {
        message = "画像を読めません（ファイルが壊れています）";
        return {};
    }
    if (int side = std::max(grey.cols, grey.rows); side > kMaxSide) {
        double f = static_cast<double>(kMaxSide) / side;
        cv::Mat smaller;
        cv::resize(grey, smaller, cv::Size(), f, f, cv::INTER_AREA);
        grey = smaller;
    }
    return grey;
}

}  // namespace picture
