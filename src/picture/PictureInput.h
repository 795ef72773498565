// A picture's bytes decoded into a grey image within bounds: the size is read from the PNG,
// JPEG or BMP header before anything is decoded, and huge, damaged or cut-short files are
// refused with a message instead.
#pragma once

#include <optional>
#include <span>
#include <string>

#include <opencv2/core.hpp>

namespace picture {

// Pictures above this many pixels are refused before decoding.
constexpr long long kMaxPixels = 40'000'000;
// A decoded picture is scaled down until its longer side is at most this long.
constexpr int kMaxSide = 2000;

struct PictureSize {
    int width = 0;
    int height = 0;
};

// Width and height from the header of a PNG, JPEG or BMP file, or nothing for anything else.
std::optional<PictureSize> SniffSize(std::span<const unsigned char> encoded);

// True when the file's end is there: PNG's IEND chunk, JPEG's end-of-image marker, or a BMP's
// pixel data as long as its header says.
bool EndsWhole(std::span<const unsigned char> encoded);

// The picture as 8-bit grey, its longer side at most kMaxSide; empty with a message in Japanese
// for a file that is no picture, too large, damaged or cut short.
cv::Mat DecodeGrey(std::span<const unsigned char> encoded, std::string& message);

}  // namespace picture
