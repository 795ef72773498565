// Colours as the program stores them: 0x00BBGGRR in a 32-bit integer. Shades are plain
// integer sums on that value, so a value may carry past 0xFFFFFF; it is kept as computed.
#pragma once

#include <cstdint>

namespace ui {

using Color = int32_t;

constexpr Color Rgb(int red, int green, int blue) { return red | (green << 8) | (blue << 16); }
constexpr int RedOf(Color c) { return c & 0xFF; }
constexpr int GreenOf(Color c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Color c) { return (c >> 16) & 0xFF; }

constexpr Color kBlack = 0x000000;
constexpr Color kWhite = 0xFFFFFF;
// The system's button-face colour, as a system-colour reference (high bit set).
constexpr Color kButtonFace = static_cast<Color>(0x8000000F);

}  // namespace ui
